// The screens' edit masks: their translation to Qt's inputMask (whose digit
// letters are the other way round), the value a field gives with or without
// its literals, and the shown text for a stored value.
#include "util/Documentos.h"
#include "util/EditMask.h"

#include <QtTest>

class TestEditMask : public QObject {
    Q_OBJECT

private slots:
    void translatesToQt_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("qt");
        QTest::newRow("phone with literals")
            << QStringLiteral("(00)0000-0000;1;_") << QStringLiteral("(99)9999-9999;_");
        QTest::newRow("phone, optional digits")
            << QStringLiteral("!\\(99\\)9999-9999;0;_") << QStringLiteral("(00)0000-0000;_");
        QTest::newRow("CPF") << QStringLiteral("000.000.000-00;0;_") << QStringLiteral("999.999.999-99;_");
        QTest::newRow("CEP") << QStringLiteral("00000-000;0;_") << QStringLiteral("99999-999;_");
        QTest::newRow("CEP, escaped hyphen")
            << QStringLiteral("00000\\-000;0;_") << QStringLiteral("99999-999;_");
        QTest::newRow("hour") << QStringLiteral("!90:00;1;_") << QStringLiteral("09:99;_");
        QTest::newRow("date") << QStringLiteral("!99/99/0000;1;_") << QStringLiteral("00/00/9999;_");
        QTest::newRow("card") << QStringLiteral("0000\\-0000\\-0000\\-0000;0;_")
                              << QStringLiteral("9999-9999-9999-9999;_");
        QTest::newRow("numeric CNPJ")
            << QStringLiteral("99.999.999/9999-99;0;_") << QStringLiteral("00.000.000/0000-00;_");
        QTest::newRow("CNPJ with letters") << MascaraCNPJ() << QStringLiteral(">nn.nnn.nnn/nnnn-00;_");
        QTest::newRow("IE of SP") << MascaraIE(QStringLiteral("SP")) + QStringLiteral(";0;_")
                                  << QStringLiteral("999.999.999.999;_");
        QTest::newRow("IE of PE") << MascaraIE(QStringLiteral("PE")) + QStringLiteral(";0;_")
                                  << QStringLiteral("99.9.999.9999999-9;_");
        QTest::newRow("letters, characters, blank")
            << QStringLiteral("LLL-0000;1; ") << QStringLiteral("AAA-9999; ");
        QTest::newRow("optional letters and characters")
            << QStringLiteral("ll-cC-aA") << QStringLiteral("aa-xX-nN;_");
        QTest::newRow("case changes") << QStringLiteral(">LL<ll<>LL") << QStringLiteral(">AA<aa!AA;_");
        QTest::newRow("digit or sign") << QStringLiteral("#000") << QStringLiteral("#999;_");
        QTest::newRow("escaped mask letters")
            << QStringLiteral("\\0\\9\\A\\L-0") << QStringLiteral("\\0\\9\\AL-9;_");
        QTest::newRow("literals Qt reads as commands")
            << QStringLiteral("0h0x0") << QStringLiteral("9\\h9\\x9;_");
        QTest::newRow("underscore is a blank literal")
            << QStringLiteral("00_00") << QStringLiteral("99 99;_");
        QTest::newRow("no mask") << QString() << QString();
    }
    void translatesToQt()
    {
        QFETCH(QString, mask);
        QFETCH(QString, qt);
        QCOMPARE(EditMask(mask).qtInputMask(), qt);
    }

    void readsTheParts()
    {
        const EditMask phone(QStringLiteral("!\\(99\\)9999-9999;0;_"));
        QVERIFY(!phone.keepsLiterals());
        QVERIFY(phone.leadingBlanks());
        QCOMPARE(phone.blank(), QLatin1Char('_'));
        QCOMPARE(phone.inputPlaces(), 10);
        QCOMPARE(phone.emptyText(), QStringLiteral("(__)____-____"));

        const EditMask defaults(QStringLiteral("00-00"));
        QVERIFY(defaults.keepsLiterals());
        QVERIFY(!defaults.leadingBlanks());
        QCOMPARE(defaults.blank(), QLatin1Char('_'));

        const EditMask star(QStringLiteral("000;1;*"));
        QCOMPARE(star.blank(), QLatin1Char('*'));
        QCOMPARE(star.value(QStringLiteral("1**")), QStringLiteral("1  "));
    }

    // What a field gives, read from the text it shows.
    void readsTheValue_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("characters");
        QTest::addColumn<bool>("complete");
        const QString phone1 = QStringLiteral("(00)0000-0000;1;_");
        const QString phone0 = QStringLiteral("!\\(99\\)9999-9999;0;_");
        const QString cpf = QStringLiteral("000.000.000-00;0;_");
        const QString date = QStringLiteral("!99/99/0000;1;_");
        QTest::newRow("phone keeps its literals")
            << phone1 << QStringLiteral("(11)3333-4444") << QStringLiteral("(11)3333-4444")
            << QStringLiteral("1133334444") << true;
        QTest::newRow("phone, a required place empty")
            << phone1 << QStringLiteral("(11)3333-444_") << QStringLiteral("(11)3333-444 ")
            << QStringLiteral("113333444") << false;
        QTest::newRow("phone, digits only")
            << phone0 << QStringLiteral("(11)3333-4444") << QStringLiteral("1133334444")
            << QStringLiteral("1133334444") << true;
        QTest::newRow("phone, optional places left empty")
            << phone0 << QStringLiteral("(11)3333-44__") << QStringLiteral("11333344")
            << QStringLiteral("11333344") << true;
        QTest::newRow("untouched CPF reads empty")
            << cpf << QStringLiteral("___.___.___-__") << QString() << QString() << false;
        QTest::newRow("CPF half typed") << cpf << QStringLiteral("111.444.7__-__")
                                        << QStringLiteral("1114447") << QStringLiteral("1114447") << false;
        QTest::newRow("inner empty place reads as a blank")
            << QStringLiteral("00000-000;0;_") << QStringLiteral("013_0-100") << QStringLiteral("013 0100")
            << QStringLiteral("0130100") << false;
        QTest::newRow("untouched date")
            << date << QStringLiteral("__/__/____") << QStringLiteral("  /  /    ") << QString() << false;
        QTest::newRow("date") << date << QStringLiteral("25/12/2020") << QStringLiteral("25/12/2020")
                              << QStringLiteral("25122020") << true;
        QTest::newRow("hour without its optional digit")
            << QStringLiteral("!90:00;1;_") << QStringLiteral("_9:30") << QStringLiteral(" 9:30")
            << QStringLiteral("930") << true;
        QTest::newRow("CNPJ with letters")
            << MascaraCNPJ() << QStringLiteral("12.ABC.345/01DE-35") << QStringLiteral("12ABC34501DE35")
            << QStringLiteral("12ABC34501DE35") << true;
        QTest::newRow("letters required") << QStringLiteral("LLL-0000;1;_") << QStringLiteral("AB_-1234")
                                          << QStringLiteral("AB -1234") << QStringLiteral("AB1234") << false;
    }
    void readsTheValue()
    {
        QFETCH(QString, mask);
        QFETCH(QString, shown);
        QFETCH(QString, value);
        QFETCH(QString, characters);
        QFETCH(bool, complete);
        const EditMask m(mask);
        QCOMPARE(m.value(shown), value);
        QCOMPARE(m.characters(shown), characters);
        QCOMPARE(m.isComplete(shown), complete);
    }

    // The shown text for a stored value; "" in `shown` means it does not fit.
    void placesAValue_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        const QString cep = QStringLiteral("00000-000;0;_");
        const QString phone = QStringLiteral("!\\(99\\)9999-9999;0;_");
        const QString hour = QStringLiteral("!90:00;1;_");
        const QString date = QStringLiteral("!99/99/0000;1;_");
        const QString ie = MascaraIE(QStringLiteral("SP")) + QStringLiteral(";0;_");
        QTest::newRow("CEP digits") << cep << QStringLiteral("01310100") << QStringLiteral("01310-100");
        QTest::newRow("CEP with its literal")
            << cep << QStringLiteral("01310-100") << QStringLiteral("01310-100");
        QTest::newRow("CEP short") << cep << QStringLiteral("0131") << QStringLiteral("0131_-___");
        QTest::newRow("CEP empty") << cep << QString() << QStringLiteral("_____-___");
        QTest::newRow("CEP too long is never cut") << cep << QStringLiteral("013101001") << QString();
        QTest::newRow("CEP with a letter") << cep << QStringLiteral("0131A100") << QString();
        QTest::newRow("CEP, literal out of place") << cep << QStringLiteral("0131-0100") << QString();
        QTest::newRow("phone") << phone << QStringLiteral("1133334444") << QStringLiteral("(11)3333-4444");
        QTest::newRow("phone without area code")
            << phone << QStringLiteral("33334444") << QStringLiteral("(__)3333-4444");
        QTest::newRow("mobile of eleven digits does not fit")
            << phone << QStringLiteral("11933334444") << QString();
        QTest::newRow("hour, three digits") << hour << QStringLiteral("930") << QStringLiteral("_9:30");
        QTest::newRow("hour as shown") << hour << QStringLiteral(" 9:30") << QStringLiteral("_9:30");
        QTest::newRow("hour, four digits") << hour << QStringLiteral("0930") << QStringLiteral("09:30");
        QTest::newRow("empty date as stored")
            << date << QStringLiteral("  /  /    ") << QStringLiteral("__/__/____");
        QTest::newRow("date") << date << QStringLiteral("25/12/2020") << QStringLiteral("25/12/2020");
        QTest::newRow("CNPJ letters go upper case")
            << MascaraCNPJ() << QStringLiteral("12abc34501de35") << QStringLiteral("12.ABC.345/01DE-35");
        QTest::newRow("numeric CNPJ")
            << MascaraCNPJ() << QStringLiteral("11222333000181") << QStringLiteral("11.222.333/0001-81");
        QTest::newRow("CNPJ check digits stay numeric")
            << MascaraCNPJ() << QStringLiteral("12ABC34501DEAB") << QString();
        QTest::newRow("IE of SP") << ie << QStringLiteral("110042490114")
                                  << QStringLiteral("110.042.490.114");
        QTest::newRow("IE longer than its format") << ie << QStringLiteral("1100424901145") << QString();
        QTest::newRow("no mask keeps the text")
            << QString() << QStringLiteral("abc") << QStringLiteral("abc");
    }
    void placesAValue()
    {
        QFETCH(QString, mask);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        const std::optional<QString> got = EditMask(mask).shownText(value);
        if (shown.isEmpty() && !value.isEmpty()) {
            QVERIFY2(!got, qPrintable(got.value_or(QString())));
            return;
        }
        QVERIFY(got);
        QCOMPARE(*got, shown);
    }

    // Digits from the database come back out of the field unchanged.
    void storedDigitsRoundTrip_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("digits");
        QTest::newRow("CPF") << QStringLiteral("000.000.000-00;0;_") << QStringLiteral("11144477735");
        QTest::newRow("phone") << QStringLiteral("!\\(99\\)9999-9999;0;_") << QStringLiteral("1133334444");
        QTest::newRow("card") << QStringLiteral("0000\\-0000\\-0000\\-0000;0;_")
                              << QStringLiteral("4111111111111111");
        QTest::newRow("CNPJ") << MascaraCNPJ() << QStringLiteral("12ABC34501DE35");
        QTest::newRow("IE of PE") << MascaraIE(QStringLiteral("PE")) + QStringLiteral(";0;_")
                                  << QStringLiteral("18100100000049");
    }
    void storedDigitsRoundTrip()
    {
        QFETCH(QString, mask);
        QFETCH(QString, digits);
        const EditMask m(mask);
        const std::optional<QString> shown = m.shownText(digits);
        QVERIFY(shown);
        QCOMPARE(m.value(*shown), digits);
        QCOMPARE(m.characters(*shown), digits);
    }
};

QTEST_GUILESS_MAIN(TestEditMask)
#include "TestEditMask.moc"
