#include "ui/search/FramePesquisa.h"

#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/common/GroupList.h"
#include "ui/search/ResultadoPesquisaModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char *const kTag = "tag";

const QString kDicaNome =
    QStringLiteral("Usando esta forma de pesquisa você achará a palavra conforme ela foi cadastrada.\n"
                   "\n"
                   "Por exemplo, se foi cadastrado Kátia você não achará Catia nem Katia.\n"
                   "\n"
                   "O lado bom desta forma de pesquisa é que o resultado é bastante preciso.\n"
                   "\n"
                   "Por exemplo se você procurar por \"Ana\" poderá achar:\n"
                   "\n"
                   "Ana Maria de Souza\n"
                   "Maria Luciana\n"
                   "Maria Ana Pereira \n"
                   "e assim por diante.");

const QString kDicaFonetica = QStringLiteral(
    "Usando esta forma de pesquisa você fará uma busca fonética.\n"
    "Desta forma teremos uma busca bastante abrangente.\n"
    "\n"
    "Por exemplo, se você procurar por Kátia achará Catia, Katia e assim por diante.\n"
    "O incoveniente desta forma de pesquisar é que você poderá ter muitos resultados em sua pesquisa.");

QPushButton *botaoOk(const char *nome, QWidget *parent)
{
    auto *b = new QPushButton(QStringLiteral("ok"), parent);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

FramePesquisa::FramePesquisa(QStringList cabecalhos, QWidget *parent) : QWidget(parent)
{
    GroupBox1 = new QGroupBox(QStringLiteral("  :: Nome :: "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label2 = new QLabel(QStringLiteral("Mais Específica"), GroupBox1);
    Label2->setObjectName(QStringLiteral("Label2"));
    edtNome = new QLineEdit(GroupBox1);
    edtNome->setObjectName(QStringLiteral("edtNome"));
    SpeedButton1 = botaoOk("SpeedButton1", GroupBox1);
    Label1 = new QLabel(QStringLiteral("Mais Abrangente (Fonética)"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    edtNomeF = new QLineEdit(GroupBox1);
    edtNomeF->setObjectName(QStringLiteral("edtNomeF"));
    SpeedButton4 = botaoOk("SpeedButton4", GroupBox1);
    for (QWidget *w : {static_cast<QWidget *>(edtNome), static_cast<QWidget *>(SpeedButton1)}) {
        w->setProperty(kTag, ModoNome);
        w->setToolTip(kDicaNome);
    }
    for (QWidget *w : {static_cast<QWidget *>(edtNomeF), static_cast<QWidget *>(SpeedButton4)}) {
        w->setProperty(kTag, ModoFonetico);
        w->setToolTip(kDicaFonetica);
    }

    GroupBox3 = new QGroupBox(QStringLiteral(" :: Grupo :: "), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    txtGrupo = new GroupList(GroupBox3);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    // drawn like the entry screens' group list: pale blue selection with
    // blue text, black text on alternating white and pale green
    if (QAbstractItemView *lista = txtGrupo->view()) {
        lista->setAlternatingRowColors(true);
        QPalette p = lista->palette();
        p.setColor(QPalette::Base, ResultadoPesquisaModel::corLinhaPar());
        p.setColor(QPalette::AlternateBase, ResultadoPesquisaModel::corLinhaImpar());
        p.setColor(QPalette::Text, Qt::black);
        p.setColor(QPalette::Highlight, QColor(204, 229, 255));
        p.setColor(QPalette::HighlightedText, Qt::blue);
        lista->setPalette(p);
    }
    SpeedButton3 = botaoOk("SpeedButton3", GroupBox3);

    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    m_modelo = new ResultadoPesquisaModel(std::move(cabecalhos),
                                          {[this] { return quantidade(); },
                                           [this](int l, int c) { return texto(l, c); },
                                           [this](int l) { return naGuia(l); }},
                                          this);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 6);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setWordWrap(false);
    Grid->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: blue; color: white; font-weight: bold; }"));
    Grid->viewport()->installEventFilter(this);
}

void FramePesquisa::montar(QWidget *extra)
{
    // here, not in the constructor: the model asks the panel for its rows
    Grid->setModel(m_modelo);
    // the name takes whatever room the other columns leave
    QHeaderView *cabecalho = Grid->horizontalHeader();
    const int digito = Grid->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int larguras[] = {7 * digito, 0, 16 * digito, 16 * digito, 13 * digito};
    for (int coluna = 0; coluna < m_modelo->columnCount(); ++coluna)
        if (coluna < 5 && larguras[coluna] > 0)
            Grid->setColumnWidth(coluna, larguras[coluna]);
    cabecalho->setSectionResizeMode(1, QHeaderView::Stretch);
    auto *nomes = new QGridLayout(GroupBox1);
    nomes->addWidget(Label2, 0, 0, 1, 2);
    nomes->addWidget(edtNome, 1, 0);
    nomes->addWidget(SpeedButton1, 1, 1);
    nomes->addWidget(Label1, 2, 0, 1, 2);
    nomes->addWidget(edtNomeF, 3, 0);
    nomes->addWidget(SpeedButton4, 3, 1);
    auto *grupo = new QHBoxLayout(GroupBox3);
    grupo->addWidget(txtGrupo, 1);
    grupo->addWidget(SpeedButton3);

    auto *caixas = new QVBoxLayout;
    caixas->addWidget(GroupBox1);
    if (extra)
        caixas->addWidget(extra);
    caixas->addWidget(GroupBox3);
    caixas->addStretch();
    auto *tudo = new QHBoxLayout(this);
    tudo->addLayout(caixas);
    tudo->addWidget(Grid, 1);

    connect(SpeedButton1, &QPushButton::clicked, this, &FramePesquisa::SpeedButton1Click);
    connect(SpeedButton4, &QPushButton::clicked, this, &FramePesquisa::SpeedButton1Click);
    connect(edtNome, &QLineEdit::returnPressed, this, &FramePesquisa::edtNomeKeyDown);
    connect(edtNomeF, &QLineEdit::returnPressed, this, &FramePesquisa::edtNomeKeyDown);
    connect(SpeedButton3, &QPushButton::clicked, this, &FramePesquisa::SpeedButton3Click);
    connect(txtGrupo, &QComboBox::activated, this, &FramePesquisa::txtGrupoCloseUp);
    m_foco = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *antes, QWidget *agora) {
        if (agora && isAncestorOf(agora) && !(antes && isAncestorOf(antes)))
            FrameEnter();
    });
}

FramePesquisa::~FramePesquisa()
{
    // the panel's list is gone by now, and closing the window still moves
    // the focus and repaints: nothing may reach the list any more
    disconnect(m_foco);
    Grid->setModel(nullptr);
}

std::optional<PesquisaNome> FramePesquisa::pesquisa(int modo) const
{
    PesquisaNome p;
    if (modo == modoGrupo()) {
        p.Criterio = PesquisaNome::Por::Grupo;
        p.Grupo = txtGrupo->codigoSelecionado();
    } else if (modo == ModoNome) {
        p.Criterio = PesquisaNome::Por::Nome;
        p.Texto = edtNome->text();
    } else if (modo == ModoFonetico) {
        p.Criterio = PesquisaNome::Por::Fonetica;
        p.Texto = edtNomeF->text();
    } else {
        return std::nullopt;
    }
    return p;
}

QString FramePesquisa::comandoDe(int modo) const
{
    const std::optional<PesquisaNome> p = pesquisa(modo);
    return p ? comando(p->Criterio) : QString();
}

void FramePesquisa::Pesquisar(int modo)
{
    m_indiceEscolhido = -1;
    std::optional<PesquisaNome> p = pesquisa(modo);
    const QString sql = p ? comando(p->Criterio) : QString();
    if (sql.isEmpty())
        return;
    const TUsuario *usuario = TUsuario::atual();
    p->Login = usuario ? usuario->Login : QString();
    const DbResult r = buscar(*p);
    MostrarResultado();
    if (!r)
        Seams::messages().show(r.error + QStringLiteral("\r\n") + (r.sql.isEmpty() ? sql : r.sql),
                               MessageService::Kind::Error);
}

QString FramePesquisa::DicaNome()
{
    return kDicaNome;
}

QString FramePesquisa::DicaFonetica()
{
    return kDicaFonetica;
}

void FramePesquisa::MostrarResultado()
{
    m_modelo->recarregar();
}

void FramePesquisa::CarregarGrupos()
{
    txtGrupo->recarregar();
    txtGrupo->setCurrentIndex(-1);
}

bool FramePesquisa::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Grid->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex i = Grid->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        m_linhaClicada = i.isValid() ? i.row() : -1;
        GridDblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FramePesquisa::SpeedButton1Click()
{
    if (const QObject *botao = sender())
        Pesquisar(botao->property(kTag).toInt());
}

void FramePesquisa::edtNomeKeyDown()
{
    if (const QObject *edit = sender())
        Pesquisar(edit->property(kTag).toInt());
}

void FramePesquisa::SpeedButton3Click()
{
    if (txtGrupo->codigoSelecionado() >= 0)
        Pesquisar(modoGrupo());
}

void FramePesquisa::txtGrupoCloseUp()
{
    SpeedButton3Click();
}

void FramePesquisa::GridDblClick()
{
    // the row under the pointer, not the current row: a double-click on the
    // blank row or below the rows picks nobody
    m_indiceEscolhido = m_linhaClicada >= 0 && m_linhaClicada < quantidade() ? m_linhaClicada : -1;
    m_linhaClicada = -1;
    emit gradeDuploClique();
}

void FramePesquisa::FrameEnter()
{
    MostrarResultado();
    m_indiceEscolhido = -1;
}
