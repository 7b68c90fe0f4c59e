#include "model/TGrupo.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TPessoa.h"
#include "services/Seams.h"

TGrupo::TGrupo() : m_db(nullptr)
{
}

TGrupo::TGrupo(Database &db) : m_db(&db)
{
}

Database &TGrupo::db() const
{
    return m_db ? *m_db : BancoDados();
}

Resultado TGrupo::Inserir()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:NOME_GRUPO) RETURNING COD_GRUPO"));
        q.setText(QStringLiteral("NOME_GRUPO"), Nome);
        q.execute();
        if (q.next())
            Codigo = q.field(QStringLiteral("COD_GRUPO")).asInt();
    });
    if (!r.ok)
        Seams::messages().show(QStringLiteral("Erro"), MessageService::Kind::Error);
    return r ? Resultado::Gravado : Resultado::Falhou;
}

Resultado TGrupo::Alterar()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("UPDATE GRUPO SET NOME_GRUPO = :NOME_GRUPO WHERE COD_GRUPO = :COD_GRUPO"));
        q.setText(QStringLiteral("NOME_GRUPO"), Nome);
        q.setInt(QStringLiteral("COD_GRUPO"), Codigo);
        q.execute();
    });
    // a change that did not happen says why: the list alone would not tell
    if (!r)
        Seams::messages().show(r.error, MessageService::Kind::Error);
    return r ? Resultado::Gravado : Resultado::Falhou;
}

Resultado TGrupo::Excluir()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("DELETE FROM GRUPO WHERE COD_GRUPO = :COD_GRUPO"));
        q.setInt(QStringLiteral("COD_GRUPO"), Codigo);
        q.execute();
    });
    if (!r) {
        Seams::messages().show(r.error, MessageService::Kind::Error);
        return Resultado::Falhou;
    }
    // the group's persons went with it
    return TPessoa::ContarAlteracao(Resultado::Gravado);
}

QString TGrupo::Rotulo() const
{
    return QStringLiteral("%1").arg(Codigo, 4, 10, QLatin1Char('0')) + QStringLiteral(" :: ") + Nome;
}

DbResult TGrupo::LerNome()
{
    QString nome;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT NOME_GRUPO FROM GRUPO WHERE COD_GRUPO = :COD_GRUPO"));
        q.setInt(QStringLiteral("COD_GRUPO"), Codigo);
        q.open();
        if (q.next())
            nome = q.field(QStringLiteral("NOME_GRUPO")).asString();
    });
    Nome = r ? nome : QString();
    return r;
}

DbResult TGrupo::Todos(Database &db, QList<TGrupo> &grupos)
{
    QList<TGrupo> lidos;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT * FROM GRUPO ORDER BY NOME_GRUPO"));
        q.open();
        while (q.next()) {
            TGrupo g(db);
            g.Codigo = q.field(QStringLiteral("COD_GRUPO")).asInt();
            g.Nome = q.field(QStringLiteral("NOME_GRUPO")).asString();
            lidos.append(g);
        }
    });
    grupos = r ? lidos : QList<TGrupo>();
    return r;
}
