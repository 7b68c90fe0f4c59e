#include "model/PesquisaRelPJ.h"

#include "data/Query.h"
#include "model/LerPessoasEncontradas.h"
#include "util/Win1252.h"

namespace {

QString comCondicao(const QString &condicao)
{
    return QStringLiteral("SELECT * FROM PESSOAJURIDICA, GRUPO WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                          ":PUBLICA) AND GRUPO.COD_GRUPO = PESSOAJURIDICA.COD_GRUPO   AND ") +
           condicao + QStringLiteral(" ORDER BY NOME, IDENTIFICADOR ");
}

QString porTelefone(const QString &condicao)
{
    return QStringLiteral("SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                          ":PUBLICA) AND ") +
           condicao + QStringLiteral(" AND G.COD_GRUPO = P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
}

QString padrao(const QString &texto)
{
    return QLatin1Char('%') + texto + QLatin1Char('%');
}

QString padraoMaiusculo(const QString &texto)
{
    return padrao(Win1252::toUpper(texto));
}

} // namespace

QString PesquisaRelPJ::Comando(int numero)
{
    switch (numero) {
    case NomeFonetico:
        return QStringLiteral("SELECT * FROM PESSOAJURIDICA, GRUPO WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                              ":PUBLICA) AND GRUPO.COD_GRUPO = PESSOAJURIDICA.COD_GRUPO  AND F_NOME LIKE "
                              "SOUNDEX(:NOME )   ORDER BY NOME, IDENTIFICADOR ");
    case Rua:
        return QStringLiteral(
            "SELECT * FROM PESSOAJURIDICA, GRUPO WHERE  (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
            ":PUBLICA) AND GRUPO.COD_GRUPO = PESSOAJURIDICA.COD_GRUPO  AND UPPER(RUA) LIKE "
            ":RUA ORDER BY NOME, IDENTIFICADOR ");
    case Bairro: return comCondicao(QStringLiteral("UPPER(BAIRRO) LIKE :BAIRRO"));
    case Cidade: return comCondicao(QStringLiteral("UPPER(CIDADE) LIKE :CIDADE"));
    case Estado: return comCondicao(QStringLiteral("UPPER(ESTADO) = :ESTADO"));
    case LetraInicial:
        return QStringLiteral("SELECT * FROM PESSOAJURIDICA, GRUPO WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                              ":PUBLICA) AND GRUPO.COD_GRUPO = PESSOAJURIDICA.COD_GRUPO  AND UPPER(NOME) "
                              "STARTING :NOME ORDER BY NOME, IDENTIFICADOR ");
    case Grupo:
        return QStringLiteral(
            "SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA "
            "= :PUBLICA) AND G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO ORDER BY "
            "NOME, IDENTIFICADOR ");
    case FoneComercial: return porTelefone(QStringLiteral("P.FONE LIKE :FONE"));
    case Fax: return porTelefone(QStringLiteral("P.FONE_FAX LIKE :FONE_FAX"));
    case Celular: return porTelefone(QStringLiteral("P.FONE_CEL LIKE :FONE_CEL"));
    case Nome:
        return QStringLiteral(
            "SELECT * FROM PESSOAJURIDICA, GRUPO WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
            ":PUBLICA) AND GRUPO.COD_GRUPO = PESSOAJURIDICA.COD_GRUPO   AND UPPER(NOME) LIKE "
            ":NOME   ORDER BY NOME, IDENTIFICADOR ");
    case FoneTodos:
        return QStringLiteral(
            "SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA "
            "= :PUBLICA) AND G.COD_GRUPO = P.COD_GRUPO AND (P.FONE LIKE :FONE OR P.FONE_CEL "
            "LIKE :FONE_CEL OR P.FONE_FAX LIKE :FONE_FAX )   ORDER BY NOME, IDENTIFICADOR ");
    default: return {};
    }
}

DbResult PesquisaRelPJ::Executar(Database &db, QList<TPessoaJuridica> &empresas) const
{
    empresas.clear();
    const QString sql = Comando(Numero);
    if (sql.isEmpty())
        return DbResult::failure(
            DbError::refused(QStringLiteral("A pesquisa %1 não existe.").arg(Numero), {}));
    QList<TPessoaJuridica> lidas;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, sql);
        q.setText(QStringLiteral("LOGIN"), Win1252::toUpper(Login));
        q.setInt(QStringLiteral("PUBLICA"), 1);
        auto texto = [&q](const char *nome, const QString &valor) {
            q.setText(QString::fromLatin1(nome), valor);
        };
        switch (Numero) {
        case NomeFonetico: texto("NOME", padraoMaiusculo(Texto)); break;
        case Rua: texto("RUA", padraoMaiusculo(Texto)); break;
        case Bairro: texto("BAIRRO", padraoMaiusculo(Texto)); break;
        case Cidade: texto("CIDADE", padraoMaiusculo(Texto)); break;
        case Estado: texto("ESTADO", Win1252::toUpper(Texto)); break;
        case LetraInicial: texto("NOME", Win1252::toUpper(Texto)); break;
        case Grupo: q.setInt(QStringLiteral("COD_GRUPO"), CodigoGrupo); break;
        // telephones are digits: no upper case
        case FoneComercial: texto("FONE", padrao(Texto)); break;
        case Fax: texto("FONE_FAX", padrao(Texto)); break;
        case Celular: texto("FONE_CEL", padrao(Texto)); break;
        case Nome: texto("NOME", padraoMaiusculo(Texto)); break;
        case FoneTodos:
            texto("FONE", padrao(Texto));
            texto("FONE_CEL", padrao(Texto));
            texto("FONE_FAX", padrao(Texto));
            break;
        default: break;
        }
        q.open();
        LerPessoasEncontradas(db, q, lidas);
    });
    if (r)
        empresas = std::move(lidas);
    return r;
}
