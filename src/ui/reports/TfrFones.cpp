#include "ui/reports/TfrFones.h"

#include "data/TDM.h"
#include "model/TGrupo.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/Help.h"
#include "ui/common/TeclasDeEntrada.h"
#include "util/DateTime.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kTelefones = QStringLiteral("TELEFONES");
const QString kFone = QStringLiteral("FONE");

enum Pagina { PaginaGrupo = 0, PaginaBairro = 1, PaginaAniversario = 2, PaginaHistorico = 3 };

const QString kTitulos[4] = {
    QStringLiteral("Impressão de Pessoas Fisicas e/ou Jurídicas por Grupo"),
    QStringLiteral("Impressão de Pessoas Fisicas e/ou Jurídicas por Bairro"),
    QStringLiteral("Impressão dos Aniversariantes do Mês"),
    QStringLiteral("Impressão de Pessoas Fisicas e/ou Juridicas com Histórico e Contatos")};

const QString kDica = QStringLiteral("Para visualizar TODOS deixe este campo em branco!");

// the district and name columns hold 100 characters; the search adds "%" on both sides
constexpr int kMaximoFiltro = 98;

} // namespace

TfrFones::TfrFones(const QString &login, QWidget *parent) : QDialog(parent), m_login(login)
{
    setObjectName(QStringLiteral("frFones"));
    setWindowTitle(QStringLiteral("Impressão de Telefones"));
    setModal(true);
    criarControles();
    TeclasDeEntrada::Aplicar(this, TeclasDeEntrada::Esc::Cancela);

    edtEndereco->setChecked(ReadSettingBool(kTelefones, QStringLiteral("ENDERECO")));
    m_pagina = qBound(0, ReadSettingInt(kFone, QStringLiteral("PAGINA")), PageControl1->count() - 1);
    PageControl1->setCurrentIndex(m_pagina);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrFones::PageControlChange);
    connect(btnImprimir, &QPushButton::clicked, this, &TfrFones::btnImprimirClick);
    connect(btnTodosEmOrdemAlfabetica, &QPushButton::clicked, this,
            &TfrFones::btnTodosEmOrdemAlfabeticaClick);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrFones::SpeedButton2Click);
    connect(btnImprimirGrupo, &QPushButton::clicked, this, &TfrFones::btnImprimirGrupoClick);
    connect(btnBairro, &QPushButton::clicked, this, &TfrFones::btnBairroClick);
    connect(btnMes, &QPushButton::clicked, this, &TfrFones::btnMesClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrFones::SpeedButton1Click);
}

void TfrFones::criarControles()
{
    auto botao = [](const char *nome, const QString &texto, QWidget *pai) {
        auto *b = new QPushButton(texto, pai);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    auto caixa = [](const char *nome, const QString &texto, QWidget *pai) {
        auto *c = new QCheckBox(texto, pai);
        c->setObjectName(QString::fromLatin1(nome));
        return c;
    };
    auto quadro = [](const QString &titulo, QWidget *pai) {
        auto *g = new QGroupBox(titulo, pai);
        return g;
    };

    txtTipoPessoa = quadro(QStringLiteral(":: Tipos de Pessoas ::"), this);
    txtTipoPessoa->setObjectName(QStringLiteral("txtTipoPessoa"));
    m_tipos = new QButtonGroup(txtTipoPessoa);
    auto *tipos = new QHBoxLayout(txtTipoPessoa);
    const QString nomesTipos[3] = {QStringLiteral("Pessoa Física"), QStringLiteral("Pessoa Jurídica"),
                                   QStringLiteral("Pessoa Física e Jurídica")};
    for (int i = 0; i < 3; ++i) {
        auto *r = new QRadioButton(nomesTipos[i], txtTipoPessoa);
        r->setObjectName(QStringLiteral("txtTipoPessoa%1").arg(i));
        m_tipos->addButton(r, i);
        tipos->addWidget(r);
    }
    DefinirTipoPessoa(ListaFones::FisicaEJuridica);

    edtEndereco = caixa("edtEndereco", QStringLiteral("Incluir Endereço Competo?"), this);
    edtContatos = caixa("edtContatos", QStringLiteral("Incluir Contatos da Pessoa Jurídica?"), this);
    edtContatos->setChecked(true);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // by group
    auto *grupo = new QWidget(PageControl1);
    grupo->setObjectName(QStringLiteral("TabSheet1"));
    auto *todos = quadro(QStringLiteral(":: Todos os Grupos ::"), grupo);
    btnImprimir = botao("btnImprimir", QStringLiteral("Imprimir"), todos);
    (new QHBoxLayout(todos))->addWidget(btnImprimir);
    auto *alfabetica = quadro(QStringLiteral(":: Todos em Ordem Alfabética ::"), grupo);
    btnTodosEmOrdemAlfabetica =
        botao("btnTodosEmOrdemAlfabetica", QStringLiteral("Imprimir Completo"), alfabetica);
    SpeedButton2 = botao("SpeedButton2", QStringLiteral("Imprimir Resumido"), alfabetica);
    auto *alfabeticaLayout = new QHBoxLayout(alfabetica);
    alfabeticaLayout->addWidget(btnTodosEmOrdemAlfabetica);
    alfabeticaLayout->addWidget(SpeedButton2);
    auto *apenas = quadro(QStringLiteral(":: Apenas do Grupo ::"), grupo);
    txtGrupo = new QComboBox(apenas);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    txtGrupo->setMinimumWidth(220);
    btnImprimirGrupo = botao("btnImprimirGrupo", QStringLiteral("Imprimir Grupo"), apenas);
    auto *lblGrupo = new QLabel(QStringLiteral("Nome do Grupo"), apenas);
    lblGrupo->setBuddy(txtGrupo);
    auto *apenasLayout = new QGridLayout(apenas);
    apenasLayout->addWidget(lblGrupo, 0, 0);
    apenasLayout->addWidget(txtGrupo, 1, 0);
    apenasLayout->addWidget(btnImprimirGrupo, 1, 1);
    apenasLayout->setColumnStretch(0, 1);
    auto *grupoLayout = new QGridLayout(grupo);
    grupoLayout->addWidget(todos, 0, 0);
    grupoLayout->addWidget(alfabetica, 0, 1);
    grupoLayout->addWidget(apenas, 1, 0, 1, 2);
    grupoLayout->setRowStretch(2, 1);
    PageControl1->addTab(grupo, QStringLiteral(":: Grupo ::"));

    // by district
    auto *bairro = new QWidget(PageControl1);
    bairro->setObjectName(QStringLiteral("TabSheet2"));
    edtBairro = new QLineEdit(bairro);
    edtBairro->setObjectName(QStringLiteral("edtBairro"));
    edtBairro->setToolTip(kDica);
    edtBairro->setMaxLength(kMaximoFiltro);
    btnBairro = botao("btnBairro", QStringLiteral("Imprimir"), bairro);
    auto *lblBairro = new QLabel(QStringLiteral("Bairro"), bairro);
    lblBairro->setBuddy(edtBairro);
    auto *bairroLayout = new QGridLayout(bairro);
    bairroLayout->addWidget(lblBairro, 0, 0);
    bairroLayout->addWidget(edtBairro, 1, 0);
    bairroLayout->addWidget(btnBairro, 1, 1);
    bairroLayout->setColumnStretch(0, 1);
    bairroLayout->setRowStretch(2, 1);
    PageControl1->addTab(bairro, QStringLiteral(":: Por Bairro ::"));

    // birthday month
    auto *aniversario = new QWidget(PageControl1);
    aniversario->setObjectName(QStringLiteral("TabSheet3"));
    txtMes = new QComboBox(aniversario);
    txtMes->setObjectName(QStringLiteral("txtMes"));
    for (QStringView mes : FormatSettings::LongMonthNames)
        txtMes->addItem(mes.toString());
    txtMes->setCurrentIndex(0);
    txtData = caixa("txtData", QStringLiteral("Incluir Data de aniversário no relatório?"), aniversario);
    btnMes = botao("btnMes", QStringLiteral("Imprimir"), aniversario);
    auto *lblMes = new QLabel(QStringLiteral("Mês"), aniversario);
    lblMes->setBuddy(txtMes);
    auto *aniversarioLayout = new QGridLayout(aniversario);
    aniversarioLayout->addWidget(lblMes, 0, 0);
    aniversarioLayout->addWidget(txtMes, 1, 0);
    aniversarioLayout->addWidget(btnMes, 1, 1);
    aniversarioLayout->addWidget(txtData, 2, 0, 1, 2);
    aniversarioLayout->setColumnStretch(0, 1);
    aniversarioLayout->setRowStretch(3, 1);
    PageControl1->addTab(aniversario, QStringLiteral(":: Aniversário ::"));

    // history
    auto *historico = new QWidget(PageControl1);
    historico->setObjectName(QStringLiteral("TabSheet4"));
    edtNome = new QLineEdit(historico);
    edtNome->setObjectName(QStringLiteral("edtNome"));
    edtNome->setToolTip(kDica);
    edtNome->setMaxLength(kMaximoFiltro);
    auto novaData = [historico](const char *nome) {
        auto *d = new QDateEdit(historico);
        d->setObjectName(QString::fromLatin1(nome));
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        return d;
    };
    data_in = novaData("data_in");
    data_out = novaData("data_out");
    edtApenasComHistorico =
        caixa("edtApenasComHistorico",
              QStringLiteral("Apenas as pessoas que tiveram HISTÓRICO entre as datas?"), historico);
    edtApenasComHistorico->setChecked(true);
    SpeedButton1 = botao("SpeedButton1", QStringLiteral("Imprimir"), historico);
    auto *lblNome = new QLabel(QStringLiteral("Nome"), historico);
    lblNome->setBuddy(edtNome);
    auto *lblInicio = new QLabel(QStringLiteral("Início"), historico);
    lblInicio->setBuddy(data_in);
    auto *lblFim = new QLabel(QStringLiteral("Fim"), historico);
    lblFim->setBuddy(data_out);
    auto *historicoLayout = new QGridLayout(historico);
    historicoLayout->addWidget(lblNome, 0, 0, 1, 2);
    historicoLayout->addWidget(edtNome, 1, 0, 1, 3);
    historicoLayout->addWidget(lblInicio, 2, 0);
    historicoLayout->addWidget(lblFim, 2, 1);
    historicoLayout->addWidget(data_in, 3, 0);
    historicoLayout->addWidget(data_out, 3, 1);
    historicoLayout->addWidget(SpeedButton1, 3, 2);
    historicoLayout->addWidget(edtApenasComHistorico, 4, 0, 1, 3);
    historicoLayout->setColumnStretch(2, 1);
    historicoLayout->setRowStretch(5, 1);
    PageControl1->addTab(historico, QStringLiteral(":: Histórico ::"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtTipoPessoa);
    layout->addWidget(edtEndereco);
    layout->addWidget(edtContatos);
    layout->addWidget(PageControl1, 1);
}

int TfrFones::TipoPessoa() const
{
    const int tipo = m_tipos->checkedId();
    return tipo < 0 ? ListaFones::FisicaEJuridica : tipo;
}

void TfrFones::DefinirTipoPessoa(int tipo)
{
    if (QAbstractButton *b = m_tipos->button(tipo))
        b->setChecked(true);
}

void TfrFones::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrFones::FormShow()
{
    txtGrupo->clear();
    QList<TGrupo> grupos;
    const DbResult r = TGrupo::Todos(BancoDados(), grupos);
    if (!r)
        Seams::messages().show(r.texto(r.sql), MessageService::Kind::Error);
    for (const TGrupo &g : grupos)
        txtGrupo->addItem(g.Nome);
    txtGrupo->setCurrentIndex(grupos.isEmpty() ? -1 : 0);
    const QDate hoje = Seams::clock().now().date();
    data_in->setDate(hoje.addDays(-30));
    data_out->setDate(hoje);
    setWindowTitle(kTitulos[PageControl1->currentIndex()]);
}

void TfrFones::PageControlChange(int pagina)
{
    if (pagina < 0)
        return;
    setWindowTitle(kTitulos[pagina]);
    // companies have no birthday list
    if (pagina == PaginaAniversario || m_pagina == PaginaAniversario)
        DefinirTipoPessoa(ListaFones::Fisica);
    m_pagina = pagina;
}

void TfrFones::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("pesq_telefones.htm"));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrFones::done(int resultado)
{
    WriteSettingBool(kTelefones, QStringLiteral("ENDERECO"), edtEndereco->isChecked());
    WriteSettingInt(kFone, QStringLiteral("PAGINA"), PageControl1->currentIndex());
    QDialog::done(resultado);
}

ListaFones::Pedido TfrFones::MontarPedido(ListaFones::Lista lista) const
{
    ListaFones::Pedido p;
    p.lista = lista;
    p.tipo = TipoPessoa();
    p.login = m_login;
    p.grupo = txtGrupo->currentText();
    p.bairro = edtBairro->text();
    p.mes = txtMes->currentIndex() + 1;
    p.comNascimento = txtData->isChecked();
    p.nome = edtNome->text();
    p.inicio = QDateToDateTime(data_in->date());
    p.fim = QDateToDateTime(data_out->date());
    p.apenasComHistorico = edtApenasComHistorico->isChecked();
    p.endereco = edtEndereco->isChecked();
    p.contatos = edtContatos->isChecked();
    const QScreen *tela = screen();
    p.larguraTela = tela ? tela->geometry().width() : 0;
    p.agora = QDateTimeToDateTime(Seams::clock().now());
    return p;
}

void TfrFones::Imprimir(ListaFones::Lista lista)
{
    // the outcome is already shown: a failure leaves the screen as it was
    (void)ListaFones::GravarEAbrir(MontarPedido(lista));
}

void TfrFones::btnImprimirClick()
{
    Imprimir(ListaFones::Lista::TodosOsGrupos);
}

void TfrFones::btnTodosEmOrdemAlfabeticaClick()
{
    Imprimir(ListaFones::Lista::Completa);
}

void TfrFones::SpeedButton2Click()
{
    Imprimir(ListaFones::Lista::Resumida);
}

void TfrFones::btnImprimirGrupoClick()
{
    Imprimir(ListaFones::Lista::Grupo);
}

void TfrFones::btnBairroClick()
{
    Imprimir(ListaFones::Lista::Bairro);
}

void TfrFones::btnMesClick()
{
    Imprimir(ListaFones::Lista::Aniversario);
}

void TfrFones::SpeedButton1Click()
{
    Imprimir(ListaFones::Lista::Historico);
}
