// CPF and CNPJ checks, the IE display formats of the 27 states and how a
// number is shown when its length does not fit its state's format.
#include "util/Documentos.h"

#include <QtTest>

class TestDocumentos : public QObject {
    Q_OBJECT

private slots:
    void cpf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("valid") << QStringLiteral("11144477735") << true;
        QTest::newRow("second digit wrong") << QStringLiteral("11144477736") << false;
        QTest::newRow("first digit wrong") << QStringLiteral("11144477745") << false;
        QTest::newRow("eleven zeros") << QStringLiteral("00000000000") << true;
        // remainder 1: 11 - 1 = 10 becomes 0
        QTest::newRow("first check digit from 10") << QStringLiteral("12345678909") << true;
        QTest::newRow("first check digit from 10, wrong") << QStringLiteral("12345678919") << false;
        // remainder 0: 11 - 0 = 11 becomes 0, for both digits
        QTest::newRow("both check digits from 11") << QStringLiteral("98765432100") << true;
        QTest::newRow("another valid") << QStringLiteral("52998224725") << true;
        QTest::newRow("ten digits") << QStringLiteral("1114447773") << false;
        QTest::newRow("twelve digits") << QStringLiteral("111444777350") << false;
        QTest::newRow("with punctuation") << QStringLiteral("111.444.777-35") << false;
        QTest::newRow("a letter") << QStringLiteral("1114447773A") << false;
        QTest::newRow("blank inside") << QStringLiteral("111444777 5") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("arabic-indic digits") << QStringLiteral("١١١٤٤٤٧٧٧٣٥") << false;
    }
    void cpf()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(ValidarCPF(text), valid);
    }

    void cnpj_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("valid") << QStringLiteral("11222333000181") << true;
        QTest::newRow("second digit wrong") << QStringLiteral("11222333000182") << false;
        QTest::newRow("first digit wrong") << QStringLiteral("11222333000191") << false;
        QTest::newRow("fourteen zeros") << QStringLiteral("00000000000000") << true;
        QTest::newRow("another valid") << QStringLiteral("11444777000161") << true;
        QTest::newRow("alphanumeric") << QStringLiteral("12ABC34501DE35") << true;
        QTest::newRow("alphanumeric lower case") << QStringLiteral("12abc34501de35") << true;
        QTest::newRow("alphanumeric wrong digit") << QStringLiteral("12ABC34501DE36") << false;
        QTest::newRow("alphanumeric wrong letter") << QStringLiteral("12ABD34501DE35") << false;
        QTest::newRow("letter as check digit") << QStringLiteral("12ABC34501DE3A") << false;
        QTest::newRow("accented letter") << QStringLiteral("12ÁBC34501DE35") << false;
        QTest::newRow("thirteen") << QStringLiteral("1122233300018") << false;
        QTest::newRow("fifteen") << QStringLiteral("112223330001810") << false;
        QTest::newRow("with punctuation") << QStringLiteral("11.222.333/0001-81") << false;
        QTest::newRow("a blank") << QStringLiteral("1122233300018 ") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void cnpj()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(ValidarCNPJ(text), valid);
    }

    void cnpjIsStoredUpperCaseWithoutPunctuation()
    {
        QCOMPARE(NormalizarCNPJ(QStringLiteral("12.abc.345/01de-35")), QStringLiteral("12ABC34501DE35"));
        QCOMPARE(NormalizarCNPJ(QStringLiteral("11.222.333/0001-81")), QStringLiteral("11222333000181"));
        QVERIFY(ValidarCNPJ(NormalizarCNPJ(QStringLiteral("12.abc.345/01de-35"))));
    }

    void onlyDigits()
    {
        QCOMPARE(SomenteDigitos(QStringLiteral("111.444.777-35")), QStringLiteral("11144477735"));
        QCOMPARE(SomenteDigitos(QStringLiteral("P-01100424.3/002")), QStringLiteral("011004243002"));
        QCOMPARE(SomenteDigitos(QStringLiteral("abc")), QString());
        QCOMPARE(SomenteDigitos(QStringLiteral("١٢3")), QStringLiteral("3"));
    }

    void ieFormats_data()
    {
        QTest::addColumn<QString>("uf");
        QTest::addColumn<QString>("format");
        const char *table[][2] = {
            {"AC", "00.000.000/000-00"}, {"AL", "000000000"},          {"AP", "000000000"},
            {"AM", "00.000.000-0"},      {"BA", "000000-00"},          {"CE", "00000000-0"},
            {"DF", "00000000000-00"},    {"ES", "000000000"},          {"GO", "00.000.000-0"},
            {"MA", "000000000"},         {"MT", "0000000000-0"},       {"MS", "000000000"},
            {"MG", "000.000.000/0000"},  {"PA", "00-000000-0"},        {"PB", "00000000-0"},
            {"PR", "00000000-00"},       {"PE", "00.0.000.0000000-0"}, {"PI", "000000000"},
            {"RJ", "00.000.00-0"},       {"RN", "00.000.000-0"},       {"RS", "000/0000000"},
            {"RO", "000.00000-0"},       {"RR", "00000000-0"},         {"SC", "000.000.000"},
            {"SP", "000.000.000.000"},   {"SE", "000000000-0"},        {"TO", "00000000000"},
        };
        for (const auto &row : table)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
        QTest::newRow("lower case") << QStringLiteral("sp") << QStringLiteral("000.000.000.000");
        QTest::newRow("blanks around") << QStringLiteral(" rj ") << QStringLiteral("00.000.00-0");
        QTest::newRow("unknown") << QStringLiteral("XX") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("foreign") << QStringLiteral("EX") << QString();
    }
    void ieFormats()
    {
        QFETCH(QString, uf);
        QFETCH(QString, format);
        QCOMPARE(MascaraIE(uf), format);
    }

    void ieShown_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("uf");
        QTest::addColumn<QString>("shown");
        QTest::newRow("SP") << QStringLiteral("110042490114") << QStringLiteral("SP")
                            << QStringLiteral("110.042.490.114");
        QTest::newRow("AC") << QStringLiteral("0100482300112") << QStringLiteral("AC")
                            << QStringLiteral("01.004.823/001-12");
        QTest::newRow("MG") << QStringLiteral("0623079040081") << QStringLiteral("MG")
                            << QStringLiteral("062.307.904/0081");
        QTest::newRow("RJ") << QStringLiteral("99999993") << QStringLiteral("RJ")
                            << QStringLiteral("99.999.99-3");
        QTest::newRow("RS") << QStringLiteral("2243658792") << QStringLiteral("RS")
                            << QStringLiteral("224/3658792");
        QTest::newRow("PA") << QStringLiteral("159999995") << QStringLiteral("PA")
                            << QStringLiteral("15-999999-5");
        QTest::newRow("PE old fourteen") << QStringLiteral("18100100000049") << QStringLiteral("PE")
                                         << QStringLiteral("18.1.001.0000004-9");
        QTest::newRow("BA eight") << QStringLiteral("12345663") << QStringLiteral("BA")
                                  << QStringLiteral("123456-63");
        QTest::newRow("RO old nine") << QStringLiteral("101625213") << QStringLiteral("RO")
                                     << QStringLiteral("101.62521-3");
        QTest::newRow("TO old eleven")
            << QStringLiteral("29010227836") << QStringLiteral("TO") << QStringLiteral("29010227836");
        QTest::newRow("RN nine") << QStringLiteral("200400401") << QStringLiteral("RN")
                                 << QStringLiteral("20.040.040-1");
        // current lengths the classic formats do not know: shown as they are
        QTest::newRow("BA nine") << QStringLiteral("100000306") << QStringLiteral("BA")
                                 << QStringLiteral("100000306");
        QTest::newRow("RO fourteen") << QStringLiteral("00000000625213") << QStringLiteral("RO")
                                     << QStringLiteral("00000000625213");
        QTest::newRow("PE nine") << QStringLiteral("032141840") << QStringLiteral("PE")
                                 << QStringLiteral("032141840");
        QTest::newRow("TO nine") << QStringLiteral("290227836") << QStringLiteral("TO")
                                 << QStringLiteral("290227836");
        QTest::newRow("RN ten") << QStringLiteral("2000400400") << QStringLiteral("RN")
                                << QStringLiteral("2000400400");
        QTest::newRow("SE nine") << QStringLiteral("271234563") << QStringLiteral("SE")
                                 << QStringLiteral("271234563");
        QTest::newRow("SP too short")
            << QStringLiteral("11004249011") << QStringLiteral("SP") << QStringLiteral("11004249011");
        QTest::newRow("SP too long") << QStringLiteral("1100424901145") << QStringLiteral("SP")
                                     << QStringLiteral("1100424901145");
        QTest::newRow("unknown state")
            << QStringLiteral("110042490114") << QStringLiteral("XX") << QStringLiteral("110042490114");
        QTest::newRow("not digits") << QStringLiteral("P01100424300") << QStringLiteral("SP")
                                    << QStringLiteral("P01100424300");
        QTest::newRow("empty") << QString() << QStringLiteral("SP") << QString();
    }
    void ieShown()
    {
        QFETCH(QString, digits);
        QFETCH(QString, uf);
        QFETCH(QString, shown);
        QCOMPARE(FormatarIE(digits, uf), shown);
        // a format never cuts or pads: the digits shown are the digits given
        QCOMPARE(SomenteDigitos(FormatarIE(digits, uf)), SomenteDigitos(digits));
    }
};

QTEST_GUILESS_MAIN(TestDocumentos)
#include "TestDocumentos.moc"
