#pragma once

#include "data/ServidorRede.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A Firebird server of the test's own: the system's SuperServer started from
// a temporary root (its own configuration, security database, account and
// lock folder) on a free loopback port, stopped when the object goes. No
// test touches a server of the system.
class ServidorFirebird {
public:
    ServidorFirebird();
    ~ServidorFirebird();
    ServidorFirebird(const ServidorFirebird &) = delete;
    ServidorFirebird &operator=(const ServidorFirebird &) = delete;

    bool isValid() const { return m_ok; }
    QString lastError;

    // Stops and starts the same server again (same port, same databases).
    bool parar();
    bool iniciar();
    bool rodando() const { return m_processo.state() == QProcess::Running; }

    int porta() const { return m_porta; }
    static QString usuario() { return QStringLiteral("SYSDBA"); }
    static QString senha() { return QStringLiteral("chave.teste-1"); }
    // A folder the server may keep databases in.
    QString pasta() const { return m_raiz.path() + QStringLiteral("/dados/"); }

    // Settings for a database on this server.
    ServidorRede servidor(const QString &banco) const;

    // Creates a database from the schema at `caminho` (on this machine: the
    // server and the test share the disk). False with lastError on failure.
    bool criarBanco(const QString &caminho);

    // An empty database of no program at all (no USUARIO table).
    bool criarBancoVazio(const QString &caminho);

    // Runs a script through isql-fb over the network protocol.
    QString isql(const QString &banco, const QString &sql, bool *ok = nullptr);

private:
    bool prepararRaiz();

    QTemporaryDir m_raiz;
    QProcess m_processo;
    int m_porta = 0;
    bool m_ok = false;
};
