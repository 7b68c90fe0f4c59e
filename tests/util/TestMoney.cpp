#include "util/Money.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();
} // namespace

class TestMoney : public QObject {
    Q_OBJECT

private slots:
    void construction()
    {
        QCOMPARE(Money().tenThousandths(), 0);
        QCOMPARE(Money::fromUnits(5).tenThousandths(), 50000);
        QCOMPARE(Money::fromCents(-150).tenThousandths(), -15000);
        QCOMPARE(Money::fromRaw(7).tenThousandths(), 7);
        QCOMPARE(Money::fromUnits(kMax / 100).tenThousandths(), kMax);
    }

    void fromString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("raw");
        QTest::newRow("1234,5") << u"1234,5"_s << true << qint64(12345000);
        QTest::newRow("1.234,50") << u"1.234,50"_s << true << qint64(12345000);
        QTest::newRow("R$ 1.234,50") << u"R$ 1.234,50"_s << true << qint64(12345000);
        QTest::newRow("-0,01") << u"-0,01"_s << true << qint64(-100);
        QTest::newRow("shown negative") << u"R$ -1.234,50"_s << true << qint64(-12345000);
        QTest::newRow("sign before the currency") << u"-R$ 2,00"_s << true << qint64(-20000);
        QTest::newRow("plus sign") << u"+3"_s << true << qint64(30000);
        QTest::newRow("whole number") << u"12"_s << true << qint64(120000);
        QTest::newRow("four decimals") << u"1.234.567,8912"_s << true << qint64(12345678912);
        QTest::newRow("blanks around") << u"  7,25 "_s << true << qint64(72500);
        QTest::newRow("largest") << u"922.337.203.685.477,5807"_s << true << kMax;
        QTest::newRow("empty") << QString() << false << qint64(0);
        QTest::newRow("letters") << u"abc"_s << false << qint64(0);
        QTest::newRow("two commas") << u"1,2,3"_s << false << qint64(0);
        QTest::newRow("group of two") << u"1.23,4"_s << false << qint64(0);
        QTest::newRow("leading group of four") << u"1234.567"_s << false << qint64(0);
        QTest::newRow("point as decimal separator") << u"1234.5"_s << false << qint64(0);
        QTest::newRow("five decimals") << u"1,23456"_s << false << qint64(0);
        QTest::newRow("comma without decimals") << u"1,"_s << false << qint64(0);
        QTest::newRow("no whole digits") << u",5"_s << false << qint64(0);
        QTest::newRow("currency alone") << u"R$"_s << false << qint64(0);
        QTest::newRow("two signs") << u"--1"_s << false << qint64(0);
        QTest::newRow("blank inside") << u"1 234"_s << false << qint64(0);
        QTest::newRow("text after") << u"R$ 1.234,50 x"_s << false << qint64(0);
        QTest::newRow("too large") << u"922.337.203.685.477,5808"_s << false << qint64(0);
        QTest::newRow("far too large") << u"99999999999999999999"_s << false << qint64(0);
    }
    void fromString()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, raw);
        bool parsed = !ok;
        QCOMPARE(Money::fromString(text, &parsed).tenThousandths(), raw);
        QCOMPARE(parsed, ok);
    }

    void fromDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("raw");
        QTest::newRow("1234.5") << 1234.5 << qint64(12345000);
        QTest::newRow("half a ten-thousandth") << 0.00005 << qint64(1);
        QTest::newRow("negative half") << -0.00005 << qint64(-1);
        QTest::newRow("1.00005") << 1.00005 << qint64(10001);
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << qint64(3000);
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
        QTest::newRow("too large") << 1e30 << kMax;
        QTest::newRow("too small") << -1e30 << kMin;
    }
    void fromDouble()
    {
        QFETCH(double, value);
        QFETCH(qint64, raw);
        QCOMPARE(Money::fromDouble(value).tenThousandths(), raw);
    }

    void arithmetic()
    {
        const Money a = Money::fromCents(1050);
        const Money b = Money::fromRaw(3);
        QCOMPARE((a + b).tenThousandths(), 105003);
        QCOMPARE((a - b).tenThousandths(), 104997);
        QCOMPARE((-a).tenThousandths(), -105000);
        QCOMPARE((a * 3).tenThousandths(), 315000);
        QCOMPARE((-2 * a).tenThousandths(), -210000);
        Money c = a;
        c += b;
        c -= a;
        QCOMPARE(c, b);
        QVERIFY(b < a);
        QVERIFY(-a < b);
        QVERIFY(a == Money::fromUnits(10) + Money::fromCents(50));
        QVERIFY(a != b);
        QVERIFY(Money().isZero());
    }

    void saturation()
    {
        QCOMPARE((Money::fromRaw(kMax) + Money::fromRaw(1)).tenThousandths(), kMax);
        QCOMPARE((Money::fromRaw(kMin) - Money::fromRaw(1)).tenThousandths(), kMin);
        QCOMPARE((Money::fromRaw(kMin) + Money::fromRaw(-1)).tenThousandths(), kMin);
        QCOMPARE((Money::fromRaw(kMax) * 2).tenThousandths(), kMax);
        QCOMPARE((Money::fromRaw(kMax) * -2).tenThousandths(), kMin);
        QCOMPARE((-Money::fromRaw(kMin)).tenThousandths(), kMax);
    }

    void division_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<qint64>("divisor");
        QTest::addColumn<qint64>("quotient");
        QTest::newRow("100 / 3") << qint64(1000000) << qint64(3) << qint64(333333);
        QTest::newRow("200 / 3") << qint64(2000000) << qint64(3) << qint64(666667);
        QTest::newRow("-200 / 3") << qint64(-2000000) << qint64(3) << qint64(-666667);
        QTest::newRow("exact") << qint64(90000) << qint64(4) << qint64(22500);
        QTest::newRow("tie 0.5 to 0") << qint64(1) << qint64(2) << qint64(0);
        QTest::newRow("tie 1.5 to 2") << qint64(3) << qint64(2) << qint64(2);
        QTest::newRow("tie 2.5 to 2") << qint64(5) << qint64(2) << qint64(2);
        QTest::newRow("tie 3.5 to 4") << qint64(7) << qint64(2) << qint64(4);
        QTest::newRow("tie 2.5 by 4") << qint64(10) << qint64(4) << qint64(2);
        QTest::newRow("tie 3.5 by 4") << qint64(14) << qint64(4) << qint64(4);
        QTest::newRow("tie -2.5 to -2") << qint64(-5) << qint64(2) << qint64(-2);
        QTest::newRow("tie -1.5 to -2") << qint64(-3) << qint64(2) << qint64(-2);
        QTest::newRow("negative divisor tie") << qint64(5) << qint64(-2) << qint64(-2);
        QTest::newRow("both negative tie") << qint64(-7) << qint64(-2) << qint64(4);
        QTest::newRow("a third down") << qint64(1) << qint64(3) << qint64(0);
        QTest::newRow("two thirds up") << qint64(2) << qint64(3) << qint64(1);
        QTest::newRow("by zero") << qint64(12345) << qint64(0) << qint64(0);
        QTest::newRow("smallest by -1") << kMin << qint64(-1) << kMax;
        QTest::newRow("largest by largest") << kMax << kMax << qint64(1);
        QTest::newRow("tie by the smallest divisor") << kMin / 2 << kMin << qint64(0);
        QTest::newRow("past half by the smallest divisor") << kMin / 2 - 1 << kMin << qint64(1);
    }
    void division()
    {
        QFETCH(qint64, raw);
        QFETCH(qint64, divisor);
        QFETCH(qint64, quotient);
        QCOMPARE((Money::fromRaw(raw) / divisor).tenThousandths(), quotient);
    }

    void toString_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<QString>("text");
        QTest::newRow("1234.5") << qint64(12345000) << u"R$ 1.234,50"_s;
        QTest::newRow("zero") << qint64(0) << u"R$ 0,00"_s;
        QTest::newRow("negative") << qint64(-12345000) << u"R$ -1.234,50"_s;
        QTest::newRow("rounds down") << qint64(12345) << u"R$ 1,23"_s;
        QTest::newRow("half rounds away from zero") << qint64(12350) << u"R$ 1,24"_s;
        QTest::newRow("negative half") << qint64(-12350) << u"R$ -1,24"_s;
        QTest::newRow("negative that shows as zero") << qint64(-49) << u"R$ 0,00"_s;
        QTest::newRow("a million") << qint64(10000000000) << u"R$ 1.000.000,00"_s;
        QTest::newRow("largest") << kMax << u"R$ 922.337.203.685.477,58"_s;
        QTest::newRow("smallest") << kMin << u"R$ -922.337.203.685.477,58"_s;
    }
    void toString()
    {
        QFETCH(qint64, raw);
        QFETCH(QString, text);
        QCOMPARE(Money::fromRaw(raw).toString(), text);
    }

    void toDecimalString_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("two decimals") << qint64(12345000) << 2 << u"1234,50"_s;
        QTest::newRow("negative") << qint64(-12345000) << 2 << u"-1234,50"_s;
        QTest::newRow("all four") << qint64(12345) << 4 << u"1,2345"_s;
        QTest::newRow("none, down") << qint64(12345) << 0 << u"1"_s;
        QTest::newRow("none, half up") << qint64(15000) << 0 << u"2"_s;
        QTest::newRow("more than stored") << qint64(1) << 6 << u"0,000100"_s;
    }
    void toDecimalString()
    {
        QFETCH(qint64, raw);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(Money::fromRaw(raw).toDecimalString(decimals), text);
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "TestMoney.moc"
