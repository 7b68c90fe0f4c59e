#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// An edit mask in the classic Pascal notation the screens use, such as
// "!\(99\)9999-9999;0;_": the pattern, then ";1" (the value keeps the
// literals) or ";0" (it does not), then the character shown in empty places.
//
//   0 required digit        9 optional digit        # optional digit, + or -
//   L required letter       l optional letter
//   A required letter/digit a optional letter/digit
//   C required character    c optional character
//   > upper case from here  < lower case from here  <> no case change
//   ! short values leave the leading optional places empty
//   \x the literal x        _ a literal blank       anything else: a literal
//
// Qt's inputMask has other letters (its "9" is required and "0" optional),
// so qtInputMask() translates. The class also reads and writes the text a
// masked field shows (one character per place, empty places as the blank
// character), which keeps the widget itself thin.
class EditMask {
public:
    enum class Kind { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
    enum class Case { Keep, Upper, Lower };

    struct Place {
        Kind kind = Kind::Literal;
        bool required = false;
        Case caseMode = Case::Keep;
        QChar literal; // the character of a literal place
    };

    EditMask() = default;
    explicit EditMask(const QString &mask);

    bool isEmpty() const { return m_places.isEmpty(); }
    const QString &mask() const { return m_mask; }
    const QList<Place> &places() const { return m_places; }
    bool keepsLiterals() const { return m_keepLiterals; }
    QChar blank() const { return m_blank; }
    bool leadingBlanks() const { return m_leadingBlanks; }
    int inputPlaces() const;

    // The same mask for QLineEdit::setInputMask (empty for an empty mask).
    QString qtInputMask() const;

    // Whether a place takes the character (after the place's case change).
    bool accepts(int place, QChar c) const;

    // What the field holds, read from its shown text: with the literals when
    // the mask keeps them, else without them and with the trailing empty
    // places dropped; empty places inside read as blanks. An untouched
    // "!99/99/0000;1;_" reads "  /  /    ", an untouched ";0" field "".
    QString value(const QString &shown) const;
    // The characters typed, without literals or empty places.
    QString characters(const QString &shown) const;
    // True when every required place is filled.
    bool isComplete(const QString &shown) const;

    // The shown text for a value, or nothing when the value does not fit:
    // either the full layout with the literals in their places (blanks or
    // the blank character for empty places), or only the characters in
    // order, a blank standing for an empty place. More characters than
    // places never fit: a mask never cuts what it is given.
    std::optional<QString> shownText(const QString &value) const;

    // The empty field's shown text.
    QString emptyText() const;

private:
    QChar converted(int place, QChar c) const;
    std::optional<QString> fromLayout(const QString &value) const;
    std::optional<QString> fromCharacters(const QString &value) const;

    QString m_mask;
    QList<Place> m_places;
    bool m_keepLiterals = true;
    QChar m_blank = QLatin1Char('_');
    bool m_leadingBlanks = false;
};

// The CNPJ field's mask: the twelve leading places take digits or letters
// (the alphanumeric CNPJ of July 2026), shown in upper case; the two check
// digits stay numeric. The value is the fourteen characters alone.
QString MascaraCNPJ();

// The telephone fields' masks: a landline's ten digits, then a mobile's
// eleven (area code + 9 digits); shorter numbers stay in the first.
QStringList MascarasFone();
