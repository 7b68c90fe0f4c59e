#include "ui/search/TframePesquisaNome.h"

#include "data/Query.h"
#include "util/TextUtils.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kFonetico = QStringLiteral(
    "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE F_NOME LIKE SOUNDEX(:NOME )  AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kApelido = QStringLiteral(
    "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE UPPER(APELIDO) LIKE :APELIDO AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kGrupo = QStringLiteral(
    "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
    "G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");
const QString kNome = QStringLiteral(
    "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE UPPER(NOME) LIKE :NOME AND (UPPER(LOGIN) = :LOGIN OR "
    "PUBLICA = :PUBLICA) AND P.COD_GRUPO = G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ");

} // namespace

TframePesquisaNome::TframePesquisaNome(QWidget *parent)
    : FramePesquisa({QStringLiteral("ID"), QStringLiteral("Nome"), QStringLiteral("Apelido"),
                     QStringLiteral("Fone"), QStringLiteral("Inserido Por")},
                    parent)
{
    GroupBox2 = new QGroupBox(QStringLiteral(" :: Apelido :: "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    edtApelido = new QLineEdit(GroupBox2);
    edtApelido->setObjectName(QStringLiteral("edtApelido"));
    SpeedButton2 = new QPushButton(QStringLiteral("ok"), GroupBox2);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setAutoDefault(false);
    SpeedButton2->setFocusPolicy(Qt::NoFocus);
    auto *linha = new QHBoxLayout(GroupBox2);
    linha->addWidget(edtApelido, 1);
    linha->addWidget(SpeedButton2);
    montar(GroupBox2);
    connect(SpeedButton2, &QPushButton::clicked, this, &TframePesquisaNome::SpeedButton2Click);
    connect(edtApelido, &QLineEdit::returnPressed, this, &TframePesquisaNome::SpeedButton2Click);
}

QString TframePesquisaNome::comando(int modo) const
{
    switch (modo) {
    case ModoFonetico: return kFonetico;
    case ModoApelido: return kApelido;
    case ModoGrupo: return kGrupo;
    case ModoNome: return kNome;
    default: return {};
    }
}

void TframePesquisaNome::vincular(Query &q, int modo) const
{
    if (modo == ModoApelido)
        q.setText(QStringLiteral("APELIDO"),
                  QLatin1Char('%') + edtApelido->text().toUpper() + QLatin1Char('%'));
    else
        FramePesquisa::vincular(q, modo);
}

void TframePesquisaNome::iniciarLeitura()
{
    m_lidas.clear();
}

void TframePesquisaNome::lerLinha(const Query &q)
{
    auto texto = [&](const QString &nome) { return q.field(nome).asString(); };
    auto inteiro = [&](const QString &nome) { return q.field(nome).asInt(); };
    auto data = [&](const QString &nome) { return q.field(nome).asDate(); };
    TPessoaFisica &p = m_lidas.emplace_back();
    lerPessoa(q, p);
    p.Identificador = inteiro(QStringLiteral("IDENTIFICADOR"));
    p.Tratamento = texto(QStringLiteral("TRATAMENTO"));
    p.Apelido = texto(QStringLiteral("APELIDO"));
    p.Email = texto(QStringLiteral("EMAIL"));
    p.FoneResidencial = texto(QStringLiteral("FONE_RESIDENCIAL"));
    p.FoneComercial = texto(QStringLiteral("FONE_COMERCIAL"));
    p.FoneCelular = texto(QStringLiteral("FONE_CELULAR"));
    p.Profissao = texto(QStringLiteral("PROFISSAO"));
    p.LocalTrabalho = texto(QStringLiteral("LOCAL_TRABALHO"));
    p.DataNascimento = data(QStringLiteral("DATA_NASCIMENTO"));
    p.Sexo = quint8(inteiro(QStringLiteral("SEXO")));
    p.EstadoCivil = quint8(inteiro(QStringLiteral("ESTADO_CIVIL")));
    p.InformarAniversario = quint8(inteiro(QStringLiteral("INFORMAR_ANIVERSARIO")));
    p.CPF = texto(QStringLiteral("CPF"));
    p.MSN = texto(QStringLiteral("MSN"));
    p.Titulo = texto(QStringLiteral("TITULO"));
    p.Zona = inteiro(QStringLiteral("ZONA"));
    p.Seccao = inteiro(QStringLiteral("SECCAO"));
    p.CartaoVisa = texto(QStringLiteral("CARTAO_VISA"));
    p.CodVisa = inteiro(QStringLiteral("COD_VISA"));
    p.CartaoMaster = texto(QStringLiteral("CARTAO_MASTER"));
    p.CodMaster = inteiro(QStringLiteral("COD_MASTER"));
    p.TipoCliente = inteiro(QStringLiteral("TIPO_CLIENTE"));
    p.RG = texto(QStringLiteral("RG"));
    p.ClienteDesde = data(QStringLiteral("CLIENTE_DESDE"));
    p.Vendedora = texto(QStringLiteral("VENDEDORA"));
    p.Matricula = texto(QStringLiteral("P_MATRICULA"));
    p.DataEntrada = data(QStringLiteral("P_DATA_ENTRADA"));
    p.DataDispensa = data(QStringLiteral("P_DATA_DISPENSA"));
}

void TframePesquisaNome::concluirLeitura(bool ok)
{
    m_pessoas = ok ? std::move(m_lidas) : QList<TPessoaFisica>();
    m_lidas = {};
}

QString TframePesquisaNome::texto(int linha, int coluna) const
{
    const TPessoaFisica &p = m_pessoas.at(linha);
    switch (coluna) {
    case 1: return p.Tratamento + QLatin1Char(' ') + p.Nome;
    case 2: return p.Apelido;
    case 3: return FormatPhone(p.FoneResidencial);
    case 4: return p.Login;
    default: return {};
    }
}

void TframePesquisaNome::SpeedButton2Click()
{
    Pesquisar(ModoApelido);
}
