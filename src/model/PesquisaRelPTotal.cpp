#include "model/PesquisaRelPTotal.h"

#include "data/Query.h"
#include "util/Win1252.h"

#include <QStringList>

QString PesquisaRelPTotal::Comando(int busca)
{
    if (busca < Nome || busca > Grupo)
        return {};
    auto porTipo = [busca](const char *nome, const char *letra, const char *mes, const char *grupo) {
        const char *c = busca == Nome            ? nome
                        : busca == LetraInicial  ? letra
                        : busca == MesNascimento ? mes
                                                 : grupo;
        return QString::fromLatin1(c);
    };
    QStringList l;
    l << QStringLiteral("SELECT IDENTIFICADOR, NOME, 0 AS TIPO, 0 AS IDENTIFICADOR_PJ,")
      << QStringLiteral("FONE_RESIDENCIAL AS FONE1, FONE_CELULAR AS FONE2, FONE_COMERCIAL AS FONE3, EMAIL AS "
                        "FONE4")
      << QStringLiteral(", GRUPO.NOME_GRUPO")
      << QStringLiteral("FROM PESSOAFISICA INNER JOIN GRUPO ON GRUPO.COD_GRUPO = PESSOAFISICA.COD_GRUPO ")
      << QStringLiteral("WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA)")
      << porTipo("AND UPPER(NOME) LIKE :NOME", "AND Upper(NOME) STARTING :NOME",
                 "AND EXTRACT(MONTH FROM DATA_NASCIMENTO) = :MES", "AND GRUPO.COD_GRUPO = :COD_GRUPO ")
      << QStringLiteral("UNION ALL")
      << QStringLiteral("SELECT IDENTIFICADOR, NOME, 1 AS TIPO, 0 AS IDENTIFICADOR_PJ,")
      << QStringLiteral("FONE AS FONE1, FONE_FAX AS FONE2, FONE_CEL AS FONE3, EMAIL AS FONE4")
      << QStringLiteral(", GRUPO.NOME_GRUPO")
      << QStringLiteral("FROM PESSOAJURIDICA INNER JOIN GRUPO ON GRUPO.COD_GRUPO = PESSOAJURIDICA.COD_GRUPO")
      << QStringLiteral("WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA)")
      // a company has no birth date: the month search lists none
      << porTipo("AND UPPER(NOME) LIKE :NOME", "AND Upper(NOME) STARTING :NOME", "AND IDENTIFICADOR = -1",
                 "AND GRUPO.COD_GRUPO = :COD_GRUPO")
      << QStringLiteral("UNION ALL")
      << QStringLiteral("SELECT IDENTIFICADOR, NOME, 2 AS TIPO, IDENTIFICADOR_PJ,")
      << QStringLiteral("FONE AS FONE1, CELULAR AS FONE2, FONE AS FONE3, EMAIL AS FONE4, NOME AS NOME_GRUPO")
      << QStringLiteral("FROM CONTATO_PJ")
      // the group narrows the contacts in the group search only; the other
      // searches look at the contacts of every company the login may see
      << porTipo("where identificador_pj in (select identificador from pessoajuridica where (UPPER(LOGIN) = "
                 ":LOGIN OR PUBLICA = :PUBLICA))",
                 "where identificador_pj in (select identificador from pessoajuridica where (UPPER(LOGIN) = "
                 ":LOGIN OR PUBLICA = :PUBLICA))",
                 "where identificador_pj in (select identificador from pessoajuridica where (UPPER(LOGIN) = "
                 ":LOGIN OR PUBLICA = :PUBLICA))",
                 "where identificador_pj in (select identificador from pessoajuridica where (UPPER(LOGIN) = "
                 ":LOGIN OR PUBLICA = :PUBLICA) AND COD_GRUPO = :COD_GRUPO)");
    // a contact without a birth date is stored on 30/12/1899: not a December birthday
    if (busca != Grupo)
        l << porTipo("and UPPER(NOME) LIKE :NOME", "and Upper(NOME) STARTING :NOME",
                     "and EXTRACT(MONTH FROM DATA) = :MES and DATA <> DATE '1899-12-30'", "");
    l << QStringLiteral("ORDER BY 2");
    return l.join(QLatin1Char('\n'));
}

DbResult PesquisaRelPTotal::Executar(Database &db, QList<TPessoa_> &linhas) const
{
    linhas.clear();
    const QString sql = Comando(Busca);
    if (sql.isEmpty())
        return DbResult::failure(
            DbError::refused(QStringLiteral("A pesquisa %1 não existe.").arg(Busca), {}));
    QList<TPessoa_> lidas;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, sql);
        q.setText(QStringLiteral("LOGIN"), Win1252::toUpper(Login));
        q.setInt(QStringLiteral("PUBLICA"), 1);
        switch (Busca) {
        case Nome:
            q.setText(QStringLiteral("NOME"), QLatin1Char('%') + Win1252::toUpper(Texto) + QLatin1Char('%'));
            break;
        case LetraInicial: q.setText(QStringLiteral("NOME"), Win1252::toUpper(Texto)); break;
        case MesNascimento: q.setInt(QStringLiteral("MES"), Mes); break;
        case Grupo: q.setInt(QStringLiteral("COD_GRUPO"), CodigoGrupo); break;
        default: break;
        }
        q.open();
        while (q.next()) {
            TPessoa_ &p = lidas.emplace_back();
            p.Tipo = q.field(QStringLiteral("TIPO")).asInt();
            p.Identificador = q.field(QStringLiteral("IDENTIFICADOR")).asInt();
            p.IdentificadorPJ = q.field(QStringLiteral("IDENTIFICADOR_PJ")).asInt();
            p.Nome = q.field(QStringLiteral("NOME")).asString();
            p.Fone1 = q.field(QStringLiteral("FONE1")).asString();
            p.Fone2 = q.field(QStringLiteral("FONE2")).asString();
            p.Fone3 = q.field(QStringLiteral("FONE3")).asString();
            p.Fone4 = q.field(QStringLiteral("FONE4")).asString();
        }
    });
    if (r)
        linhas = std::move(lidas);
    return r;
}
