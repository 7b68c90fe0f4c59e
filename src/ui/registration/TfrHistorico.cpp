#include "ui/registration/TfrHistorico.h"

#include "app/ProgramFolder.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "services/Desktop.h"
#include "services/Seams.h"
#include "ui/common/Help.h"
#include "ui/common/ImagemJpeg.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/common/Telas.h"
#include "ui/registration/HistoricoModel.h"
#include "util/DateTime.h"
#include "util/PaginaHtml.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QAction>
#include <QDateEdit>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The memo works with "\n"; entries are stored with "\r\n", as typed on the
// desktop the program was made for.
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

} // namespace

TfrHistorico::TfrHistorico(THistorico &historico, QWidget *parent) : QDialog(parent), Historico(historico)
{
    setObjectName(QStringLiteral("frHistorico"));
    setWindowTitle(QStringLiteral("Histórico"));
    setModal(true);
    criarControles();
    TeclasDeEntrada::Aplicar(this);

    connect(btnEnviar, &QPushButton::clicked, this, &TfrHistorico::btnEnviarClick);
    connect(btnSair, &QPushButton::clicked, this, &TfrHistorico::btnSairClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrHistorico::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrHistorico::SpeedButton2Click);
    connect(JvArrowButton1, &QToolButton::clicked, this, &TfrHistorico::JvArrowButton1Click);
    connect(EntreDatas1, &QAction::triggered, this, &TfrHistorico::EntreDatas1Click);
    connect(btnProcuraImagem, &QPushButton::clicked, this, &TfrHistorico::btnProcuraImagemClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TfrHistorico::btnImprimirClick);
    connect(Grid, &QTableView::clicked, this, &TfrHistorico::GridCellClick);
    connect(Grid, &QTableView::doubleClicked, this, &TfrHistorico::GridDblClick);
}

TfrHistorico::~TfrHistorico() = default;

void TfrHistorico::DefinirPessoa(const TPessoaFisica &pessoa)
{
    Historico.IdenPessoa = pessoa.Identificador;
    Historico.TipoPessoa = 0;
    Historico.Identificador = -1;
    NomePessoa = pessoa.Nome;
    Nome = pessoa.Nome;
    Cidade = pessoa.Endereco.Cidade;
    UF = pessoa.Endereco.Estado;
    Fone1 = pessoa.FoneResidencial;
    Fone2 = pessoa.FoneComercial;
    Fone3 = pessoa.FoneCelular;
    Email = pessoa.Email;
    Email2 = pessoa.MSN;
}

void TfrHistorico::DefinirPessoa(const TPessoaJuridica &empresa)
{
    Historico.IdenPessoa = empresa.Identificador;
    Historico.TipoPessoa = 1;
    Historico.Identificador = -1;
    NomePessoa = empresa.Nome;
    Nome = empresa.Nome;
    Cidade = empresa.Endereco.Cidade;
    UF = empresa.Endereco.Estado;
    Fone1 = empresa.Fone;
    Fone2 = empresa.FoneFax;
    Fone3 = empresa.Fone0800;
    Email = empresa.Email;
    Email2 = empresa.HomePage;
}

void TfrHistorico::criarControles()
{
    auto botao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    btnEnviar = botao("btnEnviar", QStringLiteral("Salvar"));
    SpeedButton1 = botao("SpeedButton1", QStringLiteral("Cancelar"));
    SpeedButton2 = botao("SpeedButton2", QStringLiteral("Excluir Todos"));
    btnSair = botao("btnSair", QStringLiteral("Sair"));

    JvArrowButton1 = new QToolButton(this);
    JvArrowButton1->setObjectName(QStringLiteral("JvArrowButton1"));
    JvArrowButton1->setText(QStringLiteral("Mostrar Todos"));
    JvArrowButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    JvArrowButton1->setPopupMode(QToolButton::MenuButtonPopup);
    auto *PopupMenu1 = new QMenu(JvArrowButton1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    EntreDatas1 = PopupMenu1->addAction(QStringLiteral("Entre Datas"));
    EntreDatas1->setObjectName(QStringLiteral("EntreDatas1"));
    JvArrowButton1->setMenu(PopupMenu1);

    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));

    edtTexto = new QPlainTextEdit(this);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    edtTexto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edtTexto->setTabChangesFocus(true);

    edtPathImagem = new QLineEdit(this);
    edtPathImagem->setObjectName(QStringLiteral("edtPathImagem"));
    edtPathImagem->setReadOnly(true);
    btnProcuraImagem = botao("btnProcuraImagem", QStringLiteral("..."));
    btnProcuraImagem->setMaximumWidth(32);

    m_modelo = new HistoricoModel(this);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(m_modelo);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setWordWrap(false);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 6);
    Grid->horizontalHeader()->setSectionResizeMode(HistoricoModel::ColData, QHeaderView::Fixed);
    Grid->horizontalHeader()->setSectionResizeMode(HistoricoModel::ColTexto, QHeaderView::Stretch);
    Grid->horizontalHeader()->setSectionResizeMode(HistoricoModel::ColImagem, QHeaderView::Fixed);
    Grid->setColumnWidth(HistoricoModel::ColData, 90);
    Grid->setColumnWidth(HistoricoModel::ColImagem, 90);

    pnlImprimir = new QWidget(this);
    pnlImprimir->setObjectName(QStringLiteral("pnlImprimir"));
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), pnlImprimir);
    btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    auto *lblExcluir = new QLabel(
        QStringLiteral("Para EXCLUIR uma linha selecione-a e pressione a tecla DELETE"), pnlImprimir);
    auto *painel = new QHBoxLayout(pnlImprimir);
    painel->setContentsMargins(0, 0, 0, 0);
    painel->addWidget(btnImprimir);
    painel->addWidget(lblExcluir, 1);
    pnlImprimir->setVisible(false);
    QSizePolicy politica = pnlImprimir->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    pnlImprimir->setSizePolicy(politica);

    auto *barra = new QHBoxLayout;
    barra->addWidget(btnEnviar);
    barra->addWidget(SpeedButton1);
    barra->addWidget(SpeedButton2);
    barra->addWidget(JvArrowButton1);
    barra->addStretch(1);
    barra->addWidget(btnSair);

    auto *lblData = new QLabel(QStringLiteral("Data"), this);
    lblData->setBuddy(DateTimePicker1);
    auto *lblTexto = new QLabel(QStringLiteral("Texto"), this);
    lblTexto->setBuddy(edtTexto);
    auto *lblImagem = new QLabel(QStringLiteral("Localize a Imagem (JPG)"), this);
    lblImagem->setBuddy(edtPathImagem);
    auto *imagem = new QHBoxLayout;
    imagem->addWidget(edtPathImagem, 1);
    imagem->addWidget(btnProcuraImagem);

    auto *entrada = new QGridLayout;
    entrada->addWidget(lblData, 0, 0);
    entrada->addWidget(DateTimePicker1, 1, 0, Qt::AlignTop);
    entrada->addWidget(lblTexto, 0, 1);
    entrada->addWidget(edtTexto, 1, 1);
    entrada->addWidget(lblImagem, 2, 1);
    entrada->addLayout(imagem, 3, 1);
    entrada->setColumnStretch(1, 1);
    edtTexto->setFixedHeight(edtTexto->fontMetrics().lineSpacing() * 6 + 12);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(barra);
    layout->addLayout(entrada);
    layout->addWidget(Grid, 1);
    layout->addWidget(pnlImprimir);
    resize(720, 560);

    // the screen sees the keys first (F1 wherever the focus is)
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

void TfrHistorico::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada && !event->spontaneous()) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrHistorico::FormShow()
{
    DateTimePicker1->setDate(Seams::clock().now().date());
    setWindowTitle(QStringLiteral("Inserindo Histórico para ") + NomePessoa);
    m_filtro = 0;
    Carregar();
    SpeedButton2->setToolTip(QStringLiteral("Clique AQUI para excluir todo o histórico dessa pessoa.\nPara "
                                            "excluir um item selecione na tabela abaixo e tecle DELETE"));
}

bool TfrHistorico::Carregar()
{
    QList<ItemHistorico> itens;
    const DbResult r =
        m_filtro == 1 ? Historico.ListarEntre(m_data1, m_data2, itens) : Historico.Listar(itens);
    if (!r) {
        Seams::messages().show(QStringLiteral("Erro!!"), MessageService::Kind::Error);
        return false;
    }
    m_modelo->setItens(std::move(itens));
    pnlImprimir->setVisible(m_modelo->rowCount() > 0);
    return true;
}

void TfrHistorico::ModoInclusao()
{
    Historico.Identificador = -1;
    setWindowTitle(QStringLiteral("Inserindo Histórico para ") + NomePessoa);
    edtTexto->clear();
    edtPathImagem->clear();
}

void TfrHistorico::btnEnviarClick()
{
    const QDate data = DateTimePicker1->date();
    if (!data.isValid()) {
        Seams::messages().show(QStringLiteral("Data Inválida!"), MessageService::Kind::Warning);
        return;
    }
    if (edtTexto->toPlainText().isEmpty()) {
        Seams::messages().show(QStringLiteral("O campo TEXTO não pode ficar em branco!"),
                               MessageService::Kind::Warning);
        edtTexto->setFocus();
        return;
    }

    THistorico registro = Historico;
    registro.Data = QDateToDateTime(data);
    registro.Texto = paraGravar(edtTexto->toPlainText());

    // The path is only ever set by the chooser: a path that no longer reads
    // as a picture is said so, instead of saving the entry without it.
    QByteArray imagem;
    const QString caminho = edtPathImagem->text();
    if (!caminho.isEmpty()) {
        QString erro;
        if (!LerImagemParaGravar(caminho, imagem, erro)) {
            Seams::messages().show(erro, MessageService::Kind::Warning);
            return;
        }
    }

    Resultado r;
    if (registro.Identificador == -1) {
        r = registro.Inserir(imagem);
    } else {
        r = registro.Alterar(imagem, imagem.isEmpty());
        // the change reports nothing of its own: the entry may have been
        // deleted meanwhile, or the database refused it
        if (r == Resultado::Falhou && registro.TextoRecusado().isEmpty())
            Seams::messages().show(QStringLiteral("Não foi possível alterar o item de histórico."),
                                   MessageService::Kind::Error);
    }
    if (r != Resultado::Gravado)
        return; // what was typed stays, to be corrected or saved again
    Historico.Data = registro.Data;
    Historico.Texto = registro.Texto;
    Carregar();
    ModoInclusao();
}

void TfrHistorico::btnSairClick()
{
    close();
}

void TfrHistorico::SpeedButton1Click()
{
    ModoInclusao();
}

void TfrHistorico::SpeedButton2Click()
{
    if (!Seams::messages().confirm(QStringLiteral("Esta operação excluirá TODOS os items de histórico de ") +
                                   NomePessoa + QStringLiteral(".") + QStringLiteral("\r\n") +
                                   QStringLiteral(" Deseja Continuar?")))
        return;
    // a failed delete has been shown; the list shows what is stored either way
    [[maybe_unused]] const Resultado r = Historico.ExcluirDaPessoa();
    Historico.Identificador = -1;
    Carregar();
}

void TfrHistorico::JvArrowButton1Click()
{
    m_filtro = 0;
    Carregar();
}

void TfrHistorico::EntreDatas1Click()
{
    const auto periodo = Telas::EscolherDatas(this);
    if (!periodo)
        return;
    // the dates count however the dialog was closed
    m_data1 = periodo->inicial;
    m_data2 = periodo->final;
    m_filtro = 1;
    Carregar();
}

void TfrHistorico::btnProcuraImagemClick()
{
    const QString arquivo = Seams::input().openFileName(QStringLiteral("Imagem a ser anexada ao histórico"),
                                                        QString(), FiltroImagensJpeg());
    if (!arquivo.isEmpty())
        edtPathImagem->setText(arquivo);
}

void TfrHistorico::GridCellClick(const QModelIndex &index)
{
    if (index.column() != HistoricoModel::ColImagem)
        return;
    const ItemHistorico *item = m_modelo->item(index.row());
    if (!item || !item->TemImagem)
        return;
    Telas::MostraImg(this, item->Identificador, QStringLiteral("Imagem do Histórido de: ") + NomePessoa);
    Carregar();
}

void TfrHistorico::GridDblClick(const QModelIndex &index)
{
    const ItemHistorico *item = m_modelo->item(index.row());
    if (!item)
        return;
    Historico.Identificador = item->Identificador;
    DateTimePicker1->setDate(DateTimeToQDate(item->Data));
    edtTexto->setPlainText(paraMemo(item->Texto));
    setWindowTitle(QStringLiteral("Alterando Histórico de ") + NomePessoa);
}

void TfrHistorico::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event);
    if (!event->isAccepted())
        QDialog::keyPressEvent(event);
}

bool TfrHistorico::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        FormKeyDown(key);
        if (key->isAccepted())
            return true;
        if (watched == Grid) {
            GridKeyDown(key);
            if (key->isAccepted())
                return true;
        }
        key->setAccepted(true); // Qt's default for the widget that gets it
    }
    return QDialog::eventFilter(watched, event);
}

void TfrHistorico::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("historico.htm"));
        event->accept();
        return;
    }
    event->ignore();
}

void TfrHistorico::GridKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Delete) {
        event->ignore();
        return;
    }
    event->accept();
    const ItemHistorico *item = m_modelo->item(Grid->currentIndex().row());
    if (!item)
        return;
    const qint32 id = item->Identificador;
    if (!Seams::messages().confirm(QStringLiteral("Esta operação excluirá o item de histórico selecionado.") +
                                   QStringLiteral("\r\n") + QStringLiteral(" Deseja Continuar?")))
        return;
    THistorico registro = Historico;
    registro.Identificador = id;
    [[maybe_unused]] const Resultado r = registro.Excluir();
    Historico.Identificador = -1;
    Carregar();
}

QStringList TfrHistorico::LinhasPagina() const
{
    const bool empresa = Historico.TipoPessoa != 0;
    auto celula = [](const QString &rotulo, const QString &valor) {
        return QStringLiteral("<td width=\"33%\"><font face=\"Arial\" size=\"2\">") + rotulo +
               TextoParaHtml(valor) + QStringLiteral("</font></td>");
    };
    auto link = [](const QString &destino, const QString &texto) {
        return QStringLiteral("<a href=\"") + destino.toHtmlEscaped() + QStringLiteral("\">") +
               TextoParaHtml(texto) + QStringLiteral("</a>");
    };

    QStringList linhas;
    linhas << QStringLiteral("<html> <head> <meta http-equiv=\"Content-Type\" content=\"text/html; "
                             "charset=windows-1252\"> <title>:: Histórico ::</title> </head> <body "
                             "bgcolor=\"#FEFAC0\">")
           << QStringLiteral(
                  "<p align=\"center\"><font face=\"Arial\" size=\"5\"><b>Histórico</b></font></p>")
           << QStringLiteral(
                  "<table border=\"0\" width=\"100%\" bgcolor=\"#ECF4BB\"> <tr> <td width=\"100%\"> "
                  "<font face=\"Arial\" size=\"2\">")
           << QStringLiteral("<b>Nome: </b>") + TextoParaHtml(Nome) + QStringLiteral("<BR>")
           << QStringLiteral("<b>Cidade: </b>") + TextoParaHtml(Cidade) + QStringLiteral("<BR>")
           << QStringLiteral("<b>UF: </b>") + TextoParaHtml(UF) + QStringLiteral("</font>")
           << QStringLiteral(
                  "<table border=\"1\" width=\"100%\" bordercolor=\"#C4E3DF\"> <tr> <td colspan=\"3\">"
                  "<font face=\"Arial\" size=\"2\"><b>Contatos</b></font></td> </tr>");
    if (empresa)
        linhas << QStringLiteral("<tr> ") + celula(QStringLiteral("Fone: "), FormatPhone(Fone1)) +
                      celula(QStringLiteral("Fax: "), FormatPhone(Fone2)) +
                      celula(QStringLiteral("0800: "), FormatFone0800(Fone3)) +
                      QStringLiteral(" </tr> </table>");
    else
        linhas << QStringLiteral("<tr> ") + celula(QStringLiteral("Res.: "), FormatPhone(Fone1)) +
                      celula(QStringLiteral("Com.: "), FormatPhone(Fone2)) +
                      celula(QStringLiteral("Cel.: "), FormatPhone(Fone3)) +
                      QStringLiteral(" </tr> </table>");
    linhas << QStringLiteral("<font face=\"Arial\" size=\"2\"><b>Email: </b>") +
                  link(QStringLiteral("mailto:") + Email, Email) + QStringLiteral("<BR>");
    if (empresa)
        linhas << QStringLiteral("<b>Home Page: </b>") + link(QStringLiteral("http://") + Email2, Email2) +
                      QStringLiteral("</font>");
    else
        linhas << QStringLiteral("<b>MSN: </b>") + link(QStringLiteral("mailto:") + Email2, Email2) +
                      QStringLiteral("</font>");
    linhas << QStringLiteral("</td> </tr> </table>") << QStringLiteral("<p><BR></p>");

    const QList<ItemHistorico> &itens = m_modelo->itens();
    for (qsizetype i = 0; i < itens.size(); ++i) {
        const ItemHistorico &item = itens.at(i);
        linhas << QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"") +
                      (i % 2 == 0 ? QStringLiteral("#ECF480") : QStringLiteral("#ECF4A0")) +
                      QStringLiteral("\"> <tr> <td width=\"100%\"><font face=\"Arial\" size=\"2\"><b>") +
                      FormatDateTime(QStringLiteral("dd/mm/yyyy"), item.Data) + QStringLiteral("</b><BR>") +
                      TextoParaHtml(item.Texto) + QStringLiteral("</font></td> </tr> </table>");
    }
    linhas << QStringLiteral("</body> </html>");
    return linhas;
}

void TfrHistorico::btnImprimirClick()
{
    GravarEAbrirPagina(QStringLiteral("Historico.html"), LinhasPagina());
}
