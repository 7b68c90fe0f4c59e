// The label screen: collecting and editing the list, the settings it keeps,
// and what labels and envelopes put on paper, printed into PDF files and
// read back with pdfinfo and pdftotext -bbox.
#include "data/TDM.h"
#include "model/TEtiqueta.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Modelos.h"
#include "support/PdfPrinter.h"
#include "support/TestFolder.h"
#include "ui/reports/TfrImprimeEtiquetas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace DbHelpers;

namespace {

QString rodar(const QString &programa, const QStringList &args)
{
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Palavra {
    QString texto;
    double x; // cm from the page's left edge
    double y; // cm from the page's top: the top of the text
};

// The words of each page, in the order they were drawn.
QList<QList<Palavra>> paginas(const QString &pdf)
{
    const QString bbox =
        rodar(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression re(QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                                                      "xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    QList<QList<Palavra>> p;
    for (auto it = re.globalMatch(bbox); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            p.append(QList<Palavra>());
            continue;
        }
        if (!p.isEmpty())
            p.last().append(
                {m.captured(3), m.captured(1).toDouble() * 2.54 / 72, m.captured(2).toDouble() * 2.54 / 72});
    }
    return p;
}

// The texts of the lines of a page: words at the same height joined.
QStringList linhas(const QList<Palavra> &pagina)
{
    QStringList l;
    double y = -1;
    for (const Palavra &w : pagina) {
        if (!l.isEmpty() && qAbs(w.y - y) < 0.05)
            l.last() += QLatin1Char(' ') + w.texto;
        else
            l << w.texto;
        y = w.y;
    }
    return l;
}

QString info(const QString &pdf, const QString &campo)
{
    for (const QString &l : rodar(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n')))
        if (l.startsWith(campo + QLatin1Char(':')))
            return l.mid(campo.size() + 1).trimmed();
    return {};
}

} // namespace

class TestTfrImprimeEtiquetas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    std::unique_ptr<TfrImprimeEtiquetas> tela()
    {
        auto w = std::make_unique<TfrImprimeEtiquetas>(QStringLiteral("ana"));
        w->show();
        TestarModelos(w.get());
        return w;
    }

    // The companies whose name holds `nome`, without their contact persons.
    void pesquisarEmpresas(TfrImprimeEtiquetas *w, const QString &nome, bool contatos = false)
    {
        child<QCheckBox>(w, "edtPessoasContatos")->setChecked(contatos);
        child<QLineEdit>(w, "edtNome")->setText(nome);
        w->DefinirTipo(1);
        child<QPushButton>(w, "btnProcuraNome")->click();
    }

    void repetir(TfrImprimeEtiquetas *w, int linha, const QString &resposta)
    {
        m_seams.input->inputs.enqueue(resposta);
        auto *grade = child<QTableView>(w, "GRID");
        emit grade->clicked(grade->model()->index(linha, 0));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        const int g = insertGrupo(db(), QStringLiteral("Amigos"));
        const int epsilon = insertPessoaJuridica(db(), QStringLiteral("Epsilon"), g, QStringLiteral("ana"));
        QVERIFY(
            exec(db(),
                 QStringLiteral("UPDATE PESSOAJURIDICA SET RUA = 'Rua Sete', NUMERO = 5, BAIRRO = 'Centro', "
                                "CIDADE = 'Sorocaba', ESTADO = 'SP', CEP = 1234567, CP = 5, ENVIAR = 1 "
                                "WHERE IDENTIFICADOR = :ID"),
                 {{QStringLiteral("ID"), epsilon}}));
        const int beta = insertPessoaJuridica(db(), QStringLiteral("Beta"), g, QStringLiteral("ana"));
        QVERIFY(
            exec(db(),
                 QStringLiteral("UPDATE PESSOAJURIDICA SET RUA = 'Rua Oito', NUMERO = 0, BAIRRO = 'Vila', "
                                "CIDADE = 'Campinas', ESTADO = 'SP', CEP = 13000000, CP = 0, "
                                "COMPLEMENTO = 'Loja 3', ENVIAR = 1 WHERE IDENTIFICADOR = :ID"),
                 {{QStringLiteral("ID"), beta}}));
        QVERIFY(exec(db(),
                     QStringLiteral("INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME, FUNCAO) VALUES (:ID, "
                                    "'Zé Contato', 'Compras')"),
                     {{QStringLiteral("ID"), beta}}));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void init()
    {
        m_seams.messages->clear();
        m_seams.input->inputs.clear();
        m_seams.keyboard->down.clear();
        QFile::remove(SettingsFilePath());
    }
    void cleanup() { Impressao::reset(); }

    // The settings come back as they were left; POS_X is the top margin.
    void configuracoes()
    {
        QVERIFY(WriteSettingInt(QStringLiteral("ETIQUETA"), QStringLiteral("MODELO"), 2));
        QVERIFY(WriteSettingInt(QStringLiteral("ETIQUETA"), QStringLiteral("INICIA"), 4));
        QVERIFY(WriteSettingText(QStringLiteral("ENVELOPE"), QStringLiteral("POS_X"), QStringLiteral("1,5")));
        QVERIFY(WriteSettingInt(QStringLiteral("ENVELOPE"), QStringLiteral("PESQUISA"), 3));
        QVERIFY(WriteSettingInt(QStringLiteral("ENVELOPE"), QStringLiteral("TIPOPESSOA"), 1));
        QVERIFY(WriteSettingInt(QStringLiteral("ENVELOPE"), QStringLiteral("ORIENTACAO"), 1));
        auto w = tela();
        QCOMPARE(child<QComboBox>(w.get(), "txtTipoImpressao")->currentText(), QStringLiteral("Paissagem"));
        auto *inicia = child<QComboBox>(w.get(), "txtInicia");
        QCOMPARE(child<QComboBox>(w.get(), "txtModeloEtiqueta")->currentIndex(), 2);
        QCOMPARE(inicia->count(), 10);
        QCOMPARE(inicia->currentText(), QStringLiteral("05"));
        QCOMPARE(child<QLineEdit>(w.get(), "edtMargemSuperior")->text(), QStringLiteral("1,50"));
        QCOMPARE(child<QLineEdit>(w.get(), "edtMargemEsquerda")->text(), QStringLiteral("0,00"));
        QCOMPARE(child<QTabWidget>(w.get(), "PageControl")->currentIndex(), 3);
        QCOMPARE(w->Tipo(), 1);
        QCOMPARE(child<QLabel>(w.get(), "lblTotalEnderecos")->text(),
                 QStringLiteral("Total de Registros.: 000"));

        // another model starts again at its first label
        child<QComboBox>(w.get(), "txtModeloEtiqueta")->setCurrentIndex(0);
        QCOMPARE(inicia->count(), 20);
        QCOMPARE(inicia->currentText(), QStringLiteral("01"));
        // the voters' tab lists individuals
        child<QTabWidget>(w.get(), "PageControl")->setCurrentIndex(4);
        QCOMPARE(w->Tipo(), 0);

        // a margin that is no number keeps the window open and says what is expected
        child<QLineEdit>(w.get(), "edtMargemEsquerda")->setText(QStringLiteral("1,,5"));
        w->reject();
        QVERIFY(w->isVisible());
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown[0].contains(QStringLiteral("Margem Esquerda")));
        QVERIFY(m_seams.messages->shown[0].contains(QStringLiteral("1,50")));
        child<QLineEdit>(w.get(), "edtMargemEsquerda")->setText(QStringLiteral("2.25"));
        child<QComboBox>(w.get(), "txtTipoImpressao")->setCurrentIndex(0);
        w->reject();
        QVERIFY(!w->isVisible());
        QCOMPARE(ReadSettingText(QStringLiteral("ENVELOPE"), QStringLiteral("POS_Y")),
                 QStringLiteral("2,25"));
        QCOMPARE(ReadSettingInt(QStringLiteral("ETIQUETA"), QStringLiteral("MODELO")), 0);
        QCOMPARE(ReadSettingInt(QStringLiteral("ENVELOPE"), QStringLiteral("PESQUISA")), 4);
        QCOMPARE(ReadSettingInt(QStringLiteral("ENVELOPE"), QStringLiteral("TIPOPESSOA")), 0);
        QCOMPARE(ReadSettingInt(QStringLiteral("ENVELOPE"), QStringLiteral("ORIENTACAO")), 0);
    }

    // Repeat, delete, select with Ctrl, clear the selection.
    void editarALista()
    {
        auto w = tela();
        pesquisarEmpresas(w.get(), QString(), true);
        QCOMPARE(w->Enderecos().size(), 3); // Beta, Epsilon, Beta's contact
        QCOMPARE(w->Enderecos()[2].NomeNaLista(), QStringLiteral("Beta :: Zé Contato"));

        repetir(w.get(), 2, QStringLiteral("abc"));
        repetir(w.get(), 2, QStringLiteral("0"));
        QCOMPARE(w->Enderecos().size(), 3);
        // a copy keeps the contact line
        repetir(w.get(), 2, QStringLiteral("2"));
        QCOMPARE(w->Enderecos().size(), 5);
        QCOMPARE(w->Enderecos()[4].Contato.Nome, QStringLiteral("Zé Contato"));
        QCOMPARE(child<QLabel>(w.get(), "lblTotalFolhasEnv")->text(),
                 QStringLiteral("Total de Envelopes.: 5"));
        // at most 1000 copies at a time, and the user is told
        repetir(w.get(), 0, QStringLiteral("5000"));
        QCOMPARE(w->Enderecos().size(), 1005);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QCOMPARE(child<QLabel>(w.get(), "lblTotalEnderecos")->text(),
                 QStringLiteral("Total de Registros.: 1005"));

        auto *grade = child<QTableView>(w.get(), "GRID");
        grade->setCurrentIndex(grade->model()->index(1, 1));
        QTest::keyClick(grade, Qt::Key_Delete);
        QCOMPARE(w->Enderecos().size(), 1004);
        QCOMPARE(w->Enderecos()[1].NomeNaLista(), QStringLiteral("Beta :: Zé Contato"));

        // a click on a name with Ctrl held picks the address once
        m_seams.keyboard->down.insert(KeyboardState::Control);
        emit grade->clicked(grade->model()->index(1, 1));
        emit grade->clicked(grade->model()->index(1, 1));
        emit grade->clicked(grade->model()->index(0, 1));
        QCOMPARE(w->Selecionados().size(), 2);
        QCOMPARE(w->Selecionados()[0].Contato.Funcao, QStringLiteral("Compras"));
        QCOMPARE(grade->model()->index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 0, 255));
        // a click without Ctrl or on another column picks nothing
        m_seams.keyboard->down.clear();
        emit grade->clicked(grade->model()->index(2, 1));
        QCOMPARE(w->Selecionados().size(), 2);
        w->MostrarResultado();
        QCOMPARE(grade->model()->index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 220, 192));
        QCOMPARE(w->Selecionados().size(), 2);
        w->findChild<QAction *>(QStringLiteral("LimparSelecionadas1"))->trigger();
        QVERIFY(w->Selecionados().isEmpty());
    }

    // Model 2 (10 per sheet) from label 5: labels 5 to 10 on the first sheet,
    // the seventh at label 1 of the second; each line placed by its top.
    void etiquetasDoModelo2APartirDa5()
    {
        const QString pdf = m_folder.file(QStringLiteral("modelo2.pdf"));
        PdfPrinter &impressora = PdfPrinter::Install(pdf);
        auto w = tela();
        pesquisarEmpresas(w.get(), QStringLiteral("epsilon"));
        repetir(w.get(), 0, QStringLiteral("6"));
        QCOMPARE(w->Enderecos().size(), 7);
        child<QComboBox>(w.get(), "txtModeloEtiqueta")->setCurrentIndex(2);
        child<QComboBox>(w.get(), "txtInicia")->setCurrentIndex(4);
        w->ImprimirEtiquetas(false);
        QCOMPARE(impressora.configurados, 1);
        QVERIFY2(m_seams.messages->shown.isEmpty(),
                 qPrintable(m_seams.messages->shown.join(QLatin1Char('\n'))));

        QCOMPARE(info(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
        QVERIFY(info(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("612 x 792 pts")));
        QCOMPARE(info(pdf, QStringLiteral("Title")),
                 QStringLiteral("Impressão de Etiquetas :: 10 Etiquetas por Folha (Ref.: Pimaco 6183)"));
        const auto p = paginas(pdf);
        QCOMPARE(p.size(), 2);
        QList<Palavra> nomes[2];
        for (int i = 0; i < 2; ++i)
            for (const Palavra &w : p[i])
                if (w.texto == QStringLiteral("Epsilon"))
                    nomes[i] << w;
        QCOMPARE(nomes[0].size(), 6);
        QCOMPARE(nomes[1].size(), 1);
        QVERIFY2(qAbs(nomes[0][0].x - 0.5) < 0.05, qPrintable(QString::number(nomes[0][0].x)));
        QVERIFY2(qAbs(nomes[0][0].y - 11.94) < 0.05, qPrintable(QString::number(nomes[0][0].y)));
        // label 6: the right column of the same row
        QVERIFY(qAbs(nomes[0][1].x - 11.2) < 0.05 && qAbs(nomes[0][1].y - 11.91) < 0.05);
        // the seventh: label 1 of the second sheet
        QVERIFY(qAbs(nomes[1][0].x - 0.5) < 0.05);
        QVERIFY2(qAbs(nomes[1][0].y - 1.75) < 0.05, qPrintable(QString::number(nomes[1][0].y)));
        QCOMPARE(linhas(p[1]), QStringList({QStringLiteral("Epsilon"), QStringLiteral("Rua Sete , 05"),
                                            QStringLiteral("Centro"),
                                            QStringLiteral("CEP: 01234-567 - Sorocaba - SP - CP: 05")}));
    }

    // Every model: the first label where the sheet has it, a full sheet per page.
    void modelos_data()
    {
        QTest::addColumn<int>("modelo");
        for (int m = 0; m < ModelosEtiqueta().size(); ++m)
            QTest::newRow(qPrintable(ModelosEtiqueta().at(m).NomeTitulo)) << m;
    }
    void modelos()
    {
        QFETCH(int, modelo);
        const TEtiqueta &t = ModelosEtiqueta().at(modelo);
        const QString pdf = m_folder.file(QStringLiteral("modelo%1.pdf").arg(modelo));
        PdfPrinter::Install(pdf);
        auto w = tela();
        pesquisarEmpresas(w.get(), QStringLiteral("epsilon"));
        repetir(w.get(), 0, QString::number(t.PorFolha));
        child<QComboBox>(w.get(), "txtModeloEtiqueta")->setCurrentIndex(modelo);
        QCOMPARE(child<QLabel>(w.get(), "lblTotalFolhas")->text(), QStringLiteral("Total de Folhas....: 2"));
        w->ImprimirEtiquetas(false);
        const auto p = paginas(pdf);
        QCOMPARE(p.size(), 2);
        QList<Palavra> nomes;
        for (const Palavra &x : p[0])
            if (x.texto == QStringLiteral("Epsilon"))
                nomes << x;
        QCOMPARE(nomes.size(), t.PorFolha);
        QVERIFY(qAbs(nomes[0].x - t.ColunaEsquerda) < 0.05);
        QVERIFY(qAbs(nomes[0].y - (t.Topo + t.AjusteTopo + 0.23)) < 0.05);
        QVERIFY(qAbs(nomes.last().x - t.ColunaDireita) < 0.05);
        QVERIFY(qAbs(nomes.last().y - ((t.PorFolha / 2 - 1) * t.PassoFileira + t.Topo + t.AjusteTopo + 0.2)) <
                0.05);
    }

    // One landscape page per envelope, the lines as the envelope shows them.
    void envelopesPaisagem()
    {
        const QString pdf = m_folder.file(QStringLiteral("envelopes.pdf"));
        PdfPrinter &impressora = PdfPrinter::Install(pdf);
        auto w = tela();
        pesquisarEmpresas(w.get(), QString(), true);
        QCOMPARE(w->Enderecos().size(), 3);
        child<QLineEdit>(w.get(), "edtMargemSuperior")->setText(QStringLiteral("8,5"));
        child<QLineEdit>(w.get(), "edtMargemEsquerda")->setText(QStringLiteral("12"));
        child<QComboBox>(w.get(), "txtTipoImpressao")->setCurrentIndex(1);
        child<QPushButton>(w.get(), "btnImprimirEnvelopres")->click();
        // the default printer, without a dialog
        QCOMPARE(impressora.configurados, 0);
        QCOMPARE(impressora.documentos, QStringList{QStringLiteral("Impressão de Etiquetas")});
        QCOMPARE(info(pdf, QStringLiteral("Pages")), QStringLiteral("3"));
        QVERIFY(info(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("792 x 612 pts")));
        const auto p = paginas(pdf);
        QCOMPARE(linhas(p[0]), QStringList({QStringLiteral("Beta"), QStringLiteral("Rua Oito, s/n"),
                                            QStringLiteral("Vila - Campinas - SP"),
                                            QStringLiteral("CEP: 13000-000"), QStringLiteral("Loja 3")}));
        QCOMPARE(linhas(p[1]), QStringList({QStringLiteral("Epsilon"), QStringLiteral("Rua Sete, 05"),
                                            QStringLiteral("Centro - Sorocaba - SP"),
                                            QStringLiteral("CEP: 01234-567 -- CP: 005")}));
        QCOMPARE(linhas(p[2]).mid(0, 2),
                 QStringList({QStringLiteral("Beta"), QStringLiteral("Zé Contato :: Compras")}));
        QVERIFY(qAbs(p[1][0].x - 12) < 0.05);
        QVERIFY(qAbs(p[1][0].y - 8.73) < 0.05);
    }

    // Nothing is printed: a cancelled dialog, an empty selection, a bad
    // margin, a font that is not installed.
    void nadaImpresso()
    {
        const QString pdf = m_folder.file(QStringLiteral("nada.pdf"));
        PdfPrinter &impressora = PdfPrinter::Install(pdf);
        auto w = tela();
        pesquisarEmpresas(w.get(), QStringLiteral("epsilon"));
        impressora.aceitar = false;
        w->ImprimirEtiquetas(false);
        w->ImprimirEtiquetas(true);
        QCOMPARE(m_seams.messages->shown.size(), 1); // the empty selection
        child<QLineEdit>(w.get(), "edtMargemSuperior")->setText(QStringLiteral("x"));
        w->ImprimirEnvelopes();
        QCOMPARE(m_seams.messages->shown.size(), 2);
        QVERIFY(m_seams.messages->shown[1].contains(QStringLiteral("Margem Superior")));
        impressora.aceitar = true;
        m_seams.input->fonts.enqueue({QFont(QStringLiteral("Fonte Que Nao Existe"), 11), QColor(Qt::red)});
        child<QPushButton>(w.get(), "SpeedButton7")->click();
        QCOMPARE(w->Cor(), QColor(Qt::red));
        w->ImprimirEtiquetas(false);
        QCOMPARE(m_seams.messages->shown.size(), 3);
        QVERIFY(m_seams.messages->shown[2].contains(QStringLiteral("Fonte Que Nao Existe")));
        QVERIFY(!QFile::exists(pdf));
        child<QLineEdit>(w.get(), "edtMargemSuperior")->setText(QStringLiteral("1"));
    }

    // "Visualizar" paints the same pages through the preview.
    void visualizar()
    {
        const QString pdf = m_folder.file(QStringLiteral("previa.pdf"));
        PdfPrinter &impressora = PdfPrinter::Install(pdf);
        auto w = tela();
        pesquisarEmpresas(w.get(), QStringLiteral("epsilon"));
        child<QPushButton>(w.get(), "btnVisualizar")->click();
        QCOMPARE(impressora.visualizados, 1);
        QCOMPARE(impressora.configurados, 0);
        QCOMPARE(info(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestTfrImprimeEtiquetas)
#include "TestTfrImprimeEtiquetas.moc"
