#include "model/PessoaResumo.h"

#include "data/Query.h"
#include "data/TDM.h"
#include "util/Formats.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

namespace {

const QString kEmergencia = QStringLiteral(
    "SELECT G.NOME_GRUPO, F.IDENTIFICADOR, F.TRATAMENTO, F.NOME, F.FONE_RESIDENCIAL, F.FONE_COMERCIAL, "
    "F.FONE_CELULAR, F.EMAIL, F.MSN, 1 AS TIPO_PESSOA, F.CIDADE, F.ESTADO, F.RUA, F.NUMERO, F.BAIRRO, F.CEP, "
    "F.PROFISSAO  FROM PESSOAFISICA F, GRUPO G WHERE (UPPER(F.LOGIN) = :LOGIN OR F.PUBLICA = :PUBLICA) AND "
    "F.COD_GRUPO = G.COD_GRUPO AND F.GUIA = :GUIA UNION ALL SELECT G.NOME_GRUPO, J.IDENTIFICADOR, J.CNPJ "
    "TRATAMENTO, J.NOME, J.FONE FONE_RESIDENCIAL, J.FONE_FAX FONE_COMERCIAL, J.FONE_0800 FONE_CELULAR, "
    "J.EMAIL, J.HOME_PAGE MSN, 2 AS TIPO_PESSOA, J.CIDADE, J.ESTADO, J.RUA, J.NUMERO, J.BAIRRO, J.CEP, "
    "J.CNPJ "
    "PROFISSAO FROM PESSOAJURIDICA J, GRUPO G WHERE (UPPER(J.LOGIN) = :LOGIN OR J.PUBLICA = :PUBLICA) AND "
    "J.COD_GRUPO = G.COD_GRUPO AND J.GUIA = :GUIA ORDER BY 4;");

const QString kPorNome = QStringLiteral(
    "SELECT G.NOME_GRUPO, F.IDENTIFICADOR, F.TRATAMENTO, F.NOME, F.FONE_RESIDENCIAL, F.FONE_COMERCIAL, "
    "F.FONE_CELULAR, F.EMAIL, F.MSN, 1 AS TIPO_PESSOA, F.CIDADE, F.ESTADO, F.RUA, F.NUMERO, F.BAIRRO, F.CEP, "
    "F.PROFISSAO FROM PESSOAFISICA F, GRUPO G WHERE (UPPER(F.LOGIN) = :LOGIN OR F.PUBLICA = :PUBLICA) AND "
    "F.COD_GRUPO = G.COD_GRUPO AND UPPER(F.NOME) LIKE :NOME UNION ALL SELECT G.NOME_GRUPO, J.IDENTIFICADOR, "
    "J.CNPJ TRATAMENTO, J.NOME, J.FONE FONE_RESIDENCIAL, J.FONE_FAX FONE_COMERCIAL, J.FONE_0800 "
    "FONE_CELULAR, "
    "J.EMAIL, J.HOME_PAGE MSN, 2 AS TIPO_PESSOA, J.CIDADE, J.ESTADO, J.RUA, J.NUMERO, J.BAIRRO, J.CEP, "
    "J.CNPJ "
    "PROFISSAO FROM PESSOAJURIDICA J, GRUPO G WHERE (UPPER(J.LOGIN) = :LOGIN OR J.PUBLICA = :PUBLICA) AND "
    "J.COD_GRUPO = G.COD_GRUPO AND UPPER(J.NOME) LIKE :NOME  ORDER BY 4;");

const QString kSeparador = QStringLiteral(" : ");

// One statement; `emergencia` adds the postal code and number the
// emergency list shows.
std::vector<PessoaResumo> ler(const QString &sql, const QString &login, bool emergencia, const QString &nome,
                              DbResult *resultado)
{
    std::vector<PessoaResumo> lidas;
    const DbResult r = dbLeitura(BancoDados(), [&](Transaction &t) {
        Query q(t, sql);
        q.setText(QStringLiteral("LOGIN"), Win1252::toUpper(login));
        q.setInt(QStringLiteral("PUBLICA"), 1);
        if (emergencia)
            q.setInt(QStringLiteral("GUIA"), 1);
        else
            q.setText(QStringLiteral("NOME"), nome);
        q.open();
        const LeitorPessoaResumo leitor(q, emergencia);
        while (q.next())
            lidas.push_back(leitor.Ler());
    });
    if (resultado)
        *resultado = r;
    if (!r)
        lidas.clear();
    return lidas;
}

} // namespace

LeitorPessoaResumo::LeitorPessoaResumo(const Query &q, bool comEndereco)
    : m_grupo(q.field(QStringLiteral("NOME_GRUPO"))), m_id(q.field(QStringLiteral("IDENTIFICADOR"))),
      m_tratamento(q.field(QStringLiteral("TRATAMENTO"))), m_nome(q.field(QStringLiteral("NOME"))),
      m_fone1(q.field(QStringLiteral("FONE_RESIDENCIAL"))),
      m_fone2(q.field(QStringLiteral("FONE_COMERCIAL"))), m_fone3(q.field(QStringLiteral("FONE_CELULAR"))),
      m_email(q.field(QStringLiteral("EMAIL"))), m_msn(q.field(QStringLiteral("MSN"))),
      m_tipo(q.field(QStringLiteral("TIPO_PESSOA"))), m_cidade(q.field(QStringLiteral("CIDADE"))),
      m_estado(q.field(QStringLiteral("ESTADO"))), m_rua(q.field(QStringLiteral("RUA"))),
      m_numero(q.field(QStringLiteral("NUMERO"))), m_bairro(q.field(QStringLiteral("BAIRRO"))),
      m_cep(q.field(QStringLiteral("CEP"))), m_profissao(q.field(QStringLiteral("PROFISSAO"))),
      m_comEndereco(comEndereco)
{
}

PessoaResumo LeitorPessoaResumo::Ler() const
{
    PessoaResumo p;
    p.TipoPessoa = m_tipo.asInt();
    p.Identificador = m_id.asInt();
    p.Tratamento = m_tratamento.asString();
    p.Nome = m_nome.asString();
    p.Cidade = m_cidade.asString();
    p.Estado = m_estado.asString();
    p.Fone1 = FormatPhone(m_fone1.asString());
    p.Fone2 = FormatPhone(m_fone2.asString());
    p.Fone3 = p.TipoPessoa == PessoaResumo::Fisica ? FormatPhone(m_fone3.asString())
                                                   : FormatFone0800(m_fone3.asString());
    p.Email = m_email.asString();
    p.Msn = m_msn.asString();
    p.Grupo = m_grupo.asString();
    p.Rua = m_rua.asString();
    p.Bairro = m_bairro.asString();
    p.Profissao = m_profissao.asString();
    if (m_comEndereco) {
        p.Cep = FormatFloat(QStringLiteral("00000\"-\"000"), m_cep.asInt());
        const int numero = m_numero.asInt();
        p.Numero = numero == 0 ? QStringLiteral("s/n") : FormatFloat(QStringLiteral("000"), numero);
    }
    return p;
}

QString PessoaResumo::LinhaEmergencia() const
{
    return Tratamento + QLatin1Char(' ') + Nome + QStringLiteral(" :: ") + Fone1 + kSeparador + Fone2 +
           kSeparador + Fone3 + kSeparador + Email + kSeparador + Cidade;
}

QString PessoaResumo::LinhaPesquisa() const
{
    const QString titulo =
        TipoPessoa == Fisica && !Tratamento.isEmpty() ? Tratamento + QLatin1Char(' ') : QString();
    return titulo + Nome + kSeparador + Fone1 + kSeparador + Fone2 + kSeparador + Fone3 + kSeparador + Email;
}

std::vector<PessoaResumo> PessoaResumo::Emergencia(const QString &login, DbResult *resultado)
{
    return ler(kEmergencia, login, true, {}, resultado);
}

QString PessoaResumo::ComandoPorNome()
{
    return kPorNome;
}

std::vector<PessoaResumo> PessoaResumo::PorNome(const QString &login, const QString &texto,
                                                DbResult *resultado)
{
    return ler(kPorNome, login, false, QLatin1Char('%') + Win1252::toUpper(texto) + QLatin1Char('%'),
               resultado);
}
