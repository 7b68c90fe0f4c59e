#include "ui/search/TframePesquisaNome.h"

#include "data/TDM.h"
#include "util/TextUtils.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

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

std::optional<PesquisaNome> TframePesquisaNome::pesquisa(int modo) const
{
    if (modo != ModoApelido)
        return FramePesquisa::pesquisa(modo);
    PesquisaNome p;
    p.Criterio = PesquisaNome::Por::Apelido;
    p.Texto = edtApelido->text();
    return p;
}

QString TframePesquisaNome::comando(PesquisaNome::Por criterio) const
{
    return PesquisaNome::ComandoFisicas(criterio);
}

DbResult TframePesquisaNome::buscar(const PesquisaNome &pesquisa)
{
    return pesquisa.Fisicas(BancoDados(), m_pessoas);
}

QString TframePesquisaNome::texto(int linha, int coluna) const
{
    const PessoaEncontrada &p = m_pessoas.at(linha);
    switch (coluna) {
    case 1: return p.Tratamento + QLatin1Char(' ') + p.Nome;
    case 2: return p.Apelido;
    case 3: return FormatPhone(p.Fone);
    case 4: return p.Login;
    default: return {};
    }
}

void TframePesquisaNome::SpeedButton2Click()
{
    Pesquisar(ModoApelido);
}
