#include "ui/finance/TfrFinancas.h"

#include "data/TDM.h"
#include "model/TFinancas.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "model/TUsuario.h"
#include "services/Desktop.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/BlinkingLabel.h"
#include "ui/common/Help.h"
#include "ui/common/MoneyEdit.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/common/Telas.h"
#include "ui/finance/FinancasModel.h"
#include "util/DateTime.h"
#include "util/PaginaHtml.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kTeclaCtrl = 17;
const QString kSecao = QStringLiteral("FINANCAS");
const QString kExcluir =
    QStringLiteral("Este procedimento excluirá o lançamento selecionado.  Deseja continuar?");

// The memo works with "\n"; entries are stored with "\r\n".
QString paraGravar(const QString &memo)
{
    QString texto = memo;
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return texto;
}

QString paraMemo(const QString &gravado)
{
    QString texto = gravado;
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texto;
}

void restaurarIndice(QComboBox *lista, const QString &chave)
{
    const int i = ReadSettingInt(kSecao, chave);
    if (i >= 0 && i < lista->count())
        lista->setCurrentIndex(i);
}

} // namespace

TfrFinancas::TfrFinancas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frFinancas"));
    setWindowTitle(QStringLiteral("Finanças"));
    setModal(true);
    criarControles();
    TeclasDeEntrada::Aplicar(this);

    // FormCreate: both dates today, both amounts zero, one person
    const QDate hoje = Seams::clock().now().date();
    for (Pagina &p : m_paginas) {
        p.data->setDate(hoje);
        p.valor->setValue(Money());
    }

    connect(btnSalvar_01, &QPushButton::clicked, this, &TfrFinancas::btnSalvar_01Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrFinancas::btnSalvar_01Click);
    connect(btnCancelar_01, &QPushButton::clicked, this, &TfrFinancas::btnCancelar_01Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrFinancas::btnCancelar_01Click);
    connect(Grid, &QTableView::clicked, this, &TfrFinancas::GridClick);
    connect(Grid, &QTableView::doubleClicked, this, &TfrFinancas::GridDblClick);
    connect(Grid, &QWidget::customContextMenuRequested, this, &TfrFinancas::GridMenu);
    connect(Aberto1, &QAction::triggered, this, &TfrFinancas::Aberto1Click);
    connect(Quitado1, &QAction::triggered, this, &TfrFinancas::Quitado1Click);
    connect(Exluir1, &QAction::triggered, this, &TfrFinancas::Exluir1Click);
    connect(AlterarParaAPagar1, &QAction::triggered, this, &TfrFinancas::AlterarParaAPagar1Click);
    connect(JvArrowButton1, &QToolButton::clicked, this, &TfrFinancas::JvArrowButton1Click);
    connect(EntreDatas1, &QAction::triggered, this, &TfrFinancas::EntreDatas1Click);
    connect(btnImprimir, &QPushButton::clicked, this, &TfrFinancas::btnImprimirClick);
    connect(btnPesquisar, &QPushButton::clicked, this, &TfrFinancas::btnPesquisarClick);
}

TfrFinancas::~TfrFinancas() = default;

void TfrFinancas::DefinirPessoa(const TPessoaFisica &pessoa)
{
    m_pessoa = PessoaFinancas::De(pessoa);
    m_escolhida = m_pessoa;
    m_tipoPessoa = 0;
}

void TfrFinancas::DefinirPessoa(const TPessoaJuridica &empresa)
{
    m_pessoa = PessoaFinancas::De(empresa);
    m_escolhida = m_pessoa;
    m_tipoPessoa = 1;
}

QWidget *TfrFinancas::criarPagina(int indice, Pagina &p, QPushButton *&salvar, QPushButton *&cancelar)
{
    const QString sufixo = indice == 0 ? QStringLiteral("_01") : QStringLiteral("_02");
    auto *pagina = new QWidget;
    pagina->setObjectName(indice == 0 ? QStringLiteral("TabSheet1") : QStringLiteral("TabSheet2"));
    auto nome = [&](QWidget *w, const char *base) { w->setObjectName(QString::fromLatin1(base) + sufixo); };

    p.data = new QDateEdit(pagina);
    nome(p.data, "edtData");
    p.data->setCalendarPopup(true);
    p.data->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    p.valor = new MoneyEdit(pagina);
    nome(p.valor, "edtValor");
    p.forma = new QComboBox(pagina);
    nome(p.forma, "edtFormaPagamento");
    p.forma->addItems(TFinancas::FormasPagamento());
    p.situacao = new QComboBox(pagina);
    nome(p.situacao, "edtSituacao");
    p.situacao->addItems({QStringLiteral("Aberto"), QStringLiteral("Quitado")});
    p.obs = new QPlainTextEdit(pagina);
    nome(p.obs, "edtObs");
    p.obs->setTabChangesFocus(true);
    p.parcelar = new QComboBox(pagina);
    nome(p.parcelar, "edtParcelar");
    for (int i = 1; i <= 10; ++i)
        p.parcelar->addItem(QString::number(i).rightJustified(2, QLatin1Char('0')));
    p.parcelar->addItem(QStringLiteral("Mais Vezes"));
    p.login = new QLabel(QStringLiteral("Cadastrado por: "), pagina);
    nome(p.login, "lblLogin");
    p.status = new BlinkingLabel(QStringLiteral("Inserindo"), pagina);
    p.status->setObjectName(indice == 0 ? QStringLiteral("lblStatus_02") : QStringLiteral("lblStatus"));
    p.status->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));

    salvar = new QPushButton(QStringLiteral("Salvar"), pagina);
    salvar->setObjectName(indice == 0 ? QStringLiteral("btnSalvar_01") : QStringLiteral("SpeedButton2"));
    cancelar = new QPushButton(QStringLiteral("Cancelar"), pagina);
    cancelar->setObjectName(indice == 0 ? QStringLiteral("btnCancelar_01") : QStringLiteral("SpeedButton1"));

    auto rotulo = [pagina](const QString &texto, QWidget *buddy) {
        auto *l = new QLabel(texto, pagina);
        l->setBuddy(buddy);
        return l;
    };
    auto *grade = new QGridLayout(pagina);
    grade->addWidget(
        rotulo(indice == 0 ? QStringLiteral("Pagar em") : QStringLiteral("A Receber em"), p.data), 0, 0);
    grade->addWidget(rotulo(QStringLiteral("Valor"), p.valor), 0, 1);
    grade->addWidget(
        rotulo(indice == 0 ? QStringLiteral("Forma de Pagamento") : QStringLiteral("Forma de Recebimento"),
               p.forma),
        0, 2);
    grade->addWidget(rotulo(QStringLiteral("Situação"), p.situacao), 0, 3);
    grade->addWidget(rotulo(QStringLiteral("Parcelar?"), p.parcelar), 0, 4);
    grade->addWidget(p.data, 1, 0);
    grade->addWidget(p.valor, 1, 1);
    grade->addWidget(p.forma, 1, 2);
    grade->addWidget(p.situacao, 1, 3);
    grade->addWidget(p.parcelar, 1, 4);
    grade->addWidget(rotulo(QStringLiteral("Obs MAX(300 Caracteres)"), p.obs), 2, 0, 1, 5);
    grade->addWidget(p.obs, 3, 0, 1, 5);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(p.login);
    rodape->addWidget(p.status);
    rodape->addStretch(1);
    rodape->addWidget(salvar);
    rodape->addWidget(cancelar);
    grade->addLayout(rodape, 4, 0, 1, 5);
    p.obs->setFixedHeight(p.obs->fontMetrics().lineSpacing() * 4 + 12);
    return pagina;
}

void TfrFinancas::criarControles()
{
    auto rotulo = [this](const char *nome) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    Label1 = rotulo("Label1");
    Label2 = rotulo("Label2");
    Label3 = rotulo("Label3");
    Label4 = rotulo("Label4");

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(criarPagina(0, m_paginas[0], btnSalvar_01, btnCancelar_01),
                         QStringLiteral(" :: A Pagar :: "));
    PageControl1->addTab(criarPagina(1, m_paginas[1], SpeedButton2, SpeedButton1),
                         QStringLiteral(" :: A Receber :: "));

    m_modelo = new FinancasModel(this);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(m_modelo);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setWordWrap(false);
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->verticalHeader()->setDefaultSectionSize(22);
    Grid->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #408080; color: white; font-weight: bold; "
                       "font-size: 10pt; }"));
    Grid->horizontalHeader()->setSectionResizeMode(FinancasModel::ColObs, QHeaderView::Stretch);
    Grid->setColumnWidth(FinancasModel::ColData, 90);
    Grid->setColumnWidth(FinancasModel::ColValor, 150);
    Grid->setColumnWidth(FinancasModel::ColSituacao, 80);

    POP_Menu = new QMenu(this);
    POP_Menu->setObjectName(QStringLiteral("POP_Menu"));
    QMenu *situacao = POP_Menu->addMenu(QStringLiteral("Alterar Situação"));
    situacao->setObjectName(QStringLiteral("AlterarSituao1"));
    Aberto1 = situacao->addAction(QStringLiteral("Aberto"));
    Aberto1->setObjectName(QStringLiteral("Aberto1"));
    Aberto1->setCheckable(true);
    Quitado1 = situacao->addAction(QStringLiteral("Quitado"));
    Quitado1->setObjectName(QStringLiteral("Quitado1"));
    Quitado1->setCheckable(true);
    POP_Menu->addSeparator();
    Exluir1 = POP_Menu->addAction(QStringLiteral("Excluir"));
    Exluir1->setObjectName(QStringLiteral("Exluir1"));
    POP_Menu->addSeparator();
    AlterarParaAPagar1 = POP_Menu->addAction(QStringLiteral("Alterar Para A Pagar"));
    AlterarParaAPagar1->setObjectName(QStringLiteral("AlterarParaAPagar1"));

    Panel4 =
        new QLabel(QStringLiteral("    :: Para excluir uma entrada da lista com a tecla CTRL pressionada "
                                  "clique sobre o valor ::"),
                   this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    pnlSaldos = rotulo("pnlSaldos");
    pnlSaldos->setStyleSheet(QStringLiteral("font-weight: bold;"));

    JvArrowButton1 = new QToolButton(this);
    JvArrowButton1->setObjectName(QStringLiteral("JvArrowButton1"));
    JvArrowButton1->setText(QStringLiteral("Mês Atual"));
    JvArrowButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    JvArrowButton1->setPopupMode(QToolButton::MenuButtonPopup);
    auto *PopupMenu1 = new QMenu(JvArrowButton1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    EntreDatas1 = PopupMenu1->addAction(QStringLiteral("Entre Datas"));
    EntreDatas1->setObjectName(QStringLiteral("EntreDatas1"));
    JvArrowButton1->setMenu(PopupMenu1);
    lblInfo = rotulo("lblInfo");
    btnPesquisar = new QPushButton(QStringLiteral("Pesquisar Finanças"), this);
    btnPesquisar->setObjectName(QStringLiteral("btnPesquisar"));

    auto *cabecalho = new QVBoxLayout;
    cabecalho->setSpacing(2);
    for (QLabel *l : {Label1, Label2, Label3, Label4})
        cabecalho->addWidget(l);
    auto *periodo = new QHBoxLayout;
    periodo->addWidget(JvArrowButton1);
    periodo->addWidget(lblInfo, 1);
    periodo->addWidget(btnPesquisar);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(btnImprimir);
    rodape->addWidget(pnlSaldos, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(cabecalho);
    layout->addWidget(PageControl1);
    layout->addLayout(periodo);
    layout->addWidget(Grid, 1);
    layout->addWidget(Panel4);
    layout->addLayout(rodape);
    resize(760, 640);

    for (QWidget *w : {static_cast<QWidget *>(Panel4), static_cast<QWidget *>(pnlSaldos)}) {
        QSizePolicy politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
        w->hide();
    }
}

void TfrFinancas::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada && !event->spontaneous()) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrFinancas::FormShow()
{
    MesAtual();
    MostrarCabecalho(m_pessoa);
    Recarregar();
    m_alterando = -1;
    const int pagina = ReadSettingInt(kSecao, QStringLiteral("OPERACAO"));
    PageControl1->setCurrentIndex(pagina == 1 ? 1 : 0);
    restaurarIndice(m_paginas[0].forma, QStringLiteral("FORMA_01"));
    restaurarIndice(m_paginas[1].forma, QStringLiteral("FORMA_02"));
    restaurarIndice(m_paginas[0].situacao, QStringLiteral("SITUACAO_01"));
    restaurarIndice(m_paginas[1].situacao, QStringLiteral("SITUACAO_02"));
}

void TfrFinancas::done(int resultado)
{
    // FormClose: the page and the lists come back as they were left
    if (m_mostrada) {
        WriteSettingInt(kSecao, QStringLiteral("OPERACAO"), PageControl1->currentIndex());
        WriteSettingInt(kSecao, QStringLiteral("FORMA_01"), m_paginas[0].forma->currentIndex());
        WriteSettingInt(kSecao, QStringLiteral("FORMA_02"), m_paginas[1].forma->currentIndex());
        WriteSettingInt(kSecao, QStringLiteral("SITUACAO_01"), m_paginas[0].situacao->currentIndex());
        WriteSettingInt(kSecao, QStringLiteral("SITUACAO_02"), m_paginas[1].situacao->currentIndex());
    }
    QDialog::done(resultado);
}

void TfrFinancas::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("financas.htm"));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrFinancas::MostrarCabecalho(const PessoaFinancas &pessoa)
{
    setWindowTitle(pessoa.Titulo());
    const QStringList linhas = pessoa.Linhas();
    Label1->setText(linhas.value(0));
    Label2->setText(linhas.value(1));
    Label3->setText(linhas.value(2));
    Label4->setText(linhas.value(3));
}

void TfrFinancas::MesAtual()
{
    const QDate hoje = Seams::clock().now().date();
    const QDate primeiro(hoje.year(), hoje.month(), 1);
    m_de = QDateToDateTime(primeiro);
    m_ate = QDateToDateTime(primeiro.addMonths(1).addDays(-1));
}

QString TfrFinancas::LoginAtual() const
{
    return TUsuario::atual() ? TUsuario::atual()->Login : QString();
}

void TfrFinancas::DefinirStatus(const QString &texto)
{
    for (Pagina &p : m_paginas)
        p.status->setText(texto);
}

bool TfrFinancas::Recarregar()
{
    ListaFinancas::Filtro filtro;
    filtro.IdPessoa = m_pessoa.Identificador;
    filtro.TipoPessoa = m_tipoPessoa;
    filtro.TodasAsPessoas = m_todas;
    filtro.De = m_de;
    filtro.Ate = m_ate;
    filtro.Login = LoginAtual();
    QList<LancamentoFinanca> lista;
    const DbResult r = ListaFinancas::Carregar(BancoDados(), filtro, lista);
    if (!r) {
        // the list keeps what it showed
        Seams::messages().show(r.texto(r.sql), MessageService::Kind::Error);
        return false;
    }
    const bool temLancamentos = !lista.isEmpty();
    pnlSaldos->setText(ListaFinancas::TextoSaldos(ListaFinancas::Totais(lista)));
    m_modelo->setLista(std::move(lista), m_todas);
    Panel4->setVisible(temLancamentos);
    pnlSaldos->setVisible(temLancamentos);
    lblInfo->setText(QStringLiteral("Período de: ") + FormatDateTime(QStringLiteral("dd/mm/yyyy"), m_de) +
                     QStringLiteral(" a ") + FormatDateTime(QStringLiteral("dd/mm/yyyy"), m_ate));
    m_alterando = -1;
    DefinirStatus(QStringLiteral("Inserindo"));
    // a new entry goes to the person the screen was opened for, and the header says so
    if (m_todas) {
        m_escolhida = m_pessoa;
        MostrarCabecalho(m_pessoa);
    }
    return true;
}

void TfrFinancas::btnSalvar_01Click()
{
    const int indice = PageControl1->currentIndex();
    const Pagina &p = m_paginas[indice];
    bool ok = false;
    const Money valor = p.valor->value(&ok);
    if (!ok) {
        Seams::messages().show(QStringLiteral("Valor inválido! Use o formato 1.234,56."),
                               MessageService::Kind::Warning);
        p.valor->setFocus();
        return;
    }

    TFinancas f;
    f.IdFinanca = m_alterando;
    f.IdPessoa = m_pessoa.Identificador;
    f.TipoPessoa = m_tipoPessoa;
    f.Valor = valor;
    f.Data = QDateToDateTime(p.data->date());
    f.FormaPagamento = quint8(qMax(0, p.forma->currentIndex()));
    f.Situacao = quint8(qMax(0, p.situacao->currentIndex()));
    f.TipoOperacao = quint8(indice);
    f.Obs = paraGravar(p.obs->toPlainText());
    f.Login = LoginAtual();

    if (m_alterando != -1) {
        if (m_todas)
            f.IdPessoa = m_escolhida.Identificador;
        if (f.Alterar() != Resultado::Gravado)
            return; // shown; what was typed stays
    } else if (p.parcelar->currentIndex() <= 0) {
        if (f.Inserir() != Resultado::Gravado)
            return;
    } else {
        const int quantidade = p.parcelar->currentIndex() + 1;
        Telas::RepetindoContas(this, f, quantidade,
                               (indice == 0 ? QStringLiteral("Repetindo Contas \"a pagar\" de ")
                                            : QStringLiteral("Repetindo Contas \"a receber\" de ")) +
                                   m_escolhida.Nome);
    }
    m_alterando = -1;
    Recarregar();
}

void TfrFinancas::btnCancelar_01Click()
{
    Recarregar();
}

const LancamentoFinanca *TfrFinancas::LancamentoAtual() const
{
    return m_modelo->lancamento(Grid->currentIndex().row());
}

void TfrFinancas::AtualizarMenu(const LancamentoFinanca *lancamento)
{
    const bool ha = lancamento != nullptr;
    for (QAction *a : {Aberto1, Quitado1, Exluir1, AlterarParaAPagar1})
        a->setEnabled(ha);
    if (!ha)
        return;
    Aberto1->setChecked(lancamento->Financa.Situacao == 0);
    Quitado1->setChecked(lancamento->Financa.Situacao == 1);
    AlterarParaAPagar1->setText(lancamento->Financa.TipoOperacao == 1
                                    ? QStringLiteral("Alterar para \"A Pagar\"")
                                    : QStringLiteral("Alterar para \"A Receber\""));
}

void TfrFinancas::Excluir(const LancamentoFinanca &lancamento)
{
    TFinancas f = lancamento.Financa;
    if (!Seams::messages().confirm(kExcluir))
        return;
    if (f.Excluir() == Resultado::Gravado)
        Recarregar();
}

void TfrFinancas::GridClick(const QModelIndex &index)
{
    const LancamentoFinanca *l = m_modelo->lancamento(index.row());
    if (!l)
        return; // the empty row stands for no entry
    if (Seams::keyboard().isKeyDown(kTeclaCtrl) && index.column() == FinancasModel::ColValor) {
        Excluir(*l);
        AtualizarMenu(LancamentoAtual());
        return;
    }
    AtualizarMenu(l);
}

void TfrFinancas::GridDblClick(const QModelIndex &index)
{
    const LancamentoFinanca *l = m_modelo->lancamento(index.row());
    if (!l)
        return;
    const qint32 id = l->Financa.IdFinanca;
    if (m_alterando != -1) {
        if (!Recarregar())
            return;
        const int linha = m_modelo->linhaDe(id);
        if (linha < 0)
            return; // gone meanwhile
        Grid->setCurrentIndex(m_modelo->index(linha, index.column()));
        l = m_modelo->lancamento(linha);
    }
    if (m_todas) {
        m_escolhida = l->Pessoa;
        MostrarCabecalho(m_escolhida);
    }
    m_modelo->destacar(m_modelo->linhaDe(id));
    const TFinancas &f = l->Financa;
    const int indice = f.TipoOperacao == 1 ? 1 : 0;
    Pagina &p = m_paginas[indice];
    p.data->setDate(DateTimeToQDate(f.Data));
    p.valor->setValue(f.Valor);
    p.forma->setCurrentIndex(f.FormaPagamento < p.forma->count() ? f.FormaPagamento : 0);
    p.situacao->setCurrentIndex(f.Situacao == 1 ? 1 : 0);
    p.obs->setPlainText(paraMemo(f.Obs));
    p.login->setText(QStringLiteral("Cadastrado por: ") + f.Login);
    PageControl1->setCurrentIndex(indice);
    m_alterando = id;
    DefinirStatus(QStringLiteral("Alterando"));
}

void TfrFinancas::GridMenu(const QPoint &posicao)
{
    const QModelIndex index = Grid->indexAt(posicao);
    if (index.isValid())
        Grid->setCurrentIndex(index);
    AtualizarMenu(LancamentoAtual());
    if (LancamentoAtual())
        POP_Menu->popup(Grid->viewport()->mapToGlobal(posicao));
}

void TfrFinancas::Aberto1Click()
{
    const LancamentoFinanca *l = LancamentoAtual();
    if (!l)
        return;
    TFinancas f = l->Financa;
    if (f.AlterarSituacao(0, LoginAtual()) == Resultado::Gravado)
        Recarregar();
}

void TfrFinancas::Quitado1Click()
{
    const LancamentoFinanca *l = LancamentoAtual();
    if (!l)
        return;
    TFinancas f = l->Financa;
    if (f.AlterarSituacao(1, LoginAtual()) == Resultado::Gravado)
        Recarregar();
}

void TfrFinancas::Exluir1Click()
{
    const LancamentoFinanca *l = LancamentoAtual();
    if (l)
        Excluir(*l);
}

void TfrFinancas::AlterarParaAPagar1Click()
{
    const LancamentoFinanca *l = LancamentoAtual();
    if (!l)
        return;
    TFinancas f = l->Financa;
    if (f.AlterarTipoOperacao(f.TipoOperacao == 1 ? 0 : 1, LoginAtual()) == Resultado::Gravado)
        Recarregar();
}

void TfrFinancas::JvArrowButton1Click()
{
    MesAtual();
    Recarregar();
}

void TfrFinancas::EntreDatas1Click()
{
    const QDate hoje = Seams::clock().now().date();
    const QDate primeiro = QDate(hoje.year(), hoje.month(), 1).addMonths(-1);
    const auto escolha = Telas::EscolherDatas(
        this, {QDateToDateTime(primeiro), QDateToDateTime(primeiro.addMonths(1).addDays(-1)), false}, true);
    if (!escolha)
        return;
    // the choice counts however the dialog was closed
    m_todas = escolha->todasAsPessoas;
    m_de = escolha->inicial;
    m_ate = escolha->final;
    if (!m_todas) {
        m_escolhida = m_pessoa;
        MostrarCabecalho(m_pessoa);
    }
    Recarregar();
}

void TfrFinancas::btnImprimirClick()
{
    ListaFinancas::Pagina pagina;
    pagina.TodasAsPessoas = m_todas;
    pagina.Pessoa = m_pessoa;
    pagina.De = m_de;
    pagina.Ate = m_ate;
    pagina.NomeUsuario = TUsuario::atual() ? TUsuario::atual()->Nome : QString();
    pagina.Agora = QDateTimeToDateTime(Seams::clock().now());
    GravarEAbrirPagina(QStringLiteral("Financas.html"),
                       ListaFinancas::LinhasPagina(pagina, m_modelo->lista()));
}

void TfrFinancas::btnPesquisarClick()
{
    Telas::Abrir(this, Telas::kFinancasPesquisa);
}
