#include "data/IndicesNovos.h"

#include "data/DbOperation.h"
#include "data/Query.h"

#include <QSet>

namespace IndicesNovos {

const std::vector<Indice> &Lista()
{
    static const std::vector<Indice> lista = {
        {QStringLiteral("IX_PESSOAFISICA_CEP"),
         QStringLiteral("CREATE INDEX IX_PESSOAFISICA_CEP ON PESSOAFISICA (CEP)")},
        {QStringLiteral("IX_PESSOAFISICA_GUIA"),
         QStringLiteral("CREATE INDEX IX_PESSOAFISICA_GUIA ON PESSOAFISICA (GUIA)")},
        {QStringLiteral("IX_PESSOAFISICA_MES"),
         QStringLiteral("CREATE INDEX IX_PESSOAFISICA_MES ON PESSOAFISICA COMPUTED BY (EXTRACT(MONTH FROM "
                        "DATA_NASCIMENTO))")},
        {QStringLiteral("IX_PESSOAJURIDICA_CEP"),
         QStringLiteral("CREATE INDEX IX_PESSOAJURIDICA_CEP ON PESSOAJURIDICA (CEP)")},
        {QStringLiteral("IX_PESSOAJURIDICA_GUIA"),
         QStringLiteral("CREATE INDEX IX_PESSOAJURIDICA_GUIA ON PESSOAJURIDICA (GUIA)")},
    };
    return lista;
}

QStringList Completar(Database &db)
{
    QSet<QString> existentes;
    const DbResult lidos = dbLeitura(db, [&](Transaction &t) {
        Query q(t,
                QStringLiteral("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE RDB$INDEX_NAME STARTING "
                               "WITH 'IX_PESSOA'"));
        q.open();
        while (q.next())
            existentes.insert(q.field(0).asString());
    });
    QStringList criados;
    if (!lidos)
        return criados;
    for (const Indice &i : Lista()) {
        if (existentes.contains(i.nome))
            continue;
        // another station's unfinished write on the table would make this
        // wait: the index is left for a later connection instead
        const DbResult r = dbOperation(
            db, [&](Transaction &t) { Query(t, i.criacao).execute(); }, Transaction::Modo::EscritaSemEspera);
        if (r)
            criados << i.nome;
    }
    return criados;
}

} // namespace IndicesNovos
