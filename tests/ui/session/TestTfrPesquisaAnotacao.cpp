// The diary search window on a real database: what each page finds, the
// position label and the navigation buttons, the default date range, and
// the page "Anot.html" it prints.
#include "app/ProgramFolder.h"
#include "data/Database.h"
#include "data/TDM.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "ui/session/TfrPesquisaAnotacao.h"
#include "util/DateTime.h"
#include "util/Win1252.h"

#include <QAction>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kAna = QStringLiteral("ana");
const QString kBia = QStringLiteral("bia");

QStringList datas(const QList<TAnotacao> &notas)
{
    QStringList out;
    for (const TAnotacao &n : notas)
        out << DateToStr(n.Data);
    return out;
}

QByteArray lerArquivo(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList linhas(const QByteArray &pagina)
{
    return Win1252::decode(pagina).split(QStringLiteral("\r\n"));
}

// The window and its controls, found by name as the program's user sees them.
struct Janela {
    TfrPesquisaAnotacao dlg;
    QTabWidget *paginas;
    QLineEdit *edtPesquisa, *edtTexto;
    QPushButton *btnPesquisa, *SpeedButton1;
    QDateEdit *data_in, *data_out;
    QPushButton *btnPrimeiro, *btnProximo, *btnAnterior, *btnUltimo;
    QLabel *lblRes;
    QPlainTextEdit *txtTexto;
    QToolButton *btnImpressao;
    QAction *ImprimirAtual1;

    explicit Janela(const QString &login) : dlg(login)
    {
        paginas = find<QTabWidget>("PageControl1");
        edtPesquisa = find<QLineEdit>("edtPesquisa");
        edtTexto = find<QLineEdit>("edtTexto");
        btnPesquisa = find<QPushButton>("btnPesquisa");
        SpeedButton1 = find<QPushButton>("SpeedButton1");
        data_in = find<QDateEdit>("data_in");
        data_out = find<QDateEdit>("data_out");
        btnPrimeiro = find<QPushButton>("btnPrimeiro");
        btnProximo = find<QPushButton>("btnProximo");
        btnAnterior = find<QPushButton>("btnAnterior");
        btnUltimo = find<QPushButton>("btnUltimo");
        lblRes = find<QLabel>("lblRes");
        txtTexto = find<QPlainTextEdit>("txtTexto");
        btnImpressao = find<QToolButton>("btnImpressao");
        ImprimirAtual1 = find<QAction>("ImprimirAtual1");
        dlg.show();
    }
    template <typename T>
    T *find(const char *name)
    {
        T *w = dlg.findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("control %s not found", name);
        return w;
    }
    // Either order of setting could be refused by the other picker's limit.
    void periodo(QDate de, QDate ate)
    {
        if (de <= data_out->date()) {
            data_in->setDate(de);
            data_out->setDate(ate);
        } else {
            data_out->setDate(ate);
            data_in->setDate(de);
        }
    }
    // Enabled state of Primeiro, Anterior, Próximo, Último, as "1001".
    QString botoes() const
    {
        QString s;
        for (const QPushButton *b : {btnPrimeiro, btnAnterior, btnProximo, btnUltimo})
            s += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
};

} // namespace

class TestTfrPesquisaAnotacao : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    void anotar(const QString &login, QDate dia, const QString &texto)
    {
        QVERIFY(exec(db(), QStringLiteral("INSERT INTO ANOTACAO (DATA, LOGIN, TEXTO) VALUES (:D, :L, :T)"),
                     {{QStringLiteral("D"), QDateToDateTime(dia)},
                      {QStringLiteral("L"), login},
                      {QStringLiteral("T"), texto}}));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kAna));
        QVERIFY(insertUsuario(db(), kBia));
        anotar(kAna, QDate(2026, 11, 20), QStringLiteral("Dentista às 15h"));
        anotar(kAna, QDate(2026, 12, 1),
               QStringLiteral("Reunião com o contador\r\nLevar recibos\r\nConferir \"IR\""));
        anotar(kAna, QDate(2026, 12, 8), QStringLiteral("Comprar presente"));
        anotar(kAna, QDate(2026, 12, 11), QStringLiteral("Reunião de condomínio"));
        anotar(kAna, QDate(2026, 12, 12), QStringLiteral("Trocar <b>& conferir\nsem negrito"));
        anotar(kBia, QDate(2026, 12, 8), QStringLiteral("Reunião secreta da Bia"));
        anotar(kBia, QDate(2026, 12, 9), QStringLiteral("Comprar bolo"));
    }
    void init()
    {
        TfrPesquisaAnotacao::NotasEncontradas.clear();
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        m_seams.clock->current = QDateTime(QDate(2026, 12, 8), QTime(10, 30, 0)); // a Tuesday
        QFile::remove(ProgramPath(QStringLiteral("Anot.html")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void opensAsTheDialogItIs()
    {
        Janela j(kAna);
        QCOMPARE(j.dlg.windowTitle(), QStringLiteral("Pesquisa Anotações"));
        QVERIFY(j.dlg.isModal());
        QCOMPARE(j.paginas->count(), 2);
        QCOMPARE(j.paginas->widget(0)->objectName(), QStringLiteral("TabSheet1"));
        QCOMPARE(j.paginas->widget(1)->objectName(), QStringLiteral("TabSheet2"));
        QCOMPARE(j.paginas->tabText(0), QStringLiteral("Procura em Anotação :: Texto"));
        QCOMPARE(j.paginas->tabText(1), QStringLiteral("Procura em Anotação :: Texto e Entre Datas"));
        QCOMPARE(j.data_in->displayFormat(), QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(j.edtPesquisa->toolTip(),
                 QStringLiteral(
                     "Para exibir todas as anotações deixe este campo em branco e clique em procurar!"));
        QCOMPARE(j.edtTexto->toolTip(),
                 QStringLiteral("Para exibir todas as anotações entre as datas definidas deixe "
                                "este campo em branco e clique em procurar!"));
        QVERIFY(j.data_in->calendarPopup() && j.data_out->calendarPopup());
        QVERIFY(j.txtTexto->isReadOnly());
        QCOMPARE(j.btnImpressao->text(), QStringLiteral(":: Imprimir TODAS as Anotações"));
        QCOMPARE(j.ImprimirAtual1->text(), QStringLiteral("Imprimir Atual"));
        QVERIFY(j.btnImpressao->isHidden());
        QCOMPARE(j.botoes(), QStringLiteral("0000"));
        QCOMPARE(j.lblRes->text(), QStringLiteral("Exibindo Anotação 000 de 000"));
    }

    // The found notes outlive the window: the next opening shows their count.
    void theLastSearchOutlivesTheWindow()
    {
        {
            Janela j(kAna);
            j.edtPesquisa->setText(QStringLiteral("reunião"));
            j.btnPesquisa->click();
            QCOMPARE(j.lblRes->text(), QStringLiteral("Exibindo Anotação 001 de 002"));
        }
        Janela j(kAna);
        QCOMPARE(j.lblRes->text(), QStringLiteral("Exibindo Anotação 000 de 002"));
        QCOMPARE(TfrPesquisaAnotacao::NotasEncontradas.size(), 2);
    }

    void searchFindsTheUsersNotes_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("palavra");
        QTest::addColumn<QDate>("de");
        QTest::addColumn<QDate>("ate");
        QTest::addColumn<QStringList>("achadas");
        const QDate nenhuma;
        QTest::newRow("word in another case and accent")
            << kAna << 1 << QStringLiteral("REUNIÃO") << nenhuma << nenhuma
            << QStringList{QStringLiteral("01/12/2026"), QStringLiteral("11/12/2026")};
        QTest::newRow("blanks around the word are ignored")
            << kAna << 1 << QStringLiteral("  comprar ") << nenhuma << nenhuma
            << QStringList{QStringLiteral("08/12/2026")};
        QTest::newRow("empty word lists all the user's notes, by date")
            << kAna << 1 << QString() << nenhuma << nenhuma
            << QStringList{QStringLiteral("20/11/2026"), QStringLiteral("01/12/2026"),
                           QStringLiteral("08/12/2026"), QStringLiteral("11/12/2026"),
                           QStringLiteral("12/12/2026")};
        QTest::newRow("another user's word finds nothing")
            << kAna << 1 << QStringLiteral("secreta") << nenhuma << nenhuma << QStringList{};
        QTest::newRow("the other user sees only her own")
            << kBia << 1 << QString() << nenhuma << nenhuma
            << QStringList{QStringLiteral("08/12/2026"), QStringLiteral("09/12/2026")};
        QTest::newRow("login in another case")
            << QStringLiteral("BIA") << 1 << QStringLiteral("bolo") << nenhuma << nenhuma
            << QStringList{QStringLiteral("09/12/2026")};
        QTest::newRow("dates: both ends included")
            << kAna << 2 << QString() << QDate(2026, 12, 1) << QDate(2026, 12, 11)
            << QStringList{QStringLiteral("01/12/2026"), QStringLiteral("08/12/2026"),
                           QStringLiteral("11/12/2026")};
        QTest::newRow("dates: one day") << kAna << 2 << QString() << QDate(2026, 12, 12)
                                        << QDate(2026, 12, 12) << QStringList{QStringLiteral("12/12/2026")};
        QTest::newRow("dates and word") << kAna << 2 << QStringLiteral("reunião") << QDate(2026, 12, 2)
                                        << QDate(2026, 12, 31) << QStringList{QStringLiteral("11/12/2026")};
        QTest::newRow("dates without notes")
            << kAna << 2 << QString() << QDate(2026, 12, 2) << QDate(2026, 12, 7) << QStringList{};
        QTest::newRow("dates: another user's day")
            << kAna << 2 << QString() << QDate(2026, 12, 9) << QDate(2026, 12, 10) << QStringList{};
    }
    void searchFindsTheUsersNotes()
    {
        QFETCH(QString, login);
        QFETCH(int, pagina);
        QFETCH(QString, palavra);
        QFETCH(QDate, de);
        QFETCH(QDate, ate);
        QFETCH(QStringList, achadas);

        Janela j(login);
        if (pagina == 1) {
            j.edtPesquisa->setText(palavra);
            j.btnPesquisa->click();
        } else {
            j.periodo(de, ate);
            QCOMPARE(j.data_in->date(), de);
            QCOMPARE(j.data_out->date(), ate);
            j.edtTexto->setText(palavra);
            j.SpeedButton1->click();
        }
        QCOMPARE(datas(TfrPesquisaAnotacao::NotasEncontradas), achadas);
        if (achadas.isEmpty()) {
            QCOMPARE(j.lblRes->text(), QStringLiteral("Não há anotações a exibir!"));
            QVERIFY(j.txtTexto->toPlainText().isEmpty());
            QVERIFY(j.btnImpressao->isHidden());
            QCOMPARE(j.botoes(), QStringLiteral("0000"));
        } else {
            QCOMPARE(
                j.lblRes->text(),
                QStringLiteral("Exibindo Anotação 001 de %1").arg(achadas.size(), 3, 10, QLatin1Char('0')));
            QVERIFY(j.txtTexto->toPlainText().startsWith(QStringLiteral("Anotação Inserida em: ") +
                                                         achadas[0] + QStringLiteral("\n----------\n")));
            QVERIFY(!j.btnImpressao->isHidden());
            QCOMPARE(j.botoes(), achadas.size() == 1 ? QStringLiteral("0000") : QStringLiteral("0011"));
        }
    }

    void oneNoteShowsWithEveryButtonDisabled()
    {
        Janela j(kAna);
        j.edtPesquisa->setText(QStringLiteral("contador"));
        j.btnPesquisa->click();
        QCOMPARE(j.lblRes->text(), QStringLiteral("Exibindo Anotação 001 de 001"));
        QCOMPARE(j.botoes(), QStringLiteral("0000"));
        QCOMPARE(j.txtTexto->toPlainText(),
                 QStringLiteral("Anotação Inserida em: 01/12/2026\n----------\n"
                                "Reunião com o contador\nLevar recibos\nConferir \"IR\""));
    }

    // A failed search (here: no connection) leaves the label as it was, but
    // nothing may still point into the emptied list.
    void aFailedSearchLeavesNothingToBrowse()
    {
        Janela j(kAna);
        j.btnPesquisa->click();
        j.btnProximo->click();
        QCOMPARE(j.lblRes->text(), QStringLiteral("Exibindo Anotação 002 de 005"));
        db().disconnect();
        j.btnPesquisa->click();
        QVERIFY(m_dm->Reconectar());
        QVERIFY(TfrPesquisaAnotacao::NotasEncontradas.isEmpty());
        QCOMPARE(j.lblRes->text(), QStringLiteral("Exibindo Anotação 002 de 005"));
        QCOMPARE(j.botoes(), QStringLiteral("0000"));
        QVERIFY(j.btnImpressao->isHidden());
        QVERIFY(j.txtTexto->toPlainText().isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // No note can hold a character outside Windows-1252: the user is told,
    // and the previous result stays.
    void aWordOutsideTheCodePageIsRefused()
    {
        Janela j(kAna);
        j.btnPesquisa->click();
        j.edtPesquisa->setText(QStringLiteral("seta →"));
        j.btnPesquisa->click();
        QCOMPARE(m_seams.messages->shown, QStringList{Win1252::unencodableMessage(QStringLiteral("→"))});
        QCOMPARE(TfrPesquisaAnotacao::NotasEncontradas.size(), 5);
        QCOMPARE(j.lblRes->text(), QStringLiteral("Exibindo Anotação 001 de 005"));
    }

    void navigationFollowsTheTable()
    {
        Janela j(kAna);
        j.btnPesquisa->click(); // five notes
        QCOMPARE(j.botoes(), QStringLiteral("0011"));
        struct Passo {
            QPushButton *botao;
            int numero;
            const char *botoes;
        };
        const Passo passos[] = {
            {j.btnProximo, 2, "1111"},  {j.btnProximo, 3, "1111"},  {j.btnProximo, 4, "1111"},
            {j.btnProximo, 5, "1100"},  {j.btnAnterior, 4, "1111"}, {j.btnPrimeiro, 1, "0011"},
            {j.btnUltimo, 5, "1100"},   {j.btnAnterior, 4, "1111"}, {j.btnAnterior, 3, "1111"},
            {j.btnAnterior, 2, "1111"}, {j.btnAnterior, 1, "0011"},
        };
        const QStringList todas = datas(TfrPesquisaAnotacao::NotasEncontradas);
        for (const Passo &p : passos) {
            const QString nome = p.botao->text() + QStringLiteral(" -> ") + QString::number(p.numero);
            p.botao->click();
            QVERIFY2(j.lblRes->text() == QStringLiteral("Exibindo Anotação 00%1 de 005").arg(p.numero),
                     qPrintable(nome + QStringLiteral(": ") + j.lblRes->text()));
            QVERIFY2(j.botoes() == QLatin1String(p.botoes),
                     qPrintable(nome + QStringLiteral(": ") + j.botoes()));
            QVERIFY2(j.txtTexto->toPlainText().startsWith(QStringLiteral("Anotação Inserida em: ") +
                                                          todas[p.numero - 1]),
                     qPrintable(nome));
        }
    }

    // The end date: the Friday of the week (Sunday starts it), or the next
    // day on a Friday or Saturday.
    void defaultPeriod_data()
    {
        QTest::addColumn<QDate>("hoje");
        QTest::addColumn<QDate>("fim");
        QTest::newRow("Sunday") << QDate(2026, 12, 6) << QDate(2026, 12, 11);
        QTest::newRow("Monday") << QDate(2026, 12, 7) << QDate(2026, 12, 11);
        QTest::newRow("Tuesday") << QDate(2026, 12, 8) << QDate(2026, 12, 11);
        QTest::newRow("Wednesday") << QDate(2026, 12, 9) << QDate(2026, 12, 11);
        QTest::newRow("Thursday") << QDate(2026, 12, 10) << QDate(2026, 12, 11);
        QTest::newRow("Friday") << QDate(2026, 12, 11) << QDate(2026, 12, 12);
        QTest::newRow("Saturday") << QDate(2026, 12, 12) << QDate(2026, 12, 13);
        QTest::newRow("Thursday, Friday in the next year") << QDate(2026, 12, 31) << QDate(2027, 1, 1);
        QTest::newRow("Saturday, Sunday in the next month") << QDate(2027, 1, 30) << QDate(2027, 1, 31);
    }
    void defaultPeriod()
    {
        QFETCH(QDate, hoje);
        QFETCH(QDate, fim);
        m_seams.clock->current = QDateTime(hoje, QTime(23, 59, 59));
        Janela j(kAna);
        QCOMPARE(j.data_in->date(), hoje);
        QCOMPARE(j.data_out->date(), fim);
        QCOMPARE(j.data_in->maximumDate(), fim);
        QCOMPARE(j.data_out->minimumDate(), hoje);
    }

    void thePickersNeverAllowAStartAfterTheEnd()
    {
        Janela j(kAna); // 08/12 to 11/12
        j.data_in->setDate(QDate(2026, 12, 20));
        QCOMPARE(j.data_in->date(), QDate(2026, 12, 11));
        j.data_out->setDate(QDate(2026, 12, 1));
        QCOMPARE(j.data_out->date(), QDate(2026, 12, 11));
        // moving one end renews the other's limit
        j.data_out->setDate(QDate(2026, 12, 20));
        QCOMPARE(j.data_in->maximumDate(), QDate(2026, 12, 20));
        j.data_in->setDate(QDate(2026, 12, 15));
        QCOMPARE(j.data_out->minimumDate(), QDate(2026, 12, 15));
        j.data_out->setDate(QDate(2026, 12, 14));
        QCOMPARE(j.data_out->date(), QDate(2026, 12, 15));
    }

    // Enter searches the page it was pressed on, with that page's word, once.
    void enterRunsItsOwnPagesSearch_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QStringList>("achadas");
        QTest::newRow("page 1: word only")
            << 1 << QStringList{QStringLiteral("01/12/2026"), QStringLiteral("11/12/2026")};
        QTest::newRow("page 2: word and dates") << 2 << QStringList{QStringLiteral("11/12/2026")};
    }
    void enterRunsItsOwnPagesSearch()
    {
        QFETCH(int, pagina);
        QFETCH(QStringList, achadas);
        Janela j(kAna); // dates 08/12 to 11/12
        j.edtPesquisa->setText(QStringLiteral("reunião"));
        j.edtTexto->setText(QStringLiteral("condomínio"));
        j.paginas->setCurrentIndex(pagina - 1);
        QLineEdit *edit = pagina == 1 ? j.edtPesquisa : j.edtTexto;
        edit->setFocus();
        const quint64 antes = Database::statementCount();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(datas(TfrPesquisaAnotacao::NotasEncontradas), achadas);
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QVERIFY(j.dlg.isVisible());
        QVERIFY(m_seams.shell->opened.isEmpty());
    }

    // Golden pages: four notes found on page 2 with the word "r" while page
    // 1's box holds another word. Positions alternate from 0 (even); a
    // three-line note gets two <BR>; "<b>&" in a note stays text.
    void printing_data()
    {
        QTest::addColumn<bool>("todas");
        QTest::addColumn<QString>("golden");
        QTest::newRow("Imprimir TODAS") << true << QStringLiteral("anot_todas.html");
        QTest::newRow("Imprimir Atual, the last note") << false << QStringLiteral("anot_atual.html");
    }
    void printing()
    {
        QFETCH(bool, todas);
        QFETCH(QString, golden);
        Janela j(kAna);
        j.edtPesquisa->setText(QStringLiteral("nada disso"));
        j.periodo(QDate(2026, 12, 1), QDate(2026, 12, 12));
        j.edtTexto->setText(QStringLiteral(" r "));
        j.SpeedButton1->click();
        QCOMPARE(TfrPesquisaAnotacao::NotasEncontradas.size(), 4);
        j.btnUltimo->click();
        if (todas)
            j.btnImpressao->click();
        else
            j.ImprimirAtual1->trigger();

        const QString pagina = ProgramFolder() + QStringLiteral("Anot.html");
        QCOMPARE(m_seams.shell->opened, QStringList{pagina});
        const QByteArray escrita = lerArquivo(pagina);
        const QByteArray esperada = lerArquivo(QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/") + golden);
        QVERIFY(!esperada.isEmpty());
        const QStringList e = linhas(escrita), g = linhas(esperada);
        for (qsizetype i = 0; i < qMin(e.size(), g.size()); ++i)
            QVERIFY2(e[i] == g[i], qPrintable(QStringLiteral("line %1:\n%2\n%3").arg(i + 1).arg(e[i], g[i])));
        QCOMPARE(e.size(), g.size());
        QCOMPARE(escrita, esperada); // Windows-1252 bytes, each line ended by CR LF
    }

    // The searched word is escaped too, and a page written again replaces the old one.
    void theHeadingShowsTheSearchedWordEscaped()
    {
        QFile antiga(ProgramPath(QStringLiteral("Anot.html")));
        QVERIFY(antiga.open(QIODevice::WriteOnly));
        antiga.write(QByteArray(20000, 'x'));
        antiga.close();

        Janela j(kAna);
        j.edtPesquisa->setText(QStringLiteral("<b>&"));
        j.btnPesquisa->click();
        QCOMPARE(datas(TfrPesquisaAnotacao::NotasEncontradas), QStringList{QStringLiteral("12/12/2026")});
        j.btnImpressao->click();
        const QStringList e = linhas(lerArquivo(ProgramPath(QStringLiteral("Anot.html"))));
        QCOMPARE(e.size(),
                 5 + 7 + 1 + 1); // heading, one note, closing line, and the empty rest after the last break
        QCOMPARE(e[2], QStringLiteral("<font face=\"Arial\" size=\"2\" color=\"#FF0000\">Pesquisando por:<B> "
                                      "&lt;b&gt;&amp;</B></font></td>"));
        QCOMPARE(e[1].mid(e[1].indexOf(QLatin1Char(','))),
                 QStringLiteral(", totalizando <b>001 </b>anotações ::</font><BR>"));
        QVERIFY(e.last().isEmpty());
    }

    // What the page's code page cannot hold goes as a numeric entity.
    void charactersOutsideTheCodePageBecomeEntities()
    {
        TAnotacao nota(db());
        nota.Data = EncodeDate(2026, 12, 8);
        nota.Texto = QStringLiteral("seta → e 😀 e ç");
        TfrPesquisaAnotacao::NotasEncontradas = {nota};
        Janela j(kAna);
        j.ImprimirAtual1->trigger();
        const QByteArray pagina = lerArquivo(ProgramPath(QStringLiteral("Anot.html")));
        QVERIFY2(pagina.contains("seta &#8594; e &#128512; e \xE7</font></td>"), pagina.constData());
    }
};

QTEST_MAIN(TestTfrPesquisaAnotacao)
#include "TestTfrPesquisaAnotacao.moc"
