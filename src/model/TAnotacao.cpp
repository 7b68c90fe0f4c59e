#include "model/TAnotacao.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "services/Seams.h"

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

TAnotacao::TAnotacao() : m_db(nullptr)
{
}

TAnotacao::TAnotacao(Database &db) : m_db(&db)
{
}

Database &TAnotacao::db() const
{
    return m_db ? *m_db : BancoDados();
}

bool TAnotacao::Existe(const QString &login)
{
    bool found = false;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT * FROM ANOTACAO WHERE DATA = :DATA AND LOGIN = :LOGIN"));
        q.setDate(col("DATA"), Data);
        q.setText(col("LOGIN"), login);
        q.open();
        found = q.next();
    });
    return r && found;
}

void TAnotacao::Carregar(const QString &login)
{
    QString texto;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT TEXTO FROM ANOTACAO WHERE DATA = :DATA AND LOGIN = :LOGIN"));
        q.setDate(col("DATA"), Data);
        q.setText(col("LOGIN"), login);
        q.open();
        if (q.next())
            texto = q.field(col("TEXTO")).asString(); // empty for NULL
    });
    if (r)
        Texto = texto;
}

bool TAnotacao::Salvar(const QString &login)
{
    // Existe runs in a transaction of its own, before this one starts
    const bool existe = Existe(login);
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, existe ? QStringLiteral("UPDATE ANOTACAO SET TEXTO = :TEXTO WHERE DATA = :DATA AND "
                                           "LOGIN = :LOGIN")
                          : QStringLiteral("INSERT INTO ANOTACAO(DATA, TEXTO, LOGIN) VALUES(:DATA, :TEXTO, "
                                           ":LOGIN)"));
        q.setDate(col("DATA"), Data);
        q.setTextBlob(col("TEXTO"), Texto);
        q.setText(col("LOGIN"), login);
        q.execute();
    });
    if (r)
        return true;
    // the statement is one line; like every statement text shown, it ends with a line break
    Seams::messages().show(r.recusado ? r.error
                                      : r.error + QStringLiteral("\r\n") + r.sql + QStringLiteral("\r\n"),
                           MessageService::Kind::Error);
    return false;
}

bool TAnotacao::Excluir(const QString &login)
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("DELETE FROM ANOTACAO WHERE DATA = :DATA AND LOGIN = :LOGIN"));
        q.setDate(col("DATA"), Data);
        q.setText(col("LOGIN"), login);
        q.execute();
    });
    if (r)
        return true;
    Seams::messages().show(r.recusado ? r.error
                                      : r.error + QStringLiteral("\r\n") + r.sql + QStringLiteral("\r\n"),
                           MessageService::Kind::Error);
    return false;
}
