#pragma once

#include "util/Contato.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// vCard files (RFC 2426 for 3.0, RFC 6350 for 4.0, and the older 2.1 that
// phones still export) read into contacts and written from them.
namespace VCard {

struct Leitura {
    QList<Contato> contatos;
    // What the file did wrong: lenient reading skips it and goes on, strict
    // reading lists every departure from RFC 2426 / RFC 6350.
    QStringList problemas;
};

// Reads every BEGIN:VCARD ... END:VCARD of the file. Text is UTF-8 unless a
// property says otherwise (CHARSET=); a file that is not valid UTF-8 is taken
// as Windows-1252.
Leitura ler(const QByteArray &arquivo, bool estrito = false);

// vCard 3.0 in UTF-8, CRLF line ends, lines folded at 75 octets, texts
// escaped; the photo (JPEG) only when `comFoto`.
QByteArray escrever(const QList<Contato> &contatos, bool comFoto);

} // namespace VCard
