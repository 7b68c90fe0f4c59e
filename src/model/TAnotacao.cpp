#include "model/TAnotacao.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "services/Seams.h"
#include "util/Win1252.h"

#include <utility>

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

// One statement for both searches; `datas` null: any date.
DbResult pesquisar(Database &db, const QString &login, const QString &palavra,
                   const std::pair<double, double> *datas, QList<TAnotacao> &notas)
{
    QList<TAnotacao> lidas;
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, datas ? QStringLiteral("SELECT * FROM ANOTACAO WHERE UPPER(LOGIN) = :LOGIN AND DATA "
                                          "BETWEEN :DATA_01 AND :DATA_02 AND UPPER(TEXTO) LIKE :TEXTO "
                                          "ORDER BY DATA ")
                         : QStringLiteral("SELECT * FROM ANOTACAO WHERE UPPER(LOGIN) = :LOGIN AND "
                                          "UPPER(TEXTO) LIKE :TEXTO ORDER BY DATA "));
        q.setText(col("LOGIN"), Win1252::toUpper(login));
        q.setText(col("TEXTO"), QLatin1Char('%') + Win1252::toUpper(palavra) + QLatin1Char('%'));
        if (datas) {
            q.setDate(col("DATA_01"), datas->first);
            q.setDate(col("DATA_02"), datas->second);
        }
        q.open();
        while (q.next()) {
            TAnotacao nota(db);
            nota.Data = q.field(col("DATA")).asDate();
            nota.Texto = q.field(col("TEXTO")).asString();
            lidas << nota;
        }
    });
    notas = r ? lidas : QList<TAnotacao>();
    return r;
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

DbResult TAnotacao::Carregar(const QString &login)
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
    return r;
}

Resultado TAnotacao::Salvar(const QString &login)
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
        return Resultado::Gravado;
    // the statement is one line; like every statement text shown, it ends with a line break
    Seams::messages().show(r.recusado ? r.error
                                      : r.error + QStringLiteral("\r\n") + r.sql + QStringLiteral("\r\n"),
                           MessageService::Kind::Error);
    return Resultado::Falhou;
}

Resultado TAnotacao::Excluir(const QString &login)
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("DELETE FROM ANOTACAO WHERE DATA = :DATA AND LOGIN = :LOGIN"));
        q.setDate(col("DATA"), Data);
        q.setText(col("LOGIN"), login);
        q.execute();
    });
    if (r)
        return Resultado::Gravado;
    Seams::messages().show(r.recusado ? r.error
                                      : r.error + QStringLiteral("\r\n") + r.sql + QStringLiteral("\r\n"),
                           MessageService::Kind::Error);
    return Resultado::Falhou;
}

DbResult TAnotacao::Pesquisar(Database &db, const QString &login, const QString &palavra,
                              QList<TAnotacao> &notas)
{
    return pesquisar(db, login, palavra, nullptr, notas);
}

DbResult TAnotacao::PesquisarEntre(Database &db, const QString &login, const QString &palavra, double de,
                                   double ate, QList<TAnotacao> &notas)
{
    const std::pair<double, double> datas(de, ate);
    return pesquisar(db, login, palavra, &datas, notas);
}
