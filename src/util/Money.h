#pragma once

#include <QString>
#include <QtGlobal>

#include <compare>

// An amount of money: a signed count of ten-thousandths, exact. No floating
// point in storage or arithmetic; doubles only come in through fromDouble.
// Sums, differences and products saturate at the ends of the range rather
// than wrap.
class Money {
public:
    constexpr Money() = default;

    static constexpr Money fromRaw(qint64 tenThousandths) { return Money(tenThousandths); }
    static Money fromUnits(qint64 units);
    static Money fromCents(qint64 cents);
    // Rounded to the nearest ten-thousandth, half away from zero, from the
    // value's 15 significant digits. Not a number gives zero; out of range
    // gives the nearest end.
    static Money fromDouble(double value);
    // "1234,5", "1.234,50", "R$ 1.234,50", "-0,01", "R$ -1,00": decimal comma,
    // thousands points only in their places, at most four decimals.
    // Anything else gives zero and *ok false.
    static Money fromString(const QString &text, bool *ok = nullptr);

    constexpr qint64 tenThousandths() const { return m_value; }
    double toDouble() const { return double(m_value) / 10000.0; }
    constexpr bool isZero() const { return m_value == 0; }

    // "R$ 1.234,50", "R$ -1.234,50": two decimals, half away from zero.
    QString toString() const;
    // "1234,50": no currency, no thousands points, `decimals` places
    // (half away from zero).
    QString toDecimalString(int decimals = 2) const;

    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const;
    Money &operator+=(Money other) { return *this = *this + other; }
    Money &operator-=(Money other) { return *this = *this - other; }
    Money operator*(qint64 factor) const;
    friend Money operator*(qint64 factor, Money money) { return money * factor; }
    // Rounds half to even (banker's rounding); dividing by zero gives zero.
    Money operator/(qint64 divisor) const;

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(qint64 value) : m_value(value) {}
    qint64 m_value = 0;
};
