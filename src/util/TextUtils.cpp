#include "util/TextUtils.h"

#include "util/Win1252.h"

#include <array>

namespace {

// Blanks in the classic sense: the space and every control character.
bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

QString stripBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

int digitValue(QChar c)
{
    return isAsciiDigit(c) ? c.unicode() - u'0' : 0;
}

bool isAsciiLetter(int b)
{
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

QString withCapitalInitial(QString word)
{
    if (!word.isEmpty() && word[0].unicode() >= u'a' && word[0].unicode() <= u'z')
        word[0] = QChar(char16_t(word[0].unicode() - 32));
    return word;
}

bool isAtom(int b)
{
    if (b < 33 || b > 255 || b == 127)
        return false;
    switch (b) {
    case '"':
    case '(':
    case ')':
    case ',':
    case '.':
    case '/':
    case ':':
    case ';':
    case '<':
    case '>':
    case '@':
    case '[':
    case '\\':
    case ']': return false;
    default: return true;
    }
}

// K1 and K2 of the voter title share this rule; states 01 and 02 turn the
// remainders 0 and 1 into 1 and 0.
int voterCheckDigit(int sum, bool stateOneOrTwo)
{
    const int r = sum % 11;
    if (r != 0 && r != 1)
        return 11 - r;
    if (stateOneOrTwo)
        return r == 0 ? 1 : 0;
    return 0;
}

} // namespace

QString ScrambleText(const QString &text, quint16 key)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        int b = Win1252::toByte(c);
        if (b < 0)
            b = '?';
        bytes.append(static_cast<char>((key - b - 1) & 0xFF));
    }
    return Win1252::decode(bytes);
}

QString FormatPhone(const QString &digits)
{
    QString s = stripBlanks(digits);
    if (s.size() < 9) {
        s.insert(qMin<qsizetype>(4, s.size()), u'-');
        return s;
    }
    s.insert(0, u'(');
    s.insert(3, u')');
    if (s.size() == 11)
        s.insert(7, u'-');
    else if (s.size() == 12)
        s.insert(8, u'-');
    else if (s.size() == 13) // a mobile's eleven digits: (11)98765-4321
        s.insert(9, u'-');
    return s;
}

QString FormatFone0800(const QString &stored)
{
    QString s = stored;
    for (int position : {4, 7, 10})
        if (position < s.size())
            s.insert(position, u' ');
    return s;
}

bool IsNameParticle(const QString &word)
{
    static const std::array<QStringView, 12> particles = {u"da",  u"de",  u"di",  u"do", u"du",  u"das",
                                                          u"des", u"dos", u"com", u"a",  u"mas", u"em"};
    const QString w = Win1252::toLower(stripBlanks(word));
    for (QStringView p : particles)
        if (w == p)
            return true;
    return false;
}

QString CapitalizeName(const QString &text)
{
    QString rest = stripBlanks(text);
    QString result;
    qsizetype blank;
    while ((blank = rest.indexOf(u' ')) >= 0) {
        const QString word = rest.left(blank);
        result += u' ' + (IsNameParticle(word) ? word : withCapitalInitial(word));
        rest = stripBlanks(rest.mid(blank + 1));
    }
    result += u' ' + withCapitalInitial(rest);
    return stripBlanks(result);
}

bool IsValidEmailAddress(const QString &text)
{
    int state = 0;
    int dots = 1;
    for (QChar ch : text) {
        const int c = Win1252::toByte(ch);
        if (c < 0)
            return false;
        const bool atom = isAtom(c);
        const bool letter = isAsciiLetter(c);
        const bool letterOrDigit = letter || (c >= '0' && c <= '9');
        switch (state) {
        case 0:
        case 5:
            if (atom)
                state = 1;
            else if (c == '"')
                state = 2;
            else
                return false;
            break;
        case 1:
            if (c == '@')
                state = 6;
            else if (c == '.')
                state = 5;
            else if (!atom)
                return false;
            break;
        case 2:
            if (c == '\\')
                state = 3;
            else if (c == '"')
                state = 4;
            else if (c == 13)
                return false;
            break;
        case 3: state = 2; break;
        case 4:
            if (c == '@')
                state = 6;
            else if (c == '.')
                state = 5;
            else
                return false;
            break;
        case 6:
            if (!letter)
                return false;
            state = 7;
            break;
        case 7:
            if (c == '.') {
                state = 6;
                ++dots;
            } else if (c == '-') {
                state = 8;
            } else if (!letterOrDigit) {
                return false;
            }
            break;
        case 8:
            if (letterOrDigit)
                state = 7;
            else if (c != '-')
                return false;
            break;
        }
    }
    return state == 7 && dots > 1;
}

bool IsPlausibleEmail(const QString &text)
{
    // positions below are 0-based: "position 2 or later" is index 1
    const qsizetype at = text.indexOf(u'@');
    if (at < 1)
        return false;
    const QString domain = text.mid(at + 1);
    const qsizetype dot = domain.indexOf(u'.');
    return dot >= 1 && dot < domain.size() - 1;
}

bool IsValidCardNumber(const QString &text)
{
    // The length comes from the stripped text but the digits are read from
    // the text as given, as the stored numbers have always been checked.
    const qsizetype n = stripBlanks(text).size();
    if (n == 0)
        return false;
    int sum = 0;
    int weight = 2;
    for (qsizetype i = 0; i < n - 1; ++i) {
        const int product = digitValue(text[i]) * weight;
        sum += product / 10 + product % 10;
        weight = weight == 2 ? 1 : 2;
    }
    const int check = (10 - sum % 10) % 10;
    return text[n - 1].unicode() == u'0' + check;
}

bool IsValidVoterTitle(const QString &text)
{
    QString digits;
    for (QChar c : text)
        if (isAsciiDigit(c))
            digits += c;
    // read as a number: leading zeros carry nothing, more than 13 digits is no title
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    digits = digits.mid(first);
    if (digits.size() > 13)
        return false;
    digits = digits.rightJustified(13, u'0');

    int d[14];
    for (int i = 1; i <= 13; ++i)
        d[i] = digits[i - 1].unicode() - u'0';
    const bool stateOneOrTwo = d[10] == 0 && (d[11] == 1 || d[11] == 2);
    const int s1 =
        2 * d[1] + 9 * d[2] + 8 * d[3] + 7 * d[4] + 6 * d[5] + 5 * d[6] + 4 * d[7] + 3 * d[8] + 2 * d[9];
    const int k1 = voterCheckDigit(s1, stateOneOrTwo);
    const int k2 = voterCheckDigit(4 * d[10] + 3 * d[11] + 2 * k1, stateOneOrTwo);
    return d[12] == k1 && d[13] == k2;
}

bool IsDigitKey(QChar c)
{
    return isAsciiDigit(c) || c.unicode() == 8;
}
