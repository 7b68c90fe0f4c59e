#pragma once

#include <QByteArray>
#include <QString>

// Text crosses every outside boundary (database, settings file, pages) as
// single-byte Windows-1252. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 characters of the same value,
// so any byte string -- a scrambled password, say -- survives the trip to
// QString and back unchanged.
namespace Win1252 {

// The character of one byte.
QChar toChar(unsigned char byte);

// The byte of one character, or -1 when Windows-1252 has none.
int toByte(QChar c);

QString decode(const QByteArray &bytes);

// Encodes text; returns false (and leaves the characters it cannot hold in
// *unencodable, each once, in order) when any character has no byte.
bool encode(const QString &text, QByteArray *out, QString *unencodable = nullptr);

// Encodes text known to be representable; characters without a byte become '?'.
// Only for text the program itself made (never user input).
QByteArray encodeLossy(const QString &text);

bool canEncode(const QString &text, QString *unencodable = nullptr);

// Upper-casing as the code page (and the database's UPPER) does it: a-z, the
// accented letters à-þ except ÷, and š œ ž ÿ. µ and ß stay as they are.
QChar toUpper(QChar c);
QString toUpper(const QString &text);
QChar toLower(QChar c);
QString toLower(const QString &text);

// The standard message for text that cannot be stored.
QString unencodableMessage(const QString &unencodable);

} // namespace Win1252
