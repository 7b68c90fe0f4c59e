#include "util/Formats.h"
#include "util/Money.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestFormats : public QObject {
    Q_OBJECT

private slots:
    void formatFloat_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        // the program's own patterns
        QTest::newRow("000") << u"000"_s << 7.0 << u"007"_s;
        QTest::newRow("pessoa(s)") << u"00\" pessoa(s)\""_s << 2.0 << u"02 pessoa(s)"_s;
        QTest::newRow("pessoa(s), three digits") << u"00\" pessoa(s)\""_s << 123.0 << u"123 pessoa(s)"_s;
        QTest::newRow("postal code, quoted hyphen") << u"00000\"-\"000"_s << 1234567.0 << u"01234-567"_s;
        QTest::newRow("postal code, bare hyphen") << u"00000-000"_s << 1234567.0 << u"01234-567"_s;
        QTest::newRow("group code") << u"0000 :: "_s << 7.0 << u"0007 :: "_s;
        QTest::newRow("note counter")
            << u"\"Exibindo Anotação \"000 \"de\" "_s << 2.0 << u"Exibindo Anotação 002 de "_s;
        QTest::newRow("##0.00") << u"##0.00"_s << 3.5 << u"3,50"_s;
        QTest::newRow("##0.00 below one") << u"##0.00"_s << 0.25 << u"0,25"_s;
        QTest::newRow("#,##0.00") << u"#,##0.00"_s << 1234.5 << u"1.234,50"_s;
        QTest::newRow("#,##0.00 millions") << u"#,##0.00"_s << 1234567.891 << u"1.234.567,89"_s;
        QTest::newRow("#,##0 exactly a thousand") << u"#,##0"_s << 1000.0 << u"1.000"_s;
        QTest::newRow("#,##0 below a thousand") << u"#,##0"_s << 999.0 << u"999"_s;
        QTest::newRow("#,##0 six digits") << u"#,##0"_s << 100000.0 << u"100.000"_s;
        QTest::newRow("#,##0 large") << u"#,##0"_s << 1234567890123.0 << u"1.234.567.890.123"_s;
        QTest::newRow("more digits than placeholders") << u"0"_s << 12345.0 << u"12345"_s;
        // signs and sections
        QTest::newRow("minus before the first digit") << u"#,##0.00"_s << -1234.5 << u"-1.234,50"_s;
        QTest::newRow("minus after a literal") << u"\"R$ \"0.00"_s << -5.0 << u"R$ -5,00"_s;
        QTest::newRow("negative section") << u"0.00;(0.00)"_s << -5.0 << u"(5,00)"_s;
        QTest::newRow("negative section, positive value") << u"0.00;(0.00)"_s << 5.0 << u"5,00"_s;
        QTest::newRow("zero section") << u"0.00;(0.00);\"zero\""_s << 0.0 << u"zero"_s;
        QTest::newRow("rounds to zero, zero section") << u"0.00;(0.00);\"zero\""_s << -0.001 << u"zero"_s;
        QTest::newRow("rounds to zero, no minus") << u"0.00"_s << -0.001 << u"0,00"_s;
        QTest::newRow("rounds to zero in the negative section") << u"0.00;(0.00)"_s << -0.004 << u"0,00"_s;
        QTest::newRow("empty negative section") << u"0.00;;\"zero\""_s << -5.0 << u"-5,00"_s;
        QTest::newRow("quoted semicolon") << u"0\";\"0"_s << 12.0 << u"1;2"_s;
        // rounding half away from zero at the shown precision
        QTest::newRow("2.675") << u"0.00"_s << 2.675 << u"2,68"_s;
        QTest::newRow("1.005") << u"0.00"_s << 1.005 << u"1,01"_s;
        QTest::newRow("-2.675") << u"0.00"_s << -2.675 << u"-2,68"_s;
        QTest::newRow("0.5") << u"0"_s << 0.5 << u"1"_s;
        QTest::newRow("-0.5") << u"0"_s << -0.5 << u"-1"_s;
        QTest::newRow("2.5") << u"0"_s << 2.5 << u"3"_s;
        QTest::newRow("0.49") << u"0"_s << 0.49 << u"0"_s;
        QTest::newRow("carry into a new digit") << u"#,##0.00"_s << 999.999 << u"1.000,00"_s;
        QTest::newRow("0.1 + 0.2") << u"0.0###"_s << 0.1 + 0.2 << u"0,3"_s;
        // optional digits
        QTest::newRow("#.## below one") << u"#.##"_s << 0.5 << u",5"_s;
        QTest::newRow("#.## zero") << u"#.##"_s << 0.0 << QString();
        QTest::newRow("0.## whole") << u"0.##"_s << 1.0 << u"1"_s;
        QTest::newRow("0.0# one decimal") << u"0.0#"_s << 1.5 << u"1,5"_s;
        QTest::newRow("0.0# two decimals") << u"0.0#"_s << 1.25 << u"1,25"_s;
        QTest::newRow("no placeholder before the point") << u".00"_s << 5.25 << u"5,25"_s;
        QTest::newRow("second point ignored") << u"0.0.0"_s << 1.25 << u"1,25"_s;
        // no pattern: the shortest form
        QTest::newRow("general") << QString() << 1.5 << u"1,5"_s;
        QTest::newRow("general zero") << QString() << 0.0 << u"0"_s;
        QTest::newRow("general large") << QString() << 1.5e20 << u"1,5E20"_s;
        QTest::newRow("general small") << QString() << -1e-7 << u"-1E-7"_s;
        QTest::newRow("not a number") << u"0.00"_s << std::numeric_limits<double>::quiet_NaN() << u"NAN"_s;
        QTest::newRow("minus infinity") << u"0.00"_s << -std::numeric_limits<double>::infinity() << u"-INF"_s;
    }
    void formatFloat()
    {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatFloat(pattern, value), text);
    }

    void exactValues()
    {
        QCOMPARE(FormatFloat(u"000"_s, 7), u"007"_s);
        QCOMPARE(FormatFloat(u"#,##0"_s, std::numeric_limits<qint64>::max()), u"9.223.372.036.854.775.807"_s);
        QCOMPARE(FormatFloat(u"0"_s, std::numeric_limits<qint64>::min()), u"-9223372036854775808"_s);
        QCOMPARE(FormatFloat(u"00000\"-\"000"_s, qsizetype(1234567)), u"01234-567"_s);
        // exact halves round away from zero
        QCOMPARE(FormatDecimal(u"0.00"_s, 12345, 3), u"12,35"_s);
        QCOMPARE(FormatDecimal(u"0.00"_s, -12345, 3), u"-12,35"_s);
        QCOMPARE(FormatDecimal(u"0.00"_s, 12344, 3), u"12,34"_s);
        QCOMPARE(FormatDecimal(QString(), 12500, 3), u"12,5"_s);
        QCOMPARE(FormatFloat(u"#,##0.00"_s, Money::fromRaw(12345000)), u"1.234,50"_s);
    }

    void separatorsNeverComeFromTheLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString text = FormatFloat(u"#,##0.00"_s, 1234.5);
        QLocale::setDefault(saved);
        QCOMPARE(text, u"1.234,50"_s);
    }

    void roundToScaled_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<qint64>("scaled");
        QTest::newRow("half up") << 1.00005 << 4 << true << qint64(10001);
        QTest::newRow("half down for negatives") << -1.00005 << 4 << true << qint64(-10001);
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << 2 << true << qint64(30);
        QTest::newRow("no decimals") << 2.5 << 0 << true << qint64(3);
        QTest::newRow("too large") << 1e300 << 2 << false << qint64(0);
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 2 << false << qint64(0);
    }
    void roundToScaled()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(bool, fits);
        QFETCH(qint64, scaled);
        qint64 result = 0;
        QCOMPARE(RoundToScaled(value, decimals, result), fits);
        if (fits)
            QCOMPARE(result, scaled);
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "TestFormats.moc"
