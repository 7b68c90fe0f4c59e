#include "model/PesquisaRelPF.h"

#include "data/Query.h"
#include "model/LerPessoasEncontradas.h"
#include "util/Win1252.h"

namespace {

// most filters are this statement with their own condition in its place
QString comCondicao(const QString &condicao)
{
    return QStringLiteral(
               "SELECT * FROM PESSOAFISICA, GRUPO WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) "
               "AND GRUPO.COD_GRUPO = PESSOAFISICA.COD_GRUPO  AND ") +
           condicao + QStringLiteral(" ORDER BY NOME, IDENTIFICADOR ");
}

QString porTelefone(const QString &condicao)
{
    return QStringLiteral("SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                          ":PUBLICA) AND ") +
           condicao + QStringLiteral(" AND G.COD_GRUPO = P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
}

// only persons who want mail, in the order of the address
QString paraEnviar(const QString &condicao)
{
    return QStringLiteral("SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                          ":PUBLICA) AND P.ENVIAR = :ENVIAR AND G.COD_GRUPO = P.COD_GRUPO AND ") +
           condicao + QStringLiteral(" ORDER BY Estado, Cidade, CEP, Bairro, Rua, Numero, Nome ");
}

QString padrao(const QString &texto)
{
    return QLatin1Char('%') + texto + QLatin1Char('%');
}

QString padraoMaiusculo(const QString &texto)
{
    return padrao(Win1252::toUpper(texto));
}

// A day or a year that is not a number stops the search before it runs.
qint32 numero(const QString &texto, const QString &oQue)
{
    bool ok = false;
    const qint32 n = texto.trimmed().toInt(&ok);
    if (!ok)
        throw DbError::refused(QStringLiteral("\"%1\" não é um número válido para %2.").arg(texto, oQue), {});
    return n;
}

qint32 numeroOuZero(const QString &texto)
{
    bool ok = false;
    const qint32 n = texto.trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace

QString PesquisaRelPF::Comando(int numero)
{
    switch (numero) {
    case NomeFonetico:
        return QStringLiteral("SELECT * FROM PESSOAFISICA, GRUPO WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                              ":PUBLICA) AND GRUPO.COD_GRUPO = PESSOAFISICA.COD_GRUPO AND F_NOME LIKE "
                              "SOUNDEX(:NOME )   ORDER BY NOME, IDENTIFICADOR ");
    case Apelido: return comCondicao(QStringLiteral("UPPER(APELIDO) LIKE :APELIDO"));
    case Email: return comCondicao(QStringLiteral("UPPER(EMAIL) LIKE :EMAIL"));
    case DataNascimento: return comCondicao(QStringLiteral("DATA_NASCIMENTO = :DATA_NASCIMENTO"));
    case DiaNascimento: return comCondicao(QStringLiteral("EXTRACT(DAY FROM DATA_NASCIMENTO) = :DIA"));
    case MesNascimento: return comCondicao(QStringLiteral("EXTRACT(MONTH FROM DATA_NASCIMENTO) = :MES"));
    case AnoNascimento: return comCondicao(QStringLiteral("EXTRACT(YEAR FROM DATA_NASCIMENTO) = :YEAR"));
    case Rua: return comCondicao(QStringLiteral("UPPER(RUA) LIKE :RUA"));
    case Bairro: return comCondicao(QStringLiteral("UPPER(BAIRRO) LIKE :BAIRRO"));
    case Cidade: return comCondicao(QStringLiteral("UPPER(CIDADE) LIKE :CIDADE"));
    case Estado: return comCondicao(QStringLiteral("UPPER(ESTADO) = :ESTADO"));
    case DiaEMes:
        return comCondicao(QStringLiteral(
            "EXTRACT(DAY FROM DATA_NASCIMENTO) = :DIA AND EXTRACT(MONTH FROM DATA_NASCIMENTO) = :MES"));
    case LetraInicial:
        return QStringLiteral("SELECT * FROM PESSOAFISICA, GRUPO WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                              ":PUBLICA) AND UPPER(NOME) STARTING :NOME AND GRUPO.COD_GRUPO = "
                              "PESSOAFISICA.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
    case Grupo:
        return QStringLiteral(
            "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
            ":PUBLICA) AND G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO ORDER BY "
            "NOME, IDENTIFICADOR ");
    case FoneResidencial: return porTelefone(QStringLiteral("P.FONE_RESIDENCIAL LIKE :FONE_RESIDENCIAL"));
    case FoneCelular: return porTelefone(QStringLiteral("P.FONE_CELULAR LIKE :FONE_CELULAR"));
    case FoneComercial: return porTelefone(QStringLiteral("P.FONE_COMERCIAL LIKE :FONE_COMERCIAL"));
    case Interesse:
        return QStringLiteral(
            "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
            ":PUBLICA) AND P.TIPO_CLIENTE = :TIPO_CLIENTE AND G.COD_GRUPO = P.COD_GRUPO "
            "ORDER BY NOME ");
    case InteressePeriodo:
        return QStringLiteral(
            "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
            ":PUBLICA) AND (P.CLIENTE_DESDE BETWEEN :DATA01 AND :DATA02) AND P.TIPO_CLIENTE "
            "= :TIPO_CLIENTE AND G.COD_GRUPO = P.COD_GRUPO ORDER BY CLIENTE_DESDE, "
            "VENDEDORA, NOME ");
    case Nome: return comCondicao(QStringLiteral("UPPER(NOME) LIKE :NOME"));
    case FoneTodos:
        return QStringLiteral(
            "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
            ":PUBLICA) AND (P.FONE_COMERCIAL LIKE :FONE_COMERCIAL OR P.FONE_CELULAR LIKE "
            ":FONE_CELULAR OR P.FONE_RESIDENCIAL LIKE :FONE_RESIDENCIAL)  AND G.COD_GRUPO = "
            "P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
    case Titulo: return paraEnviar(QStringLiteral("UPPER(P.TITULO) = :TITULO"));
    case Zona: return paraEnviar(QStringLiteral("P.ZONA = :ZONA"));
    case Seccao: return paraEnviar(QStringLiteral("P.SECCAO = :SECCAO"));
    case Profissao: return paraEnviar(QStringLiteral("UPPER(P.PROFISSAO) LIKE :PROFISSAO"));
    case LocalTrabalho: return paraEnviar(QStringLiteral("UPPER(P.LOCAL_TRABALHO) LIKE :LOCAL_TRABALHO"));
    default: return {};
    }
}

DbResult PesquisaRelPF::Executar(Database &db, QList<TPessoaFisica> &pessoas) const
{
    pessoas.clear();
    const QString sql = Comando(Numero);
    if (sql.isEmpty())
        return DbResult::failure(
            DbError::refused(QStringLiteral("A pesquisa %1 não existe.").arg(Numero), {}));
    QList<TPessoaFisica> lidas;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, sql);
        q.setText(QStringLiteral("LOGIN"), Win1252::toUpper(Login));
        q.setInt(QStringLiteral("PUBLICA"), 1);
        auto texto = [&q](const char *nome, const QString &valor) {
            q.setText(QString::fromLatin1(nome), valor);
        };
        switch (Numero) {
        case NomeFonetico: texto("NOME", padraoMaiusculo(Texto)); break;
        case Apelido: texto("APELIDO", padraoMaiusculo(Texto)); break;
        case Email: texto("EMAIL", padraoMaiusculo(Texto)); break;
        case DataNascimento: q.setDate(QStringLiteral("DATA_NASCIMENTO"), Data); break;
        case DiaNascimento: q.setInt(QStringLiteral("DIA"), numero(Texto, QStringLiteral("o dia"))); break;
        case MesNascimento: q.setInt(QStringLiteral("MES"), Mes); break;
        case AnoNascimento: q.setInt(QStringLiteral("YEAR"), numero(Texto, QStringLiteral("o ano"))); break;
        case Rua: texto("RUA", padraoMaiusculo(Texto)); break;
        case Bairro: texto("BAIRRO", padraoMaiusculo(Texto)); break;
        case Cidade: texto("CIDADE", padraoMaiusculo(Texto)); break;
        case Estado: texto("ESTADO", Win1252::toUpper(Texto)); break;
        case DiaEMes:
            q.setInt(QStringLiteral("DIA"), numero(Texto, QStringLiteral("o dia")));
            q.setInt(QStringLiteral("MES"), Mes);
            break;
        case LetraInicial: texto("NOME", Win1252::toUpper(Texto)); break;
        case Grupo: q.setInt(QStringLiteral("COD_GRUPO"), CodigoGrupo); break;
        // telephones are digits: no upper case
        case FoneResidencial: texto("FONE_RESIDENCIAL", padrao(Texto)); break;
        case FoneCelular: texto("FONE_CELULAR", padrao(Texto)); break;
        case FoneComercial: texto("FONE_COMERCIAL", padrao(Texto)); break;
        case Interesse: q.setInt(QStringLiteral("TIPO_CLIENTE"), TipoCliente); break;
        case InteressePeriodo:
            q.setInt(QStringLiteral("TIPO_CLIENTE"), TipoCliente);
            q.setDate(QStringLiteral("DATA01"), Data);
            q.setDate(QStringLiteral("DATA02"), DataFinal);
            break;
        case Nome: texto("NOME", padraoMaiusculo(Texto)); break;
        case FoneTodos:
            texto("FONE_COMERCIAL", padrao(Texto));
            texto("FONE_CELULAR", padrao(Texto));
            texto("FONE_RESIDENCIAL", padrao(Texto));
            break;
        case Titulo: texto("TITULO", Win1252::toUpper(Texto)); break;
        case Zona: q.setInt(QStringLiteral("ZONA"), numeroOuZero(Texto)); break;
        case Seccao: q.setInt(QStringLiteral("SECCAO"), numeroOuZero(Texto)); break;
        case Profissao: texto("PROFISSAO", padraoMaiusculo(Texto)); break;
        case LocalTrabalho: texto("LOCAL_TRABALHO", padraoMaiusculo(Texto)); break;
        default: break;
        }
        if (Numero >= Titulo)
            q.setInt(QStringLiteral("ENVIAR"), 1);
        q.open();
        LerPessoasEncontradas(db, q, lidas);
    });
    if (r)
        pessoas = std::move(lidas);
    return r;
}
