#include "ui/reports/TfrRelPTotal.h"

#include "data/TDM.h"
#include "model/PesquisaRelPTotal.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/GroupListModel.h"
#include "ui/common/Telas.h"
#include "ui/reports/GradeRelModel.h"
#include "ui/search/FramePesquisa.h"
#include "util/TextUtils.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using T = PesquisaRelPTotal;

const QString kSecao = QStringLiteral("RelTotal");
const QString kChave = QStringLiteral("PageControl");

QPushButton *botaoOk(QWidget *pai, const char *nome)
{
    auto *b = new QPushButton(QStringLiteral("ok"), pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("ok")) * 4);
    return b;
}

void pintarLista(QComboBox *c)
{
    QAbstractItemView *v = c->view();
    v->setAlternatingRowColors(true);
    QPalette p = v->palette();
    p.setColor(QPalette::Base, GradeRelModel::corLinhaPar());
    p.setColor(QPalette::AlternateBase, GradeRelModel::corLinhaImpar());
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Highlight, GradeRelModel::corMarcada());
    p.setColor(QPalette::HighlightedText, Qt::blue);
    v->setPalette(p);
}

QComboBox *novaLista(QWidget *pai, const char *nome, const QStringList &itens)
{
    auto *c = new QComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->addItems(itens);
    c->setMaxVisibleItems(15);
    pintarLista(c);
    return c;
}

QGridLayout *novaAba(QTabWidget *abas, const char *nome, const QString &titulo)
{
    auto *aba = new QWidget(abas);
    aba->setObjectName(QString::fromLatin1(nome));
    abas->addTab(aba, titulo);
    auto *g = new QGridLayout(aba);
    g->setColumnStretch(1, 1);
    return g;
}

void linha(QGridLayout *aba, const QString &rotulo, QWidget *campo, QPushButton *botao)
{
    const int r = aba->rowCount();
    auto *l = new QLabel(rotulo, aba->parentWidget());
    l->setBuddy(campo);
    aba->addWidget(l, r, 0);
    aba->addWidget(campo, r, 1);
    aba->addWidget(botao, r, 2);
    aba->setRowStretch(r, 0);
    aba->setRowStretch(r + 1, 1);
}

} // namespace

TfrRelPTotal::TfrRelPTotal(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frRelPTotal"));
    setWindowTitle(QStringLiteral("Pesquisa Pessoa Jurídica, Fisica e Contato"));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    QGridLayout *aba = novaAba(PageControl, "TabSheet1", QStringLiteral("Nome"));
    edtNome = new QLineEdit(this);
    edtNome->setObjectName(QStringLiteral("edtNome"));
    edtNome->setProperty("tag", int(T::Nome));
    auto *btnProcuraNome = botaoOk(this, "btnProcuraNome");
    btnProcuraNome->setProperty("tag", int(T::Nome));
    for (QWidget *w : {static_cast<QWidget *>(edtNome), static_cast<QWidget *>(btnProcuraNome)})
        w->setToolTip(FramePesquisa::DicaNome());
    linha(aba, QStringLiteral("Nome Mais Específico"), edtNome, btnProcuraNome);
    QStringList letras;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (c != 'X')
            letras << QString(QLatin1Char(c));
    txtLetraIni = novaLista(this, "txtLetraIni", letras);
    auto *btnIniciaCom = botaoOk(this, "btnIniciaCom");
    btnIniciaCom->setProperty("tag", int(T::LetraInicial));
    linha(aba, QStringLiteral("Começando com"), txtLetraIni, btnIniciaCom);

    aba = novaAba(PageControl, "TabSheet2", QStringLiteral("Nascimento"));
    txtMes = novaLista(this, "txtMes",
                       {QStringLiteral("Janeiro"), QStringLiteral("Fevereiro"), QStringLiteral("Março"),
                        QStringLiteral("Abril"), QStringLiteral("Maio"), QStringLiteral("Junho"),
                        QStringLiteral("Julho"), QStringLiteral("Agosto"), QStringLiteral("Setembro"),
                        QStringLiteral("Outubro"), QStringLiteral("Novembro"), QStringLiteral("Dezembro")});
    auto *btnMes = botaoOk(this, "btnMes");
    linha(aba, QStringLiteral("Mês"), txtMes, btnMes);

    aba = novaAba(PageControl, "TabSheet3", QStringLiteral("Grupos"));
    txtGrupo = new QComboBox(this);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    txtGrupo->setToolTip(QStringLiteral("Escolha um grupo específico!"));
    pintarLista(txtGrupo);
    auto *SpeedButton1 = botaoOk(this, "SpeedButton1");
    SpeedButton1->setProperty("tag", int(T::Grupo));
    SpeedButton1->setToolTip(FramePesquisa::DicaNome());
    linha(aba, QStringLiteral("Nome do Grupo"), txtGrupo, SpeedButton1);

    GroupBox1 = new QGroupBox(QStringLiteral(" :: Lista de Pessoas Cadastradas :: "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GRIDPF = new QTableView(GroupBox1);
    GRIDPF->setObjectName(QStringLiteral("GRIDPF"));
    m_modelo = new GradeRelModel(
        {QStringLiteral("Nome"), QStringLiteral("Fone 1"), QStringLiteral("Fone 2"), QStringLiteral("Fone 3"),
         QStringLiteral("E-mail")},
        {}, {[this] { return int(m_linhas.size()); }, [this](int l, int c) { return texto(l, c); }, {}},
        this);
    GRIDPF->setModel(m_modelo);
    GRIDPF->verticalHeader()->hide();
    GRIDPF->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GRIDPF->verticalHeader()->setDefaultSectionSize(22);
    GRIDPF->setSelectionBehavior(QAbstractItemView::SelectRows);
    GRIDPF->setSelectionMode(QAbstractItemView::SingleSelection);
    GRIDPF->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GRIDPF->setWordWrap(false);
    {
        QPalette p = GRIDPF->palette();
        p.setColor(QPalette::Highlight, GradeRelModel::corLinhaImpar());
        p.setColor(QPalette::HighlightedText, Qt::black);
        GRIDPF->setPalette(p);
    }
    // a telephone of 11 digits must show whole, whatever the font
    const int fone = GRIDPF->fontMetrics().horizontalAdvance(QStringLiteral("(00)00000-0000")) + 14;
    const int larguras[] = {293, qMax(88, fone), qMax(86, fone), qMax(79, fone), 173};
    int total = 0;
    for (int c = 0; c < 5; ++c) {
        GRIDPF->setColumnWidth(c, larguras[c]);
        total += larguras[c];
    }
    GRIDPF->horizontalHeader()->setStretchLastSection(true);
    auto *caixa = new QVBoxLayout(GroupBox1);
    caixa->addWidget(GRIDPF);

    Panel22 = new QWidget(this);
    Panel22->setObjectName(QStringLiteral("Panel22"));
    btnExportar = new QPushButton(QStringLiteral("Exportar Contatos"), Panel22);
    btnExportar->setObjectName(QStringLiteral("btnExportar"));
    btnExportar->setAutoDefault(false);
    auto *painel = new QHBoxLayout(Panel22);
    painel->setContentsMargins(0, 0, 0, 0);
    painel->addWidget(btnExportar);
    painel->addStretch(1);

    auto *tudo = new QVBoxLayout(this);
    tudo->addWidget(PageControl);
    tudo->addWidget(GroupBox1, 1);
    tudo->addWidget(Panel22);
    Panel22->setVisible(false);
    resize(total + 60, 560);

    connect(edtNome, &QLineEdit::returnPressed, this, [this] { Pesquisar(T::Nome); });
    connect(btnProcuraNome, &QPushButton::clicked, this, [this] { Pesquisar(T::Nome); });
    connect(btnIniciaCom, &QPushButton::clicked, this, [this] { Pesquisar(T::LetraInicial); });
    connect(txtLetraIni, &QComboBox::activated, this, [this] { Pesquisar(T::LetraInicial); });
    connect(btnMes, &QPushButton::clicked, this, [this] { Pesquisar(T::MesNascimento); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { Pesquisar(T::Grupo); });
    connect(txtGrupo, &QComboBox::activated, this, [this] { Pesquisar(T::Grupo); });
    connect(GRIDPF, &QTableView::doubleClicked, this, &TfrRelPTotal::GRIDPFDblClick);
    connect(btnExportar, &QPushButton::clicked, this, &TfrRelPTotal::btnExportarClick);
}

TfrRelPTotal::~TfrRelPTotal()
{
    GRIDPF->setModel(nullptr);
}

void TfrRelPTotal::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrRelPTotal::FormShow()
{
    m_linhas.clear();
    MostrarResultado();
    CarregarGrupos();
    // the tab last used replaces the one the opener chose
    const int aba = ReadSettingInt(kSecao, kChave);
    if (aba >= 0 && aba < PageControl->count())
        PageControl->setCurrentIndex(aba);
}

void TfrRelPTotal::done(int resultado)
{
    WriteSettingInt(kSecao, kChave, PageControl->currentIndex());
    QDialog::done(resultado);
}

void TfrRelPTotal::CarregarGrupos()
{
    GroupListModel grupos(BancoDados());
    if (!grupos.recarregar())
        return;
    txtGrupo->clear();
    for (const TGrupo &g : grupos.grupos())
        txtGrupo->addItem(g.Nome, g.Codigo);
    txtGrupo->setCurrentIndex(txtGrupo->count() > 0 ? 0 : -1);
}

void TfrRelPTotal::Pesquisar(int busca)
{
    PesquisaRelPTotal p;
    p.Busca = busca;
    const TUsuario *usuario = TUsuario::atual();
    p.Login = usuario ? usuario->Login : QString();
    switch (busca) {
    case T::Nome: p.Texto = edtNome->text(); break;
    case T::LetraInicial: p.Texto = txtLetraIni->currentText(); break;
    case T::MesNascimento: p.Mes = txtMes->currentIndex() + 1; break;
    case T::Grupo:
        // nothing chosen (no groups at all): nobody is in it
        p.CodigoGrupo = txtGrupo->currentIndex() >= 0 ? txtGrupo->currentData().toInt() : -1;
        break;
    default: break;
    }
    const DbResult r = p.Executar(BancoDados(), m_linhas);
    MostrarResultado();
    if (!r)
        Seams::messages().show(r.texto(r.sql), MessageService::Kind::Error);
}

void TfrRelPTotal::MostrarResultado()
{
    m_modelo->recarregar();
    Panel22->setVisible(!m_linhas.isEmpty());
}

QString TfrRelPTotal::texto(int linha, int coluna) const
{
    const TPessoa_ &p = m_linhas.at(linha);
    switch (coluna) {
    case 0: return p.Nome;
    case 1: return FormatPhone(p.Fone1);
    case 2: return FormatPhone(p.Fone2);
    case 3: return FormatPhone(p.Fone3);
    case 4: return p.Fone4;
    default: return {};
    }
}

void TfrRelPTotal::GRIDPFDblClick(const QModelIndex &index)
{
    const int l = index.isValid() ? index.row() : -1;
    if (l < 0 || l >= m_linhas.size())
        return;
    m_modelo->marcar(l);
    const TPessoa_ p = m_linhas.at(l);
    switch (p.Tipo) {
    case TPessoa_::Fisica: Telas::PessoaFisica(this, p.Identificador); break;
    case TPessoa_::Juridica: Telas::PessoaJuridica(this, p.Identificador); break;
    case TPessoa_::Contato: Telas::AlterarContatoPJ(this, p.IdentificadorPJ, p.Identificador); break;
    default: break;
    }
    m_modelo->marcar(-1);
}

void TfrRelPTotal::btnExportarClick()
{
    // a company's contact person is no person of its own to export
    QList<qint32> fisicas;
    QList<qint32> juridicas;
    for (const TPessoa_ &p : std::as_const(m_linhas)) {
        if (p.Tipo == TPessoa_::Fisica)
            fisicas << p.Identificador;
        else if (p.Tipo == TPessoa_::Juridica)
            juridicas << p.Identificador;
    }
    if (fisicas.isEmpty() && juridicas.isEmpty()) {
        Seams::messages().show(QStringLiteral("A lista só tem contatos de empresas, que não são exportados."),
                               MessageService::Kind::Information);
        return;
    }
    Telas::ExportarContatos(this, fisicas, juridicas);
}
