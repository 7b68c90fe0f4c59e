#!/usr/bin/env bash
# Installs what Lumisto needs, builds it in Release, prepares the program
# folder build/Lumisto/ with its database (never overwriting one that exists)
# and starts the program. LUMISTO_NO_START=1 does everything but the start.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/install-deps run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
if [ ! -e build/Lumisto/DB/Orvalha.FDB ]; then
  scripts/create-db build/Lumisto/DB/Orvalha.FDB
fi
if [ "${LUMISTO_NO_START:-0}" = 1 ]; then
  echo "Lumisto is ready in build/Lumisto/ (start it with build/Lumisto/lumisto)"
  exit 0
fi
exec build/Lumisto/lumisto
