// The individuals' search panel on a real database with two users' private
// and public rows: what each search finds, the grid's texts and colours, the
// one statement per search, a failed search, and the pick by double-click.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Modelos.h"
#include "support/TestFolder.h"
#include "ui/common/GroupList.h"
#include "ui/common/GroupListModel.h"
#include "ui/search/ResultadoPesquisaModel.h"
#include "ui/search/TfrPesquisaPessoaFisica.h"
#include "ui/search/TframePesquisaNome.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace DbHelpers;

namespace {

// The panel and its controls, found by name.
struct Painel {
    TframePesquisaNome frame;
    QLineEdit *edtNome, *edtNomeF, *edtApelido;
    QPushButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4;
    GroupList *txtGrupo;
    QTableView *Grid;

    Painel()
    {
        edtNome = find<QLineEdit>("edtNome");
        edtNomeF = find<QLineEdit>("edtNomeF");
        edtApelido = find<QLineEdit>("edtApelido");
        SpeedButton1 = find<QPushButton>("SpeedButton1");
        SpeedButton2 = find<QPushButton>("SpeedButton2");
        SpeedButton3 = find<QPushButton>("SpeedButton3");
        SpeedButton4 = find<QPushButton>("SpeedButton4");
        txtGrupo = find<GroupList>("txtGrupo");
        Grid = find<QTableView>("Grid");
        frame.resize(900, 500);
        TestarModelos(&frame);
        frame.show();
        frame.MostrarResultado();
    }
    template <typename T>
    T *find(const char *name)
    {
        T *w = frame.findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("control %s not found", name);
        return w;
    }
    QStringList nomes() const
    {
        QStringList out;
        for (const PessoaEncontrada &p : frame.PessoasEncontradas())
            out << p.Nome;
        return out;
    }
    QString celula(int linha, int coluna) const
    {
        return Grid->model()->index(linha, coluna).data().toString();
    }
    QColor fundo(int linha) const
    {
        return Grid->model()->index(linha, 1).data(Qt::BackgroundRole).value<QColor>();
    }
    void duploClique(QPoint onde) { QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, {}, onde); }
    void duploCliqueNaLinha(int linha)
    {
        duploClique(Grid->visualRect(Grid->model()->index(linha, 1)).center());
    }
};

} // namespace

class TestTframePesquisaNome : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_atual;
    int m_amigos = 0, m_clube = 0, m_anaMaria = 0;
    Database &db() { return m_dm->BancoDados; }

    int pessoa(const QString &nome, int grupo, const QString &login, int publica,
               const QVariantMap &colunas = {})
    {
        const int id = insertPessoaFisica(db(), nome, grupo, login, publica);
        for (auto it = colunas.begin(); it != colunas.end(); ++it) {
            QVariantMap p{{QStringLiteral("V"), it.value()}, {QStringLiteral("I"), id}};
            if (!exec(
                    db(),
                    QStringLiteral("UPDATE PESSOAFISICA SET %1 = :V WHERE IDENTIFICADOR = :I").arg(it.key()),
                    p))
                return 0;
        }
        return id;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
        m_atual.Login = QStringLiteral("ana");
        TUsuario::setAtual(&m_atual);

        m_amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(m_amigos > 0);
        // a code of five digits: the search must take it from the item, not its text
        QVERIFY(
            exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (10007, 'Clube')")));
        m_clube = 10007;

        const QString ana = QStringLiteral("ana"), bia = QStringLiteral("bia");
        m_anaMaria = pessoa(QStringLiteral("Ana Maria"), m_amigos, ana, 0,
                            {{QStringLiteral("TRATAMENTO"), QStringLiteral("Sra.")},
                             {QStringLiteral("APELIDO"), QStringLiteral("Aninha")},
                             {QStringLiteral("FONE_RESIDENCIAL"), QStringLiteral("1132451234")},
                             {QStringLiteral("CPF"), QStringLiteral("11144477735")},
                             {QStringLiteral("CIDADE"), QStringLiteral("Santos")}});
        QVERIFY(m_anaMaria > 0);
        QVERIFY(pessoa(QStringLiteral("Mariana"), m_amigos, bia, 1,
                       {{QStringLiteral("GUIA"), 1}, {QStringLiteral("APELIDO"), QStringLiteral("Mari")}}));
        QVERIFY(pessoa(QStringLiteral("Anna"), m_amigos, bia, 1));
        QVERIFY(pessoa(QStringLiteral("Juliana Escondida"), m_amigos, bia, 0,
                       {{QStringLiteral("APELIDO"), QStringLiteral("Aninha")}}));
        QVERIFY(pessoa(QStringLiteral("Kátia Souza"), m_clube, ana, 0));
        QVERIFY(pessoa(QStringLiteral("Katia Lima"), m_amigos, bia, 1));
        QVERIFY(pessoa(QStringLiteral("Catia Reis"), m_clube, bia, 1));
        QVERIFY(pessoa(QStringLiteral("Cátia Oculta"), m_clube, bia, 0));
        QVERIFY(pessoa(QStringLiteral("Marta Dias"), m_amigos, ana, 1));
    }
    void init() { m_seams.messages->clear(); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void showsItsControls()
    {
        Painel p;
        QCOMPARE(p.frame.findChild<QGroupBox *>(QStringLiteral("GroupBox1"))->title(),
                 QStringLiteral("  :: Nome :: "));
        QCOMPARE(p.frame.findChild<QGroupBox *>(QStringLiteral("GroupBox2"))->title(),
                 QStringLiteral(" :: Apelido :: "));
        QCOMPARE(p.frame.findChild<QGroupBox *>(QStringLiteral("GroupBox3"))->title(),
                 QStringLiteral(" :: Grupo :: "));
        QCOMPARE(p.frame.findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Mais Específica"));
        QCOMPARE(p.frame.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Mais Abrangente (Fonética)"));
        for (QPushButton *b : {p.SpeedButton1, p.SpeedButton2, p.SpeedButton3, p.SpeedButton4})
            QCOMPARE(b->text(), QStringLiteral("ok"));
        const QStringList dica = p.edtNome->toolTip().split(QLatin1Char('\n'));
        QCOMPARE(dica.size(), 12);
        QCOMPARE(dica.at(2),
                 QStringLiteral("Por exemplo, se foi cadastrado Kátia você não achará Catia nem Katia."));
        QVERIFY(dica.at(10).endsWith(QLatin1Char(' ')));
        QCOMPARE(dica.at(11), QStringLiteral("e assim por diante."));
        QCOMPARE(p.SpeedButton1->toolTip(), p.edtNome->toolTip());
        QCOMPARE(p.edtNomeF->toolTip().split(QLatin1Char('\n')).at(3),
                 QStringLiteral(
                     "Por exemplo, se você procurar por Kátia achará Catia, Katia e assim por diante."));
        QCOMPARE(p.SpeedButton4->toolTip(), p.edtNomeF->toolTip());
    }

    void searchesFindTheVisiblePersons_data()
    {
        QTest::addColumn<QString>("como");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("achados");
        // "Juliana Escondida" and "Cátia Oculta" belong to bia and are private
        QTest::newRow("name anywhere, any case")
            << "nome"
            << "ana" << QStringList{QStringLiteral("Ana Maria"), QStringLiteral("Mariana")};
        QTest::newRow("name by Enter")
            << "nomeEnter"
            << "MARI" << QStringList{QStringLiteral("Ana Maria"), QStringLiteral("Mariana")};
        QTest::newRow("empty name finds all visible")
            << "nome"
            << "" << QStringList{QStringLiteral("Ana Maria"),   QStringLiteral("Anna"),
                                 QStringLiteral("Catia Reis"),  QStringLiteral("Katia Lima"),
                                 QStringLiteral("Kátia Souza"), QStringLiteral("Mariana"),
                                 QStringLiteral("Marta Dias")};
        QTest::newRow("by sound") << "fonetico"
                                  << "Kátia"
                                  << QStringList{QStringLiteral("Catia Reis"), QStringLiteral("Katia Lima"),
                                                 QStringLiteral("Kátia Souza")};
        QTest::newRow("by sound, Enter") << "foneticoEnter"
                                         << "katia souza" << QStringList{QStringLiteral("Kátia Souza")};
        QTest::newRow("by sound, a quote") << "fonetico"
                                           << "D'Ávila" << QStringList{};
        QTest::newRow("nickname") << "apelido"
                                  << "nin" << QStringList{QStringLiteral("Ana Maria")};
        QTest::newRow("nickname by Enter") << "apelidoEnter"
                                           << "MARI" << QStringList{QStringLiteral("Mariana")};
        QTest::newRow("nothing") << "nome"
                                 << "zzz" << QStringList{};
    }
    void searchesFindTheVisiblePersons()
    {
        QFETCH(QString, como);
        QFETCH(QString, texto);
        QFETCH(QStringList, achados);
        Painel p;
        const quint64 antes = Database::statementCount();
        if (como.startsWith(QStringLiteral("nome"))) {
            p.edtNome->setText(texto);
            como.endsWith(QStringLiteral("Enter")) ? QTest::keyClick(p.edtNome, Qt::Key_Return)
                                                   : p.SpeedButton1->click();
        } else if (como.startsWith(QStringLiteral("fonetico"))) {
            p.edtNomeF->setText(texto);
            como.endsWith(QStringLiteral("Enter")) ? QTest::keyClick(p.edtNomeF, Qt::Key_Return)
                                                   : p.SpeedButton4->click();
        } else {
            p.edtApelido->setText(texto);
            como.endsWith(QStringLiteral("Enter")) ? QTest::keyClick(p.edtApelido, Qt::Key_Return)
                                                   : p.SpeedButton2->click();
        }
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(p.nomes(), achados);
        QCOMPARE(p.Grid->model()->rowCount(), qMax(1, int(achados.size())));
    }

    void theGroupComesFromTheItemsCode()
    {
        Painel p;
        p.frame.CarregarGrupos();
        QCOMPARE(p.txtGrupo->currentIndex(), -1);
        QCOMPARE(p.txtGrupo->count(), 2);
        QCOMPARE(p.txtGrupo->itemText(0),
                 QStringLiteral("%1 :: Amigos").arg(m_amigos, 4, 10, QLatin1Char('0')));

        // no group shown: neither the button nor closing the list searches
        const quint64 antes = Database::statementCount();
        p.SpeedButton3->click();
        QCOMPARE(Database::statementCount(), antes);

        const int clube = p.txtGrupo->grupos()->linhaDoCodigo(m_clube);
        p.txtGrupo->setCurrentIndex(clube);
        emit p.txtGrupo->activated(clube);
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(p.nomes(), (QStringList{QStringLiteral("Catia Reis"), QStringLiteral("Kátia Souza")}));

        p.txtGrupo->setCurrentIndex(p.txtGrupo->grupos()->linhaDoCodigo(m_amigos));
        p.SpeedButton3->click();
        QCOMPARE(p.nomes(), (QStringList{QStringLiteral("Ana Maria"), QStringLiteral("Anna"),
                                         QStringLiteral("Katia Lima"), QStringLiteral("Mariana"),
                                         QStringLiteral("Marta Dias")}));
    }

    // The grid's rows hold only what it shows; picking a row reads the
    // complete record with one statement.
    void pickingARowLoadsTheCompleteRecord()
    {
        TfrPesquisaPessoaFisica dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(QStringLiteral("ana m"));
        dlg.findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
        const PessoaEncontrada &linha = dlg.frame()->PessoasEncontradas().value(0);
        QCOMPARE(linha.Identificador, m_anaMaria);
        QCOMPARE(linha.Tratamento, QStringLiteral("Sra."));
        QCOMPARE(linha.Apelido, QStringLiteral("Aninha"));
        QCOMPARE(linha.Fone, QStringLiteral("1132451234"));

        auto *grid = dlg.findChild<QTableView *>(QStringLiteral("Grid"));
        const quint64 antes = Database::statementCount();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                           grid->visualRect(grid->model()->index(0, 1)).center());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const std::optional<TPessoaFisica> a = dlg.escolhido();
        QCOMPARE(Database::statementCount() - antes, quint64(1)); // the pick read the row once
        QVERIFY(a);
        QCOMPARE(a->Identificador, m_anaMaria);
        QCOMPARE(a->Nome, QStringLiteral("Ana Maria"));
        QCOMPARE(a->NomeAntigo, a->Nome);
        QCOMPARE(a->Tratamento, QStringLiteral("Sra."));
        QCOMPARE(a->CPF, QStringLiteral("11144477735"));
        QCOMPARE(a->Endereco.Cidade, QStringLiteral("Santos"));
        QCOMPARE(a->Login, QStringLiteral("ana"));
        QCOMPARE(a->Publica, 0);
        QCOMPARE(a->Grupo.Codigo, m_amigos);
        QCOMPARE(a->Grupo.Nome, QStringLiteral("Amigos"));
    }

    void gridShowsTextsAndColours()
    {
        Painel p;
        const QAbstractItemModel *m = p.Grid->model();
        QCOMPARE(m->columnCount(), 5);
        const QStringList cabecalhos{QStringLiteral("ID"), QStringLiteral("Nome"), QStringLiteral("Apelido"),
                                     QStringLiteral("Fone"), QStringLiteral("Inserido Por")};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), cabecalhos.at(c));
            QCOMPARE(m->headerData(c, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(), QColor(Qt::blue));
            QCOMPARE(m->headerData(c, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
            QVERIFY(m->headerData(c, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        }
        p.edtNome->setText(QStringLiteral("a"));
        p.SpeedButton1->click();
        QCOMPARE(p.nomes().mid(0, 3), (QStringList{QStringLiteral("Ana Maria"), QStringLiteral("Anna"),
                                                   QStringLiteral("Catia Reis")}));
        QCOMPARE(p.celula(0, 0), QStringLiteral("0001"));
        QCOMPARE(p.celula(0, 1), QStringLiteral("Sra. Ana Maria"));
        QCOMPARE(p.celula(0, 2), QStringLiteral("Aninha"));
        QCOMPARE(p.celula(0, 3), QStringLiteral("(11)3245-1234"));
        QCOMPARE(p.celula(0, 4), QStringLiteral("ana"));
        QCOMPARE(p.celula(2, 0), QStringLiteral("0003"));
        QCOMPARE(p.celula(2, 1), QStringLiteral(" Catia Reis"));
        QCOMPARE(p.celula(2, 4), QStringLiteral("bia"));

        const int mariana = int(p.nomes().indexOf(QStringLiteral("Mariana")));
        QVERIFY(mariana > 0);
        QCOMPARE(p.fundo(0), QColor(Qt::white));
        QCOMPARE(p.fundo(1), QColor(192, 220, 192));
        QCOMPARE(p.fundo(2), QColor(Qt::white));
        QCOMPARE(p.fundo(mariana), QColor(255, 196, 196)); // in the emergency guide
    }

    void emptyResultShowsOneBlankRow()
    {
        Painel p;
        QCOMPARE(p.Grid->model()->rowCount(), 1);
        p.edtNome->setText(QStringLiteral("zzz"));
        p.SpeedButton1->click();
        QCOMPARE(p.Grid->model()->rowCount(), 1);
        QVERIFY(p.Grid->horizontalHeader()->isVisible());
        for (int c = 0; c < 5; ++c)
            QCOMPARE(p.celula(0, c), QString());
        QCOMPARE(p.fundo(0), QColor(Qt::white));
        p.duploCliqueNaLinha(0);
        QCOMPARE(p.frame.IndiceEscolhido(), -1);
    }

    // The list and the grid always match: a failed search empties both.
    void aFailedSearchClearsListAndGrid()
    {
        Painel p;
        p.edtNome->setText(QStringLiteral("ana"));
        p.SpeedButton1->click();
        QCOMPARE(p.frame.PessoasEncontradas().size(), 2);
        p.duploCliqueNaLinha(1);
        QCOMPARE(p.frame.IndiceEscolhido(), 1);

        p.edtNome->setText(QStringLiteral("ana \u4e2d")); // no Windows-1252 form: the statement cannot run
        p.SpeedButton1->click();
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().endsWith(
            QStringLiteral("\r\nSELECT P.IDENTIFICADOR, P.TRATAMENTO, P.NOME, P.APELIDO, "
                           "P.FONE_RESIDENCIAL, P.LOGIN, P.GUIA FROM PESSOAFISICA P, GRUPO G WHERE "
                           "UPPER(NOME) LIKE :NOME AND (UPPER(LOGIN) = "
                           ":LOGIN OR PUBLICA = :PUBLICA) AND P.COD_GRUPO "
                           "= G.COD_GRUPO ORDER BY NOME, IDENTIFICADOR ")));
        QVERIFY(p.frame.PessoasEncontradas().isEmpty());
        QCOMPARE(p.frame.IndiceEscolhido(), -1);
        QCOMPARE(p.Grid->model()->rowCount(), 1);
        QCOMPARE(p.celula(0, 1), QString());
    }

    void doubleClickPicksTheRowUnderThePointer()
    {
        Painel p;
        p.edtNomeF->setText(QStringLiteral("katia"));
        p.SpeedButton4->click();
        QCOMPARE(p.frame.PessoasEncontradas().size(), 3);
        QSignalSpy duplo(&p.frame, &FramePesquisa::gradeDuploClique);

        p.duploCliqueNaLinha(2);
        QCOMPARE(p.frame.IndiceEscolhido(), 2);
        QCOMPARE(p.frame.PessoasEncontradas().at(2).Nome, QStringLiteral("Kátia Souza"));

        // below the last row: nobody, even with a row current
        p.Grid->setCurrentIndex(p.Grid->model()->index(1, 1));
        p.duploClique(QPoint(10, p.Grid->viewport()->height() - 5));
        QCOMPARE(p.frame.IndiceEscolhido(), -1);
        QCOMPARE(duplo.count(), 2);

        // a new search forgets the pick
        p.duploCliqueNaLinha(0);
        QCOMPARE(p.frame.IndiceEscolhido(), 0);
        p.SpeedButton4->click();
        QCOMPARE(p.frame.IndiceEscolhido(), -1);
    }
};

QTEST_MAIN(TestTframePesquisaNome)
#include "TestTframePesquisaNome.moc"
