#include "model/PesquisaNome.h"

#include "data/Query.h"

#include <QByteArray>
#include <QHash>

#include <optional>

namespace {

const QString kFisicasFonetica = QStringLiteral(
    "SELECT P.IDENTIFICADOR, P.TRATAMENTO, P.NOME, P.APELIDO, P.FONE_RESIDENCIAL, P.LOGIN, P.GUIA FROM "
    "PESSOAFISICA P, GRUPO G WHERE F_NOME LIKE SOUNDEX(:NOME )  AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kFisicasApelido = QStringLiteral(
    "SELECT P.IDENTIFICADOR, P.TRATAMENTO, P.NOME, P.APELIDO, P.FONE_RESIDENCIAL, P.LOGIN, P.GUIA FROM "
    "PESSOAFISICA P, GRUPO G WHERE UPPER(APELIDO) LIKE :APELIDO AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kFisicasGrupo = QStringLiteral(
    "SELECT P.IDENTIFICADOR, P.TRATAMENTO, P.NOME, P.APELIDO, P.FONE_RESIDENCIAL, P.LOGIN, P.GUIA FROM "
    "PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
    "G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kFisicasNome = QStringLiteral(
    "SELECT P.IDENTIFICADOR, P.TRATAMENTO, P.NOME, P.APELIDO, P.FONE_RESIDENCIAL, P.LOGIN, P.GUIA FROM "
    "PESSOAFISICA P, GRUPO G WHERE UPPER(NOME) LIKE :NOME AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");

const QString kJuridicasFonetica =
    QStringLiteral("SELECT P.IDENTIFICADOR, P.NOME, P.FONE, P.FONE_FAX, P.LOGIN, P.GUIA FROM PESSOAJURIDICA "
                   "P, GRUPO G WHERE F_NOME LIKE SOUNDEX(:NOME )  AND "
                   "(UPPER(LOGIN) = :LOGIN OR "
                   "PUBLICA = :PUBLICA) AND P.COD_GRUPO =G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kJuridicasGrupo =
    QStringLiteral("SELECT P.IDENTIFICADOR, P.NOME, P.FONE, P.FONE_FAX, P.LOGIN, P.GUIA FROM PESSOAJURIDICA "
                   "P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
                   "G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kJuridicasNome =
    QStringLiteral("SELECT P.IDENTIFICADOR, P.NOME, P.FONE, P.FONE_FAX, P.LOGIN, P.GUIA FROM PESSOAJURIDICA "
                   "P, GRUPO G WHERE UPPER(NOME) LIKE :NOME  AND (UPPER(LOGIN) = :LOGIN OR "
                   "PUBLICA = :PUBLICA) AND P.COD_GRUPO =G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");

// Texts that repeat across the rows (the owner's login, the form of
// address) are decoded once and shared by every row that has them: tens of
// thousands of rows then hold a handful of buffers instead of one each.
class Repetidos {
public:
    QString operator()(const Field &f)
    {
        if (f.isNull())
            return {};
        const QByteArray bytes = f.asBytes();
        if (bytes.isEmpty())
            return {};
        auto it = m_lidos.constFind(bytes);
        if (it == m_lidos.cend())
            it = m_lidos.insert(bytes, f.asString());
        return *it;
    }

private:
    QHash<QByteArray, QString> m_lidos;
};

// An empty text holds no buffer at all.
QString texto(const Field &f)
{
    QString s = f.asString();
    return s.isEmpty() ? QString() : s;
}

// Runs `sql` with the search's values and reads the grid's columns of each
// row; the list holds the rows only when every row was read.
DbResult pesquisar(Database &db, const PesquisaNome &p, const QString &sql, bool fisicas,
                   QList<PessoaEncontrada> &pessoas)
{
    if (sql.isEmpty()) {
        pessoas.clear();
        return DbResult::failure(
            DbError::refused(QStringLiteral("Esta pesquisa não existe para pessoas jurídicas."), {}));
    }
    // the old result goes before the new one is read: never both in memory
    pessoas.clear();
    QList<PessoaEncontrada> lidas;
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
        const Field id = q.field(QStringLiteral("IDENTIFICADOR")), nome = q.field(QStringLiteral("NOME")),
                    login = q.field(QStringLiteral("LOGIN")), guia = q.field(QStringLiteral("GUIA"));
        const Field fone = q.field(fisicas ? QStringLiteral("FONE_RESIDENCIAL") : QStringLiteral("FONE"));
        // the columns only one kind has
        std::optional<Field> tratamento, apelido, foneFax;
        if (fisicas) {
            tratamento = q.field(QStringLiteral("TRATAMENTO"));
            apelido = q.field(QStringLiteral("APELIDO"));
        } else {
            foneFax = q.field(QStringLiteral("FONE_FAX"));
        }
        Repetidos repetido;
        while (q.next()) {
            PessoaEncontrada &e = lidas.emplace_back();
            e.Identificador = id.asInt();
            e.Nome = texto(nome);
            e.Fone = texto(fone);
            e.Login = repetido(login);
            e.Guia = guia.asInt();
            if (tratamento)
                e.Tratamento = repetido(*tratamento);
            if (apelido)
                e.Apelido = texto(*apelido);
            if (foneFax)
                e.FoneFax = texto(*foneFax);
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

DbResult PesquisaNome::Fisicas(Database &db, QList<PessoaEncontrada> &pessoas) const
{
    return pesquisar(db, *this, ComandoFisicas(Criterio), true, pessoas);
}

DbResult PesquisaNome::Juridicas(Database &db, QList<PessoaEncontrada> &empresas) const
{
    return pesquisar(db, *this, ComandoJuridicas(Criterio), false, empresas);
}
