#include "util/Formats.h"

#include "util/Money.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

// A non-negative amount as decimal digits, with its sign apart.
struct Decimal {
    bool negative = false;
    std::string whole;    // no leading zeros: empty for zero
    std::string fraction; // as many digits as known

    bool isZero() const { return whole.empty() && fraction.find_first_not_of('0') == std::string::npos; }
};

void stripLeadingZeros(std::string &digits)
{
    const auto first = digits.find_first_not_of('0');
    digits.erase(0, first == std::string::npos ? digits.size() : first);
}

// The double at 15 significant digits: what the value was meant to be, so
// 2.675 (stored as 2.67499999...) rounds like the decimal the user typed.
Decimal fromDouble(double value, int *exponent = nullptr)
{
    Decimal d;
    d.negative = std::signbit(value) && value != 0;
    char buffer[64];
    const auto res =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string text(buffer, res.ptr);
    const auto e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const int exp = std::stoi(text.substr(e + 1));
    if (exponent)
        *exponent = exp;
    if (exp >= 0) {
        if (digits.size() < size_t(exp) + 1)
            digits.append(size_t(exp) + 1 - digits.size(), '0');
        d.whole = digits.substr(0, size_t(exp) + 1);
        d.fraction = digits.substr(size_t(exp) + 1);
    } else {
        d.fraction = std::string(size_t(-exp - 1), '0') + digits;
    }
    stripLeadingZeros(d.whole);
    return d;
}

Decimal fromScaled(qint64 scaled, int scale)
{
    Decimal d;
    d.negative = scaled < 0;
    // through unsigned so that the most negative value has a magnitude too
    const quint64 magnitude = scaled < 0 ? 0 - quint64(scaled) : quint64(scaled);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < size_t(scale) + 1)
        digits.insert(0, size_t(scale) + 1 - digits.size(), '0');
    d.whole = digits.substr(0, digits.size() - size_t(scale));
    d.fraction = digits.substr(digits.size() - size_t(scale));
    stripLeadingZeros(d.whole);
    return d;
}

// Half away from zero: the sign is apart, so rounding the magnitude up is it.
Decimal rounded(Decimal d, int decimals)
{
    const size_t keep = size_t(decimals);
    if (d.fraction.size() <= keep) {
        d.fraction.append(keep - d.fraction.size(), '0');
        return d;
    }
    const bool up = d.fraction[keep] >= '5';
    d.fraction.resize(keep);
    if (!up)
        return d;
    std::string all = d.whole + d.fraction;
    qsizetype i = qsizetype(all.size()) - 1;
    for (; i >= 0; --i) {
        if (all[size_t(i)] != '9') {
            ++all[size_t(i)];
            break;
        }
        all[size_t(i)] = '0';
    }
    if (i < 0)
        all.insert(0, 1, '1');
    d.whole = all.substr(0, all.size() - keep);
    d.fraction = all.substr(all.size() - keep);
    stripLeadingZeros(d.whole);
    return d;
}

struct Token {
    enum Kind { Zero, Hash, Point, Literal } kind;
    bool inFraction = false;
    QString text;
};

struct Section {
    std::vector<Token> tokens;
    bool empty = true;
    bool thousands = false;
    int wholePlaceholders = 0;
    int requiredWhole = 0;
    int fractionPlaceholders = 0;
    int requiredFraction = 0;
};

Section parseSection(QStringView source)
{
    Section s;
    s.empty = source.isEmpty();
    bool inFraction = false;
    int firstWholeZero = -1;
    int lastFractionZero = -1;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u'"' || c == u'\'') {
            qsizetype close = source.indexOf(c, i + 1);
            if (close < 0)
                close = source.size();
            s.tokens.push_back({Token::Literal, inFraction, source.mid(i + 1, close - i - 1).toString()});
            i = close;
        } else if (c == u'0' || c == u'#') {
            const bool zero = c == u'0';
            s.tokens.push_back({zero ? Token::Zero : Token::Hash, inFraction, {}});
            if (inFraction) {
                if (zero)
                    lastFractionZero = s.fractionPlaceholders;
                ++s.fractionPlaceholders;
            } else {
                if (zero && firstWholeZero < 0)
                    firstWholeZero = s.wholePlaceholders;
                ++s.wholePlaceholders;
            }
        } else if (c == u'.') {
            if (!inFraction)
                s.tokens.push_back({Token::Point, false, {}});
            inFraction = true;
        } else if (c == u',') {
            s.thousands = true;
        } else {
            s.tokens.push_back({Token::Literal, inFraction, QString(c)});
        }
    }
    s.requiredWhole = firstWholeZero < 0 ? 0 : s.wholePlaceholders - firstWholeZero;
    s.requiredFraction = lastFractionZero + 1;
    return s;
}

std::vector<Section> parseSections(QStringView pattern)
{
    std::vector<Section> sections;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= pattern.size(); ++i) {
        if (i < pattern.size() && (pattern[i] == u'"' || pattern[i] == u'\'')) {
            const qsizetype close = pattern.indexOf(pattern[i], i + 1);
            i = close < 0 ? pattern.size() - 1 : close;
            continue;
        }
        if (i == pattern.size() || pattern[i] == u';') {
            sections.push_back(parseSection(pattern.mid(start, i - start)));
            start = i + 1;
            if (sections.size() == 3)
                break;
        }
    }
    return sections;
}

// `number` is already rounded to the section's placeholders after the point.
QString render(const Section &s, const Decimal &number, bool minus)
{
    QString out;
    if (s.wholePlaceholders == 0 && s.fractionPlaceholders == 0) {
        for (const Token &t : s.tokens)
            if (t.kind == Token::Literal)
                out += t.text;
        return out;
    }
    std::string whole = number.whole;
    if (whole.size() < size_t(s.requiredWhole))
        whole.insert(0, size_t(s.requiredWhole) - whole.size(), '0');
    std::string fraction = number.fraction;
    while (fraction.size() > size_t(s.requiredFraction) && fraction.back() == '0')
        fraction.pop_back();

    const qsizetype n = qsizetype(whole.size());
    bool signPending = minus;
    auto sign = [&] {
        if (signPending)
            out += u'-';
        signPending = false;
    };
    auto wholeDigit = [&](qsizetype k) {
        sign();
        out += QChar(char16_t(whole[size_t(k)]));
        const qsizetype right = n - 1 - k;
        if (s.thousands && right > 0 && right % 3 == 0)
            out += u'.';
    };

    int wholeIndex = 0;
    int fractionIndex = 0;
    for (const Token &t : s.tokens) {
        switch (t.kind) {
        case Token::Literal: out += t.text; break;
        case Token::Point:
            // digits with no placeholder of their own before the point
            if (s.wholePlaceholders == 0)
                for (qsizetype k = 0; k < n; ++k)
                    wholeDigit(k);
            if (!fraction.empty()) {
                sign();
                out += u',';
            }
            break;
        case Token::Zero:
        case Token::Hash:
            if (t.inFraction) {
                const int j = fractionIndex++;
                if (size_t(j) < fraction.size()) {
                    sign();
                    out += QChar(char16_t(fraction[size_t(j)]));
                }
            } else {
                const int j = wholeIndex++;
                // the digit this placeholder holds, counted from the left
                const qsizetype k = n - s.wholePlaceholders + j;
                if (j == 0) {
                    // the first placeholder takes every digit that has no place
                    for (qsizetype m = 0; m <= k; ++m)
                        wholeDigit(m);
                } else if (k >= 0) {
                    wholeDigit(k);
                }
            }
            break;
        }
    }
    return out;
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString general(const Decimal &d)
{
    std::string fraction = d.fraction;
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    QString out = d.negative && !d.isZero() ? QStringLiteral("-") : QString();
    out += d.whole.empty() ? QStringLiteral("0") : QString::fromLatin1(d.whole);
    if (!fraction.empty())
        out += u',' + QString::fromLatin1(fraction);
    return out;
}

QString generalOfDouble(double value)
{
    const double magnitude = std::fabs(value);
    if (value == 0 || (magnitude >= 1e-5 && magnitude < 1e15))
        return general(fromDouble(value));
    // scientific: "1,5E20", "1E-7"
    int exponent = 0;
    Decimal d = fromDouble(value, &exponent);
    std::string digits = d.whole + d.fraction;
    stripLeadingZeros(digits);
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    QString out = value < 0 ? QStringLiteral("-") : QString();
    out += QChar(char16_t(digits[0]));
    if (digits.size() > 1)
        out += u',' + QString::fromLatin1(digits.substr(1));
    return out + u'E' + QString::number(exponent);
}

QString formatNumber(const QString &pattern, const Decimal &value)
{
    const std::vector<Section> sections = parseSections(pattern);
    const bool zero = value.isZero();
    const bool hasNegative = sections.size() >= 2 && !sections[1].empty;
    const bool hasZero = sections.size() >= 3 && !sections[2].empty;

    size_t index = 0;
    bool minus = false;
    if (zero && hasZero) {
        index = 2;
    } else if (value.negative && !zero) {
        if (hasNegative)
            index = 1;
        else
            minus = true;
    }
    Decimal number = rounded(value, sections[index].fractionPlaceholders);
    if (!zero && number.isZero()) {
        // too small for the shown decimals: it is a zero, not a "-0,00"
        index = hasZero ? 2 : 0;
        minus = false;
        number = rounded(Decimal{}, sections[index].fractionPlaceholders);
    }
    return render(sections[index], number, minus);
}

} // namespace

QString FormatFloat(const QString &pattern, double value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (pattern.isEmpty())
        return generalOfDouble(value);
    return formatNumber(pattern, fromDouble(value));
}

QString FormatDecimal(const QString &pattern, qint64 scaled, int scale)
{
    const Decimal d = fromScaled(scaled, qBound(0, scale, 18));
    return pattern.isEmpty() ? general(d) : formatNumber(pattern, d);
}

QString FormatFloat(const QString &pattern, const Money &value)
{
    return FormatDecimal(pattern, value.tenThousandths(), 4);
}

bool RoundToScaled(double value, int decimals, qint64 &result)
{
    if (!std::isfinite(value) || decimals < 0 || decimals > 18)
        return false;
    const Decimal d = rounded(fromDouble(value), decimals);
    std::string digits = d.whole + d.fraction;
    stripLeadingZeros(digits);
    if (digits.empty()) {
        result = 0;
        return true;
    }
    quint64 magnitude = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size())
        return false;
    const quint64 limit = d.negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                     : quint64(std::numeric_limits<qint64>::max());
    if (magnitude > limit)
        return false;
    result = d.negative ? qint64(0 - magnitude) : qint64(magnitude);
    return true;
}
