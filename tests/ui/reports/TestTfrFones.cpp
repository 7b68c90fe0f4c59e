// The telephone-list screen: its kept settings and page, the captions and
// the kind reset around the birthday page, and what each button writes and
// opens.
#include "data/TDM.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Modelos.h"
#include "support/TestFolder.h"
#include "ui/reports/TfrFones.h"
#include "util/Win1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace DbHelpers;

namespace {

QString lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return Win1252::decode(f.readAll());
}

} // namespace

class TestTfrFones : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    std::unique_ptr<TfrFones> tela()
    {
        auto w = std::make_unique<TfrFones>(QStringLiteral("ana"));
        w->show();
        TestarModelos(w.get());
        return w;
    }

    void clicar(TfrFones *w, const QString &botao)
    {
        m_seams.shell->opened.clear();
        child<QPushButton>(w, botao)->click();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        // listed by name: Amigos before Zeladores whatever the order of creation
        const int zeladores = insertGrupo(db(), QStringLiteral("Zeladores"));
        const int amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        const int carlos =
            insertPessoaFisica(db(), QStringLiteral("Carlos Souza"), amigos, QStringLiteral("ana"));
        QVERIFY(
            exec(db(),
                 QStringLiteral("UPDATE PESSOAFISICA SET BAIRRO = 'Centro', DATA_NASCIMENTO = '1980-03-15' "
                                "WHERE IDENTIFICADOR = :ID"),
                 {{QStringLiteral("ID"), carlos}}));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Zeca Lima"), zeladores, QStringLiteral("ana")) > 0);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Acme Limitada"), zeladores,
                                     QStringLiteral("ana")) > 0);
        QVERIFY(exec(db(),
                     QStringLiteral("INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA, TEXTO) VALUES "
                                    "(:ID, 0, '2026-11-20', 'Ligou')"),
                     {{QStringLiteral("ID"), carlos}}));
    }

    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        QFile::remove(SettingsFilePath());
    }

    // At start: every kind, the address from the settings, contacts on, the
    // groups by name with the first chosen, the last 30 days, January.
    void startState()
    {
        QVERIFY(WriteSettingBool(QStringLiteral("TELEFONES"), QStringLiteral("ENDERECO"), false));
        QVERIFY(WriteSettingInt(QStringLiteral("FONE"), QStringLiteral("PAGINA"), 3));
        auto w = tela();
        QCOMPARE(w->TipoPessoa(), 2);
        QVERIFY(!child<QCheckBox>(w.get(), "edtEndereco")->isChecked());
        QVERIFY(child<QCheckBox>(w.get(), "edtContatos")->isChecked());
        QVERIFY(child<QCheckBox>(w.get(), "edtApenasComHistorico")->isChecked());
        QCOMPARE(child<QTabWidget>(w.get(), "PageControl1")->currentIndex(), 3);
        QCOMPARE(w->windowTitle(),
                 QStringLiteral("Impressão de Pessoas Fisicas e/ou Juridicas com Histórico e Contatos"));
        auto *grupos = child<QComboBox>(w.get(), "txtGrupo");
        QCOMPARE(grupos->count(), 2);
        QCOMPARE(grupos->currentText(), QStringLiteral("Amigos"));
        QCOMPARE(grupos->itemText(1), QStringLiteral("Zeladores"));
        QCOMPARE(child<QDateEdit>(w.get(), "data_in")->date(), QDate(2026, 11, 8));
        QCOMPARE(child<QDateEdit>(w.get(), "data_out")->date(), QDate(2026, 12, 8));
        QCOMPARE(child<QComboBox>(w.get(), "txtMes")->currentText(), QStringLiteral("Janeiro"));
    }

    // Each page sets its caption; entering the birthday page and leaving
    // it set the kind to individuals; closing keeps the page and the
    // address choice.
    void pagesAndClosing()
    {
        auto w = tela();
        auto *paginas = child<QTabWidget>(w.get(), "PageControl1");
        QCOMPARE(paginas->currentIndex(), 0);
        QCOMPARE(w->windowTitle(), QStringLiteral("Impressão de Pessoas Fisicas e/ou Jurídicas por Grupo"));
        paginas->setCurrentIndex(1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Impressão de Pessoas Fisicas e/ou Jurídicas por Bairro"));
        QCOMPARE(w->TipoPessoa(), 2);
        paginas->setCurrentIndex(2);
        QCOMPARE(w->windowTitle(), QStringLiteral("Impressão dos Aniversariantes do Mês"));
        QCOMPARE(w->TipoPessoa(), 0);
        child<QRadioButton>(w.get(), "txtTipoPessoa2")->click();
        paginas->setCurrentIndex(3);
        QCOMPARE(w->TipoPessoa(), 0);
        child<QRadioButton>(w.get(), "txtTipoPessoa1")->click();
        paginas->setCurrentIndex(0);
        QCOMPARE(w->TipoPessoa(), 1);
        paginas->setCurrentIndex(3);

        child<QCheckBox>(w.get(), "edtEndereco")->setChecked(false);
        w->close();
        QCOMPARE(ReadSettingInt(QStringLiteral("FONE"), QStringLiteral("PAGINA")), 3);
        QVERIFY(!ReadSettingBool(QStringLiteral("TELEFONES"), QStringLiteral("ENDERECO")));
    }

    // Every button writes the page of the chosen kind with what the
    // screen holds, and opens it.
    void buttons_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QStringList>("presentes");
        QTest::addColumn<QStringList>("ausentes");
        QTest::newRow("all groups") << QStringLiteral("btnImprimir") << 1 << QStringLiteral("Fones_PJ.html")
                                    << QStringList{QStringLiteral("ZELADORES"), QStringLiteral("Acme")}
                                    << QStringList{QStringLiteral("Carlos")};
        QTest::newRow("complete, with the history page's name")
            << QStringLiteral("btnTodosEmOrdemAlfabetica") << 0 << QStringLiteral("Fones_PF.html")
            << QStringList{QStringLiteral("Em Ondem Alfabética::"), QStringLiteral("Carlos")}
            << QStringList{QStringLiteral("Zeca")};
        QTest::newRow("summary") << QStringLiteral("SpeedButton2") << 2 << QStringLiteral("Fones_PF_PJ.html")
                                 << QStringList{QStringLiteral("Simplificado"), QStringLiteral("Carlos")}
                                 << QStringList{QStringLiteral("Acme"), QStringLiteral("Zeca")};
        QTest::newRow("chosen group")
            << QStringLiteral("btnImprimirGrupo") << 0 << QStringLiteral("Fones_PF.html")
            << QStringList{QStringLiteral("ZELADORES"), QStringLiteral("Zeca")}
            << QStringList{QStringLiteral("Carlos")};
        QTest::newRow("district") << QStringLiteral("btnBairro") << 2 << QStringLiteral("Fones_PF_PJ.html")
                                  << QStringList{QStringLiteral("(Bairo: cent)"), QStringLiteral("Carlos")}
                                  << QStringList{QStringLiteral("Zeca"), QStringLiteral("Acme")};
        QTest::newRow("birthday month with the date")
            << QStringLiteral("btnMes") << 0 << QStringLiteral("Fones_PF.html")
            << QStringList{QStringLiteral("(Março)"), QStringLiteral("Carlos Souza (15/03/1980)")}
            << QStringList{QStringLiteral("Zeca")};
        QTest::newRow("history") << QStringLiteral("SpeedButton1") << 2 << QStringLiteral("Fones_PF_PJ.html")
                                 << QStringList{QStringLiteral("Filtrado por: \"souza\" entre: 08/11/2026 e "
                                                               "08/12/2026"),
                                                QStringLiteral("Ligou")}
                                 << QStringList{QStringLiteral("Zeca")};
    }
    void buttons()
    {
        QFETCH(QString, botao);
        QFETCH(int, tipo);
        QFETCH(QString, arquivo);
        QFETCH(QStringList, presentes);
        QFETCH(QStringList, ausentes);
        auto w = tela();
        w->DefinirTipoPessoa(tipo);
        child<QComboBox>(w.get(), "txtGrupo")->setCurrentIndex(1);
        child<QLineEdit>(w.get(), "edtBairro")->setText(QStringLiteral("cent"));
        child<QComboBox>(w.get(), "txtMes")->setCurrentIndex(2);
        child<QCheckBox>(w.get(), "txtData")->setChecked(true);
        child<QLineEdit>(w.get(), "edtNome")->setText(QStringLiteral("souza"));
        clicar(w.get(), botao);
        const QString caminho = m_folder.file(arquivo);
        QCOMPARE(m_seams.shell->opened, QStringList{caminho});
        const QString html = lerArquivo(caminho);
        for (const QString &s : presentes)
            QVERIFY2(html.contains(s), qPrintable(s));
        for (const QString &s : ausentes)
            QVERIFY2(!html.contains(s), qPrintable(s));
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    // A district Windows-1252 cannot hold is refused with its name and
    // nothing is written or opened.
    void unencodableFilter()
    {
        auto w = tela();
        const QString caminho = m_folder.file(QStringLiteral("Fones_PF_PJ.html"));
        QFile::remove(caminho);
        child<QLineEdit>(w.get(), "edtBairro")->setText(QStringLiteral("Łódź"));
        clicar(w.get(), QStringLiteral("btnBairro"));
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown[0].contains(QStringLiteral("Ł")));
        QVERIFY(m_seams.shell->opened.isEmpty());
        QVERIFY(!QFile::exists(caminho));
    }

    void helpKey()
    {
        auto w = tela();
        QTest::keyClick(w.get(), Qt::Key_F1);
        QCOMPARE(m_seams.shell->opened,
                 QStringList{m_folder.file(QStringLiteral("Ajuda/pesq_telefones.htm"))});
    }
};

QTEST_MAIN(TestTfrFones)
#include "TestTfrFones.moc"
