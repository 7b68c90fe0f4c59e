#include "ui/session/TfrPesquisaAnotacao.h"

#include "app/ProgramFolder.h"
#include "data/TDM.h"
#include "services/Desktop.h"
#include "services/Seams.h"
#include "util/DateTime.h"
#include "util/Formats.h"
#include "util/PaginaHtml.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QAction>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

QList<TAnotacao> TfrPesquisaAnotacao::NotasEncontradas;

namespace {

QString posicao(int numero)
{
    return FormatFloat(QStringLiteral("\"Exibindo Anotação \"000 \"de\" "), numero) +
           FormatFloat(QStringLiteral("000"), TfrPesquisaAnotacao::NotasEncontradas.size());
}

} // namespace

TfrPesquisaAnotacao::TfrPesquisaAnotacao(const QString &login, QWidget *parent)
    : QDialog(parent), m_login(login)
{
    setObjectName(QStringLiteral("frPesquisaAnotacao"));
    setWindowTitle(QStringLiteral("Pesquisa Anotações"));
    setModal(true);
    criarControles();

    // each page's Enter runs that page's own search
    connect(edtPesquisa, &QLineEdit::returnPressed, this, &TfrPesquisaAnotacao::btnPesquisaClick);
    connect(edtTexto, &QLineEdit::returnPressed, this, &TfrPesquisaAnotacao::SpeedButton1Click);
    connect(btnPesquisa, &QPushButton::clicked, this, &TfrPesquisaAnotacao::btnPesquisaClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrPesquisaAnotacao::SpeedButton1Click);
    // typing a date renews the limits too, not only picking one in the calendar
    connect(data_in, &QDateEdit::dateChanged, this, &TfrPesquisaAnotacao::data_inCloseUp);
    connect(data_out, &QDateEdit::dateChanged, this, &TfrPesquisaAnotacao::data_outCloseUp);
    connect(btnPrimeiro, &QPushButton::clicked, this, &TfrPesquisaAnotacao::btnPrimeiroClick);
    connect(btnProximo, &QPushButton::clicked, this, &TfrPesquisaAnotacao::btnProximoClick);
    connect(btnAnterior, &QPushButton::clicked, this, &TfrPesquisaAnotacao::btnAnteriorClick);
    connect(btnUltimo, &QPushButton::clicked, this, &TfrPesquisaAnotacao::btnUltimoClick);
    connect(btnImpressao, &QToolButton::clicked, this, &TfrPesquisaAnotacao::btnImpressaoClick);
    connect(ImprimirAtual1, &QAction::triggered, this, &TfrPesquisaAnotacao::ImprimirAtual1Click);
}

TfrPesquisaAnotacao::~TfrPesquisaAnotacao() = default;

void TfrPesquisaAnotacao::criarControles()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);

    const QString palavra = QStringLiteral("Palavra a Ser Procurada:");

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    edtPesquisa = new QLineEdit(TabSheet1);
    edtPesquisa->setObjectName(QStringLiteral("edtPesquisa"));
    edtPesquisa->setToolTip(
        QStringLiteral("Para exibir todas as anotações deixe este campo em branco e clique em procurar!"));
    btnPesquisa = new QPushButton(QStringLiteral("Procurar"), TabSheet1);
    btnPesquisa->setObjectName(QStringLiteral("btnPesquisa"));
    auto *lblPalavra1 = new QLabel(palavra, TabSheet1);
    lblPalavra1->setBuddy(edtPesquisa);
    auto *grade1 = new QGridLayout(TabSheet1);
    grade1->addWidget(lblPalavra1, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    grade1->addWidget(edtPesquisa, 0, 1);
    grade1->addWidget(btnPesquisa, 0, 2);
    grade1->setColumnStretch(1, 1);
    grade1->setRowStretch(2, 1);

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    edtTexto = new QLineEdit(TabSheet2);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    edtTexto->setToolTip(QStringLiteral("Para exibir todas as anotações entre as datas definidas deixe este "
                                        "campo em branco e clique em procurar!"));
    SpeedButton1 = new QPushButton(QStringLiteral("Procurar"), TabSheet2);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    auto novaData = [this](const char *nome) {
        auto *d = new QDateEdit(TabSheet2);
        d->setObjectName(QString::fromLatin1(nome));
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        return d;
    };
    data_in = novaData("data_in");
    data_out = novaData("data_out");
    auto *lblPalavra2 = new QLabel(palavra, TabSheet2);
    lblPalavra2->setBuddy(edtTexto);
    auto *lblDe = new QLabel(QStringLiteral("De"), TabSheet2);
    lblDe->setBuddy(data_in);
    auto *lblA = new QLabel(QStringLiteral("a"), TabSheet2);
    lblA->setBuddy(data_out);
    auto *datas = new QHBoxLayout;
    datas->addWidget(data_in);
    datas->addWidget(lblA);
    datas->addWidget(data_out);
    datas->addStretch(1);
    auto *grade2 = new QGridLayout(TabSheet2);
    grade2->addWidget(lblPalavra2, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    grade2->addWidget(edtTexto, 0, 1);
    grade2->addWidget(SpeedButton1, 0, 2);
    grade2->addWidget(lblDe, 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    grade2->addLayout(datas, 1, 1);
    grade2->setColumnStretch(1, 1);
    grade2->setRowStretch(2, 1);

    PageControl1->addTab(TabSheet1, QStringLiteral("Procura em Anotação :: Texto"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Procura em Anotação :: Texto e Entre Datas"));

    auto novoBotao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setEnabled(false);
        return b;
    };
    btnPrimeiro = novoBotao("btnPrimeiro", QStringLiteral("Primeiro"));
    btnAnterior = novoBotao("btnAnterior", QStringLiteral("Anterior"));
    btnProximo = novoBotao("btnProximo", QStringLiteral("Próximo"));
    btnUltimo = novoBotao("btnUltimo", QStringLiteral("Último"));

    lblRes = new QLabel(this);
    lblRes->setObjectName(QStringLiteral("lblRes"));
    lblRes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    txtTexto = new QPlainTextEdit(this);
    txtTexto->setObjectName(QStringLiteral("txtTexto"));
    txtTexto->setReadOnly(true);
    txtTexto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnImpressao = new QToolButton(this);
    btnImpressao->setObjectName(QStringLiteral("btnImpressao"));
    btnImpressao->setText(QStringLiteral(":: Imprimir TODAS as Anotações"));
    btnImpressao->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnImpressao->setPopupMode(QToolButton::MenuButtonPopup);
    auto *menu = new QMenu(btnImpressao);
    ImprimirAtual1 = menu->addAction(QStringLiteral("Imprimir Atual"));
    ImprimirAtual1->setObjectName(QStringLiteral("ImprimirAtual1"));
    btnImpressao->setMenu(menu);
    btnImpressao->setVisible(false);
    // shown after a search: keep its room so the memo does not jump
    QSizePolicy politica = btnImpressao->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    btnImpressao->setSizePolicy(politica);

    // Enter belongs to the edits: no button may take it as the dialog's default
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    auto *navegacao = new QHBoxLayout;
    navegacao->addWidget(btnPrimeiro);
    navegacao->addWidget(btnAnterior);
    navegacao->addWidget(btnProximo);
    navegacao->addWidget(btnUltimo);
    navegacao->addSpacing(12);
    navegacao->addWidget(lblRes, 1);

    auto *rodape = new QHBoxLayout;
    rodape->addStretch(1);
    rodape->addWidget(btnImpressao);

    auto *principal = new QVBoxLayout(this);
    principal->addWidget(PageControl1);
    principal->addLayout(navegacao);
    principal->addWidget(txtTexto, 1);
    principal->addLayout(rodape);

    resize(640, 480);
}

void TfrPesquisaAnotacao::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        FormShow();
    }
}

void TfrPesquisaAnotacao::FormShow()
{
    lblRes->setText(posicao(NotaAtual));

    const TDateTime hoje = DateOf(QDateTimeToDateTime(Seams::clock().now()));
    const int diaSemana = DayOfWeek(hoje); // 1 Sunday ... 7 Saturday
    const TDateTime fim = diaSemana >= 6 ? hoje + 1 : hoje + (6 - diaSemana);
    {
        const QSignalBlocker b1(data_in);
        const QSignalBlocker b2(data_out);
        data_in->setDate(DateTimeToQDate(hoje));
        data_out->setDate(DateTimeToQDate(fim));
    }
    data_in->setMaximumDate(data_out->date());
    data_out->setMinimumDate(data_in->date());
}

void TfrPesquisaAnotacao::data_inCloseUp()
{
    data_out->setMinimumDate(data_in->date());
}

void TfrPesquisaAnotacao::data_outCloseUp()
{
    data_in->setMaximumDate(data_out->date());
}

void TfrPesquisaAnotacao::btnPesquisaClick()
{
    Pesquisar(edtPesquisa->text(), false);
}

void TfrPesquisaAnotacao::SpeedButton1Click()
{
    Pesquisar(edtTexto->text(), true);
}

void TfrPesquisaAnotacao::Pesquisar(const QString &palavra, bool comDatas)
{
    const QString procurada = palavra.trimmed();
    QString invalidos;
    if (!Win1252::canEncode(procurada, &invalidos)) {
        // no note can hold such a character: say so instead of finding nothing
        Seams::messages().show(Win1252::unencodableMessage(invalidos), MessageService::Kind::Warning);
        return;
    }

    NotaAtual = 0;
    NotasEncontradas.clear();
    m_palavraPesquisada = procurada;

    QList<TAnotacao> notas;
    const DbResult r = comDatas ? TAnotacao::PesquisarEntre(BancoDados(), m_login, procurada,
                                                            QDateToDateTime(data_in->date()),
                                                            QDateToDateTime(data_out->date()), notas)
                                : TAnotacao::Pesquisar(BancoDados(), m_login, procurada, notas);
    if (!r) {
        // the label keeps its text, but nothing may point into the emptied list
        HabilitarNavegacao(false, false, false, false);
        btnImpressao->setVisible(false);
        txtTexto->clear();
        return;
    }
    NotasEncontradas = notas;

    if (NotasEncontradas.isEmpty()) {
        btnImpressao->setVisible(false);
        txtTexto->clear();
        lblRes->setText(QStringLiteral("Não há anotações a exibir!"));
        HabilitarNavegacao(false, false, false, false);
        return;
    }
    btnImpressao->setVisible(true);
    if (NotasEncontradas.size() == 1)
        HabilitarNavegacao(false, false, false, false);
    else
        HabilitarNavegacao(false, false, true, true);
    MostrarNota(0);
}

void TfrPesquisaAnotacao::MostrarNota(int i)
{
    if (i < 0 || i >= NotasEncontradas.size())
        return;
    const TAnotacao &nota = NotasEncontradas.at(i);
    lblRes->setText(posicao(i + 1));
    QString texto = nota.Texto;
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtTexto->clear();
    txtTexto->setPlainText(FormatDateTime(QStringLiteral("\"Anotação Inserida em: \"dd/mm/yyyy"), nota.Data) +
                           QLatin1Char('\n') + QStringLiteral("----------") + QLatin1Char('\n') + texto);
}

void TfrPesquisaAnotacao::HabilitarNavegacao(bool primeiro, bool anterior, bool proximo, bool ultimo)
{
    btnPrimeiro->setEnabled(primeiro);
    btnAnterior->setEnabled(anterior);
    btnProximo->setEnabled(proximo);
    btnUltimo->setEnabled(ultimo);
}

void TfrPesquisaAnotacao::btnPrimeiroClick()
{
    if (NotasEncontradas.isEmpty())
        return;
    NotaAtual = 0;
    MostrarNota(NotaAtual);
    HabilitarNavegacao(false, false, true, true);
}

void TfrPesquisaAnotacao::btnUltimoClick()
{
    if (NotasEncontradas.isEmpty())
        return;
    NotaAtual = int(NotasEncontradas.size()) - 1;
    MostrarNota(NotaAtual);
    HabilitarNavegacao(true, true, false, false);
}

void TfrPesquisaAnotacao::btnAnteriorClick()
{
    if (NotaAtual <= 0 || NotaAtual >= NotasEncontradas.size())
        return;
    --NotaAtual;
    MostrarNota(NotaAtual);
    if (NotaAtual == 0)
        HabilitarNavegacao(false, false, true, true);
    else
        HabilitarNavegacao(true, true, true, true);
}

void TfrPesquisaAnotacao::btnProximoClick()
{
    if (NotaAtual + 1 >= NotasEncontradas.size())
        return;
    ++NotaAtual;
    MostrarNota(NotaAtual);
    if (NotaAtual == NotasEncontradas.size() - 1)
        HabilitarNavegacao(true, true, false, false);
    else
        HabilitarNavegacao(true, true, true, true);
}

void TfrPesquisaAnotacao::btnImpressaoClick()
{
    Imprimir(true);
}

void TfrPesquisaAnotacao::ImprimirAtual1Click()
{
    Imprimir(false);
}

void TfrPesquisaAnotacao::Imprimir(bool todas)
{
    const TDateTime agora = QDateTimeToDateTime(Seams::clock().now());
    const qsizetype total = NotasEncontradas.size();
    QStringList linhas;
    linhas << QStringLiteral(
                  "<html> <head> <title>:: Anotações ::</title> </head> <body bgcolor=\"#FEFAC0\"> "
                  "<table border=\"0\" width=\"100%\" bgcolor=\"#FEFAC3\"> <tr> <td width=\"100%\"> ")
           << QStringLiteral(
                  "<p align=\"center\"><font color=\"#000080\" face=\"Arial\" size=\"4\">:: Pesquisa "
                  "feita em ") +
                  FormatDateTime(QStringLiteral("dd/mm/yyyy \"às\" hh:nn:ss"), agora) +
                  FormatFloat(QStringLiteral("\", totalizando <b>\"000 \"</b>anotações \""), total) +
                  QStringLiteral("::</font><BR>")
           << QStringLiteral("<font face=\"Arial\" size=\"2\" color=\"#FF0000\">Pesquisando por:<B> ") +
                  m_palavraPesquisada.toHtmlEscaped() + QStringLiteral("</B></font></td>")
           << QStringLiteral("</td></tr> </table> ") << QStringLiteral("<p><BR></p>");

    auto nota = [&](const TAnotacao &n, bool impar) {
        linhas << (impar ? QStringLiteral("<table border=\"0\" width=\"100%\"> <tr> <td width=\"100%\">")
                         : QStringLiteral("<table border=\"0\" width=\"100%\" > <tr> <td width=\"100%\">"))
               << QStringLiteral("<p align=\"center\"><font face=\"Arial\" size=\"3\" color=\"") +
                      (impar ? QStringLiteral("#00AAFF") : QStringLiteral("#0055FF")) +
                      QStringLiteral("\"><b>Anotação Inserida em: ") +
                      FormatDateTime(QStringLiteral("dd/mm/yyyy"), n.Data) +
                      QStringLiteral("</b></font></td>")
               << QStringLiteral("</tr>") << QStringLiteral("<tr> <td width=\"100%\">")
               << QStringLiteral("<p align=\"left\"><font size=\"3\" face=\"Arial\" color=\"#000080\">") +
                      TextoParaHtml(n.Texto) + QStringLiteral("</font></td>")
               << QStringLiteral("</tr> </table>") << QStringLiteral("<hr>");
    };
    if (todas) {
        for (qsizetype i = 0; i < total; ++i)
            nota(NotasEncontradas.at(i), i % 2 == 1);
    } else if (NotaAtual >= 0 && NotaAtual < total) {
        nota(NotasEncontradas.at(NotaAtual), true);
    }
    linhas << QStringLiteral("</body> </html>");

    GravarEAbrirPagina(QStringLiteral("Anot.html"), linhas);
}
