#include "util/Money.h"

#include "util/Formats.h"

#include <QList>

#include <cmath>
#include <limits>

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();
constexpr qint64 kScale = 10000;

qint64 saturatedProduct(qint64 a, qint64 b)
{
    qint64 result;
    if (__builtin_mul_overflow(a, b, &result))
        return (a < 0) != (b < 0) ? kMin : kMax;
    return result;
}

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Appends decimal digits to an accumulated magnitude; false on overflow.
bool accumulate(quint64 &value, QStringView digits)
{
    for (QChar c : digits)
        if (__builtin_mul_overflow(value, 10u, &value) ||
            __builtin_add_overflow(value, c.unicode() - u'0', &value))
            return false;
    return true;
}

// The integer part: plain digits, or 1-3 digits followed by ".ddd" groups.
bool wholeDigits(QStringView text, QString &digits)
{
    if (text.isEmpty())
        return false;
    if (!text.contains(u'.')) {
        for (QChar c : text)
            if (!isDigit(c))
                return false;
        digits = text.toString();
        return true;
    }
    const auto groups = text.split(u'.');
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QStringView g = groups[i];
        if (i == 0 ? (g.isEmpty() || g.size() > 3) : g.size() != 3)
            return false;
        for (QChar c : g)
            if (!isDigit(c))
                return false;
        digits += g;
    }
    return true;
}

QStringView stripBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front().unicode() <= u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back().unicode() <= u' ')
        text.chop(1);
    return text;
}

} // namespace

Money Money::fromUnits(qint64 units)
{
    return Money(saturatedProduct(units, kScale));
}

Money Money::fromCents(qint64 cents)
{
    return Money(saturatedProduct(cents, 100));
}

Money Money::fromDouble(double value)
{
    if (std::isnan(value))
        return Money();
    qint64 raw;
    if (!RoundToScaled(value, 4, raw))
        return Money(value < 0 ? kMin : kMax);
    return Money(raw);
}

Money Money::fromString(const QString &text, bool *ok)
{
    if (ok)
        *ok = false;
    QStringView s = stripBlanks(text);
    bool negative = false;
    bool signSeen = false;
    auto takeSign = [&] {
        if (!signSeen && !s.isEmpty() && (s.front() == u'-' || s.front() == u'+')) {
            negative = s.front() == u'-';
            signSeen = true;
            s = stripBlanks(s.mid(1));
        }
    };
    takeSign();
    if (s.startsWith(u"R$")) {
        s = stripBlanks(s.mid(2));
        takeSign();
    }

    const qsizetype comma = s.indexOf(u',');
    const QStringView wholeText = comma < 0 ? s : s.left(comma);
    const QStringView fractionText = comma < 0 ? QStringView() : s.mid(comma + 1);
    QString whole;
    if (!wholeDigits(wholeText, whole))
        return Money();
    if (comma >= 0 && (fractionText.isEmpty() || fractionText.size() > 4))
        return Money();
    for (QChar c : fractionText)
        if (!isDigit(c))
            return Money();

    quint64 magnitude = 0;
    if (!accumulate(magnitude, whole) || !accumulate(magnitude, fractionText))
        return Money();
    for (qsizetype i = fractionText.size(); i < 4; ++i)
        if (__builtin_mul_overflow(magnitude, 10u, &magnitude))
            return Money();
    if (magnitude > quint64(kMax))
        return Money();
    if (ok)
        *ok = true;
    return Money(negative ? -qint64(magnitude) : qint64(magnitude));
}

QString Money::toString() const
{
    return QStringLiteral("R$ ") + FormatFloat(QStringLiteral("#,##0.00"), *this);
}

QString Money::toDecimalString(int decimals) const
{
    QString pattern = QStringLiteral("0");
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    return FormatFloat(pattern, *this);
}

Money Money::operator+(Money other) const
{
    qint64 result;
    if (__builtin_add_overflow(m_value, other.m_value, &result))
        return Money(other.m_value < 0 ? kMin : kMax);
    return Money(result);
}

Money Money::operator-(Money other) const
{
    qint64 result;
    if (__builtin_sub_overflow(m_value, other.m_value, &result))
        return Money(other.m_value > 0 ? kMin : kMax);
    return Money(result);
}

Money Money::operator-() const
{
    return Money(m_value == kMin ? kMax : -m_value);
}

Money Money::operator*(qint64 factor) const
{
    return Money(saturatedProduct(m_value, factor));
}

Money Money::operator/(qint64 divisor) const
{
    if (divisor == 0)
        return Money();
    if (m_value == kMin && divisor == -1)
        return Money(kMax);
    qint64 quotient = m_value / divisor;
    const qint64 remainder = m_value % divisor;
    if (remainder != 0) {
        // |remainder| < |divisor| <= 2^63, so twice it fits in 64 unsigned bits
        const quint64 twice = 2 * (remainder < 0 ? 0 - quint64(remainder) : quint64(remainder));
        const quint64 whole = divisor < 0 ? 0 - quint64(divisor) : quint64(divisor);
        if (twice > whole || (twice == whole && quotient % 2 != 0))
            quotient += (m_value < 0) != (divisor < 0) ? -1 : 1;
    }
    return Money(quotient);
}
