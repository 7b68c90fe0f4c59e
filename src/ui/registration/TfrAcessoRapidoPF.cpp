#include "ui/registration/TfrAcessoRapidoPF.h"

#include "model/TPessoaFisica.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/Telas.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString &kPesquisa = Telas::kPesquisaPessoaFisica;
const QString &kAlbum = Telas::kAlbum;
const QString &kFinancas = Telas::kFinancas;
const QString &kHistorico = Telas::kHistorico;

} // namespace

TfrAcessoRapidoPF::TfrAcessoRapidoPF(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frAcessoRapidoPF"));
    setWindowTitle(QStringLiteral("Acesso Rápido -->> Pessoa Fisica"));
    setModal(true);
    criarControles();

    connect(SpeedButton3, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnFechar, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnLocalizar, &QPushButton::clicked, this, &TfrAcessoRapidoPF::btnLocalizarClick);
    connect(btnPessoasContato, &QToolButton::clicked, this, &TfrAcessoRapidoPF::btnPessoasContatoClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrAcessoRapidoPF::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrAcessoRapidoPF::SpeedButton2Click);
    connect(edtAcessoRapido, &QCheckBox::clicked, this, &TfrAcessoRapidoPF::edtAcessoRapidoClick);
}

void TfrAcessoRapidoPF::criarControles()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    auto pagina = [this](const char *nome, const QString &titulo, QLabel *&rotulo, const char *nomeRotulo) {
        auto *p = new QWidget(PageControl1);
        p->setObjectName(QString::fromLatin1(nome));
        rotulo = new QLabel(p);
        rotulo->setObjectName(QString::fromLatin1(nomeRotulo));
        rotulo->setWordWrap(true);
        rotulo->setMinimumWidth(320);
        PageControl1->addTab(p, titulo);
        return p;
    };
    QWidget *dados = pagina("TabSheet1", QStringLiteral(":: Dados da Pessoa ::"), lblDados, "lblDados");
    SpeedButton3 = new QPushButton(QStringLiteral("Fechar"), dados);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    auto *l1 = new QHBoxLayout(dados);
    l1->addWidget(lblDados, 1);
    l1->addWidget(SpeedButton3, 0, Qt::AlignTop);

    QWidget *localizar =
        pagina("TabSheet2", QStringLiteral(":: Localizando a Pessoa Física ::"), lblDados_02, "lblDados_02");
    btnLocalizar = new QPushButton(QStringLiteral("Localizar ..."), localizar);
    btnLocalizar->setObjectName(QStringLiteral("btnLocalizar"));
    // the search dialog may not be part of this build yet
    btnLocalizar->setEnabled(Telas::Existe(kPesquisa));
    btnFechar = new QPushButton(QStringLiteral("Fechar"), localizar);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));
    auto *l2 = new QHBoxLayout(localizar);
    l2->addWidget(lblDados_02, 1);
    auto *botoes = new QVBoxLayout;
    botoes->addWidget(btnLocalizar);
    botoes->addWidget(btnFechar);
    botoes->addStretch();
    l2->addLayout(botoes);

    auto grande = [this](const char *nome, const QString &texto, QStyle::StandardPixmap icone,
                         const QString &tela) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setText(texto);
        b->setIcon(style()->standardIcon(icone));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumSize(140, 72);
        // the album, finances and history arrive in later versions
        b->setEnabled(Telas::Existe(tela));
        return b;
    };
    btnPessoasContato =
        grande("btnPessoasContato", QStringLiteral("Album de Fotos"), QStyle::SP_DirIcon, kAlbum);
    SpeedButton1 = grande("SpeedButton1", QStringLiteral("Cadastro de Finanças"),
                          QStyle::SP_FileDialogDetailedView, kFinancas);
    SpeedButton2 = grande("SpeedButton2", QStringLiteral("Cadastro de Histórico"),
                          QStyle::SP_FileDialogContentsView, kHistorico);
    auto *grandes = new QHBoxLayout;
    grandes->addWidget(btnPessoasContato);
    grandes->addWidget(SpeedButton1);
    grandes->addWidget(SpeedButton2);

    edtAcessoRapido = new QCheckBox(
        QStringLiteral("NÃO exibir essa janela ao inserir e/ou alterar os dados de uma pessoa?"), this);
    edtAcessoRapido->setObjectName(QStringLiteral("edtAcessoRapido"));

    auto *tudo = new QVBoxLayout(this);
    tudo->addWidget(PageControl1);
    tudo->addLayout(grandes);
    tudo->addWidget(edtAcessoRapido);
}

bool TfrAcessoRapidoPF::MostrarPessoa(int identificador)
{
    if (identificador <= 0)
        return false;
    TPessoaFisica p;
    p.Identificador = identificador;
    if (!p.Carregar())
        return false;
    m_identificador = identificador;
    // the group text from its eighth character on: a blank and the name
    lblDados->setText(QLatin1Char(' ') + p.Grupo.Nome + QStringLiteral(" :: ") + p.Nome +
                      QStringLiteral(" :: ") + p.Email);
    PageControl1->setTabVisible(0, true);
    PageControl1->setTabVisible(1, false);
    PageControl1->setCurrentIndex(0);
    return true;
}

void TfrAcessoRapidoPF::OcultarDados()
{
    PageControl1->setTabVisible(1, true);
    PageControl1->setTabVisible(0, false);
    PageControl1->setCurrentIndex(1);
    lblDados_02->setText(QStringLiteral("Clique no botão ao lado para localizar a pessoa"));
}

void TfrAcessoRapidoPF::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrAcessoRapidoPF::FormShow()
{
    edtAcessoRapido->setChecked(!QuickAccessEnabled(0));
}

void TfrAcessoRapidoPF::edtAcessoRapidoClick(bool checked)
{
    SetQuickAccessEnabled(0, !checked);
}

void TfrAcessoRapidoPF::btnLocalizarClick()
{
    const qint32 escolhido = Telas::EscolherPessoaFisica(this);
    if (escolhido <= 0)
        return;
    TPessoaFisica p;
    p.Identificador = escolhido;
    if (!p.Carregar())
        return;
    m_identificador = escolhido;
    lblDados_02->setText(p.Grupo.Nome + QStringLiteral(" :: ") + p.Nome + QStringLiteral(" :: ") + p.Email);
}

bool TfrAcessoRapidoPF::pessoaLocalizada()
{
    // only a stored person: never open the album, finances or history of "person 0"
    if (m_identificador > 0)
        return true;
    Seams::messages().show(QStringLiteral("Você precisa localizar a pessoa"), MessageService::Kind::Warning);
    return false;
}

void TfrAcessoRapidoPF::btnPessoasContatoClick()
{
    if (pessoaLocalizada())
        Telas::Album(this, m_identificador);
}

void TfrAcessoRapidoPF::SpeedButton1Click()
{
    if (pessoaLocalizada())
        Telas::Financas(this, m_identificador, 0);
}

void TfrAcessoRapidoPF::SpeedButton2Click()
{
    if (pessoaLocalizada())
        Telas::Historico(this, m_identificador, 0);
}
