// The instalment screen on a real database: the series it shows on opening
// and what "Salvar" stores, the other ways of generating (days apart, lists
// of offsets with and without Ctrl, repeating), correcting one instalment,
// the counts it refuses, a failure at the third insert that stores nothing
// and keeps the screen open, and "Cancelar" that stores nothing.
#include "data/Database.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TFinancas.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/TestFolder.h"
#include "ui/common/MoneyEdit.h"
#include "ui/common/Navigator.h"
#include "ui/finance/TfrAlteraParcela.h"
#include "ui/finance/TfrRepetindoContas.h"
#include "util/DateTime.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kSucesso = QStringLiteral("Finanças inseridas com sucesso!");

// The screen for a template of 100,00 due 31/01/2026, shown.
struct Tela {
    TfrRepetindoContas dlg;
    bool exposta = false;

    Tela(const TFinancas &modelo, int quantidade) : dlg(modelo, quantidade)
    {
        TestarModelos(&dlg);
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    template <typename T>
    T *c(const char *nome)
    {
        return child<T>(&dlg, nome);
    }
    QStringList linhas()
    {
        QStringList out;
        const QAbstractItemModel *m = c<QListView>("ListaParcelas")->model();
        for (int i = 0; i < m->rowCount(); ++i)
            out << m->index(i, 0).data().toString();
        return out;
    }
    QString soma() { return c<QLabel>("lblSomatorioParcelas")->text(); }
    void gerar(const QString &numero, const QString &intervalo, const char *acao = nullptr)
    {
        c<QLineEdit>("edtNumeroParcelas")->setText(numero);
        c<QLineEdit>("edtVencimentoProximas")->setText(intervalo);
        if (acao)
            c<QAction>(acao)->trigger();
        else
            c<QToolButton>("btnGerarN")->click();
    }
};

} // namespace

class TestTfrRepetindoContas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_pessoa = 0;
    Database &db() { return m_dm->BancoDados; }

    TFinancas modelo(const QString &obs = {})
    {
        TFinancas f;
        f.IdPessoa = m_pessoa;
        f.TipoPessoa = 0;
        f.Valor = Money::fromUnits(100);
        f.Data = EncodeDate(2026, 1, 31);
        f.TipoOperacao = 0;
        f.FormaPagamento = 2;
        f.Situacao = 0;
        f.Login = QStringLiteral("ana");
        f.Obs = obs;
        return f;
    }
    int contar(const QString &where = {}) { return count(db(), QStringLiteral("FINANCAS"), where); }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        InstallScreens(); // the period and instalment dialogs are the real ones
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_pessoa = insertPessoaFisica(db(), QStringLiteral("Joana"), insertGrupo(db(), QStringLiteral("G")),
                                      QStringLiteral("ana"));
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.keyboard->down.clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM FINANCAS")));
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }

    // Opening splits monthly, from the date reached; "Salvar" stores exactly that.
    void openSplitsMonthlyAndSaves()
    {
        Tela t(modelo(), 3);
        QVERIFY(t.exposta);
        QCOMPARE(t.linhas(), (QStringList{QStringLiteral("31/01/2026 :: R$ 33,33    :: Sábado"),
                                          QStringLiteral("28/02/2026 :: R$ 33,33    :: Sábado"),
                                          QStringLiteral("28/03/2026 :: R$ 33,33    :: Sábado")}));
        QCOMPARE(t.soma(), QStringLiteral("Total das parcelas: R$ 100,00"));
        QCOMPARE(t.c<MoneyEdit>("edtValorParcela")->text(), QStringLiteral("33,3333"));
        QCOMPARE(contar(), 0); // nothing before "Salvar"

        t.c<QPushButton>("btnSalvar")->click();
        QCOMPARE(m_seams.messages->shown, QStringList{kSucesso});
        QVERIFY(!t.dlg.isVisible());
        QCOMPARE(t.dlg.result(), int(QDialog::Accepted));
        QStringList gravadas;
        dbOperationOuFalha(db(), [&](Transaction &tr) {
            Query q(tr, QStringLiteral(
                            "SELECT DATA, VALOR, OBS, ID_PESSOA, FORMAP_PAGAMENTO, LOGIN FROM FINANCAS "
                            "ORDER BY DATA"));
            q.open();
            while (q.next())
                gravadas << FormatDateTime(QStringLiteral("dd/mm/yyyy"), q.field(0).asDate()) +
                                QLatin1Char('|') + QString::number(q.field(1).asScaled(4)) +
                                QLatin1Char('|') + q.field(2).asString() + QLatin1Char('|') +
                                QString::number(q.field(3).asInt() == m_pessoa) +
                                QString::number(q.field(4).asInt()) + q.field(5).asString();
        });
        QCOMPARE(gravadas, (QStringList{QStringLiteral("31/01/2026|333333|Lançamento 01 de 03|12ana"),
                                        QStringLiteral("28/02/2026|333333|Lançamento 02 de 03|12ana"),
                                        QStringLiteral("28/03/2026|333333|Lançamento 03 de 03|12ana")}));
    }

    void otherGenerations_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("intervalo");
        QTest::addColumn<QString>("acao");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<QStringList>("datas");
        QTest::addColumn<QString>("soma");
        QTest::newRow("30/60/90, five")
            << QStringLiteral("5") << QStringLiteral("30/60/90") << QString() << false
            << QStringList{QStringLiteral("31/01/2026"), QStringLiteral("02/03/2026"),
                           QStringLiteral("01/04/2026"), QStringLiteral("01/05/2026"),
                           QStringLiteral("01/05/2026")}
            << QStringLiteral("Total das parcelas: R$ 100,00");
        QTest::newRow("30/60/90, five, Ctrl")
            << QStringLiteral("5") << QStringLiteral("30/60/90") << QString() << true
            << QStringList{QStringLiteral("02/03/2026"), QStringLiteral("01/04/2026"),
                           QStringLiteral("01/05/2026"), QStringLiteral("01/05/2026"),
                           QStringLiteral("01/05/2026")}
            << QStringLiteral("Total das parcelas: R$ 100,00");
        QTest::newRow("repeat, 10 days apart")
            << QStringLiteral("3") << QStringLiteral("10") << QStringLiteral("GerarsemDIVIDIRasparcelas1")
            << false
            << QStringList{QStringLiteral("31/01/2026"), QStringLiteral("10/02/2026"),
                           QStringLiteral("20/02/2026")}
            << QStringLiteral("Total das parcelas: R$ 300,00");
        QTest::newRow("repeat monthly")
            << QStringLiteral("2") << QStringLiteral("10")
            << QStringLiteral("GerarsemDIVIDIRasparcelasnummesmodiadoms1") << false
            << QStringList{QStringLiteral("31/01/2026"), QStringLiteral("28/02/2026")}
            << QStringLiteral("Total das parcelas: R$ 200,00");
        QTest::newRow("split monthly, count not a number")
            << QStringLiteral("/") << QStringLiteral("10") << QStringLiteral("Semprenomesmodiadoms1") << false
            << QStringList{QStringLiteral("31/01/2026")} << QStringLiteral("Total das parcelas: R$ 100,00");
    }
    void otherGenerations()
    {
        QFETCH(QString, numero);
        QFETCH(QString, intervalo);
        QFETCH(QString, acao);
        QFETCH(bool, ctrl);
        QFETCH(QStringList, datas);
        QFETCH(QString, soma);
        Tela t(modelo(), 3);
        if (ctrl)
            m_seams.keyboard->down.insert(KeyboardState::Control);
        t.gerar(numero, intervalo, acao.isEmpty() ? nullptr : acao.toLatin1().constData());
        QStringList lidas;
        for (const QString &l : t.linhas())
            lidas << l.left(10);
        QCOMPARE(lidas, datas);
        QCOMPARE(t.soma(), soma);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // A refused count says why and leaves the series shown as it was.
    void refusedCounts_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("acao");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("split into zero") << QStringLiteral("0") << QString()
                                         << QStringLiteral("Informe um número de parcelas maior que zero.");
        QTest::newRow("more than 999")
            << QStringLiteral("1000") << QStringLiteral("GerarsemDIVIDIRasparcelas1")
            << QStringLiteral("O número de parcelas não pode passar de 999.");
        QTest::newRow("repeat zero times: nothing")
            << QStringLiteral("00") << QStringLiteral("GerarsemDIVIDIRasparcelas1") << QString();
    }
    void refusedCounts()
    {
        QFETCH(QString, numero);
        QFETCH(QString, acao);
        QFETCH(QString, mensagem);
        Tela t(modelo(), 3);
        const QStringList antes = t.linhas();
        t.gerar(numero, QStringLiteral("30"), acao.isEmpty() ? nullptr : acao.toLatin1().constData());
        QCOMPARE(m_seams.messages->shown, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        QCOMPARE(t.linhas(), antes);
    }

    // A failure at the third insert stores none, claims nothing and keeps
    // the screen open with its series.
    void failureAtTheThirdInsertStoresNothing()
    {
        QVERIFY(exec(db(), QStringLiteral("CREATE EXCEPTION E_TERCEIRA 'terceira recusada'")));
        QVERIFY(
            exec(db(), QStringLiteral("CREATE TRIGGER T_TERCEIRA FOR FINANCAS BEFORE INSERT AS BEGIN IF "
                                      "(NEW.OBS LIKE 'Aluguel%03 de 04') THEN EXCEPTION E_TERCEIRA; END")));
        Tela t(modelo(QStringLiteral("Aluguel")), 4);
        t.c<QPushButton>("btnSalvar")->click();
        QVERIFY(exec(db(), QStringLiteral("DROP TRIGGER T_TERCEIRA")));
        QVERIFY(exec(db(), QStringLiteral("DROP EXCEPTION E_TERCEIRA")));
        QCOMPARE(contar(), 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().contains(QStringLiteral("terceira recusada")));
        QVERIFY(t.dlg.isVisible());
        QCOMPARE(t.linhas().size(), 4);

        // the same series goes in once the database takes it
        m_seams.messages->clear();
        t.c<QPushButton>("btnSalvar")->click();
        QCOMPARE(m_seams.messages->shown, QStringList{kSucesso});
        QCOMPARE(contar(), 4);
    }

    // One instalment corrected in "Altera Parcela"; "Cancelar" there keeps it,
    // and "Cancelar" on the screen stores nothing.
    void editThenCancelStoresNothing()
    {
        Tela t(modelo(), 3);
        auto *lista = t.c<QListView>("ListaParcelas");
        const QModelIndex segunda = lista->model()->index(1, 0);
        lista->setCurrentIndex(segunda);
        whenModal<TfrAlteraParcela>([](TfrAlteraParcela *d) {
            QCOMPARE(d->findChild<MoneyEdit *>(QStringLiteral("edtValorParcela"))->text(),
                     QStringLiteral("33,3333"));
            d->findChild<MoneyEdit *>(QStringLiteral("edtValorParcela"))->setText(QStringLiteral("40"));
            d->findChild<QDateEdit *>(QStringLiteral("edtData_01"))->setDate(QDate(2026, 3, 2));
            d->findChild<QPushButton *>(QStringLiteral("btnSalvar_01"))->click();
        });
        emit lista->doubleClicked(segunda);
        QCOMPARE(t.linhas().at(1), QStringLiteral("02/03/2026 :: R$ 40,00    :: Segunda-Feira"));
        QCOMPARE(t.soma(), QStringLiteral("Total das parcelas: R$ 106,67"));

        whenModal<TfrAlteraParcela>([](TfrAlteraParcela *d) {
            d->findChild<MoneyEdit *>(QStringLiteral("edtValorParcela"))->setText(QStringLiteral("1"));
            d->findChild<QPushButton *>(QStringLiteral("btnCancelar_01"))->click();
        });
        emit lista->doubleClicked(segunda);
        QCOMPARE(t.linhas().at(1), QStringLiteral("02/03/2026 :: R$ 40,00    :: Segunda-Feira"));

        t.c<QPushButton>("SpeedButton1")->click();
        QVERIFY(!t.dlg.isVisible());
        QCOMPARE(contar(), 0);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }
};

QTEST_MAIN(TestTfrRepetindoContas)
#include "TestTfrRepetindoContas.moc"
