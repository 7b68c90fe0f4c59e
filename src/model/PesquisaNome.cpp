#include "model/PesquisaNome.h"

#include "data/Query.h"

namespace {

const QString kFisicasFonetica = QStringLiteral(
    "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE F_NOME LIKE SOUNDEX(:NOME )  AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kFisicasApelido = QStringLiteral(
    "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE UPPER(APELIDO) LIKE :APELIDO AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kFisicasGrupo = QStringLiteral(
    "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
    "G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kFisicasNome = QStringLiteral(
    "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE UPPER(NOME) LIKE :NOME AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");

const QString kJuridicasFonetica =
    QStringLiteral("SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE F_NOME LIKE SOUNDEX(:NOME )  AND "
                   "(UPPER(LOGIN) = :LOGIN OR "
                   "PUBLICA = :PUBLICA) AND P.COD_GRUPO =G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kJuridicasGrupo = QStringLiteral(
    "SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
    "G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kJuridicasNome = QStringLiteral(
    "SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE UPPER(NOME) LIKE :NOME  AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO =G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");

// Runs `sql` with the search's values and hands each row to a record of
// its own; the list holds the rows only when every row was read.
template <typename Pessoa>
DbResult pesquisar(Database &db, const PesquisaNome &p, const QString &sql, QList<Pessoa> &pessoas)
{
    if (sql.isEmpty()) {
        pessoas.clear();
        return DbResult::failure(
            DbError::refused(QStringLiteral("Esta pesquisa não existe para pessoas jurídicas."), {}));
    }
    // the old result goes before the new one is read: never both in memory
    pessoas.clear();
    QList<Pessoa> lidas;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, sql);
        q.setText(QStringLiteral("LOGIN"), p.Login.toUpper());
        q.setInt(QStringLiteral("PUBLICA"), 1);
        const QString procurado = QLatin1Char('%') + p.Texto.toUpper() + QLatin1Char('%');
        switch (p.Criterio) {
        case PesquisaNome::Por::Grupo: q.setInt(QStringLiteral("COD_GRUPO"), p.Grupo); break;
        case PesquisaNome::Por::Apelido: q.setText(QStringLiteral("APELIDO"), procurado); break;
        // a parameter, not text pasted into the statement; the database's
        // SOUNDEX lets the '%' through
        case PesquisaNome::Por::Fonetica:
        case PesquisaNome::Por::Nome: q.setText(QStringLiteral("NOME"), procurado); break;
        }
        q.open();
        while (q.next()) {
            Pessoa &pessoa = lidas.emplace_back(db);
            pessoa.Ler(q);
            pessoa.Grupo.Nome = q.field(QStringLiteral("NOME_GRUPO")).asString();
            // a record read here is the row as stored: its name is the one to compare a change with
            pessoa.NomeAntigo = pessoa.Nome;
        }
    });
    if (r)
        pessoas = std::move(lidas);
    return r;
}

} // namespace

QString PesquisaNome::ComandoFisicas(Por criterio)
{
    switch (criterio) {
    case Por::Fonetica: return kFisicasFonetica;
    case Por::Nome: return kFisicasNome;
    case Por::Apelido: return kFisicasApelido;
    case Por::Grupo: return kFisicasGrupo;
    }
    return {};
}

QString PesquisaNome::ComandoJuridicas(Por criterio)
{
    switch (criterio) {
    case Por::Fonetica: return kJuridicasFonetica;
    case Por::Nome: return kJuridicasNome;
    case Por::Grupo: return kJuridicasGrupo;
    case Por::Apelido: break; // companies have no nickname
    }
    return {};
}

DbResult PesquisaNome::Fisicas(Database &db, QList<TPessoaFisica> &pessoas) const
{
    return pesquisar(db, *this, ComandoFisicas(Criterio), pessoas);
}

DbResult PesquisaNome::Juridicas(Database &db, QList<TPessoaJuridica> &empresas) const
{
    return pesquisar(db, *this, ComandoJuridicas(Criterio), empresas);
}
