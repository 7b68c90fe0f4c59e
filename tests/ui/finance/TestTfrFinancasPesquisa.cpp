// The finance search dialog on a real database: its starting filters, the
// page it writes and opens for the filters chosen, a name the page's code
// page cannot hold refused before any statement, F1 on both finance
// screens, and both reached through the program's navigator.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TFinancas.h"
#include "model/TUsuario.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/Navigator.h"
#include "ui/common/Telas.h"
#include "ui/finance/TfrFinancas.h"
#include "ui/finance/TfrFinancasPesquisa.h"
#include "util/DateTime.h"
#include "util/Win1252.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace DbHelpers;

class TestTfrFinancasPesquisa : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_pessoa = 0;
    Database &db() { return m_dm->BancoDados; }

    void lancar(double data, qint64 valor, int tipo, int situacao, const QString &obs)
    {
        TFinancas f(db());
        f.IdPessoa = m_pessoa;
        f.Data = data;
        f.Valor = Money::fromRaw(valor);
        f.TipoOperacao = quint8(tipo);
        f.Situacao = quint8(situacao);
        f.Obs = obs;
        f.Login = QStringLiteral("ana");
        QCOMPARE(f.Inserir(), Resultado::Gravado);
    }
    QString pagina()
    {
        QFile f(m_folder.file(QStringLiteral("Financas.html")));
        return f.open(QIODevice::ReadOnly) ? Win1252::decode(f.readAll()) : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_seams.clock->current = QDateTime(QDate(2026, 1, 15), QTime(10, 0, 0));
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_usuario.Login = QStringLiteral("ana");
        m_usuario.Nome = QStringLiteral("Ana Maria");
        TUsuario::setAtual(&m_usuario);
        m_pessoa = insertPessoaFisica(db(), QStringLiteral("Joana Prado"),
                                      insertGrupo(db(), QStringLiteral("G")), QStringLiteral("ana"), 0);
        lancar(EncodeDate(2026, 1, 5), 100000, 0, 0, QStringLiteral("aluguel"));
        lancar(EncodeDate(2026, 1, 6), 250000, 1, 1, QStringLiteral("serviço"));
        lancar(EncodeDate(2026, 2, 6), 70000, 1, 0, QStringLiteral("fevereiro"));
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        QFile::remove(m_folder.file(QStringLiteral("Financas.html")));
    }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void currentMonthAndFilters()
    {
        TfrFinancasPesquisa dlg;
        TestarModelos(&dlg);
        QCOMPARE(child<QDateEdit>(&dlg, "data_in")->date(), QDate(2026, 1, 1));
        QCOMPARE(child<QDateEdit>(&dlg, "data_out")->date(), QDate(2026, 1, 31));
        QCOMPARE(child<QComboBox>(&dlg, "edtSituacao_02")->currentText(), QStringLiteral("Todas"));
        QCOMPARE(child<QComboBox>(&dlg, "edtTipo_Operacao")->currentText(), QStringLiteral("Todas"));

        child<QPushButton>(&dlg, "btnPesquisar")->click();
        QCOMPARE(m_seams.shell->opened, QStringList{m_folder.file(QStringLiteral("Financas.html"))});
        QString html = pagina();
        QVERIFY(html.contains(QStringLiteral("<b>Joana Prado :: - :: </b>")));
        QVERIFY(html.contains(QStringLiteral("aluguel")));
        QVERIFY(html.contains(QStringLiteral("serviço")));
        QVERIFY(!html.contains(QStringLiteral("fevereiro")));
        QVERIFY(html.contains(QStringLiteral("(Resumo de <b>Janeiro</b>)")));
        QVERIFY(html.contains(QStringLiteral("Gerado por Ana Maria em :15/01/2026 :: 10:00:00")));

        // settled receivables only, over two months
        child<QDateEdit>(&dlg, "data_out")->setDate(QDate(2026, 2, 28));
        child<QComboBox>(&dlg, "edtSituacao_02")->setCurrentIndex(0);
        child<QComboBox>(&dlg, "edtTipo_Operacao")->setCurrentIndex(1);
        child<QPushButton>(&dlg, "btnPesquisar")->click();
        html = pagina();
        QVERIFY(html.contains(QStringLiteral("fevereiro")));
        QVERIFY(!html.contains(QStringLiteral("serviço")));
        QVERIFY(!html.contains(QStringLiteral("aluguel")));
        QVERIFY(html.contains(QStringLiteral("<b>Saldo: </b>R$ 7,00")));

        child<QLineEdit>(&dlg, "edtNome")->setText(QStringLiteral("ninguém"));
        child<QPushButton>(&dlg, "btnPesquisar")->click();
        QVERIFY(pagina().contains(QStringLiteral("Não há dados a exibir!")));
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void unencodableNameIsRefused()
    {
        TfrFinancasPesquisa dlg;
        child<QLineEdit>(&dlg, "edtNomeF")->setText(QStringLiteral("Łukasz"));
        const quint64 antes = Database::statementCount();
        child<QPushButton>(&dlg, "btnPesquisar")->click();
        QCOMPARE(Database::statementCount(), antes);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().contains(QStringLiteral("Ł")));
        QVERIFY(m_seams.shell->opened.isEmpty());
    }

    void f1OpensEachScreensHelp()
    {
        {
            TfrFinancas financas;
            financas.show();
            QVERIFY(QTest::qWaitForWindowExposed(&financas));
            QTest::keyClick(child<QLineEdit>(&financas, "edtValor_01"), Qt::Key_F1);
        }
        {
            TfrFinancasPesquisa pesquisa;
            pesquisa.show();
            QVERIFY(QTest::qWaitForWindowExposed(&pesquisa));
            QTest::keyClick(child<QLineEdit>(&pesquisa, "edtNome"), Qt::Key_F1);
        }
        QCOMPARE(m_seams.shell->opened,
                 (QStringList{m_folder.file(QStringLiteral("Ajuda/financas.htm")),
                              m_folder.file(QStringLiteral("Ajuda/financas_pesquisa.htm"))}));
    }

    // The finance screen opens for a stored person only, and its
    // "Pesquisar Finanças" opens the search.
    void reachedThroughTheNavigator()
    {
        InstallScreens();
        QVERIFY(Telas::Existe(Telas::kFinancas));
        QVERIFY(Telas::Existe(Telas::kFinancasPesquisa));
        QString titulo;
        whenModal<TfrFinancas>([&](TfrFinancas *f) {
            titulo = f->windowTitle();
            whenModal<TfrFinancasPesquisa>([](TfrFinancasPesquisa *p) { p->reject(); });
            child<QPushButton>(f, "btnPesquisar")->click();
            f->reject();
        });
        Telas::Financas(nullptr, m_pessoa, 0);
        QCOMPARE(titulo, QStringLiteral("Finanças de:  Joana Prado ::  : "));
        QCOMPARE(Telas::Financas(nullptr, 0, 0), 0);
        QCOMPARE(Telas::Financas(nullptr, m_pessoa + 100, 0), 0);

        RecordingNavigator *nav = RecordingNavigator::install({Telas::kFinancasPesquisa});
        TfrFinancas tela;
        child<QPushButton>(&tela, "btnPesquisar")->click();
        QCOMPARE(nav->opened.size(), 1);
        QCOMPARE(nav->opened.first().first, Telas::kFinancasPesquisa);
    }
};

QTEST_MAIN(TestTfrFinancasPesquisa)
#include "TestTfrFinancasPesquisa.moc"
