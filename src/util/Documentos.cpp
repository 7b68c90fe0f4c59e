#include "util/Documentos.h"

#include <array>

namespace {

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool isUpperLetter(QChar c)
{
    return c.unicode() >= u'A' && c.unicode() <= u'Z';
}

bool allDigits(const QString &text)
{
    for (QChar c : text)
        if (!isDigit(c))
            return false;
    return true;
}

// 11 minus the remainder, 0 when that is 10 or 11.
int mod11(int sum)
{
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

// The value of one CNPJ character: its ASCII code minus 48 (digits 0-9,
// letters 17-42).
int cnpjValue(QChar c)
{
    return c.unicode() - u'0';
}

struct IeFormat {
    const char16_t *uf;
    const char16_t *pattern;
};

constexpr std::array<IeFormat, 27> kIeFormats = {{
    {u"AC", u"00.000.000/000-00"}, {u"AL", u"000000000"},          {u"AP", u"000000000"},
    {u"AM", u"00.000.000-0"},      {u"BA", u"000000-00"},          {u"CE", u"00000000-0"},
    {u"DF", u"00000000000-00"},    {u"ES", u"000000000"},          {u"GO", u"00.000.000-0"},
    {u"MA", u"000000000"},         {u"MT", u"0000000000-0"},       {u"MS", u"000000000"},
    {u"MG", u"000.000.000/0000"},  {u"PA", u"00-000000-0"},        {u"PB", u"00000000-0"},
    {u"PR", u"00000000-00"},       {u"PE", u"00.0.000.0000000-0"}, {u"PI", u"000000000"},
    {u"RJ", u"00.000.00-0"},       {u"RN", u"00.000.000-0"},       {u"RS", u"000/0000000"},
    {u"RO", u"000.00000-0"},       {u"RR", u"00000000-0"},         {u"SC", u"000.000.000"},
    {u"SP", u"000.000.000.000"},   {u"SE", u"000000000-0"},        {u"TO", u"00000000000"},
}};

} // namespace

QString SomenteDigitos(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (isDigit(c))
            out += c;
    return out;
}

bool ValidarCPF(const QString &digits)
{
    if (digits.size() != 11 || !allDigits(digits))
        return false;
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (digits[i].unicode() - u'0') * (10 - i);
    const int first = mod11(sum);
    sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (digits[i].unicode() - u'0') * (11 - i);
    sum += first * 2;
    const int second = mod11(sum);
    return digits[9].unicode() - u'0' == first && digits[10].unicode() - u'0' == second;
}

bool ValidarCNPJ(const QString &text)
{
    if (text.size() != 14)
        return false;
    QString t;
    t.reserve(14);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        t += (u >= u'a' && u <= u'z') ? QChar(char16_t(u - 32)) : c;
    }
    for (int i = 0; i < 12; ++i)
        if (!isDigit(t[i]) && !isUpperLetter(t[i]))
            return false;
    if (!isDigit(t[12]) || !isDigit(t[13]))
        return false;
    static const int w1[12] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int w2[13] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += cnpjValue(t[i]) * w1[i];
    const int first = mod11(sum);
    sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += cnpjValue(t[i]) * w2[i];
    sum += first * w2[12];
    const int second = mod11(sum);
    return cnpjValue(t[12]) == first && cnpjValue(t[13]) == second;
}

QString NormalizarCNPJ(const QString &text)
{
    QString out;
    out.reserve(14);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            out += QChar(char16_t(u - 32));
        else if (isDigit(c) || isUpperLetter(c))
            out += c;
    }
    return out;
}

QString MascaraIE(const QString &uf)
{
    const QString key = uf.trimmed().toUpper();
    for (const IeFormat &f : kIeFormats)
        if (key == QStringView(f.uf))
            return QString::fromUtf16(f.pattern);
    return {};
}

QString FormatarIE(const QString &digits, const QString &uf)
{
    const QString pattern = MascaraIE(uf);
    if (pattern.isEmpty() || digits.isEmpty() || !allDigits(digits) || pattern.count(u'0') != digits.size())
        return digits;
    QString out;
    out.reserve(pattern.size());
    qsizetype next = 0;
    for (QChar c : pattern)
        out += c == u'0' ? digits[next++] : c;
    return out;
}
