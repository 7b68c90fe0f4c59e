// The date-pair dialog: its dates at creation (from the clock), the check
// box the caller may show, and the values read after it closes.
#include "support/FakeSeams.h"
#include "ui/finance/TfrEscolhaAsDatas.h"
#include "util/DateTime.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QtTest>

class TestTfrEscolhaAsDatas : public QObject {
    Q_OBJECT

private:
    FakeSeams m_seams{};

private slots:
    void initTestCase() { m_seams = FakeSeams::install(); }

    void datesAtCreationAndAfterOk()
    {
        TfrEscolhaAsDatas dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Escolha as Datas"));
        auto *de = dlg.findChild<QDateEdit *>(QStringLiteral("data_in"));
        auto *ate = dlg.findChild<QDateEdit *>(QStringLiteral("data_out"));
        auto *pessoas = dlg.findChild<QCheckBox *>(QStringLiteral("edtPessoas"));
        QVERIFY(de && ate && pessoas);
        QCOMPARE(de->date(), QDate(2026, 11, 28));
        QCOMPARE(ate->date(), QDate(2026, 12, 8));
        QCOMPARE(de->displayFormat(), QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(dlg.DataInicial(), EncodeDate(2026, 11, 28));

        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(!pessoas->isVisible());
        dlg.MostrarTodasAsPessoas(true);
        QVERIFY(pessoas->isVisible());
        pessoas->click();
        dlg.DefinirDatas(EncodeDate(2026, 11, 1), EncodeDate(2026, 11, 30));
        QCOMPARE(de->date(), QDate(2026, 11, 1));
        dlg.findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.DataFinal(), EncodeDate(2026, 11, 30));
        QVERIFY(dlg.TodasAsPessoas());
    }
};

QTEST_MAIN(TestTfrEscolhaAsDatas)
#include "TestTfrEscolhaAsDatas.moc"
