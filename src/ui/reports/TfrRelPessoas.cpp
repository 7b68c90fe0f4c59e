#include "ui/reports/TfrRelPessoas.h"

#include "services/Desktop.h"
#include "services/Seams.h"
#include "ui/common/GroupList.h"
#include "ui/common/Help.h"
#include "ui/common/Telas.h"
#include "ui/reports/GradeRelModel.h"
#include "ui/search/FramePesquisa.h"
#include "util/PaginaHtml.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char *const kTag = "tag";

// the lists' colours: pale blue selection with blue text, black text on
// alternating white and pale green
void pintarLista(QComboBox *c)
{
    QAbstractItemView *v = c->view();
    if (!v)
        return;
    v->setAlternatingRowColors(true);
    QPalette p = v->palette();
    p.setColor(QPalette::Base, GradeRelModel::corLinhaPar());
    p.setColor(QPalette::AlternateBase, GradeRelModel::corLinhaImpar());
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Highlight, GradeRelModel::corMarcada());
    p.setColor(QPalette::HighlightedText, Qt::blue);
    v->setPalette(p);
}

const QStringList kEstados = {
    QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AP"), QStringLiteral("AM"),
    QStringLiteral("BA"), QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"),
    QStringLiteral("GO"), QStringLiteral("MA"), QStringLiteral("MT"), QStringLiteral("MS"),
    QStringLiteral("MG"), QStringLiteral("PA"), QStringLiteral("PB"), QStringLiteral("PR"),
    QStringLiteral("PE"), QStringLiteral("PI"), QStringLiteral("RJ"), QStringLiteral("RN"),
    QStringLiteral("RS"), QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("SC"),
    QStringLiteral("SP"), QStringLiteral("SE"), QStringLiteral("TO")};

QStringList letras()
{
    QStringList l;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (c != 'X')
            l << QString(QLatin1Char(c));
    return l;
}

} // namespace

TfrRelPessoas::TfrRelPessoas(const QString &titulo, QStringList cabecalhos, QList<int> colunasLink,
                             QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(titulo);
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setUsesScrollButtons(false);
    PageControl->tabBar()->setElideMode(Qt::ElideNone);

    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    m_modelo =
        new GradeRelModel(std::move(cabecalhos), std::move(colunasLink),
                          {[this] { return quantidade(); }, [this](int l, int c) { return texto(l, c); },
                           [this](int l) { return naGuia(l); }},
                          this);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->verticalHeader()->setDefaultSectionSize(22);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setWordWrap(false);
    Grid->installEventFilter(this);

    Panel22 = new QWidget(this);
    Panel22->setObjectName(QStringLiteral("Panel22"));
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), Panel22);
    btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    btnImprimir->setAutoDefault(false);
    btnExportar = new QPushButton(QStringLiteral("Exportar Contatos"), Panel22);
    btnExportar->setObjectName(QStringLiteral("btnExportar"));
    btnExportar->setAutoDefault(false);
    Label1 =
        new QLabel(QStringLiteral("Para alterar dê dois cliques sobre o nome da pessoa. Para excluir uma "
                                  "pessoa pressione as teclas CTRL + SHIFT e clique sobre o nome da pessoa."),
                   Panel22);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    auto *painel = new QHBoxLayout(Panel22);
    painel->setContentsMargins(0, 0, 0, 0);
    painel->addWidget(btnImprimir);
    painel->addWidget(btnExportar);
    painel->addWidget(Label1, 1);

    connect(Grid, &QTableView::clicked, this, &TfrRelPessoas::GridClick);
    connect(Grid, &QTableView::doubleClicked, this, &TfrRelPessoas::GridDblClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TfrRelPessoas::btnImprimirClick);
    connect(btnExportar, &QPushButton::clicked, this, &TfrRelPessoas::btnExportarClick);
}

TfrRelPessoas::~TfrRelPessoas()
{
    // the subclass's list is gone by now: nothing may read it any more
    Grid->setModel(nullptr);
}

QGridLayout *TfrRelPessoas::novaAba(const char *nome, const QString &titulo)
{
    auto *aba = new QWidget(PageControl);
    aba->setObjectName(QString::fromLatin1(nome));
    PageControl->addTab(aba, titulo);
    auto *g = new QGridLayout(aba);
    g->setColumnStretch(1, 1);
    return g;
}

void TfrRelPessoas::linha(QGridLayout *aba, const QString &rotulo, QWidget *campo, QPushButton *botao)
{
    const int r = aba->rowCount();
    auto *l = new QLabel(rotulo, aba->parentWidget());
    l->setBuddy(campo);
    aba->addWidget(l, r, 0);
    aba->addWidget(campo, r, 1);
    if (botao)
        aba->addWidget(botao, r, 2);
    aba->setRowStretch(r + 1, 1);
    aba->setRowStretch(r, 0);
}

QPushButton *TfrRelPessoas::botaoOk(const char *nome, int filtro)
{
    auto *b = new QPushButton(QStringLiteral("ok"), this);
    b->setObjectName(QString::fromLatin1(nome));
    b->setProperty(kTag, filtro);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("ok")) * 4);
    connect(b, &QPushButton::clicked, this, [this, filtro] { Pesquisar(filtro); });
    return b;
}

QLineEdit *TfrRelPessoas::edit(const char *nome, int filtro, int maximo)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(nome));
    e->setProperty(kTag, filtro);
    if (maximo > 0)
        e->setMaxLength(maximo);
    connect(e, &QLineEdit::returnPressed, this, [this, filtro] { Pesquisar(filtro); });
    return e;
}

QComboBox *TfrRelPessoas::lista(const char *nome, const QStringList &itens, int filtro)
{
    auto *c = new QComboBox(this);
    c->setObjectName(QString::fromLatin1(nome));
    c->addItems(itens);
    c->setMaxVisibleItems(15);
    pintarLista(c);
    if (filtro >= 0)
        connect(c, &QComboBox::activated, this, [this, filtro] { Pesquisar(filtro); });
    return c;
}

QString TfrRelPessoas::dicaTelefone(const QString &primeiraLinha)
{
    return primeiraLinha +
           QStringLiteral(
               "\r\nInforme apenas números!\r\nVocê poderá informar um número completo ou parte de "
               "um número\r\nPor exemplo: \r\n   Para consultar pelo DDD insira o número do DDD\r\n  "
               " Para consultar por parte do número do fone insira esta parte, por exemplo, "
               "prefixo 285");
}

QLineEdit *TfrRelPessoas::telefone(QGridLayout *aba, const char *nomeEdit, const char *nomeBotao,
                                   const QString &rotulo, const QString &dica, int filtro)
{
    QLineEdit *e = edit(nomeEdit, filtro, 15);
    e->setToolTip(dica);
    auto *b = new QPushButton(QStringLiteral("ok"), this);
    b->setObjectName(QString::fromLatin1(nomeBotao));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("ok")) * 4);
    connect(b, &QPushButton::clicked, this, [this, e, filtro] {
        if (!e->text().isEmpty())
            Pesquisar(filtro);
    });
    linha(aba, rotulo, e, b);
    return e;
}

void TfrRelPessoas::abaNome(int filtroNome, int filtroFonetico, int filtroLetra,
                            const std::function<void(QGridLayout *)> &extra)
{
    QGridLayout *aba = novaAba("TabSheet1", QStringLiteral("Nome"));
    edtNome = edit("edtNome", filtroNome);
    QPushButton *btnProcuraNome = botaoOk("btnProcuraNome", filtroNome);
    for (QWidget *w : {static_cast<QWidget *>(edtNome), static_cast<QWidget *>(btnProcuraNome)})
        w->setToolTip(FramePesquisa::DicaNome());
    linha(aba, QStringLiteral("Nome Mais Específico"), edtNome, btnProcuraNome);
    edtNomeF = edit("edtNomeF", filtroFonetico);
    QPushButton *SpeedButton10 = botaoOk("SpeedButton10", filtroFonetico);
    for (QWidget *w : {static_cast<QWidget *>(edtNomeF), static_cast<QWidget *>(SpeedButton10)})
        w->setToolTip(FramePesquisa::DicaFonetica());
    linha(aba, QStringLiteral("Nome Mais Abrangente (Fonética)"), edtNomeF, SpeedButton10);
    if (extra)
        extra(aba);
    txtLetraIni = lista("txtLetraIni", letras(), filtroLetra);
    linha(aba, QStringLiteral("Começando com"), txtLetraIni, botaoOk("btnIniciaCom", filtroLetra));
}

void TfrRelPessoas::abaEndereco(int rua, int bairro, int cidade, int estado, bool botaoExtraBairro)
{
    QGridLayout *aba = novaAba("TabSheet4", QStringLiteral("Endereço"));
    edtRua = edit("edtRua", rua);
    linha(aba, QStringLiteral("Rua"), edtRua, botaoOk("btnRua", rua));
    edtBairro = edit("edtBairro", bairro);
    linha(aba, QStringLiteral("Bairro"), edtBairro, botaoOk("btnBairro", bairro));
    if (botaoExtraBairro)
        aba->addWidget(botaoOk("SpeedButton2", bairro), aba->rowCount() - 2, 3);
    edtCidade = edit("edtCidade", cidade);
    linha(aba, QStringLiteral("Cidade"), edtCidade, botaoOk("btnCidade", cidade));
    edtEstado = lista("edtEstado", kEstados, estado);
    linha(aba, QStringLiteral("Estado"), edtEstado, botaoOk("btnEstado", estado));
}

void TfrRelPessoas::abaGrupo(int filtro)
{
    QGridLayout *aba = novaAba("TabSheet5", QStringLiteral("Grupo"));
    txtGrupo = new GroupList(this);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    pintarLista(txtGrupo);
    auto *SpeedButton3 = new QPushButton(QStringLiteral("ok"), this);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setAutoDefault(false);
    SpeedButton3->setFocusPolicy(Qt::NoFocus);
    // nothing to search for without a group; the code comes from the item
    auto porGrupo = [this, filtro] {
        if (txtGrupo->codigoSelecionado() >= 0)
            Pesquisar(filtro);
    };
    connect(SpeedButton3, &QPushButton::clicked, this, porGrupo);
    connect(txtGrupo, &QComboBox::activated, this, porGrupo);
    linha(aba, QStringLiteral("Grupo"), txtGrupo, SpeedButton3);
}

void TfrRelPessoas::montar()
{
    Grid->setModel(m_modelo);
    QHeaderView *h = Grid->horizontalHeader();
    const int digito = Grid->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    // the name takes what the history, telephone and link columns leave
    for (int c = 0; c < m_modelo->columnCount(); ++c)
        Grid->setColumnWidth(c, c == 0 ? 10 * digito : c <= 4 ? 15 * digito : 13 * digito);
    h->setSectionResizeMode(1, QHeaderView::Stretch);
    auto *tudo = new QVBoxLayout(this);
    tudo->addWidget(PageControl);
    tudo->addWidget(Grid, 1);
    tudo->addWidget(Panel22);
    Panel22->setVisible(false);
    const int larguraAbas = PageControl->tabBar()->sizeHint().width() + 40;
    resize(qMax(larguraAbas, 122 * digito), 620);
    setMinimumWidth(larguraAbas);
}

void TfrRelPessoas::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrRelPessoas::FormShow()
{
    MostrarResultado();
    CarregarGrupos();
}

void TfrRelPessoas::Pesquisar(int filtro)
{
    if (filtro < 0)
        return;
    m_ultimoFiltro = filtro;
    const DbResult r = executar(filtro);
    MostrarResultado();
    if (!r)
        Seams::messages().show(mensagemDeErro(r), MessageService::Kind::Error);
}

void TfrRelPessoas::MostrarResultado()
{
    m_modelo->recarregar();
    Panel22->setVisible(quantidade() > 0);
}

void TfrRelPessoas::CarregarGrupos()
{
    if (txtGrupo)
        (void)txtGrupo->recarregar();
}

void TfrRelPessoas::GridClick(const QModelIndex &index)
{
    // the blank row of an empty list and the space below the rows are nobody
    const int l = index.isValid() ? index.row() : -1;
    if (l < 0 || l >= quantidade())
        return;
    const KeyboardState &teclado = Seams::keyboard();
    if (index.column() == 1) {
        if (!teclado.isKeyDown(KeyboardState::Control) || !teclado.isKeyDown(KeyboardState::Shift))
            return;
        const QString nome = nomeDe(l);
        if (!Seams::messages().confirm(QStringLiteral("Deseja excluir \"") + nome +
                                       QStringLiteral("\" agora?")))
            return;
        if (excluir(l) == Resultado::Falhou)
            Seams::messages().show(QStringLiteral("Não foi possível excluir \"") + nome +
                                       QStringLiteral("\"."),
                                   MessageService::Kind::Error);
        Pesquisar(m_ultimoFiltro);
        return;
    }
    abrirColuna(l, index.column());
}

void TfrRelPessoas::GridDblClick(const QModelIndex &index)
{
    const int l = index.isValid() ? index.row() : -1;
    if (l < 0 || l >= quantidade())
        return;
    m_modelo->marcar(l);
    abrirParaAlterar(l);
    Pesquisar(m_ultimoFiltro);
}

void TfrRelPessoas::btnImprimirClick()
{
    GravarEAbrirPagina(QStringLiteral("Acomp.html"), pagina());
}

void TfrRelPessoas::btnExportarClick()
{
    QList<qint32> fisicas;
    QList<qint32> juridicas;
    escolhidos(fisicas, juridicas);
    Telas::ExportarContatos(this, fisicas, juridicas);
}

void TfrRelPessoas::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(paginaDeAjuda());
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrRelPessoas::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Grid && event->type() == QEvent::KeyPress) {
        const int l = Grid->currentIndex().isValid() ? Grid->currentIndex().row() : -1;
        teclaNaGrade(static_cast<QKeyEvent *>(event)->key(), l < quantidade() ? l : -1);
    }
    return QDialog::eventFilter(watched, event);
}
