#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Database;

// Indexes the searches rely on that databases created by an older schema
// script lack: the postal-code lookup, the emergency list and the birthday
// month. They are created when the program connects, each in a transaction
// of its own; a database that cannot take one now (opened read-only, a table
// in use by another station) keeps working without it and gets it at a later
// connection.
namespace IndicesNovos {

struct Indice {
    QString nome;
    QString criacao; // the CREATE INDEX statement, as in the schema script
};

const std::vector<Indice> &Lista();

// Creates the indexes of the list the database lacks, and gives their
// names; one statement when none is missing. Never throws: an index that
// could not be created is left for the next connection.
QStringList Completar(Database &db);

} // namespace IndicesNovos
