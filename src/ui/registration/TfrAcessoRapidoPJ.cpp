#include "ui/registration/TfrAcessoRapidoPJ.h"

#include "model/TPessoaJuridica.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/Telas.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString &kPesquisa = Telas::kPesquisaPessoaJuridica;
const QString &kContatos = Telas::kContatoPJ;
const QString &kFinancas = Telas::kFinancas;
const QString &kHistorico = Telas::kHistorico;
const int kEmpresas = 1; // the companies' person kind and quick-access key

// The group's name; Carregar of a company reads only its code.
QString nomeDoGrupo(qint32 codigo)
{
    TGrupo grupo;
    grupo.Codigo = codigo;
    // the name only labels the window: without it the code alone is shown
    (void)grupo.LerNome();
    return grupo.Nome;
}

} // namespace

TfrAcessoRapidoPJ::TfrAcessoRapidoPJ(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frAcessoRapidoPJ"));
    setWindowTitle(QStringLiteral("Acesso Rápido -->> Pessoa Juridica"));
    setModal(true);
    criarControles();

    connect(btnFechar, &QPushButton::clicked, this, &QDialog::accept);
    connect(SpeedButton3, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnLocalizar, &QPushButton::clicked, this, &TfrAcessoRapidoPJ::btnLocalizarClick);
    connect(btnPessoasContato, &QToolButton::clicked, this, &TfrAcessoRapidoPJ::btnPessoasContatoClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrAcessoRapidoPJ::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrAcessoRapidoPJ::SpeedButton2Click);
    connect(edtAcessoRapido, &QCheckBox::clicked, this, &TfrAcessoRapidoPJ::edtAcessoRapidoClick);
}

void TfrAcessoRapidoPJ::criarControles()
{
    auto nomeado = [](auto *w, const char *nome) {
        w->setObjectName(QString::fromLatin1(nome));
        return w;
    };
    PageControl1 = nomeado(new QTabWidget(this), "PageControl1");

    // each page: its label on the left, its buttons stacked on the right
    auto montarPagina = [&](const char *nome, const QString &titulo, QLabel *rotulo,
                            std::initializer_list<QPushButton *> botoes) {
        QWidget *pagina = nomeado(new QWidget(PageControl1), nome);
        rotulo->setParent(pagina);
        rotulo->setWordWrap(true);
        rotulo->setMinimumWidth(340);
        rotulo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto *grade = new QGridLayout(pagina);
        grade->addWidget(rotulo, 0, 0, int(botoes.size()) + 1, 1);
        int linha = 0;
        for (QPushButton *b : botoes) {
            b->setParent(pagina);
            grade->addWidget(b, linha++, 1);
        }
        grade->setRowStretch(linha, 1);
        grade->setColumnStretch(0, 1);
        PageControl1->addTab(pagina, titulo);
    };
    lblDados = nomeado(new QLabel, "lblDados");
    btnFechar = nomeado(new QPushButton(QStringLiteral("Fechar")), "btnFechar");
    montarPagina("TabSheet1", QStringLiteral(":: Dados da Pessoa ::"), lblDados, {btnFechar});
    lblDados_02 = nomeado(new QLabel, "lblDados_02");
    btnLocalizar = nomeado(new QPushButton(QStringLiteral("Localizar ...")), "btnLocalizar");
    SpeedButton3 = nomeado(new QPushButton(QStringLiteral("Fechar")), "SpeedButton3");
    montarPagina("TabSheet2", QStringLiteral(":: Localizando a Pessoa Jurídica ::"), lblDados_02,
                 {btnLocalizar, SpeedButton3});
    // the search dialog may not be part of this build
    btnLocalizar->setEnabled(Telas::Existe(kPesquisa));

    auto *grandes = new QHBoxLayout;
    const struct {
        QToolButton **botao;
        const char *nome;
        QString texto;
        QStyle::StandardPixmap icone;
        QString tela;
    } botoes[] = {
        {&btnPessoasContato, "btnPessoasContato", QStringLiteral("Cadastro de Contatos"),
         QStyle::SP_DirHomeIcon, kContatos},
        {&SpeedButton1, "SpeedButton1", QStringLiteral("Cadastro de Finanças"),
         QStyle::SP_FileDialogDetailedView, kFinancas},
        {&SpeedButton2, "SpeedButton2", QStringLiteral("Cadastro de Histórico"),
         QStyle::SP_FileDialogContentsView, kHistorico},
    };
    for (const auto &b : botoes) {
        QToolButton *botao = nomeado(new QToolButton(this), b.nome);
        botao->setText(b.texto);
        botao->setIcon(style()->standardIcon(b.icone));
        botao->setIconSize(QSize(32, 32));
        botao->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        botao->setMinimumSize(150, 72);
        // a screen not registered (the finances, for now) keeps its button off
        botao->setEnabled(Telas::Existe(b.tela));
        grandes->addWidget(botao);
        *b.botao = botao;
    }

    edtAcessoRapido = nomeado(
        new QCheckBox(
            QStringLiteral("NÃO exibir essa janela ao inserir e/ou alterar os dados de uma pessoa?"), this),
        "edtAcessoRapido");

    auto *tudo = new QVBoxLayout(this);
    tudo->addWidget(PageControl1);
    tudo->addLayout(grandes);
    tudo->addWidget(edtAcessoRapido);
}

bool TfrAcessoRapidoPJ::carregar(int identificador, TPessoaJuridica &empresa, QString &resumo)
{
    if (identificador <= 0 || !empresa.Carregar(identificador))
        return false;
    resumo = nomeDoGrupo(empresa.Grupo.Codigo) + QStringLiteral(" :: ") + empresa.Nome +
             QStringLiteral(" :: ") + empresa.Email;
    return true;
}

bool TfrAcessoRapidoPJ::MostrarPessoa(int identificador)
{
    TPessoaJuridica empresa;
    QString resumo;
    if (!carregar(identificador, empresa, resumo))
        return false;
    m_identificador = identificador;
    // the group text from its eighth character on: a blank and the name
    lblDados->setText(QLatin1Char(' ') + resumo);
    PageControl1->setTabVisible(0, true);
    PageControl1->setTabVisible(1, false);
    PageControl1->setCurrentIndex(0);
    return true;
}

void TfrAcessoRapidoPJ::OcultarDados()
{
    PageControl1->setTabVisible(1, true);
    PageControl1->setTabVisible(0, false);
    PageControl1->setCurrentIndex(1);
    lblDados_02->setText(QStringLiteral("Clique no botão ao lado para localizar a pessoa"));
}

void TfrAcessoRapidoPJ::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrAcessoRapidoPJ::FormShow()
{
    edtAcessoRapido->setChecked(!QuickAccessEnabled(kEmpresas));
}

void TfrAcessoRapidoPJ::edtAcessoRapidoClick(bool checked)
{
    SetQuickAccessEnabled(kEmpresas, !checked);
}

void TfrAcessoRapidoPJ::btnLocalizarClick()
{
    const qint32 escolhido = Telas::EscolherPessoaJuridica(this);
    TPessoaJuridica empresa;
    QString resumo;
    if (!carregar(escolhido, empresa, resumo))
        return;
    m_identificador = escolhido;
    lblDados_02->setText(resumo);
}

bool TfrAcessoRapidoPJ::empresaLocalizada()
{
    // only a stored company: never open the screens of "company 0"
    if (m_identificador > 0)
        return true;
    Seams::messages().show(QStringLiteral("Você precisa localizar a pessoa"), MessageService::Kind::Warning);
    return false;
}

void TfrAcessoRapidoPJ::btnPessoasContatoClick()
{
    if (!empresaLocalizada())
        return;
    TPessoaJuridica empresa;
    if (!empresa.Carregar(m_identificador))
        return; // deleted meanwhile; Carregar has said why when it failed
    Telas::ContatoPJ(this, m_identificador, empresa.Nome,
                     QStringLiteral("Inserindo um Contato para ") + empresa.Nome);
}

void TfrAcessoRapidoPJ::SpeedButton1Click()
{
    if (empresaLocalizada())
        Telas::Financas(this, m_identificador, kEmpresas);
}

void TfrAcessoRapidoPJ::SpeedButton2Click()
{
    if (empresaLocalizada())
        Telas::Historico(this, m_identificador, kEmpresas);
}
