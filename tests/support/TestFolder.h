#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class ServidorFirebird;
class TDM;

// A program folder of its own in a temporary directory: firebird.conf, the
// engine root fb/, and (on request) DB/Orvalha.FDB created from db/schema.sql
// by scripts/create-db. While it lives, LUMISTO_PROGRAM_DIR points at it.
//
// With LUMISTO_TESTE_SERVIDOR=1 in the environment the same tests run on
// the network edition: the database is created as usual, a private Firebird
// server is started for it and [SERVIDOR] in the folder's settings points
// the program there.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();

    bool isValid() const { return m_ok; }
    QString path() const; // with trailing separator
    QString file(const QString &relative) const { return path() + relative; }

    // Creates DB/Orvalha.FDB (or another path) from the schema; false on failure.
    bool createDatabase(const QString &relative = QStringLiteral("DB/Orvalha.FDB"));
    // A data module connected to this folder's database, never sleeping.
    std::unique_ptr<TDM> connect();

    // Runs a script through isql-fb against the folder's database (setup the
    // program itself has no statement for). Returns isql's output.
    QString isql(const QString &sql, bool *ok = nullptr);

    QString lastError;

    // Whether this run goes through a server (LUMISTO_TESTE_SERVIDOR).
    static bool emServidor();
    // The server of this folder, once createDatabase started it; else null.
    ServidorFirebird *servidor() const { return m_servidor.get(); }

private:
    std::unique_ptr<ServidorFirebird> m_servidor;
    QTemporaryDir m_dir;
    bool m_ok = false;
};
