#include "util/EditMask.h"

namespace {

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Characters Qt's inputMask reads as commands; as literals they need a backslash.
bool isQtMaskCharacter(QChar c)
{
    return QStringLiteral("AaNnXx90Dd#HhBb<>!{}[]\\").contains(c);
}

QChar qtLetter(const EditMask::Place &p)
{
    switch (p.kind) {
    case EditMask::Kind::Digit: return QLatin1Char(p.required ? '9' : '0');
    case EditMask::Kind::DigitOrSign: return QLatin1Char('#');
    case EditMask::Kind::Letter: return QLatin1Char(p.required ? 'A' : 'a');
    case EditMask::Kind::LetterOrDigit: return QLatin1Char(p.required ? 'N' : 'n');
    case EditMask::Kind::Any: return QLatin1Char(p.required ? 'X' : 'x');
    case EditMask::Kind::Literal: break;
    }
    return p.literal;
}

} // namespace

EditMask::EditMask(const QString &mask) : m_mask(mask)
{
    Case caseMode = Case::Keep;
    int i = 0;
    auto add = [&](Kind kind, bool required, QChar literal = {}) {
        m_places.append(Place{kind, required, caseMode, literal});
    };
    for (; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        if (c == QLatin1Char(';'))
            break;
        switch (c.unicode()) {
        case u'\\':
            if (i + 1 < mask.size())
                add(Kind::Literal, false, mask.at(++i));
            break;
        case u'<':
            if (i + 1 < mask.size() && mask.at(i + 1) == QLatin1Char('>')) {
                caseMode = Case::Keep;
                ++i;
            } else {
                caseMode = Case::Lower;
            }
            break;
        case u'>': caseMode = Case::Upper; break;
        case u'!': m_leadingBlanks = true; break;
        case u'0': add(Kind::Digit, true); break;
        case u'9': add(Kind::Digit, false); break;
        case u'#': add(Kind::DigitOrSign, false); break;
        case u'L': add(Kind::Letter, true); break;
        case u'l': add(Kind::Letter, false); break;
        case u'A': add(Kind::LetterOrDigit, true); break;
        case u'a': add(Kind::LetterOrDigit, false); break;
        case u'C': add(Kind::Any, true); break;
        case u'c': add(Kind::Any, false); break;
        case u'_': add(Kind::Literal, false, QLatin1Char(' ')); break;
        default: add(Kind::Literal, false, c);
        }
    }
    const QStringList fields = mask.mid(i + 1).split(QLatin1Char(';'));
    if (i < mask.size() && !fields.value(0).isEmpty())
        m_keepLiterals = fields.at(0).at(0) != QLatin1Char('0');
    if (fields.size() > 1 && !fields.at(1).isEmpty())
        m_blank = fields.at(1).at(0);
}

int EditMask::inputPlaces() const
{
    int n = 0;
    for (const Place &p : m_places)
        n += p.kind != Kind::Literal;
    return n;
}

QString EditMask::qtInputMask() const
{
    if (m_places.isEmpty())
        return {};
    QString out;
    Case current = Case::Keep;
    for (const Place &p : m_places) {
        if (p.caseMode != current) {
            current = p.caseMode;
            out += current == Case::Upper   ? QLatin1Char('>')
                   : current == Case::Lower ? QLatin1Char('<')
                                            : QLatin1Char('!');
        }
        if (p.kind == Kind::Literal && isQtMaskCharacter(p.literal))
            out += QLatin1Char('\\');
        out += qtLetter(p);
    }
    return out + QLatin1Char(';') + m_blank;
}

QChar EditMask::converted(int place, QChar c) const
{
    switch (m_places.at(place).caseMode) {
    case Case::Upper: return c.toUpper();
    case Case::Lower: return c.toLower();
    case Case::Keep: break;
    }
    return c;
}

bool EditMask::accepts(int place, QChar c) const
{
    if (place < 0 || place >= m_places.size())
        return false;
    const Place &p = m_places.at(place);
    c = converted(place, c);
    switch (p.kind) {
    case Kind::Literal: return c == p.literal;
    case Kind::Digit: return isAsciiDigit(c);
    case Kind::DigitOrSign: return isAsciiDigit(c) || c == QLatin1Char('+') || c == QLatin1Char('-');
    case Kind::Letter: return c.isLetter();
    case Kind::LetterOrDigit: return c.isLetter() || isAsciiDigit(c);
    case Kind::Any: return c.isPrint() && c != m_blank;
    }
    return false;
}

QString EditMask::value(const QString &shown) const
{
    if (m_places.isEmpty())
        return shown;
    QString out;
    const int n = qMin<int>(shown.size(), m_places.size());
    for (int i = 0; i < n; ++i) {
        const Place &p = m_places.at(i);
        if (p.kind == Kind::Literal) {
            if (m_keepLiterals)
                out += p.literal;
        } else {
            out += shown.at(i) == m_blank ? QLatin1Char(' ') : shown.at(i);
        }
    }
    if (!m_keepLiterals) {
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
    }
    return out;
}

QString EditMask::characters(const QString &shown) const
{
    if (m_places.isEmpty())
        return shown;
    QString out;
    const int n = qMin<int>(shown.size(), m_places.size());
    for (int i = 0; i < n; ++i)
        if (m_places.at(i).kind != Kind::Literal && shown.at(i) != m_blank && shown.at(i) != QLatin1Char(' '))
            out += shown.at(i);
    return out;
}

bool EditMask::isComplete(const QString &shown) const
{
    for (int i = 0; i < m_places.size(); ++i) {
        const Place &p = m_places.at(i);
        if (p.kind == Kind::Literal || !p.required)
            continue;
        if (i >= shown.size() || shown.at(i) == m_blank || !accepts(i, shown.at(i)))
            return false;
    }
    return true;
}

QString EditMask::emptyText() const
{
    QString out;
    for (const Place &p : m_places)
        out += p.kind == Kind::Literal ? p.literal : m_blank;
    return out;
}

std::optional<QString> EditMask::shownText(const QString &value) const
{
    if (m_places.isEmpty())
        return value;
    if (auto layout = fromLayout(value))
        return layout;
    return fromCharacters(value);
}

std::optional<QString> EditMask::fromLayout(const QString &value) const
{
    if (value.size() != m_places.size())
        return std::nullopt;
    QString out;
    for (int i = 0; i < m_places.size(); ++i) {
        const Place &p = m_places.at(i);
        const QChar c = value.at(i);
        if (p.kind == Kind::Literal) {
            if (c != p.literal)
                return std::nullopt;
            out += c;
        } else if (c == QLatin1Char(' ') || c == m_blank) {
            out += m_blank;
        } else if (accepts(i, c)) {
            out += converted(i, c);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

std::optional<QString> EditMask::fromCharacters(const QString &value) const
{
    const int places = inputPlaces();
    if (value.size() > places)
        return std::nullopt;
    // "!": a short value leaves the leading optional places empty (a phone
    // without its area code), otherwise the trailing places stay empty
    int skip = m_leadingBlanks ? places - int(value.size()) : 0;
    QString out;
    int next = 0;
    for (int i = 0; i < m_places.size(); ++i) {
        const Place &p = m_places.at(i);
        if (p.kind == Kind::Literal) {
            out += p.literal;
            continue;
        }
        if (skip > 0 && !p.required) {
            --skip;
            out += m_blank;
            continue;
        }
        if (next >= value.size()) {
            out += m_blank;
            continue;
        }
        const QChar c = value.at(next++);
        if (c == QLatin1Char(' ') || c == m_blank)
            out += m_blank;
        else if (accepts(i, c))
            out += converted(i, c);
        else
            return std::nullopt;
    }
    if (next < value.size())
        return std::nullopt;
    return out;
}

QString MascaraCNPJ()
{
    return QStringLiteral(">aa.aaa.aaa/aaaa-99;0;_");
}

QStringList MascarasFone()
{
    return {QStringLiteral("!\\(99\\)9999-9999;0;_"), QStringLiteral("!\\(99\\)99999-9999;0;_")};
}
