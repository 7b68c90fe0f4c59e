#!/usr/bin/env bash
# Installs what the tests need, builds the test configuration (AddressSanitizer
# and UndefinedBehaviorSanitizer on the project's code) and runs every test
# headless. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/install-deps test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DLUMISTO_TESTS=ON -DLUMISTO_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
