#include "model/PesquisaEtiquetas.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "services/Seams.h"
#include "util/Win1252.h"

namespace PesquisaEtiquetas {

namespace {

const QString kVisivel = QStringLiteral("(UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA)");
const QString kOrdem = QStringLiteral(" ORDER BY Estado, Cidade, CEP, Bairro, Rua, Numero, Nome ");
const QString kOrdemContatos =
    QStringLiteral(" ORDER BY PJ.Estado, PJ.Cidade, PJ.CEP, PJ.Bairro, PJ.Rua, PJ.Numero, PJ.Nome, PC.Nome ");
const QString kEndereco = QStringLiteral("RUA, NUMERO, BAIRRO, CIDADE, ESTADO, CEP, CP, COMPLEMENTO");

QString camposFisicas()
{
    return QStringLiteral("SELECT P.TRATAMENTO, P.NOME, P.PROFISSAO, P.LOCAL_TRABALHO, P.") +
           QString(kEndereco).replace(QStringLiteral(", "), QStringLiteral(", P."));
}

QString camposJuridicas()
{
    return QStringLiteral("SELECT P.NOME, P.") +
           QString(kEndereco).replace(QStringLiteral(", "), QStringLiteral(", P."));
}

QString padrao(const QString &texto)
{
    return QLatin1Char('%') + Win1252::toUpper(texto) + QLatin1Char('%');
}

QString parametros(const QString &prefixo, int n)
{
    QStringList nomes;
    for (int i = 1; i <= n; ++i)
        nomes << QStringLiteral(":%1_%2").arg(prefixo).arg(i);
    return nomes.join(QStringLiteral(", "));
}

// The lines leaving out the streets of the complete-address filter: by the
// upper-case text, or by the sound code for the companies of kind 1 and the
// contact persons (`coluna` carries the alias).
QString ruasExcluidas(const Pedido &p, const QString &coluna, bool porSom)
{
    QString s;
    for (int i = 1; i <= p.ruasExcluidas.size(); ++i) {
        if (porSom)
            s += QStringLiteral(" AND SOUNDEX(UPPER(%1)) NOT LIKE SOUNDEX(:RUA_EXCLUIDA_%2)")
                     .arg(coluna)
                     .arg(i);
        else
            s += QStringLiteral(" AND UPPER(%1) NOT LIKE :RUA_EXCLUIDA_%2").arg(coluna).arg(i);
    }
    return s;
}

// The statement of individuals (`tabela` PESSOAFISICA) or companies for the
// filters both have: the frames are the same.
QString comandoPessoas(const Pedido &p, const QString &tabela, const QString &campos, bool juridicas)
{
    const QString de = campos + QStringLiteral(" FROM ") + tabela + QStringLiteral(" P WHERE ") + kVisivel;
    const QString enviar = QStringLiteral(" AND ENVIAR = :ENVIAR");
    switch (p.filtro) {
    case Nome: return de + QStringLiteral(" AND UPPER(NOME) LIKE :NOME") + enviar + kOrdem;
    case Rua: return de + QStringLiteral(" AND UPPER(RUA) LIKE :RUA") + enviar + kOrdem;
    case Bairro: return de + QStringLiteral(" AND UPPER(BAIRRO) LIKE :BAIRRO") + enviar + kOrdem;
    case Cidade: return de + QStringLiteral(" AND UPPER(CIDADE) LIKE :CIDADE") + enviar + kOrdem;
    case Estado:
        return de + QStringLiteral(" AND UPPER(ESTADO) = :ESTADO") + enviar +
               (juridicas || p.tipo == FisicasEJuridicas
                    ? kOrdem
                    : QStringLiteral(" ORDER BY Estado, Cidade, Bairro, Rua, Numero, Nome "));
    case Grupos:
        return campos + QStringLiteral(" FROM ") + tabela + QStringLiteral(" P, GRUPO G WHERE ") + kVisivel +
               QStringLiteral(" AND P.ENVIAR = :ENVIAR AND UPPER(G.NOME_GRUPO) IN (") +
               parametros(QStringLiteral("GRUPO"), p.grupos.size()) +
               QStringLiteral(") AND G.COD_GRUPO = P.COD_GRUPO") +
               (juridicas && p.tipo == FisicasEJuridicas
                    ? QStringLiteral(" ORDER BY Nome_Grupo, Estado, Cidade, CEP, Bairro, Rua, Numero, Nome ")
                    : kOrdem);
    case EnderecoCompleto:
        return de +
               QStringLiteral("  AND UPPER(BAIRRO) LIKE :BAIRRO AND UPPER(CIDADE) LIKE :CIDADE AND "
                              "ESTADO = :ESTADO AND ENVIAR = :ENVIAR") +
               ruasExcluidas(p, QStringLiteral("RUA"), juridicas && p.tipo == Juridicas) +
               (p.ordemNumero ? QStringLiteral(" ORDER BY Rua, Numero") : QStringLiteral(" ORDER BY Rua"));
    default: break;
    }
    if (juridicas)
        return {};
    // the individuals' filters joined with the group, as the birthday one
    QString condicao;
    switch (p.filtro) {
    case MesNascimento: condicao = QStringLiteral("AND EXTRACT(MONTH FROM P.DATA_NASCIMENTO) = :MES"); break;
    case TituloEleitor: condicao = QStringLiteral("AND UPPER(P.TITULO) = :TITULO"); break;
    case Zona: condicao = QStringLiteral("AND P.ZONA = :ZONA"); break;
    case Seccao: condicao = QStringLiteral("AND P.SECCAO = :SECCAO"); break;
    case Profissao: condicao = QStringLiteral("AND UPPER(P.PROFISSAO) LIKE :PROFISSAO"); break;
    case LocalTrabalho: condicao = QStringLiteral("AND UPPER(P.LOCAL_TRABALHO) LIKE :LOCAL_TRABALHO"); break;
    default: return {};
    }
    return campos + QStringLiteral(" FROM PESSOAFISICA P, GRUPO G WHERE ") + kVisivel +
           QStringLiteral(" AND P.ENVIAR = :ENVIAR AND G.COD_GRUPO = P.COD_GRUPO ") + condicao + kOrdem;
}

void vincular(Query &q, const Pedido &p)
{
    q.setText(QStringLiteral("LOGIN"), Win1252::toUpper(p.login));
    q.setInt(QStringLiteral("PUBLICA"), 1);
    q.setInt(QStringLiteral("ENVIAR"), 1);
    const QStringList nomes = q.parameterNames();
    auto tem = [&](const QString &n) { return nomes.contains(n); };
    switch (p.filtro) {
    case Nome: q.setText(QStringLiteral("NOME"), padrao(p.texto)); break;
    case Rua: q.setText(QStringLiteral("RUA"), padrao(p.texto)); break;
    case Bairro: q.setText(QStringLiteral("BAIRRO"), padrao(p.texto)); break;
    case Cidade: q.setText(QStringLiteral("CIDADE"), padrao(p.texto)); break;
    case Estado: q.setText(QStringLiteral("ESTADO"), Win1252::toUpper(p.texto)); break;
    case Grupos:
        for (int i = 0; i < p.grupos.size(); ++i)
            q.setText(QStringLiteral("GRUPO_%1").arg(i + 1), Win1252::toUpper(p.grupos.at(i)));
        break;
    case MesNascimento: q.setInt(QStringLiteral("MES"), p.numero); break;
    case TituloEleitor: q.setText(QStringLiteral("TITULO"), Win1252::toUpper(p.texto)); break;
    case Zona: q.setInt(QStringLiteral("ZONA"), p.numero); break;
    case Seccao: q.setInt(QStringLiteral("SECCAO"), p.numero); break;
    case Profissao: q.setText(QStringLiteral("PROFISSAO"), padrao(p.texto)); break;
    case LocalTrabalho: q.setText(QStringLiteral("LOCAL_TRABALHO"), padrao(p.texto)); break;
    case EnderecoCompleto:
        q.setText(QStringLiteral("BAIRRO"), padrao(p.bairro.trimmed()));
        q.setText(QStringLiteral("CIDADE"), padrao(p.cidade.trimmed()));
        q.setText(QStringLiteral("ESTADO"), Win1252::toUpper(p.uf));
        for (int i = 0; i < p.ruasExcluidas.size(); ++i) {
            const QString nome = QStringLiteral("RUA_EXCLUIDA_%1").arg(i + 1);
            if (tem(nome))
                q.setText(nome, padrao(p.ruasExcluidas.at(i)));
        }
        break;
    default: break;
    }
}

EnderecoEtiqueta endereco(const Query &q)
{
    EnderecoEtiqueta e;
    e.Rua = q.field(QStringLiteral("RUA")).asString();
    e.Numero = q.field(QStringLiteral("NUMERO")).asInt();
    e.Bairro = q.field(QStringLiteral("BAIRRO")).asString();
    e.Cidade = q.field(QStringLiteral("CIDADE")).asString();
    e.Estado = q.field(QStringLiteral("ESTADO")).asString();
    e.CEP = q.field(QStringLiteral("CEP")).asInt();
    e.CP = q.field(QStringLiteral("CP")).asInt();
    e.Complemento = q.field(QStringLiteral("COMPLEMENTO")).asString();
    return e;
}

enum class Origem { Fisicas, Juridicas, Contatos };

// Runs one statement in a transaction of its own, appending its rows.
bool ler(Database &db, const Pedido &p, const QString &sql, Origem origem, QList<EnderecoEtiqueta> *enderecos)
{
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        if (sql.isEmpty())
            throw DbError(QStringLiteral("Não há pesquisa deste filtro para pessoas jurídicas."), sql);
        Query q(t, sql);
        vincular(q, p);
        q.open();
        while (q.next()) {
            EnderecoEtiqueta e = endereco(q);
            e.Nome = q.field(QStringLiteral("NOME")).asString();
            if (origem == Origem::Fisicas) {
                e.Titulo = q.field(QStringLiteral("TRATAMENTO")).asString();
                const QString profissao = q.field(QStringLiteral("PROFISSAO")).asString();
                if (p.ctrl && !profissao.isEmpty())
                    e.Nome += QStringLiteral(" :: ") + profissao;
                if (p.shift)
                    e.LocalTrabalho = q.field(QStringLiteral("LOCAL_TRABALHO")).asString();
            } else if (origem == Origem::Contatos) {
                e.Contato.Nome = q.field(QStringLiteral("NOME1")).asString();
                e.Contato.Funcao = q.field(QStringLiteral("FUNCAO")).asString();
            }
            enderecos->append(e);
        }
    });
    if (r)
        return true;
    Seams::messages().show(origem == Origem::Fisicas
                               ? r.texto(QString()) + (r.recusado ? QString() : QStringLiteral("\r\n") + sql)
                               : r.texto(sql),
                           MessageService::Kind::Error);
    return false;
}

} // namespace

int TipoEfetivo(const Pedido &p)
{
    return p.filtro >= MesNascimento && p.filtro <= LocalTrabalho ? Fisicas : p.tipo;
}

QString ComandoFisicas(const Pedido &p)
{
    return comandoPessoas(p, QStringLiteral("PESSOAFISICA"), camposFisicas(), false);
}

QString ComandoJuridicas(const Pedido &p)
{
    return comandoPessoas(p, QStringLiteral("PESSOAJURIDICA"), camposJuridicas(), true);
}

QString ComandoContatos(const Pedido &p)
{
    // an inner join: a company without contact persons has its own label already
    const QString de =
        QStringLiteral("SELECT PJ.NOME, PJ.") +
        QString(kEndereco).replace(QStringLiteral(", "), QStringLiteral(", PJ.")) +
        QStringLiteral(", PC.NOME AS NOME1, PC.FUNCAO FROM PESSOAJURIDICA PJ INNER JOIN CONTATO_PJ PC "
                       "ON PJ.IDENTIFICADOR = PC.IDENTIFICADOR_PJ ");
    const QString onde = QStringLiteral("WHERE (UPPER(PJ.LOGIN) = :LOGIN OR PJ.PUBLICA = :PUBLICA)");
    const QString enviar = QStringLiteral(" AND PJ.ENVIAR = :ENVIAR");
    switch (p.filtro) {
    case Nome: return de + onde + QStringLiteral(" AND UPPER(PJ.NOME) LIKE :NOME") + enviar + kOrdemContatos;
    case Rua: return de + onde + QStringLiteral(" AND UPPER(PJ.RUA) LIKE :RUA") + enviar + kOrdemContatos;
    case Bairro:
        return de + onde + QStringLiteral(" AND UPPER(PJ.BAIRRO) LIKE :BAIRRO") + enviar + kOrdemContatos;
    case Cidade:
        return de + onde + QStringLiteral(" AND UPPER(PJ.CIDADE) LIKE :CIDADE") + enviar + kOrdemContatos;
    case Estado:
        return de + onde + QStringLiteral(" AND UPPER(PJ.ESTADO) = :ESTADO") + enviar + kOrdemContatos;
    case Grupos:
        return de + QStringLiteral("INNER JOIN GRUPO G ON PJ.COD_GRUPO = G.COD_GRUPO ") + onde + enviar +
               QStringLiteral(" AND UPPER(G.NOME_GRUPO) IN (") +
               parametros(QStringLiteral("GRUPO"), p.grupos.size()) +
               QStringLiteral(
                   ") ORDER BY PJ.Estado, PJ.Cidade, PJ.CEP, PJ.Bairro, PJ.Rua, PJ.Numero, G.Nome_Grupo, "
                   "PJ.Nome, PC.Nome ");
    case EnderecoCompleto:
        return de + onde +
               QStringLiteral(
                   "  AND UPPER(PJ.BAIRRO) LIKE :BAIRRO AND UPPER(PJ.CIDADE) LIKE :CIDADE AND PJ.ESTADO = "
                   ":ESTADO") +
               enviar + ruasExcluidas(p, QStringLiteral("PJ.RUA"), true) +
               (p.ordemNumero ? QStringLiteral(" ORDER BY PJ.Rua, PJ.Numero")
                              : QStringLiteral(" ORDER BY PJ.Rua"));
    default: return {};
    }
}

bool Pesquisar(Database &db, const Pedido &pedido, QList<EnderecoEtiqueta> *enderecos)
{
    enderecos->clear();
    Pedido p = pedido;
    p.tipo = TipoEfetivo(pedido);
    if (p.filtro == Grupos && p.grupos.isEmpty())
        return true;
    if (p.tipo == Juridicas || p.tipo == FisicasEJuridicas) {
        if (!ler(db, p, ComandoJuridicas(p), Origem::Juridicas, enderecos))
            return false;
    }
    if (p.tipo == Fisicas || p.tipo == FisicasEJuridicas) {
        if (!ler(db, p, ComandoFisicas(p), Origem::Fisicas, enderecos))
            return false;
    }
    if (p.tipo != Fisicas && p.contatos) {
        const QString sql = ComandoContatos(p);
        if (!sql.isEmpty() && !ler(db, p, sql, Origem::Contatos, enderecos))
            return false;
    }
    return true;
}

} // namespace PesquisaEtiquetas
