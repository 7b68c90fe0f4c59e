#include "util/Win1252.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWin1252 : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips()
    {
        QByteArray all;
        QSet<char16_t> seen;
        for (int b = 0; b < 256; ++b) {
            const QChar c = Win1252::toChar(uchar(b));
            QCOMPARE(Win1252::toByte(c), b);
            seen.insert(c.unicode());
            all.append(char(b));
        }
        QCOMPARE(seen.size(), 256);
        QByteArray back;
        QVERIFY(Win1252::encode(Win1252::decode(all), &back));
        QCOMPARE(back, all);
    }

    void characters_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("Y with diaeresis") << 0x9F << 0x0178;
        QTest::newRow("unassigned 0x81") << 0x81 << 0x81;
        QTest::newRow("unassigned 0x8D") << 0x8D << 0x8D;
        QTest::newRow("unassigned 0x8F") << 0x8F << 0x8F;
        QTest::newRow("unassigned 0x90") << 0x90 << 0x90;
        QTest::newRow("unassigned 0x9D") << 0x9D << 0x9D;
        QTest::newRow("no-break space") << 0xA0 << 0xA0;
        QTest::newRow("c cedilla") << 0xE7 << 0xE7;
    }
    void characters()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        QCOMPARE(Win1252::toChar(uchar(byte)).unicode(), char16_t(unicode));
    }

    void charactersWithoutAByte_data()
    {
        QTest::addColumn<int>("unicode");
        QTest::newRow("C1 0x80 (the euro has that byte)") << 0x80;
        QTest::newRow("C1 0x9F") << 0x9F;
        QTest::newRow("L with stroke") << 0x0141;
        QTest::newRow("Greek capital mu") << 0x039C;
    }
    void charactersWithoutAByte()
    {
        QFETCH(int, unicode);
        QCOMPARE(Win1252::toByte(QChar(char16_t(unicode))), -1);
    }

    void toUpper_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::newRow("ASCII") << u"abc xyz 09"_s << u"ABC XYZ 09"_s;
        QTest::newRow("micro sign unchanged") << u"µ"_s << u"µ"_s;
        QTest::newRow("sharp s unchanged") << u"ß"_s << u"ß"_s;
        QTest::newRow("a grave") << u"à"_s << u"À"_s;
        QTest::newRow("y diaeresis") << u"ÿ"_s << u"Ÿ"_s;
        QTest::newRow("division sign unchanged") << u"÷"_s << u"÷"_s;
        QTest::newRow("thorn") << u"þ"_s << u"Þ"_s;
        QTest::newRow("s z caron, oe") << u"šžœ"_s << u"ŠŽŒ"_s;
        QTest::newRow("Portuguese word") << u"ação"_s << u"AÇÃO"_s;
    }
    void toUpper()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QCOMPARE(Win1252::toUpper(lower), upper);
        if (lower != upper)
            QCOMPARE(Win1252::toLower(upper), lower);
    }

    void lowerCaseLeavesTheMultiplicationSign() { QCOMPARE(Win1252::toLower(u"×"_s), u"×"_s); }

    void unencodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QByteArray>("lossy");
        QTest::newRow("Łukasz") << u"Łukasz"_s << u"Ł"_s << QByteArray("?ukasz");
        QTest::newRow("each once, in order") << u"łŁ ł"_s << u"łŁ"_s << QByteArray("?? ?");
        QTest::newRow("Greek mu from Unicode upper-casing") << u"Μ"_s << u"Μ"_s << QByteArray("?");
    }
    void unencodable()
    {
        QFETCH(QString, text);
        QFETCH(QString, reported);
        QFETCH(QByteArray, lossy);
        QString bad;
        QByteArray bytes;
        QVERIFY(!Win1252::encode(text, &bytes, &bad));
        QCOMPARE(bad, reported);
        QCOMPARE(bytes, lossy);
        bad.clear();
        QVERIFY(!Win1252::canEncode(text, &bad));
        QCOMPARE(bad, reported);
        QCOMPARE(Win1252::encodeLossy(text), lossy);
    }

    void characterOutsideTheBmp()
    {
        const QString text = u"a😀b"_s;
        QString bad;
        QByteArray bytes;
        QVERIFY(!Win1252::encode(text, &bytes, &bad));
        QCOMPARE(bad, u"😀"_s);
        // whether the report is asked for must not change the bytes
        QCOMPARE(bytes, Win1252::encodeLossy(text));
    }
};

QTEST_GUILESS_MAIN(TestWin1252)
#include "TestWin1252.moc"
