#pragma once

#include <QString>
#include <QtGlobal>

#include <concepts>

class Money;

// Pascal-style number patterns with the Brazilian separators fixed: the
// output always has the decimal comma and the thousands point, whatever the
// machine's locale says.
//
//   0      a digit, shown even when it is a leading or trailing zero
//   #      a digit, shown only when it carries something
//   .      where the decimal comma goes (the first one counts)
//   ,      anywhere: group the integer digits by thousands
//   "x" 'x' text copied as is; any other character is copied too
//   ;      separates sections: positive;negative;zero
//
// With one section a negative value gets "-" before its first digit; a
// negative section is written as is (it carries its own sign, if any). A
// value that rounds to zero at the shown precision uses the zero section
// (or the first one, unsigned). Rounding is half away from zero at the shown
// number of decimals. Examples: "000" with 7 is "007", `00000"-"000` with
// 1234567 is "01234-567", "#,##0.00" with 1234.5 is "1.234,50". An empty
// pattern gives the shortest form with up to 15 significant digits.

// A double is taken at its 15 significant digits, so 2.675 shows as 2,68.
QString FormatFloat(const QString &pattern, double value);
// Exact: the value is scaled / 10^scale (scale 0 to 18).
QString FormatDecimal(const QString &pattern, qint64 scaled, int scale);
QString FormatFloat(const QString &pattern, const Money &value);
template <std::integral T>
QString FormatFloat(const QString &pattern, T value)
{
    return FormatDecimal(pattern, static_cast<qint64>(value), 0);
}

// The value at its 15 significant digits, rounded half away from zero to
// `decimals` places and returned as a count of 10^-decimals; false when it
// is not a finite number or does not fit.
bool RoundToScaled(double value, int decimals, qint64 &result);
