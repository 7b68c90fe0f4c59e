#pragma once

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Transaction.h"

#include <QString>

#include <utility>

// The outcome of one database operation. The caller decides what the user
// sees from it, never from silence.
struct [[nodiscard]] DbResult {
    bool ok = true;
    QString error; // the server's text (or ours, for a value that cannot be sent)
    QString sql;   // the statement that failed
    long gdsCode = 0;
    bool recusado = false; // refused by the program before anything ran (DbError::refused)

    explicit operator bool() const { return ok; }
    static DbResult failure(const DbError &e)
    {
        return {false, e.message(), e.sql(), e.gdsCode(), e.refused()};
    }
    // The error as the user sees it: after the statement (or whatever the
    // caller puts first) for an error of the server, alone for a value the
    // program refused itself -- the statement would only hide the reason.
    QString texto(const QString &antes, const QString &quebra = QStringLiteral("\r\n")) const
    {
        return recusado || antes.isEmpty() ? error : antes + quebra + error;
    }
};

// The access pattern of every operation: a transaction of its own, the body
// runs its statements, then commit; on any error everything is rolled back
// before returning, so no transaction is ever left open.
//
//   DbResult r = dbOperation(db, [&](Transaction &t) {
//       Query q(t, QStringLiteral("UPDATE ... WHERE LOGIN = :LOGIN"));
//       q.setText(QStringLiteral("LOGIN"), login);
//       q.execute();
//   });
template <typename Body>
DbResult dbOperation(Database &db, Body &&body, Transaction::Modo modo = Transaction::Modo::Escrita)
{
    try {
        Transaction transaction(db, modo);
        body(transaction);
        transaction.commit();
        return {};
    } catch (const DbError &e) {
        return DbResult::failure(e);
    }
}

// The same for an operation that only reads: a read-only, read-committed
// transaction, whose commit writes nothing. A statement that writes fails in it.
template <typename Body>
DbResult dbLeitura(Database &db, Body &&body)
{
    return dbOperation(db, std::forward<Body>(body), Transaction::Modo::Leitura);
}
