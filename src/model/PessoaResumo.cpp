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
    const DbResult r = dbOperation(BancoDados(), [&](Transaction &t) {
        Query q(t, sql);
        q.setText(QStringLiteral("LOGIN"), Win1252::toUpper(login));
        q.setInt(QStringLiteral("PUBLICA"), 1);
        if (emergencia)
            q.setInt(QStringLiteral("GUIA"), 1);
        else
            q.setText(QStringLiteral("NOME"), nome);
        q.open();
        const Field fGrupo = q.field(QStringLiteral("NOME_GRUPO"));
        const Field fId = q.field(QStringLiteral("IDENTIFICADOR"));
        const Field fTratamento = q.field(QStringLiteral("TRATAMENTO"));
        const Field fNome = q.field(QStringLiteral("NOME"));
        const Field fFone1 = q.field(QStringLiteral("FONE_RESIDENCIAL"));
        const Field fFone2 = q.field(QStringLiteral("FONE_COMERCIAL"));
        const Field fFone3 = q.field(QStringLiteral("FONE_CELULAR"));
        const Field fEmail = q.field(QStringLiteral("EMAIL"));
        const Field fMsn = q.field(QStringLiteral("MSN"));
        const Field fTipo = q.field(QStringLiteral("TIPO_PESSOA"));
        const Field fCidade = q.field(QStringLiteral("CIDADE"));
        const Field fEstado = q.field(QStringLiteral("ESTADO"));
        const Field fRua = q.field(QStringLiteral("RUA"));
        const Field fNumero = q.field(QStringLiteral("NUMERO"));
        const Field fBairro = q.field(QStringLiteral("BAIRRO"));
        const Field fCep = q.field(QStringLiteral("CEP"));
        const Field fProfissao = q.field(QStringLiteral("PROFISSAO"));
        while (q.next()) {
            PessoaResumo p;
            p.TipoPessoa = fTipo.asInt();
            p.Identificador = fId.asInt();
            p.Tratamento = fTratamento.asString();
            p.Nome = fNome.asString();
            p.Cidade = fCidade.asString();
            p.Estado = fEstado.asString();
            p.Fone1 = FormatPhone(fFone1.asString());
            p.Fone2 = FormatPhone(fFone2.asString());
            p.Fone3 = p.TipoPessoa == PessoaResumo::Fisica ? FormatPhone(fFone3.asString())
                                                           : FormatFone0800(fFone3.asString());
            p.Email = fEmail.asString();
            p.Msn = fMsn.asString();
            p.Grupo = fGrupo.asString();
            p.Rua = fRua.asString();
            p.Bairro = fBairro.asString();
            p.Profissao = fProfissao.asString();
            if (emergencia) {
                p.Cep = FormatFloat(QStringLiteral("00000\"-\"000"), fCep.asInt());
                const int numero = fNumero.asInt();
                p.Numero = numero == 0 ? QStringLiteral("s/n") : FormatFloat(QStringLiteral("000"), numero);
            }
            lidas.push_back(std::move(p));
        }
    });
    if (resultado)
        *resultado = r;
    if (!r)
        lidas.clear();
    return lidas;
}

} // namespace

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
