#include "ui/reports/TfrImprimeEtiquetas.h"

#include "data/TDM.h"
#include "model/ImpressaoEtiquetas.h"
#include "model/TEtiqueta.h"
#include "model/TGrupo.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/Help.h"
#include "ui/common/Impressao.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/common/Telas.h"
#include "ui/registration/EntradaCadastro.h"
#include "ui/reports/EtiquetasModel.h"
#include "util/DateTime.h"
#include "util/Formats.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kEtiqueta = QStringLiteral("ETIQUETA");
const QString kEnvelope = QStringLiteral("ENVELOPE");

const QStringList kEstados = {
    QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AP"), QStringLiteral("AM"),
    QStringLiteral("BA"), QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"),
    QStringLiteral("GO"), QStringLiteral("MA"), QStringLiteral("MT"), QStringLiteral("MS"),
    QStringLiteral("MG"), QStringLiteral("PA"), QStringLiteral("PB"), QStringLiteral("PR"),
    QStringLiteral("PE"), QStringLiteral("PI"), QStringLiteral("RJ"), QStringLiteral("RN"),
    QStringLiteral("RS"), QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("SC"),
    QStringLiteral("SP"), QStringLiteral("SE"), QStringLiteral("TO")};

// the filter tabs, in order; entering the last three chooses individuals
enum Aba { AbaNome, AbaEndereco, AbaGrupo, AbaAniversariantes, AbaEleitores, AbaProfissionais, AbaCompleto };

// copies of one address added by "Repetir" at a time: a typing slip of
// 100000 would fill the memory and hundreds of sheets
constexpr int kMaximoRepeticoes = 1000;

QPushButton *botao(const char *nome, const QString &texto, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

QLineEdit *campo(const char *nome, int maximo, QWidget *pai)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->setMaxLength(maximo);
    return e;
}

QComboBox *estados(const char *nome, QWidget *pai)
{
    auto *c = new QComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->setEditable(true);
    // Enter keeps the typed state as the text; it never grows the list
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(kEstados);
    c->lineEdit()->setMaxLength(2);
    EntradaCadastro::ForcarCaixa(c->lineEdit(), true);
    return c;
}

// a label and its field over each other
QWidget *rotulado(const QString &texto, QWidget *campo, QWidget *pai)
{
    auto *w = new QWidget(pai);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto *rotulo = new QLabel(texto, w);
    rotulo->setBuddy(campo);
    l->addWidget(rotulo);
    l->addWidget(campo);
    return w;
}

int inteiro(const QString &texto)
{
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace

TfrImprimeEtiquetas::TfrImprimeEtiquetas(const QString &login, QWidget *parent)
    : QDialog(parent), m_login(login)
{
    setObjectName(QStringLiteral("frImprimeEtiquetas"));
    setWindowTitle(QStringLiteral("Impressão de Etiquetas"));
    setModal(true);
    m_fonte = QFont(QStringLiteral("Arial"), 10);
    m_cor = Qt::black;
    criarControles();
    TeclasDeEntrada::Aplicar(this, TeclasDeEntrada::Esc::Cancela);
}

void TfrImprimeEtiquetas::criarControles()
{
    txtTipo = new QGroupBox(QStringLiteral(":: Tipo de Pessoa :: "), this);
    txtTipo->setObjectName(QStringLiteral("txtTipo"));
    m_tipos = new QButtonGroup(txtTipo);
    auto *tipos = new QHBoxLayout(txtTipo);
    const QString nomesTipos[3] = {QStringLiteral("Pessoa Física"), QStringLiteral("Pessoa Jurídica"),
                                   QStringLiteral("Pessoas Física e Jurídica")};
    for (int i = 0; i < 3; ++i) {
        auto *r = new QRadioButton(nomesTipos[i], txtTipo);
        r->setObjectName(QStringLiteral("txtTipo%1").arg(i));
        m_tipos->addButton(r, i);
        tipos->addWidget(r);
    }
    DefinirTipo(PesquisaEtiquetas::FisicasEJuridicas);
    edtPessoasContatos = new QCheckBox(QStringLiteral("Incluir Pessoas de Contatos?"), this);
    edtPessoasContatos->setObjectName(QStringLiteral("edtPessoasContatos"));
    edtPessoasContatos->setChecked(true);
    edtPessoasContatos->setToolTip(QStringLiteral("A etiqueta da pessoa de contato sai assim:\r\n\r\n"
                                                  "Nome da Empresa\r\nNome da Pessoa de Contato :: Função\r\n"
                                                  "Endereço da Empresa"));
    Label15 = new QLabel(
        QStringLiteral(
            "Para imprimir o local de trabalho abaixo do nome pressione a tecla SHIFT ao clicar em um "
            "dos botões \"OK\" acima. Para imprimir a profissão ao lado do nome pressione a tecla CTRL "
            "ao clicar em um dos botões \"OK\" acima."),
        this);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->setWordWrap(true);
    QFont negrito = Label15->font();
    negrito.setBold(true);
    Label15->setFont(negrito);

    GRID = new QTableView(this);
    GRID->setObjectName(QStringLiteral("GRID"));
    m_modelo = new EtiquetasModel(m_enderecos, GRID);
    GRID->setModel(m_modelo);
    GRID->setSelectionBehavior(QAbstractItemView::SelectRows);
    GRID->setSelectionMode(QAbstractItemView::ExtendedSelection);
    GRID->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GRID->verticalHeader()->setDefaultSectionSize(22);
    GRID->verticalHeader()->hide();
    GRID->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    GRID->horizontalHeader()->setStretchLastSection(true);
    GRID->setColumnWidth(0, 60);
    GRID->setColumnWidth(1, 260);
    GRID->setColumnWidth(2, 200);
    GRID->setColumnWidth(3, 130);
    GRID->setColumnWidth(4, 130);
    GRID->installEventFilter(this);
    connect(GRID, &QTableView::clicked, this, &TfrImprimeEtiquetas::GRIDClick);

    m_painelAjuda = new QWidget(this);
    m_painelAjuda->setObjectName(QStringLiteral("Panel3"));
    Label14 = new QLabel(
        QStringLiteral("Para exclui um endereço da lista clique sobre o endereço e pressione a tecla "
                       "delete.\n\nPara selecionar um grupo de endereços a ser impressos com a "
                       "tecla CTRL pressionada clique sobre os endereços. Depois clique na seta "
                       "ao lado de \"Imprimir Etiquetas\" e escolha \"Imprimir Selecionadas\"."),
        m_painelAjuda);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setWordWrap(true);
    (new QVBoxLayout(m_painelAjuda))->addWidget(Label14);
    m_painelAjuda->setVisible(false);

    auto *topo = new QGridLayout;
    topo->addWidget(txtTipo, 0, 0);
    topo->addWidget(edtPessoasContatos, 0, 1);
    topo->addWidget(criarFiltros(), 1, 0, 1, 2);
    topo->addWidget(Label15, 2, 0, 1, 2);
    topo->setColumnStretch(0, 1);

    auto *baixo = new QHBoxLayout;
    baixo->addWidget(m_painelAjuda, 1);
    baixo->addWidget(criarImpressao(), 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(GRID, 1);
    layout->addLayout(baixo);
    resize(900, 720);
}

QWidget *TfrImprimeEtiquetas::criarFiltros()
{
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    // the filters take the height they need; the grid takes the rest
    PageControl->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto ok = [this](const char *nome, QWidget *pai, int filtro, bool sempreFisicas = false) {
        QPushButton *b = botao(nome, QStringLiteral("ok"), pai);
        b->setProperty("filtro", filtro);
        connect(b, &QPushButton::clicked, this, [this, filtro, sempreFisicas] {
            Pesquisar(sempreFisicas ? int(PesquisaEtiquetas::Fisicas) : Tipo(), filtro);
        });
        return b;
    };

    // by name
    auto *nome = new QWidget(PageControl);
    edtNome = campo("edtNome", 98, nome);
    btnProcuraNome = ok("btnProcuraNome", nome, PesquisaEtiquetas::Nome);
    auto *nomeLayout = new QHBoxLayout(nome);
    nomeLayout->addWidget(rotulado(QStringLiteral("Nome"), edtNome, nome), 1);
    nomeLayout->addWidget(btnProcuraNome, 0, Qt::AlignBottom);
    PageControl->addTab(nome, QStringLiteral("Nome"));

    // by street, district, city, state
    auto *endereco = new QWidget(PageControl);
    edtRua = campo("edtRua", 98, endereco);
    btnRua = ok("btnRua", endereco, PesquisaEtiquetas::Rua);
    edtBairro = campo("edtBairro", 98, endereco);
    btnBairro = ok("btnBairro", endereco, PesquisaEtiquetas::Bairro);
    edtCidade = campo("edtCidade", 98, endereco);
    btnCidade = ok("btnCidade", endereco, PesquisaEtiquetas::Cidade);
    edtEstado = estados("edtEstado", endereco);
    btnEstado = ok("btnEstado", endereco, PesquisaEtiquetas::Estado);
    auto *enderecoLayout = new QHBoxLayout(endereco);
    for (auto [texto, c, b] :
         {std::tuple{QStringLiteral("Rua"), static_cast<QWidget *>(edtRua), btnRua},
          std::tuple{QStringLiteral("Bairro"), static_cast<QWidget *>(edtBairro), btnBairro},
          std::tuple{QStringLiteral("Cidade"), static_cast<QWidget *>(edtCidade), btnCidade},
          std::tuple{QStringLiteral("Estado"), static_cast<QWidget *>(edtEstado), btnEstado}}) {
        enderecoLayout->addWidget(rotulado(texto, c, endereco), c == edtEstado ? 0 : 1);
        enderecoLayout->addWidget(b, 0, Qt::AlignBottom);
    }
    PageControl->addTab(endereco, QStringLiteral("Endereço"));

    // by groups
    auto *grupo = new QWidget(PageControl);
    txtGrupo = new QListWidget(grupo);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    txtGrupo->setSelectionMode(QAbstractItemView::ExtendedSelection);
    txtGrupo->setFlow(QListView::TopToBottom);
    txtGrupo->setWrapping(true);
    txtGrupo->setResizeMode(QListView::Adjust);
    txtGrupo->setMaximumHeight(80);
    txtGrupo->setToolTip(
        QStringLiteral("Caso você deseje selecionar mais de um grupo clique no nome do grupo com a "
                       "tecla SHIFT ou CTRL pressionada."));
    SpeedButton1 = botao("SpeedButton1", QStringLiteral("ok"), grupo);
    SpeedButton1->setProperty("filtro", int(PesquisaEtiquetas::Grupos));
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrImprimeEtiquetas::SpeedButton1Click);
    auto *grupoLayout = new QHBoxLayout(grupo);
    grupoLayout->addWidget(txtGrupo, 1);
    grupoLayout->addWidget(SpeedButton1, 0, Qt::AlignBottom);
    PageControl->addTab(grupo, QStringLiteral("Grupo"));

    // birthdays of a month
    auto *aniversario = new QWidget(PageControl);
    txtMes = new QComboBox(aniversario);
    txtMes->setObjectName(QStringLiteral("txtMes"));
    for (QStringView mes : FormatSettings::LongMonthNames)
        txtMes->addItem(mes.toString());
    btnMes = ok("btnMes", aniversario, PesquisaEtiquetas::MesNascimento, true);
    auto *aniversarioLayout = new QHBoxLayout(aniversario);
    aniversarioLayout->addWidget(rotulado(QStringLiteral("Mês"), txtMes, aniversario));
    aniversarioLayout->addWidget(btnMes, 0, Qt::AlignBottom);
    aniversarioLayout->addStretch(1);
    PageControl->addTab(aniversario, QStringLiteral("Aniversariantes"));

    // voters
    auto *eleitores = new QWidget(PageControl);
    edtTitulo = campo("edtTitulo", 13, eleitores);
    SpeedButton2 = ok("SpeedButton2", eleitores, PesquisaEtiquetas::TituloEleitor, true);
    edtZona = EntradaCadastro::AceitarSoDigitos(campo("edtZona", 3, eleitores), 3);
    SpeedButton3 = ok("SpeedButton3", eleitores, PesquisaEtiquetas::Zona, true);
    edtSeccao = EntradaCadastro::AceitarSoDigitos(campo("edtSeccao", 3, eleitores), 3);
    SpeedButton4 = ok("SpeedButton4", eleitores, PesquisaEtiquetas::Seccao, true);
    auto *eleitoresLayout = new QHBoxLayout(eleitores);
    eleitoresLayout->addWidget(rotulado(QStringLiteral("Título"), edtTitulo, eleitores), 1);
    eleitoresLayout->addWidget(SpeedButton2, 0, Qt::AlignBottom);
    eleitoresLayout->addWidget(rotulado(QStringLiteral("Zona"), edtZona, eleitores));
    eleitoresLayout->addWidget(SpeedButton3, 0, Qt::AlignBottom);
    eleitoresLayout->addWidget(rotulado(QStringLiteral("Secção"), edtSeccao, eleitores));
    eleitoresLayout->addWidget(SpeedButton4, 0, Qt::AlignBottom);
    PageControl->addTab(eleitores, QStringLiteral("Eleitores"));

    // profession and work place (individuals only, as the two tabs before)
    auto *profissionais = new QWidget(PageControl);
    edtNomeProfissao = campo("edtNomeProfissao", 28, profissionais);
    SpeedButton5 = ok("SpeedButton5", profissionais, PesquisaEtiquetas::Profissao, true);
    edtNomeLocalTrabalho = campo("edtNomeLocalTrabalho", 58, profissionais);
    SpeedButton6 = ok("SpeedButton6", profissionais, PesquisaEtiquetas::LocalTrabalho, true);
    auto *profissionaisLayout = new QHBoxLayout(profissionais);
    profissionaisLayout->addWidget(rotulado(QStringLiteral("Profissão"), edtNomeProfissao, profissionais), 1);
    profissionaisLayout->addWidget(SpeedButton5, 0, Qt::AlignBottom);
    profissionaisLayout->addWidget(
        rotulado(QStringLiteral("Local de Trabalho"), edtNomeLocalTrabalho, profissionais), 1);
    profissionaisLayout->addWidget(SpeedButton6, 0, Qt::AlignBottom);
    PageControl->addTab(profissionais, QStringLiteral("Dados Profissionais"));

    // district + city + state - streets left out
    auto *completo = new QWidget(PageControl);
    edtBairro_01 = campo("edtBairro_01", 98, completo);
    edtCidade_01 = campo("edtCidade_01", 98, completo);
    edtUF_01 = estados("edtUF_01", completo);
    edtRuas = new QListWidget(completo);
    edtRuas->setObjectName(QStringLiteral("edtRuas"));
    edtRuas->setMaximumHeight(70);
    edtRuas->setToolTip(QStringLiteral(
        "Exceto na RUA:\r\n\r\nClique no botão ADD para adicionar ruas a NÃO serem impressas."));
    edtRuas->installEventFilter(this);
    btnAdd = botao("btnAdd", QStringLiteral("ADD"), completo);
    SpeedButton8 = botao("SpeedButton8", QStringLiteral("DEL"), completo);
    connect(btnAdd, &QPushButton::clicked, this, &TfrImprimeEtiquetas::btnAddClick);
    connect(SpeedButton8, &QPushButton::clicked, this, &TfrImprimeEtiquetas::SpeedButton8Click);
    edtOrdem = new QGroupBox(completo);
    edtOrdem->setObjectName(QStringLiteral("edtOrdem"));
    m_ordemRua = new QRadioButton(QStringLiteral("Ordem por rua"), edtOrdem);
    m_ordemRua->setObjectName(QStringLiteral("edtOrdem0"));
    m_ordemRuaNumero = new QRadioButton(QStringLiteral("Ordem por rua e número"), edtOrdem);
    m_ordemRuaNumero->setObjectName(QStringLiteral("edtOrdem1"));
    m_ordemRua->setChecked(true);
    auto *ordemLayout = new QVBoxLayout(edtOrdem);
    ordemLayout->addWidget(m_ordemRua);
    ordemLayout->addWidget(m_ordemRuaNumero);
    SpeedButton9 = ok("SpeedButton9", completo, PesquisaEtiquetas::EnderecoCompleto);
    auto *ruasBotoes = new QVBoxLayout;
    ruasBotoes->addWidget(btnAdd);
    ruasBotoes->addWidget(SpeedButton8);
    auto *completoLayout = new QHBoxLayout(completo);
    completoLayout->addWidget(rotulado(QStringLiteral("Bairro"), edtBairro_01, completo), 1);
    completoLayout->addWidget(new QLabel(QStringLiteral("+"), completo), 0, Qt::AlignBottom);
    completoLayout->addWidget(rotulado(QStringLiteral("Cidade"), edtCidade_01, completo), 1);
    completoLayout->addWidget(new QLabel(QStringLiteral("+"), completo), 0, Qt::AlignBottom);
    completoLayout->addWidget(rotulado(QStringLiteral("Estado"), edtUF_01, completo));
    completoLayout->addWidget(new QLabel(QStringLiteral("-"), completo), 0, Qt::AlignBottom);
    completoLayout->addWidget(edtRuas, 1);
    completoLayout->addLayout(ruasBotoes);
    completoLayout->addWidget(edtOrdem);
    completoLayout->addWidget(SpeedButton9, 0, Qt::AlignBottom);
    PageControl->addTab(completo, QStringLiteral("Endereço Completo"));

    connect(PageControl, &QTabWidget::currentChanged, this, &TfrImprimeEtiquetas::PageControlChange);
    return PageControl;
}

QWidget *TfrImprimeEtiquetas::criarImpressao()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    auto *envelopes = new QWidget(PageControl1);
    auto *margem = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,.#$]*")), this);
    edtMargemSuperior = campo("edtMargemSuperior", 4, envelopes);
    edtMargemSuperior->setValidator(margem);
    edtMargemSuperior->setToolTip(QStringLiteral("Em centímetros"));
    edtMargemEsquerda = campo("edtMargemEsquerda", 4, envelopes);
    edtMargemEsquerda->setValidator(margem);
    edtMargemEsquerda->setToolTip(QStringLiteral("Em centímetros"));
    txtTipoImpressao = new QComboBox(envelopes);
    txtTipoImpressao->setObjectName(QStringLiteral("txtTipoImpressao"));
    txtTipoImpressao->addItems({QStringLiteral("Retrato"), QStringLiteral("Paissagem")});
    btnImprimirEnvelopres = botao("btnImprimirEnvelopres", QStringLiteral("Imprimir Envelopes"), envelopes);
    btnVisualizarEnvelopes = botao("btnVisualizarEnvelopes", QStringLiteral("Visualizar"), envelopes);
    connect(btnImprimirEnvelopres, &QPushButton::clicked, this, [this] { ImprimirEnvelopes(false); });
    connect(btnVisualizarEnvelopes, &QPushButton::clicked, this, [this] { ImprimirEnvelopes(true); });
    lblTotalEnderecosEnv = new QLabel(envelopes);
    lblTotalEnderecosEnv->setObjectName(QStringLiteral("lblTotalEnderecosEnv"));
    lblTotalFolhasEnv = new QLabel(envelopes);
    lblTotalFolhasEnv->setObjectName(QStringLiteral("lblTotalFolhasEnv"));
    ProgressoEnv = new QProgressBar(envelopes);
    ProgressoEnv->setObjectName(QStringLiteral("ProgressoEnv"));
    ProgressoEnv->setVisible(false);
    auto *envelopesLayout = new QGridLayout(envelopes);
    auto cm = [envelopes](QLineEdit *e) {
        auto *w = new QWidget(envelopes);
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(e);
        l->addWidget(new QLabel(QStringLiteral("cm"), w));
        return w;
    };
    envelopesLayout->addWidget(rotulado(QStringLiteral("Margem Superior"), cm(edtMargemSuperior), envelopes),
                               0, 0);
    envelopesLayout->addWidget(rotulado(QStringLiteral("Margem Esquerda"), cm(edtMargemEsquerda), envelopes),
                               0, 1);
    envelopesLayout->addWidget(rotulado(QStringLiteral("Impressão"), txtTipoImpressao, envelopes), 0, 2);
    envelopesLayout->addWidget(lblTotalEnderecosEnv, 1, 0, 1, 2);
    envelopesLayout->addWidget(btnVisualizarEnvelopes, 1, 2);
    envelopesLayout->addWidget(lblTotalFolhasEnv, 2, 0, 1, 2);
    envelopesLayout->addWidget(btnImprimirEnvelopres, 2, 2);
    envelopesLayout->addWidget(ProgressoEnv, 3, 0, 1, 3);
    envelopesLayout->setRowStretch(4, 1);
    PageControl1->addTab(envelopes, QStringLiteral("Envelopes"));

    auto *etiquetas = new QWidget(PageControl1);
    txtModeloEtiqueta = new QComboBox(etiquetas);
    txtModeloEtiqueta->setObjectName(QStringLiteral("txtModeloEtiqueta"));
    txtInicia = new QComboBox(etiquetas);
    txtInicia->setObjectName(QStringLiteral("txtInicia"));
    txtInicia->setToolTip(QStringLiteral("Etiqueta 01 - Etiqueta 02\r\nEtiqueta 03 - Etiqueta 04\r\n..."));
    lblTotalEnderecos = new QLabel(etiquetas);
    lblTotalEnderecos->setObjectName(QStringLiteral("lblTotalEnderecos"));
    lblTotalFolhas = new QLabel(etiquetas);
    lblTotalFolhas->setObjectName(QStringLiteral("lblTotalFolhas"));
    JvArrowButton1 = new QToolButton(etiquetas);
    JvArrowButton1->setObjectName(QStringLiteral("JvArrowButton1"));
    JvArrowButton1->setText(QStringLiteral("Imprimir Etiquetas"));
    JvArrowButton1->setPopupMode(QToolButton::MenuButtonPopup);
    JvArrowButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *menu = new QMenu(JvArrowButton1);
    QAction *imprimirSelecionados = menu->addAction(QStringLiteral("Imprimir Selecionados"));
    imprimirSelecionados->setObjectName(QStringLiteral("ImprimirSelecionados1"));
    menu->addSeparator();
    QAction *limpar = menu->addAction(QStringLiteral("Limpar Selecionadas"));
    limpar->setObjectName(QStringLiteral("LimparSelecionadas1"));
    JvArrowButton1->setMenu(menu);
    connect(JvArrowButton1, &QToolButton::clicked, this, [this] { ImprimirEtiquetas(false); });
    connect(imprimirSelecionados, &QAction::triggered, this, [this] { ImprimirEtiquetas(true); });
    connect(limpar, &QAction::triggered, this, &TfrImprimeEtiquetas::LimparSelecionadasClick);
    btnVisualizar = botao("btnVisualizar", QStringLiteral("Visualizar"), etiquetas);
    connect(btnVisualizar, &QPushButton::clicked, this, [this] { ImprimirEtiquetas(false, true); });
    Progresso = new QProgressBar(etiquetas);
    Progresso->setObjectName(QStringLiteral("Progresso"));
    Progresso->setVisible(false);
    SpeedButton7 = botao("SpeedButton7", QStringLiteral("Alterar Fonte"), etiquetas);
    connect(SpeedButton7, &QPushButton::clicked, this, &TfrImprimeEtiquetas::SpeedButton7Click);
    Label6 = new QLabel(QStringLiteral("<a href=\"#\">Precisa de outro modelo de etiqueta? Peça aqui!</a>"),
                        etiquetas);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setToolTip(QStringLiteral("Clique AQUI para enviar a mensagem!"));
    connect(Label6, &QLabel::linkActivated, this, &TfrImprimeEtiquetas::Label6Click);
    auto *etiquetasLayout = new QGridLayout(etiquetas);
    etiquetasLayout->addWidget(rotulado(QStringLiteral("Modelo"), txtModeloEtiqueta, etiquetas), 0, 0, 1, 2);
    etiquetasLayout->addWidget(rotulado(QStringLiteral("Iniciar Na Etiqueta"), txtInicia, etiquetas), 0, 2);
    etiquetasLayout->addWidget(lblTotalEnderecos, 1, 0);
    etiquetasLayout->addWidget(SpeedButton7, 1, 1);
    etiquetasLayout->addWidget(btnVisualizar, 1, 2);
    etiquetasLayout->addWidget(lblTotalFolhas, 2, 0);
    etiquetasLayout->addWidget(Label6, 2, 1);
    etiquetasLayout->addWidget(JvArrowButton1, 2, 2);
    etiquetasLayout->addWidget(Progresso, 3, 0, 1, 3);
    etiquetasLayout->setColumnStretch(1, 1);
    etiquetasLayout->setRowStretch(4, 1);
    PageControl1->addTab(etiquetas, QStringLiteral("Etiquetas"));
    connect(txtModeloEtiqueta, &QComboBox::currentIndexChanged, this,
            &TfrImprimeEtiquetas::txtModeloEtiquetaChange);
    return PageControl1;
}

int TfrImprimeEtiquetas::Tipo() const
{
    const int tipo = m_tipos->checkedId();
    return tipo < 0 ? int(PesquisaEtiquetas::FisicasEJuridicas) : tipo;
}

void TfrImprimeEtiquetas::DefinirTipo(int tipo)
{
    if (QAbstractButton *b = m_tipos->button(tipo))
        b->setChecked(true);
}

void TfrImprimeEtiquetas::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrImprimeEtiquetas::FormShow()
{
    txtGrupo->clear();
    QList<TGrupo> grupos;
    // a failure leaves the group list empty, as an empty table would
    if (TGrupo::Todos(BancoDados(), grupos))
        for (const TGrupo &g : grupos)
            txtGrupo->addItem(g.Nome);
    if (txtGrupo->count() > 0)
        txtGrupo->setCurrentRow(0);

    const QSignalBlocker bloqueio(txtModeloEtiqueta);
    txtModeloEtiqueta->clear();
    for (const TEtiqueta &m : ModelosEtiqueta())
        txtModeloEtiqueta->addItem(m.Nome);
    txtModeloEtiqueta->setCurrentIndex(
        qBound(0, ReadSettingInt(kEtiqueta, QStringLiteral("MODELO")), int(ModelosEtiqueta().size()) - 1));
    preencherInicio();
    txtInicia->setCurrentIndex(
        qBound(0, ReadSettingInt(kEtiqueta, QStringLiteral("INICIA")), txtInicia->count() - 1));
    edtMargemSuperior->setText(
        FormatFloat(QStringLiteral("##0.00"), ReadSettingFloat(kEnvelope, QStringLiteral("POS_X"))));
    edtMargemEsquerda->setText(
        FormatFloat(QStringLiteral("##0.00"), ReadSettingFloat(kEnvelope, QStringLiteral("POS_Y"))));
    PageControl1->setCurrentIndex(
        qBound(0, ReadSettingInt(kEnvelope, QStringLiteral("PAGINA")), PageControl1->count() - 1));
    {
        // the kind saved wins over the one the restored tab would choose
        const QSignalBlocker abas(PageControl);
        PageControl->setCurrentIndex(
            qBound(0, ReadSettingInt(kEnvelope, QStringLiteral("PESQUISA")), PageControl->count() - 1));
    }
    DefinirTipo(qBound(0, ReadSettingInt(kEnvelope, QStringLiteral("TIPOPESSOA")), 2));
    edtUF_01->setCurrentIndex(
        qBound(0, ReadSettingInt(kEnvelope, QStringLiteral("UF_01")), edtUF_01->count() - 1));
    edtEstado->setCurrentIndex(
        qBound(0, ReadSettingInt(kEnvelope, QStringLiteral("UF")), edtEstado->count() - 1));
    txtTipoImpressao->setCurrentIndex(qBound(0, ReadSettingInt(kEnvelope, QStringLiteral("ORIENTACAO")), 1));
    m_selecionados.clear();
    MostrarResultado();
}

void TfrImprimeEtiquetas::preencherInicio()
{
    const int modelo = qMax(0, txtModeloEtiqueta->currentIndex());
    const int porFolha = modelo < ModelosEtiqueta().size() ? ModelosEtiqueta().at(modelo).PorFolha : 0;
    txtInicia->clear();
    for (int i = 1; i <= porFolha; ++i)
        txtInicia->addItem(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    txtInicia->setCurrentIndex(porFolha > 0 ? 0 : -1);
}

void TfrImprimeEtiquetas::txtModeloEtiquetaChange(int)
{
    preencherInicio();
    MostrarResultado();
}

void TfrImprimeEtiquetas::PageControlChange(int pagina)
{
    if (pagina == AbaAniversariantes || pagina == AbaEleitores || pagina == AbaProfissionais)
        DefinirTipo(PesquisaEtiquetas::Fisicas);
}

PesquisaEtiquetas::Pedido TfrImprimeEtiquetas::montarPedido(int tipo, int filtro) const
{
    PesquisaEtiquetas::Pedido p;
    p.tipo = tipo;
    p.filtro = filtro;
    p.login = m_login;
    p.contatos = edtPessoasContatos->isChecked();
    p.ctrl = Seams::keyboard().isKeyDown(KeyboardState::Control);
    p.shift = Seams::keyboard().isKeyDown(KeyboardState::Shift);
    switch (filtro) {
    case PesquisaEtiquetas::Nome: p.texto = edtNome->text(); break;
    case PesquisaEtiquetas::Rua: p.texto = edtRua->text(); break;
    case PesquisaEtiquetas::Bairro: p.texto = edtBairro->text(); break;
    case PesquisaEtiquetas::Cidade: p.texto = edtCidade->text(); break;
    case PesquisaEtiquetas::Estado: p.texto = edtEstado->currentText(); break;
    case PesquisaEtiquetas::MesNascimento: p.numero = txtMes->currentIndex() + 1; break;
    case PesquisaEtiquetas::TituloEleitor: p.texto = edtTitulo->text(); break;
    case PesquisaEtiquetas::Zona: p.numero = inteiro(edtZona->text()); break;
    case PesquisaEtiquetas::Seccao: p.numero = inteiro(edtSeccao->text()); break;
    case PesquisaEtiquetas::Profissao: p.texto = edtNomeProfissao->text(); break;
    case PesquisaEtiquetas::LocalTrabalho: p.texto = edtNomeLocalTrabalho->text(); break;
    case PesquisaEtiquetas::EnderecoCompleto:
        p.bairro = edtBairro_01->text();
        p.cidade = edtCidade_01->text();
        p.uf = edtUF_01->currentText();
        for (int i = 0; i < edtRuas->count(); ++i)
            p.ruasExcluidas << edtRuas->item(i)->text();
        p.ordemNumero = m_ordemRuaNumero->isChecked();
        break;
    default: break;
    }
    for (QListWidgetItem *item : txtGrupo->selectedItems())
        p.grupos << item->text();
    return p;
}

void TfrImprimeEtiquetas::Pesquisar(int tipo, int filtro)
{
    const PesquisaEtiquetas::Pedido p = montarPedido(tipo, filtro);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // a failure has been shown; what was collected before it stays listed
    (void)PesquisaEtiquetas::Pesquisar(BancoDados(), p, &m_enderecos);
    QApplication::restoreOverrideCursor();
    MostrarResultado();
}

void TfrImprimeEtiquetas::SpeedButton1Click()
{
    if (txtGrupo->selectedItems().isEmpty()) {
        Seams::messages().show(QStringLiteral("Por favor, selecione pelo menos um grupo!"),
                               MessageService::Kind::Warning);
        return;
    }
    Pesquisar(Tipo(), PesquisaEtiquetas::Grupos);
}

void TfrImprimeEtiquetas::MostrarResultado()
{
    m_modelo->recarregar();
    const int total = int(m_enderecos.size());
    const int modelo = txtModeloEtiqueta->currentIndex();
    const int folhas = modelo >= 0 && modelo < ModelosEtiqueta().size()
                           ? FolhasEtiqueta(ModelosEtiqueta().at(modelo), total)
                           : 0;
    const QString registros = QStringLiteral("Total de Registros.: %1").arg(total, 3, 10, QLatin1Char('0'));
    lblTotalEnderecos->setText(registros);
    lblTotalEnderecosEnv->setText(registros);
    lblTotalFolhas->setText(QStringLiteral("Total de Folhas....: %1").arg(folhas));
    lblTotalFolhasEnv->setText(QStringLiteral("Total de Envelopes.: %1").arg(total));
    m_painelAjuda->setVisible(total > 0);
}

void TfrImprimeEtiquetas::GRIDClick(const QModelIndex &index)
{
    if (!index.isValid() || index.row() >= m_enderecos.size())
        return;
    if (index.column() == 0) {
        repetir(index.row());
    } else if (index.column() == 1 && Seams::keyboard().isKeyDown(KeyboardState::Control) &&
               !m_modelo->marcada(index.row())) {
        m_modelo->marcar(index.row());
        m_selecionados.append(m_enderecos.at(index.row()));
    }
}

void TfrImprimeEtiquetas::repetir(int linha)
{
    const std::optional<QString> resposta =
        Seams::input().inputBox(QStringLiteral("Numero de Repetição"), QStringLiteral("Número"),
                                QStringLiteral("Número de repetição"));
    if (!resposta)
        return;
    int vezes = inteiro(*resposta);
    if (vezes <= 0)
        return;
    if (vezes > kMaximoRepeticoes) {
        Seams::messages().show(QStringLiteral("Repita o endereço no máximo %1 vezes de cada vez: serão "
                                              "acrescentadas %1 cópias.")
                                   .arg(kMaximoRepeticoes),
                               MessageService::Kind::Warning);
        vezes = kMaximoRepeticoes;
    }
    // the copy keeps the contact line of a contact person's label
    const EnderecoEtiqueta copia = m_enderecos.at(linha);
    m_enderecos.reserve(m_enderecos.size() + vezes);
    for (int i = 0; i < vezes; ++i)
        m_enderecos.append(copia);
    MostrarResultado();
}

void TfrImprimeEtiquetas::excluir(int linha)
{
    if (linha < 0 || linha >= m_enderecos.size())
        return;
    m_enderecos.removeAt(linha);
    MostrarResultado();
    if (!m_enderecos.isEmpty())
        GRID->setCurrentIndex(m_modelo->index(qMin(linha, int(m_enderecos.size()) - 1), 1));
}

bool TfrImprimeEtiquetas::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(event)->key();
        if (watched == GRID && tecla == Qt::Key_Delete) {
            excluir(GRID->currentIndex().row());
            return true;
        }
        if (watched == edtRuas && tecla == Qt::Key_Insert) {
            btnAddClick();
            return true;
        }
        if (watched == edtRuas && tecla == Qt::Key_Delete) {
            SpeedButton8Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrImprimeEtiquetas::btnAddClick()
{
    const std::optional<QString> rua = Seams::input().inputBox(QStringLiteral("Informe o nome de uma rua"),
                                                               QStringLiteral("Rua"), QString());
    if (!rua)
        return;
    const QString nome = rua->trimmed();
    if (nome.isEmpty() || !edtRuas->findItems(nome, Qt::MatchExactly).isEmpty())
        return;
    edtRuas->addItem(nome);
}

void TfrImprimeEtiquetas::SpeedButton8Click()
{
    delete edtRuas->currentItem();
}

void TfrImprimeEtiquetas::LimparSelecionadasClick()
{
    m_selecionados.clear();
    MostrarResultado();
}

void TfrImprimeEtiquetas::SpeedButton7Click()
{
    QFont fonte = m_fonte;
    QColor cor = m_cor;
    if (Seams::input().fontChoice(&fonte, &cor)) {
        m_fonte = fonte;
        m_cor = cor;
    }
}

void TfrImprimeEtiquetas::Label6Click()
{
    Telas::Sugestoes(this, QStringLiteral("::Outros Modelos de Etiquetas ::"));
}

bool TfrImprimeEtiquetas::fonteDisponivel(const QFont &fonte)
{
    const QString falta = ImpressaoEtiquetas::FonteNaoEncontrada(fonte);
    if (falta.isEmpty())
        return true;
    Seams::messages().show(falta, MessageService::Kind::Warning);
    return false;
}

void TfrImprimeEtiquetas::progresso(QProgressBar *barra, int feitos)
{
    barra->setValue(feitos);
    // the bar moves while a long job paints; input stays blocked meanwhile
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrImprimeEtiquetas::ImprimirEtiquetas(bool selecionados, bool previa)
{
    const QList<EnderecoEtiqueta> lista = selecionados ? m_selecionados : m_enderecos;
    if (lista.isEmpty()) {
        Seams::messages().show(selecionados
                                   ? QStringLiteral("Não há etiquetas selecionadas para imprimir.\r\n"
                                                    "Clique nos nomes com a tecla CTRL pressionada.")
                                   : QStringLiteral("Não há endereços na lista para imprimir."),
                               MessageService::Kind::Warning);
        return;
    }
    const int indice = qBound(0, txtModeloEtiqueta->currentIndex(), int(ModelosEtiqueta().size()) - 1);
    const TEtiqueta modelo = ModelosEtiqueta().at(indice);
    if (!fonteDisponivel(m_fonte))
        return;
    std::unique_ptr<QPrinter> impressora = Impressao::impressora().criar(
        QStringLiteral("Impressão de Etiquetas :: ") + modelo.NomeTitulo, QPageLayout::Portrait);
    // the positions are measured from the paper's corner
    impressora->setFullPage(true);
    const int inicio = txtInicia->currentIndex() + 1;
    const QFont fonte = m_fonte;
    const QColor cor = m_cor;
    auto pintar = [&](QPrinter *p, bool mostrarProgresso) {
        QPainter painter;
        if (!Impressao::iniciar(painter, *p))
            return;
        ImpressaoEtiquetas::Progresso andamento;
        if (mostrarProgresso)
            andamento = [this](int feitos) { progresso(Progresso, feitos); };
        ImpressaoEtiquetas::PintarEtiquetas(painter, *p, modelo, lista, inicio, fonte, cor, selecionados,
                                            andamento);
        painter.end();
    };
    if (previa) {
        Impressao::impressora().visualizar(*impressora, this, [&](QPrinter *p) { pintar(p, false); });
        return;
    }
    if (!Impressao::impressora().configurar(*impressora, this))
        return;
    Progresso->setRange(0, int(lista.size()));
    Progresso->setValue(0);
    Progresso->setVisible(true);
    pintar(impressora.get(), true);
    Progresso->setVisible(false);
}

bool TfrImprimeEtiquetas::lerMargens(double *superior, double *esquerda)
{
    for (auto [campo, nome, valor] :
         {std::tuple{edtMargemSuperior, QStringLiteral("Margem Superior"), superior},
          std::tuple{edtMargemEsquerda, QStringLiteral("Margem Esquerda"), esquerda}}) {
        if (!ImpressaoEtiquetas::LerCentimetros(campo->text(), valor)) {
            PageControl1->setCurrentIndex(0);
            Seams::messages().show(QStringLiteral("\"%1\" não é uma medida válida para a %2.\r\n"
                                                  "Informe os centímetros com vírgula, por exemplo: 1,50")
                                       .arg(campo->text(), nome),
                                   MessageService::Kind::Error);
            campo->setFocus();
            campo->selectAll();
            return false;
        }
    }
    return true;
}

void TfrImprimeEtiquetas::ImprimirEnvelopes(bool previa)
{
    double superior = 0;
    double esquerda = 0;
    if (!lerMargens(&superior, &esquerda))
        return;
    if (m_enderecos.isEmpty()) {
        Seams::messages().show(QStringLiteral("Não há endereços na lista para imprimir."),
                               MessageService::Kind::Warning);
        return;
    }
    QFont fonte(QStringLiteral("Arial"), 10);
    fonte.setBold(true);
    if (!fonteDisponivel(fonte))
        return;
    std::unique_ptr<QPrinter> impressora = Impressao::impressora().criar(
        QStringLiteral("Impressão de Etiquetas"),
        txtTipoImpressao->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    impressora->setFullPage(true);
    const QList<EnderecoEtiqueta> lista = m_enderecos;
    auto pintar = [&](QPrinter *p, bool mostrarProgresso) {
        QPainter painter;
        if (!Impressao::iniciar(painter, *p))
            return;
        ImpressaoEtiquetas::Progresso andamento;
        if (mostrarProgresso)
            andamento = [this](int feitos) { progresso(ProgressoEnv, feitos); };
        ImpressaoEtiquetas::PintarEnvelopes(painter, *p, lista, superior, esquerda, fonte, andamento);
        painter.end();
    };
    if (previa) {
        Impressao::impressora().visualizar(*impressora, this, [&](QPrinter *p) { pintar(p, false); });
        return;
    }
    // envelopes go to the default printer without a dialog
    ProgressoEnv->setRange(0, int(lista.size()));
    ProgressoEnv->setValue(0);
    ProgressoEnv->setVisible(true);
    pintar(impressora.get(), true);
    ProgressoEnv->setVisible(false);
}

void TfrImprimeEtiquetas::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("etiquetas.htm"));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrImprimeEtiquetas::done(int resultado)
{
    if (!m_mostrada) {
        QDialog::done(resultado);
        return;
    }
    double superior = 0;
    double esquerda = 0;
    // the window stays open until the margins can be kept
    if (!lerMargens(&superior, &esquerda))
        return;
    WriteSettingInt(kEtiqueta, QStringLiteral("MODELO"), txtModeloEtiqueta->currentIndex());
    WriteSettingInt(kEtiqueta, QStringLiteral("INICIA"), txtInicia->currentIndex());
    // POS_X keeps the top margin and POS_Y the left one
    WriteSettingFloat(kEnvelope, QStringLiteral("POS_X"), superior);
    WriteSettingFloat(kEnvelope, QStringLiteral("POS_Y"), esquerda);
    WriteSettingInt(kEnvelope, QStringLiteral("PAGINA"), PageControl1->currentIndex());
    WriteSettingInt(kEnvelope, QStringLiteral("PESQUISA"), PageControl->currentIndex());
    WriteSettingInt(kEnvelope, QStringLiteral("TIPOPESSOA"), Tipo());
    WriteSettingInt(kEnvelope, QStringLiteral("UF_01"), edtUF_01->currentIndex());
    WriteSettingInt(kEnvelope, QStringLiteral("UF"), edtEstado->currentIndex());
    WriteSettingInt(kEnvelope, QStringLiteral("ORIENTACAO"), txtTipoImpressao->currentIndex());
    m_enderecos.clear();
    QDialog::done(resultado);
}
