#include "ui/registration/TfrCadastroContatoPJ.h"

#include "data/TDM.h"
#include "model/TPessoaJuridica.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/common/Help.h"
#include "ui/common/Telas.h"
#include "ui/registration/EmpresasPJModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

} // namespace

TfrCadastroContatoPJ::TfrCadastroContatoPJ(QWidget *parent) : TfrContatoPJ(parent)
{
    setObjectName(QStringLiteral("frCadastroContatoPJ"));
    m_empresas = new EmpresasPJModel(this);

    auto *GroupBox2 = new QGroupBox(QStringLiteral(":: Lista de Pessoas Jurídicas ::"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    edtPJ = new QComboBox(GroupBox2);
    edtPJ->setObjectName(QStringLiteral("edtPJ"));
    edtPJ->setModel(m_empresas);
    edtPJ->setMinimumWidth(420);
    // the layout gives the width, not the longest company name
    edtPJ->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    edtPJ->setMinimumContentsLength(40);
    {
        // drawn like the group lists: the chosen company pale blue in blue,
        // the others white and pale green by turns
        QAbstractItemView *v = edtPJ->view();
        v->setAlternatingRowColors(true);
        QPalette p = v->palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::AlternateBase, QColor(220, 255, 220));
        p.setColor(QPalette::Text, Qt::black);
        p.setColor(QPalette::Highlight, QColor(190, 200, 255));
        p.setColor(QPalette::HighlightedText, Qt::blue);
        v->setPalette(p);
    }
    btnNovoPJ = new QToolButton(GroupBox2);
    btnNovoPJ->setObjectName(QStringLiteral("btnNovoPJ"));
    btnNovoPJ->setText(QStringLiteral("+"));
    btnNovoPJ->setToolTip(QStringLiteral("Cadastrar uma nova pessoa jurídica"));
    // the company screen may not be part of this build
    btnNovoPJ->setEnabled(Telas::Existe(Telas::kPessoaJuridica));
    auto *linha = new QHBoxLayout(GroupBox2);
    linha->addWidget(edtPJ, 1);
    linha->addWidget(btnNovoPJ);
    layoutPrincipal()->insertWidget(0, GroupBox2);

    // the screen sees the keys first (F1 wherever the focus is)
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);

    connect(edtPJ, &QComboBox::activated, this, &TfrCadastroContatoPJ::edtPJCloseUp);
    connect(btnNovoPJ, &QToolButton::clicked, this, &TfrCadastroContatoPJ::btnNovoPJClick);
}

bool TfrCadastroContatoPJ::CarregarEmpresas()
{
    QList<TPessoaJuridica> lidas;
    const TUsuario *usuario = TUsuario::atual();
    // only the companies this user may see: his own and the public ones
    const DbResult r = TPessoaJuridica::Visiveis(BancoDados(), usuario ? usuario->Login : QString(), lidas);
    if (!r) {
        m_empresas->definir({});
        Seams::messages().show(r.error, MessageService::Kind::Error);
        return false;
    }
    m_empresas->definir(std::move(lidas));
    return true;
}

void TfrCadastroContatoPJ::EscolherEmpresa(int linha)
{
    const QList<TPessoaJuridica> &empresas = m_empresas->empresas();
    if (linha >= 0 && linha < empresas.size()) {
        edtPJ->setCurrentIndex(linha);
        DefinirEmpresa(empresas.at(linha).Identificador, empresas.at(linha).Nome);
        VoltarAInserir();
    } else {
        // no company: nothing to save into, and no contacts to show
        edtPJ->setCurrentIndex(-1);
        DefinirEmpresa(0, QString());
        VoltarAInserir();
        setWindowTitle(QStringLiteral("Contato PJ"));
    }
    CarregarContatos();
}

void TfrCadastroContatoPJ::EscolherPrimeira()
{
    CarregarEmpresas();
    EscolherEmpresa(m_empresas->empresas().isEmpty() ? -1 : 0);
}

void TfrCadastroContatoPJ::FormShow()
{
    EscolherPrimeira();
}

void TfrCadastroContatoPJ::edtPJCloseUp()
{
    if (m_empresas->empresas().isEmpty())
        return;
    EscolherEmpresa(edtPJ->currentIndex());
}

void TfrCadastroContatoPJ::btnNovoPJClick()
{
    Telas::PessoaJuridica(this);
    EscolherPrimeira();
}

bool TfrCadastroContatoPJ::PodeGravar()
{
    if (edtPJ->currentIndex() >= 0 && IdentificadorPJ() > 0)
        return true;
    Seams::messages().show(QStringLiteral("Você deverá escolher uma pessoa jurídica na lista de Pessoas "
                                          "Jurídicas.\r\nPara cadastrar uma NOVA pessoa jurídica clique no "
                                          "ícone do sinal de adição ao lado direito da lista."),
                           MessageService::Kind::Warning);
    edtPJ->setFocus();
    return false;
}

void TfrCadastroContatoPJ::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("cad_pc.htm"));
        event->accept();
        return;
    }
    event->ignore();
}
