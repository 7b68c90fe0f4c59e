#pragma once

#include "util/Money.h"

#include <QString>

// Money as the finance screens and pages show it: "R$ 1.234,56", and
// "-R$ 1.234,56" with the sign before the whole text. Two decimals, half away
// from zero (0,0050 is R$ 0,01); a negative amount that rounds to zero shows
// no sign. Point and comma are fixed, whatever the machine's locale.
QString TextoDinheiro(Money valor);
