#include "model/TGrupo.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
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

bool TGrupo::Inserir()
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
    return r.ok;
}

bool TGrupo::Alterar()
{
    return dbOperation(
               db(),
               [&](Transaction &t) {
                   Query q(t, QStringLiteral(
                                  "UPDATE GRUPO SET NOME_GRUPO = :NOME_GRUPO WHERE COD_GRUPO = :COD_GRUPO"));
                   q.setText(QStringLiteral("NOME_GRUPO"), Nome);
                   q.setInt(QStringLiteral("COD_GRUPO"), Codigo);
                   q.execute();
               })
        .ok;
}

bool TGrupo::Excluir()
{
    return dbOperation(db(),
                       [&](Transaction &t) {
                           Query q(t, QStringLiteral("DELETE FROM GRUPO WHERE COD_GRUPO = :COD_GRUPO"));
                           q.setInt(QStringLiteral("COD_GRUPO"), Codigo);
                           q.execute();
                       })
        .ok;
}

QString TGrupo::Rotulo() const
{
    return QStringLiteral("%1").arg(Codigo, 4, 10, QLatin1Char('0')) + QStringLiteral(" :: ") + Nome;
}
