#pragma once

#include <QString>

// The document checks and the state tax number (IE) display formats of the
// entry screens. Pure functions: no database, no settings, no
// messages. Numbers travel as texts without separators.

// The ASCII digits of a text, in order ("111.444.777-35" -> "11144477735").
QString SomenteDigitos(const QString &text);

// True when the text is exactly eleven decimal digits whose last two are the
// modulus-11 check digits of the first nine. Eleven zeros (the stored
// "unknown") pass.
bool ValidarCPF(const QString &digits);

// True when the text is exactly fourteen characters: twelve digits or
// letters A-Z (the alphanumeric CNPJ of July 2026; lower case is taken as
// upper case) followed by the two numeric modulus-11 check digits. Each
// character counts as its ASCII code minus 48, so a numeric CNPJ checks
// exactly as before. Fourteen zeros pass.
bool ValidarCNPJ(const QString &text);

// What a CNPJ field stores: the digits and letters of the text, upper case,
// without punctuation ("12.abc.345/01de-35" -> "12ABC34501DE35").
QString NormalizarCNPJ(const QString &text);

// The state's display format of the IE ("000.000.000.000" for SP): "0" is a
// digit, anything else a literal. Empty for a state not in the table. The
// state is matched without regard to case or surrounding blanks. The entry
// mask is this pattern followed by ";0;_".
QString MascaraIE(const QString &uf);

// The IE as shown: the digits in the state's format when the format has
// exactly as many digit places as the number has digits; otherwise (a current
// length the classic format does not know, an unknown state, a text that is
// not all digits) the text as it is. A format never cuts or pads digits.
QString FormatarIE(const QString &digits, const QString &uf);
