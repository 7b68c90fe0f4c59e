#pragma once

#include <QString>

namespace Firebird {
class IAttachment;
class IMaster;
class IUtil;
} // namespace Firebird

// One connection to a Firebird database through the client library, talking
// Windows-1252 in dialect 3. Work is done through Transaction and Query.
class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Connection parameters: user_name, password, lc_ctype.
    void setParams(const QString &user, const QString &password, const QString &charset);
    void setDatabaseName(const QString &name) { m_databaseName = name; }
    const QString &databaseName() const { return m_databaseName; }

    // A database on a Firebird server ("host/port:path"), reached through the
    // client library's remote protocol, instead of a file opened by the
    // embedded engine. A connection attempt gives up after a few seconds.
    void setRemoto(bool remoto) { m_remoto = remoto; }
    bool remoto() const { return m_remoto; }

    // Throws DbError.
    void connect();
    // After the connection was lost (the server stopped, the network fell):
    // drops the dead attachment and connects again. Throws DbError.
    void reconnect();
    // Whether this connection is meant to be open: one lost (not closed with
    // disconnect) is made again by the next operation.
    bool wasConnected() const { return m_wasConnected; }
    void disconnect() noexcept;
    bool isConnected() const { return m_attachment != nullptr; }
    // Deletes the connected database itself (its file goes) and ends the
    // connection. Throws DbError.
    void dropDatabase();

    Firebird::IAttachment *attachment() const { return m_attachment; }

    // Statements run (executed or opened) through any connection of this
    // process; tests read it to prove a list is one statement, not one per row.
    static quint64 statementCount();
    static void countStatement();

    static Firebird::IMaster *master();
    static Firebird::IUtil *util();

private:
    void dropAttachment() noexcept;

    QString m_databaseName;
    QString m_user = QStringLiteral("sysdba");
    QString m_password;
    QString m_charset = QStringLiteral("WIN1252");
    Firebird::IAttachment *m_attachment = nullptr;
    bool m_remoto = false;
    bool m_wasConnected = false;
};

// Whether a database error code means the connection itself is gone.
bool ConexaoPerdida(long gdsCode);
