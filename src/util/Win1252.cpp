#include "util/Win1252.h"

#include <array>

namespace Win1252 {

namespace {

// 0x80-0x9F; unassigned positions carry the C1 character of the same value.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QChar toChar(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

int toByte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

QString decode(const QByteArray &bytes)
{
    QString s;
    s.resize(bytes.size());
    QChar *d = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = toChar(static_cast<unsigned char>(bytes[i]));
    return s;
}

bool encode(const QString &text, QByteArray *out, QString *unencodable)
{
    QByteArray bytes;
    bytes.resize(text.size());
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = toByte(text[i]);
        if (b < 0) {
            ok = false;
            bytes[i] = '?';
            // a character outside the BMP is two QChars: report the pair as one
            QString ch = text[i];
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ch += text[++i];
                bytes[i] = '?';
            }
            if (unencodable && !unencodable->contains(ch))
                unencodable->append(ch);
            continue;
        }
        bytes[i] = static_cast<char>(b);
    }
    if (out)
        *out = bytes;
    return ok;
}

QByteArray encodeLossy(const QString &text)
{
    QByteArray bytes;
    encode(text, &bytes);
    return bytes;
}

bool canEncode(const QString &text, QString *unencodable)
{
    for (QChar c : text)
        if (toByte(c) < 0)
            return encode(text, nullptr, unencodable);
    return true;
}

QChar toUpper(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
        return QChar(char16_t(u - 32));
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return QChar(char16_t(u - 32));
    switch (u) {
    case 0x0161: return QChar(char16_t(0x0160)); // š
    case 0x0153: return QChar(char16_t(0x0152)); // œ
    case 0x017E: return QChar(char16_t(0x017D)); // ž
    case 0x00FF: return QChar(char16_t(0x0178)); // ÿ
    default: return c;
    }
}

QString toUpper(const QString &text)
{
    QString s = text;
    for (QChar &c : s)
        c = toUpper(c);
    return s;
}

QChar toLower(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z')
        return QChar(char16_t(u + 32));
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return QChar(char16_t(u + 32));
    switch (u) {
    case 0x0160: return QChar(char16_t(0x0161));
    case 0x0152: return QChar(char16_t(0x0153));
    case 0x017D: return QChar(char16_t(0x017E));
    case 0x0178: return QChar(char16_t(0x00FF));
    default: return c;
    }
}

QString toLower(const QString &text)
{
    QString s = text;
    for (QChar &c : s)
        c = toLower(c);
    return s;
}

QString unencodableMessage(const QString &unencodable)
{
    return QStringLiteral("O texto contém caracteres que não podem ser gravados: ") + unencodable +
           QStringLiteral("\r\nSubstitua-os e tente novamente.");
}

} // namespace Win1252
