#include "ui/search/TFrame_Pesquisa_Juridica.h"

#include "data/Query.h"
#include "util/TextUtils.h"

namespace {

const QString kFonetico =
    QStringLiteral("SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE F_NOME LIKE SOUNDEX(:NOME )  AND "
                   "(UPPER(LOGIN) = :LOGIN OR "
                   "PUBLICA = :PUBLICA) AND P.COD_GRUPO =G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kGrupo = QStringLiteral(
    "SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
    "G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kNome = QStringLiteral(
    "SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE UPPER(NOME) LIKE :NOME  AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO =G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");

} // namespace

TFrame_Pesquisa_Juridica::TFrame_Pesquisa_Juridica(QWidget *parent)
    : FramePesquisa({QStringLiteral("ID"), QStringLiteral("Nome"), QStringLiteral("Fone"),
                     QStringLiteral("Fone Fax"), QStringLiteral("Inserido Por")},
                    parent)
{
    montar(nullptr);
}

QString TFrame_Pesquisa_Juridica::comando(int modo) const
{
    switch (modo) {
    case ModoFonetico: return kFonetico;
    case ModoGrupo: return kGrupo;
    case ModoNome: return kNome;
    default: return {};
    }
}

void TFrame_Pesquisa_Juridica::iniciarLeitura()
{
    m_lidas.clear();
}

void TFrame_Pesquisa_Juridica::lerLinha(const Query &q)
{
    auto texto = [&](const QString &nome) { return q.field(nome).asString(); };
    TPessoaJuridica &p = m_lidas.emplace_back();
    lerPessoa(q, p);
    p.Identificador = q.field(QStringLiteral("IDENTIFICADOR")).asInt();
    p.CNPJ = texto(QStringLiteral("CNPJ"));
    p.IE = texto(QStringLiteral("IE"));
    p.Fone = texto(QStringLiteral("FONE"));
    p.FoneFax = texto(QStringLiteral("FONE_FAX"));
    p.FoneCel = texto(QStringLiteral("FONE_CEL"));
    p.Fone0800 = texto(QStringLiteral("FONE_0800"));
    p.Fone0300 = texto(QStringLiteral("FONE_0300"));
    p.HomePage = texto(QStringLiteral("HOME_PAGE"));
    p.Email = texto(QStringLiteral("EMAIL"));
}

void TFrame_Pesquisa_Juridica::concluirLeitura(bool ok)
{
    m_pessoas = ok ? std::move(m_lidas) : QList<TPessoaJuridica>();
    m_lidas = {};
}

QString TFrame_Pesquisa_Juridica::texto(int linha, int coluna) const
{
    const TPessoaJuridica &p = m_pessoas.at(linha);
    switch (coluna) {
    case 1: return p.Nome;
    case 2: return FormatPhone(p.Fone);
    case 3: return FormatPhone(p.FoneFax);
    case 4: return p.Login;
    default: return {};
    }
}
