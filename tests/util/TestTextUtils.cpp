#include "services/Desktop.h"
#include "services/Seams.h"
#include "services/SystemNetworkPresence.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QHostAddress>
#include <QSet>
#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class HeldKeys : public KeyboardState {
public:
    explicit HeldKeys(QSet<int> keys) : m_keys(std::move(keys)) {}
    bool isKeyDown(int virtualKey) const override { return m_keys.contains(virtualKey); }

private:
    QSet<int> m_keys;
};

class FixedNetwork : public NetworkPresence {
public:
    explicit FixedNetwork(bool on) : m_on(on) {}
    bool isOnNetwork() const override { return m_on; }

private:
    bool m_on;
};

class RecordingShell : public ShellService {
public:
    explicit RecordingShell(QStringList *opened) : m_opened(opened) {}
    void open(const QString &target) override { m_opened->append(target); }

private:
    QStringList *m_opened;
};

QByteArray bytesOf(const QString &text)
{
    QByteArray bytes;
    if (!Win1252::encode(text, &bytes))
        qFatal("text that must be Windows-1252 is not");
    return bytes;
}

QString allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return Win1252::decode(bytes);
}

} // namespace

class TestTextUtils : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Seams::reset(); }

    void scrambleText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("A") << u"A"_s << 10 << QByteArray("\xC8");
        QTest::newRow("Z") << u"Z"_s << 10 << QByteArray("\xAF");
        QTest::newRow("0") << u"0"_s << 10 << QByteArray("\xD9");
        QTest::newRow("9") << u"9"_s << 10 << QByteArray("\xD0");
        QTest::newRow("ABC") << u"ABC"_s << 10 << QByteArray("\xC8\xC7\xC6");
        QTest::newRow("bar gives an unassigned byte") << u"|"_s << 10 << QByteArray("\x8D");
        QTest::newRow("accented letter") << u"É"_s << 10 << QByteArray("\x40");
        QTest::newRow("only the key's low byte counts") << u"A"_s << 266 << QByteArray("\xC8");
        QTest::newRow("empty") << QString() << 10 << QByteArray();
    }
    void scrambleText()
    {
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(QByteArray, bytes);
        const QString scrambled = ScrambleText(text, quint16(key));
        QCOMPARE(bytesOf(scrambled), bytes);
        QCOMPARE(ScrambleText(scrambled, quint16(key)), text);
    }

    void scrambleTextRoundTripsEveryByte()
    {
        const QString all = allBytes();
        for (int key : {0, 10, 200, 255, 65535}) {
            const QString scrambled = ScrambleText(all, quint16(key));
            QCOMPARE(scrambled.size(), all.size());
            QVERIFY(Win1252::canEncode(scrambled));
            QCOMPARE(ScrambleText(scrambled, quint16(key)), all);
        }
    }

    void formatPhone_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("shown");
        QTest::newRow("8 digits") << u"32451234"_s << u"3245-1234"_s;
        QTest::newRow("10 digits") << u"1132451234"_s << u"(11)3245-1234"_s;
        QTest::newRow("9 digits") << u"113245123"_s << u"(11)324-5123"_s;
        QTest::newRow("11 digits, a mobile") << u"11987654321"_s << u"(11)98765-4321"_s;
        QTest::newRow("12 digits get no hyphen") << u"113245123456"_s << u"(11)3245123456"_s;
        QTest::newRow("empty") << QString() << u"-"_s;
        QTest::newRow("only blanks") << u"   "_s << u"-"_s;
        QTest::newRow("4 digits") << u"1234"_s << u"1234-"_s;
        QTest::newRow("5 digits") << u"12345"_s << u"1234-5"_s;
        QTest::newRow("blanks around") << u"  32451234 "_s << u"3245-1234"_s;
    }
    void formatPhone()
    {
        QFETCH(QString, digits);
        QFETCH(QString, shown);
        QCOMPARE(FormatPhone(digits), shown);
    }

    void formatFone0800_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("eleven digits") << u"08001234567"_s << u"0800 12 34 567"_s;
        QTest::newRow("ten digits") << u"0800123456"_s << u"0800 12 34 56"_s;
        QTest::newRow("eight digits") << u"08001234"_s << u"0800 12 34"_s;
        QTest::newRow("seven digits") << u"0800123"_s << u"0800 12 3"_s;
        QTest::newRow("four digits") << u"0800"_s << u"0800"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void formatFone0800()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(FormatFone0800(stored), shown);
    }

    void isNameParticle_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("particle");
        for (const char16_t *p :
             {u"da", u"de", u"di", u"do", u"du", u"das", u"des", u"dos", u"com", u"a", u"mas", u"em"})
            QTest::addRow("%s", qPrintable(QString::fromUtf16(p))) << QString::fromUtf16(p) << true;
        QTest::newRow("upper case") << u"DOS"_s << true;
        QTest::newRow("blanks around") << u" de "_s << true;
        QTest::newRow("e is not a particle") << u"e"_s << false;
        QTest::newRow("accented") << u"dá"_s << false;
        QTest::newRow("longer word") << u"dass"_s << false;
        QTest::newRow("empty") << QString() << false;
    }
    void isNameParticle()
    {
        QFETCH(QString, word);
        QFETCH(bool, particle);
        QCOMPARE(IsNameParticle(word), particle);
    }

    void capitalizeName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("particle in the middle") << u"maria da silva"_s << u"Maria da Silva"_s;
        QTest::newRow("blank runs collapse") << u"  joão  de   souza "_s << u"João de Souza"_s;
        QTest::newRow("last word e") << u"ana e"_s << u"Ana E"_s;
        QTest::newRow("last word is a particle") << u"ana de"_s << u"Ana De"_s;
        QTest::newRow("first word is a particle") << u"de souza"_s << u"de Souza"_s;
        QTest::newRow("upper case stays") << u"DE SOUZA"_s << u"DE SOUZA"_s;
        QTest::newRow("rest of the word keeps its case") << u"mARIA dA sILVA"_s << u"MARIA dA SILVA"_s;
        QTest::newRow("accented initial unchanged") << u"álvaro éden"_s << u"álvaro éden"_s;
        QTest::newRow("one particle alone") << u"da"_s << u"Da"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("only blanks") << u"    "_s << QString();
    }
    void capitalizeName()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QCOMPARE(CapitalizeName(text), name);
    }

    void isValidEmailAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("a@b.c") << u"a@b.c"_s << true;
        QTest::newRow("dots on both sides") << u"a.b@c.d.e"_s << true;
        QTest::newRow("no dot after the at") << u"a@c"_s << false;
        QTest::newRow("a@b") << u"a@b"_s << false;
        QTest::newRow("ends after a dot") << u"a@c."_s << false;
        QTest::newRow("label starts with a hyphen") << u"a@-c.d"_s << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("quoted local part with a blank") << u"\"a b\"@c.d"_s << true;
        QTest::newRow("escaped quote inside quotes") << u"\"a\\\"b\"@c.d"_s << true;
        QTest::newRow("carriage return inside quotes") << u"\"a\rb\"@c.d"_s << false;
        QTest::newRow("unterminated quote") << u"\"ab@c.d"_s << false;
        QTest::newRow("quoted word then a dot") << u"\"a\".b@c.d"_s << true;
        QTest::newRow("quote inside a word") << u"a\"b\"@c.d"_s << false;
        QTest::newRow("two dots in a row") << u"a..b@c.d"_s << false;
        QTest::newRow("starts with a dot") << u".a@b.c"_s << false;
        QTest::newRow("blank in the local part") << u"a b@c.d"_s << false;
        QTest::newRow("accented local part") << u"joão@b.c"_s << true;
        QTest::newRow("not Windows-1252") << u"ł@b.c"_s << false;
        QTest::newRow("hyphens inside a label") << u"a@b--c.de"_s << true;
        QTest::newRow("hyphen before a dot") << u"a@b-.c"_s << false;
        QTest::newRow("ends with a hyphen") << u"a@b.c-"_s << false;
        QTest::newRow("label starts with a digit") << u"a@b.1c"_s << false;
        QTest::newRow("digits after a letter") << u"a@b1.c2"_s << true;
        QTest::newRow("underscore in the domain") << u"a@b_c.d"_s << false;
        QTest::newRow("second at") << u"a@b.c@d"_s << false;
    }
    void isValidEmailAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidEmailAddress(text), valid);
    }

    void isPlausibleEmail_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("plausible");
        QTest::newRow("a@b.c") << u"a@b.c"_s << true;
        QTest::newRow("nothing before the at") << u"@b.c"_s << false;
        QTest::newRow("dot right after the at") << u"a@.bc"_s << false;
        QTest::newRow("dot at the end") << u"a@bc."_s << false;
        QTest::newRow("first dot before the end") << u"a@b.c."_s << true;
        QTest::newRow("no dot") << u"ab@c"_s << false;
        QTest::newRow("no at") << u"ab.c"_s << false;
        QTest::newRow("empty") << QString() << false;
    }
    void isPlausibleEmail()
    {
        QFETCH(QString, text);
        QFETCH(bool, plausible);
        QCOMPARE(IsPlausibleEmail(text), plausible);
    }

    void isValidCardNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("visa test number") << u"4111111111111111"_s << true;
        QTest::newRow("last digit changed") << u"4111111111111112"_s << false;
        QTest::newRow("other digit changed") << u"4111111111111211"_s << false;
        QTest::newRow("mastercard test number") << u"5555555555554444"_s << true;
        QTest::newRow("trailing blank") << u"4111111111111111 "_s << true;
        QTest::newRow("non-digit counts as zero") << u"A0"_s << true;
        QTest::newRow("0") << u"0"_s << true;
        QTest::newRow("5") << u"5"_s << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("only blanks") << u"   "_s << false;
    }
    void isValidCardNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidCardNumber(text), valid);
    }

    void isValidVoterTitle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("13 zeros") << u"0000000000000"_s << true;
        QTest::newRow("no digits reads as zero") << QString() << true;
        QTest::newRow("plain state") << u"1234567890370"_s << true;
        QTest::newRow("plain state, wrong second digit") << u"1234567890371"_s << false;
        QTest::newRow("plain state, wrong first digit") << u"1234567890360"_s << false;
        QTest::newRow("punctuation ignored") << u"1234.5678.9037-0"_s << true;
        QTest::newRow("extra leading zeros") << u"001234567890370"_s << true;
        QTest::newRow("more than 13 digits") << u"11234567890370"_s << false;
        QTest::newRow("remainder 0 in state 01") << u"0100000010116"_s << true;
        QTest::newRow("remainder 0 in state 03") << u"0100000010302"_s << true;
        QTest::newRow("remainder 1 in state 02") << u"0000000060205"_s << true;
        QTest::newRow("second remainder 0 in state 01") << u"0000000090141"_s << true;
        QTest::newRow("second remainder 0 in state 03") << u"0000000050310"_s << true;
        QTest::newRow("state 01 rule not used elsewhere") << u"0000000050311"_s << false;
    }
    void isValidVoterTitle()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidVoterTitle(text), valid);
    }

    void isDigitKey_data()
    {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("digit");
        QTest::newRow("0") << QChar(u'0') << true;
        QTest::newRow("9") << QChar(u'9') << true;
        QTest::newRow("backspace") << QChar(char16_t(8)) << true;
        QTest::newRow("slash") << QChar(u'/') << false;
        QTest::newRow("colon") << QChar(u':') << false;
        QTest::newRow("letter") << QChar(u'a') << false;
        QTest::newRow("blank") << QChar(u' ') << false;
        QTest::newRow("other script digit") << QChar(char16_t(0x0663)) << false;
    }
    void isDigitKey()
    {
        QFETCH(QChar, key);
        QFETCH(bool, digit);
        QCOMPARE(IsDigitKey(key), digit);
    }

    void isKeyDownAsksTheKeyboard()
    {
        Seams::setKeyboard(std::make_unique<HeldKeys>(QSet<int>{KeyboardState::Shift}));
        QVERIFY(IsKeyDown(KeyboardState::Shift));
        QVERIFY(!IsKeyDown(KeyboardState::Control));
    }

    void isOnNetworkAsksTheNetwork()
    {
        Seams::setNetwork(std::make_unique<FixedNetwork>(true));
        QVERIFY(IsOnNetwork());
        Seams::setNetwork(std::make_unique<FixedNetwork>(false));
        QVERIFY(!IsOnNetwork());
    }

    void openWithShellHandsTheTargetOver()
    {
        QStringList opened;
        Seams::setShell(std::make_unique<RecordingShell>(&opened));
        OpenWithShell(u"/tmp/Ajuda/Index.htm"_s);
        OpenWithShell(u"https://example.com"_s);
        QCOMPARE(opened, (QStringList{u"/tmp/Ajuda/Index.htm"_s, u"https://example.com"_s}));
    }

    void networkDecision_data()
    {
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<bool>("onNetwork");
        QTest::newRow("127.0.0.1") << QStringList{u"127.0.0.1"_s} << false;
        QTest::newRow("Debian host name 127.0.1.1") << QStringList{u"127.0.1.1"_s} << false;
        QTest::newRow("::1") << QStringList{u"::1"_s} << false;
        QTest::newRow("no address") << QStringList{} << false;
        QTest::newRow("192.168.0.10") << QStringList{u"192.168.0.10"_s} << true;
        QTest::newRow("first address counts") << QStringList{u"127.0.1.1"_s, u"192.168.0.10"_s} << false;
    }
    void networkDecision()
    {
        QFETCH(QStringList, addresses);
        QFETCH(bool, onNetwork);
        QList<QHostAddress> resolved;
        for (const QString &a : addresses)
            resolved.append(QHostAddress(a));
        QCOMPARE(SystemNetworkPresence::decide(resolved), onNetwork);
    }
};

QTEST_GUILESS_MAIN(TestTextUtils)
#include "TestTextUtils.moc"
