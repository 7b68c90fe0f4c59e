#pragma once

#include "util/Contato.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// Contacts in the CSV layouts address books export: the webmail one
// ("Given Name", "Family Name", "Phone 1 - Type", "Phone 1 - Value", ...)
// and the desktop one ("First Name", "Last Name", "Mobile Phone", ...).
namespace ContatosCsv {

struct Leitura {
    QList<Contato> contatos;
    QStringList problemas;
    bool windows1252 = false; // the text was not UTF-8
    QChar separador = QLatin1Char(',');
};

// "," or ";" is taken from the header line; UTF-8 (with or without a byte
// order mark) or Windows-1252 from the bytes.
Leitura ler(const QByteArray &arquivo);

// The fields of every record (quoted fields may hold separators, quotes
// doubled, and line breaks).
QList<QStringList> registros(const QString &texto, QChar separador);

// UTF-8 with a byte order mark (so spreadsheets take it as UTF-8), the
// webmail layout's headers, one row per contact, CRLF line ends.
QByteArray escrever(const QList<Contato> &contatos);

} // namespace ContatosCsv
