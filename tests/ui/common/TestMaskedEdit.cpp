// The masked field as a user types into it: what it shows, the value the
// record stores, and values put back from the database.
#include "ui/common/MaskedEdit.h"
#include "util/Documentos.h"
#include "util/EditMask.h"

#include <QtTest>

namespace {

// Types into an empty field from its first place, as a user tabbing in does.
void digitar(MaskedEdit &edit, const QString &keys)
{
    edit.setFocus();
    edit.home(false);
    QTest::keyClicks(&edit, keys);
}

} // namespace

class TestMaskedEdit : public QObject {
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("complete");
        QTest::newRow("CPF") << QStringLiteral("000.000.000-00;0;_") << QStringLiteral("11144477735")
                             << QStringLiteral("111.444.777-35") << QStringLiteral("11144477735")
                             << QStringLiteral("11144477735") << true;
        QTest::newRow("CPF half typed")
            << QStringLiteral("000.000.000-00;0;_") << QStringLiteral("1114")
            << QStringLiteral("111.4__.___-__") << QStringLiteral("1114") << QStringLiteral("1114") << false;
        QTest::newRow("phone keeping its literals")
            << QStringLiteral("(00)0000-0000;1;_") << QStringLiteral("1133334444")
            << QStringLiteral("(11)3333-4444") << QStringLiteral("(11)3333-4444")
            << QStringLiteral("1133334444") << true;
        QTest::newRow("letters refused in a phone")
            << QStringLiteral("!\\(99\\)9999-9999;0;_") << QStringLiteral("11ab3333x4444")
            << QStringLiteral("(11)3333-4444") << QStringLiteral("1133334444") << QStringLiteral("1133334444")
            << true;
        QTest::newRow("CEP") << QStringLiteral("00000\\-000;0;_") << QStringLiteral("01310100")
                             << QStringLiteral("01310-100") << QStringLiteral("01310100")
                             << QStringLiteral("01310100") << true;
        QTest::newRow("date") << QStringLiteral("!99/99/0000;1;_") << QStringLiteral("25122020")
                              << QStringLiteral("25/12/2020") << QStringLiteral("25/12/2020")
                              << QStringLiteral("25122020") << true;
        QTest::newRow("hour") << QStringLiteral("!90:00;1;_") << QStringLiteral("0930")
                              << QStringLiteral("09:30") << QStringLiteral("09:30") << QStringLiteral("0930")
                              << true;
        QTest::newRow("CNPJ with letters, typed in lower case")
            << MascaraCNPJ() << QStringLiteral("12abc34501de35") << QStringLiteral("12.ABC.345/01DE-35")
            << QStringLiteral("12ABC34501DE35") << QStringLiteral("12ABC34501DE35") << true;
        QTest::newRow("CNPJ check digits refuse letters")
            << MascaraCNPJ() << QStringLiteral("12abc34501dexy35") << QStringLiteral("12.ABC.345/01DE-35")
            << QStringLiteral("12ABC34501DE35") << QStringLiteral("12ABC34501DE35") << true;
        QTest::newRow("IE of SP") << MascaraIE(QStringLiteral("SP")) + QStringLiteral(";0;_")
                                  << QStringLiteral("110042490114") << QStringLiteral("110.042.490.114")
                                  << QStringLiteral("110042490114") << QStringLiteral("110042490114") << true;
    }
    void typing()
    {
        QFETCH(QString, mask);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, value);
        QFETCH(QString, digits);
        QFETCH(bool, complete);
        MaskedEdit edit(mask);
        edit.show();
        digitar(edit, keys);
        QCOMPARE(edit.displayText(), shown);
        QCOMPARE(edit.value(), value);
        QCOMPARE(edit.digits(), digits);
        QCOMPARE(edit.isComplete(), complete);
    }

    void anUntouchedFieldReadsAsTheRecordExpects()
    {
        MaskedEdit cpf(QStringLiteral("000.000.000-00;0;_"));
        QCOMPARE(cpf.displayText(), QStringLiteral("___.___.___-__"));
        QCOMPARE(cpf.value(), QString());
        QVERIFY(!cpf.isComplete());
        MaskedEdit data(QStringLiteral("!99/99/0000;1;_"));
        QCOMPARE(data.value(), QStringLiteral("  /  /    "));
        QCOMPARE(data.digits(), QString());
    }

    void aTypedCnpjWithLettersIsValid()
    {
        MaskedEdit cnpj(MascaraCNPJ());
        cnpj.show();
        digitar(cnpj, QStringLiteral("12abc34501de35"));
        QVERIFY(ValidarCNPJ(cnpj.value()));
        QCOMPARE(NormalizarCNPJ(cnpj.value()), cnpj.value());
    }

    void setValueShowsTheStoredValue()
    {
        MaskedEdit fone(QStringLiteral("!\\(99\\)9999-9999;0;_"));
        QVERIFY(fone.setValue(QStringLiteral("1133334444")));
        QCOMPARE(fone.displayText(), QStringLiteral("(11)3333-4444"));
        QCOMPARE(fone.value(), QStringLiteral("1133334444"));
        QVERIFY(fone.setValue(QStringLiteral("33334444")));
        QCOMPARE(fone.displayText(), QStringLiteral("(__)3333-4444"));
        QCOMPARE(fone.digits(), QStringLiteral("33334444"));

        MaskedEdit data(QStringLiteral("!99/99/0000;1;_"));
        QVERIFY(data.setValue(QStringLiteral("07/09/1822")));
        QCOMPARE(data.value(), QStringLiteral("07/09/1822"));
        QVERIFY(data.setValue(QStringLiteral("  /  /    ")));
        QCOMPARE(data.displayText(), QStringLiteral("__/__/____"));

        MaskedEdit cnpj(MascaraCNPJ());
        QVERIFY(cnpj.setValue(QStringLiteral("12abc34501de35")));
        QCOMPARE(cnpj.value(), QStringLiteral("12ABC34501DE35"));
    }

    void aValueThatDoesNotFitLeavesTheFieldAsItWas()
    {
        MaskedEdit fone(QStringLiteral("!\\(99\\)9999-9999;0;_"));
        QVERIFY(fone.setValue(QStringLiteral("1133334444")));
        QVERIFY(!fone.setValue(QStringLiteral("11933334444"))); // never cut to ten digits
        QVERIFY(!fone.setValue(QStringLiteral("11A3334444")));
        QCOMPARE(fone.value(), QStringLiteral("1133334444"));
    }

    // A telephone field has a landline's and a mobile's mask: the eleventh
    // digit moves it on to the mobile's, erasing one moves it back, and
    // nothing typed is ever dropped.
    void aTelephoneTakesTheMobilesEleventhDigit()
    {
        MaskedEdit fone;
        fone.setMascaras(MascarasFone());
        digitar(fone, QStringLiteral("1198765432"));
        QCOMPARE(fone.displayText(), QStringLiteral("(11)9876-5432"));
        QTest::keyClicks(&fone, QStringLiteral("1"));
        QCOMPARE(fone.displayText(), QStringLiteral("(11)98765-4321"));
        QCOMPARE(fone.digits(), QStringLiteral("11987654321"));
        QCOMPARE(fone.value(), QStringLiteral("11987654321"));
        // a twelfth digit has no place
        QTest::keyClicks(&fone, QStringLiteral("9"));
        QCOMPARE(fone.digits(), QStringLiteral("11987654321"));

        QTest::keyClick(&fone, Qt::Key_Backspace);
        QCOMPARE(fone.displayText(), QStringLiteral("(11)9876-5432"));
        QCOMPARE(fone.cursorPosition(), fone.displayText().size());
        QTest::keyClicks(&fone, QStringLiteral("7"));
        QCOMPARE(fone.digits(), QStringLiteral("11987654327"));

        // stored values go to the mask that holds them
        QVERIFY(fone.setValue(QStringLiteral("1132451234")));
        QCOMPARE(fone.displayText(), QStringLiteral("(11)3245-1234"));
        QVERIFY(fone.setValue(QStringLiteral("21987654321")));
        QCOMPARE(fone.displayText(), QStringLiteral("(21)98765-4321"));
        QVERIFY(fone.setValue(QStringLiteral("32451234")));
        QCOMPARE(fone.displayText(), QStringLiteral("(__)3245-1234"));
        QCOMPARE(fone.digits(), QStringLiteral("32451234"));
        // more than a mobile holds is never cut
        QVERIFY(!fone.setValue(QStringLiteral("119876543210")));
        QCOMPARE(fone.digits(), QStringLiteral("32451234"));
        QVERIFY(fone.setValue(QString()));
        QCOMPARE(fone.displayText(), QStringLiteral("(__)____-____"));
    }

    void changingTheMaskKeepsWhatFits()
    {
        MaskedEdit ie(MascaraIE(QStringLiteral("SP")) + QStringLiteral(";0;_"));
        QVERIFY(ie.setValue(QStringLiteral("110042490114")));
        QVERIFY(ie.setMascara(QStringLiteral("000000000000;0;_")));
        QCOMPARE(ie.displayText(), QStringLiteral("110042490114"));
        QVERIFY(!ie.setMascara(MascaraIE(QStringLiteral("RJ")) + QStringLiteral(";0;_")));
        QCOMPARE(ie.value(), QString());
        // no mask: a plain field, for a number its state's format does not fit
        QVERIFY(ie.setMascara(QString()));
        QVERIFY(ie.inputMask().isEmpty());
        QVERIFY(ie.setValue(QStringLiteral("1100424901145")));
        QCOMPARE(ie.value(), QStringLiteral("1100424901145"));
        QCOMPARE(ie.digits(), QStringLiteral("1100424901145"));
    }
};

QTEST_MAIN(TestMaskedEdit)
#include "TestMaskedEdit.moc"
