#pragma once

#include <QString>

class Database;

// [SERVIDOR] of the settings file: where the database is when the office
// keeps it on a Firebird server instead of the file beside the program.
// The password goes to the server and nowhere else: no message or log
// names it.
struct ServidorRede {
    QString host; // empty: the embedded database beside the program
    int porta = 3050;
    QString banco; // the database's path or alias on the server
    QString usuario = QStringLiteral("SYSDBA");
    QString senha;

    bool ativo() const { return !host.trimmed().isEmpty(); }
    // "host/porta:banco", the name the client library connects to
    QString endereco() const;
    // "host:banco" for the user (the about box, messages)
    QString descricao() const;

    static ServidorRede Ler();
    // false when the settings file cannot be written or holds a character
    // its code page lacks (the caller says so)
    [[nodiscard]] bool Gravar() const;

    // Sets the connection's name, account and protocol for this server.
    void Configurar(Database &db) const;

    // Connects once to see that the server answers, the account is right,
    // the database exists and is one of this program's (has USUARIO).
    // Empty when all is well, otherwise the Portuguese message to show.
    QString Testar() const;
    // The message for a failed connection to this server, from the error
    // code and the server's text.
    QString Mensagem(long gdsCode, const QString &texto) const;
};
