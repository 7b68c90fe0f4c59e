#pragma once

#include <QChar>
#include <QString>

// Small helpers shared by the whole program. None of them keeps state or
// raises. Text is Windows-1252: one character is one byte, and the byte value
// is what the scrambling and the e-mail check look at.

// Scrambles and unscrambles alike: byte c becomes (key - c - 1) mod 256.
// Passwords use key 10 on the upper-cased password. A character Windows-1252
// has no byte for counts as '?'.
QString ScrambleText(const QString &text, quint16 key);

// "32451234" -> "3245-1234", "1132451234" -> "(11)3245-1234".
QString FormatPhone(const QString &digits);

// Toll-free numbers as stored ("08001234567") shown in groups of four, two,
// two and three digits: "0800 12 34 567". A blank goes before the 5th, the
// 8th and the 11th character only when that character exists, so a short
// number never gets trailing blanks.
QString FormatFone0800(const QString &stored);

// Upper-cases the first letter of every word except the particles ("da",
// "de"...); the last word always gets its capital. Blank runs collapse.
QString CapitalizeName(const QString &text);
bool IsNameParticle(const QString &word);

// Strict syntax check (quoted local parts, letters-first domain labels, at
// least one dot after the '@').
bool IsValidEmailAddress(const QString &text);
// Loose check: something before the '@' and a dot inside what follows it.
bool IsPlausibleEmail(const QString &text);

// Mod-10 check digit (the Luhn test for 16-digit numbers).
bool IsValidCardNumber(const QString &text);
// Voter registration number: two mod-11 check digits.
bool IsValidVoterTitle(const QString &text);

// Digits and backspace: what numeric fields let through.
bool IsDigitKey(QChar c);
