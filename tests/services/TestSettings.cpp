// "Orvalha.ini": defaults, round trips, the Windows edition's files, and
// writes that must never lose what is already there.
#include "app/IniFile.h"
#include "app/ProgramFolder.h"
#include "services/Settings.h"
#include "support/FakeSeams.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    FakeSeams m_seams{};

    QString ini() const { return m_dir->path() + QStringLiteral("/Orvalha.ini"); }
    QByteArray fileBytes() const
    {
        QFile f(SettingsFilePath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void writeFile(const QByteArray &bytes, const QString &name = QStringLiteral("Orvalha.ini"))
    {
        QFile f(m_dir->path() + QLatin1Char('/') + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void initTestCase() { m_seams = FakeSeams::install(); }
    void init()
    {
        m_dir = new QTemporaryDir;
        qputenv("LUMISTO_PROGRAM_DIR", m_dir->path().toLocal8Bit());
    }
    void cleanup()
    {
        delete m_dir;
        qunsetenv("LUMISTO_PROGRAM_DIR");
    }

    void pathIsBesideTheProgram()
    {
        QCOMPARE(ProgramFolder(), m_dir->path() + QLatin1Char('/'));
        QCOMPARE(SettingsFilePath(), ini());
        writeFile("[USUARIO]\r\nLOGIN=ana\r\n", QStringLiteral("orvalha.INI"));
        QCOMPARE(SettingsFilePath(), m_dir->path() + QStringLiteral("/orvalha.INI"));
        QCOMPARE(ReadSettingText(QStringLiteral("usuario"), QStringLiteral("login")), QStringLiteral("ana"));
    }

    void aMissingFileYieldsEveryDefault()
    {
        QCOMPARE(ReadSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA")), false);
        QCOMPARE(ReadSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN")), QString());
        QCOMPARE(ReadSettingText(QStringLiteral("USUARIO"), QStringLiteral("LOGIN")), QString());
        QCOMPARE(ReadSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA")),
                 46364.0); // the clock's today
        QCOMPARE(ReadSettingText(QStringLiteral("BACKUP"), QStringLiteral("LOCAL")),
                 m_dir->path() + QStringLiteral("/DB/BackUP/Orvalha.z"));
        QCOMPARE(ReadSettingText(QStringLiteral("BACKUP"), QStringLiteral("EMAIL")),
                 QStringLiteral("Coloque AQUI o email de destino"));
        QVERIFY(QuickAccessEnabled(0));
        QVERIFY(QuickAccessEnabled(1));
        QVERIFY(!QuickAccessEnabled(2));
        QCOMPARE(DefaultState(), QString());
        QCOMPARE(ReadSettingInt(QStringLiteral("COMPROMISSO"), QStringLiteral("ANTERIOR")), 7);
        QCOMPARE(ReadSettingInt(QStringLiteral("COMPROMISSO"), QStringLiteral("POSTERIOR")), 7);
        QCOMPARE(ReadSettingTime(QStringLiteral("COMPROMISSO"), QStringLiteral("ANTES")), 0.0);
        QCOMPARE(ReadSettingInt(QStringLiteral("ENVELOPE"), QStringLiteral("TIPOPESSOA")), 2);
        QCOMPARE(ReadSettingBool(QStringLiteral("TELEFONES"), QStringLiteral("ENDERECO")), true);
        QCOMPARE(ReadSettingFloat(QStringLiteral("ENVELOPE"), QStringLiteral("POS_X")), 0.0);
        for (const SettingDef &d : SettingsTable())
            if (d.type == SettingType::Integer && d.key != QLatin1String("TIPOPESSOA") &&
                d.section != QLatin1String("COMPROMISSO"))
                QCOMPARE(ReadSettingInt(d.section, d.key), 0);
        QVERIFY(!QFile::exists(ini())); // reading creates nothing
    }

    void valuesWrittenAreReadBack()
    {
        QVERIFY(SetQuickAccessEnabled(0, false));
        QVERIFY(!QuickAccessEnabled(0));
        QVERIFY(QuickAccessEnabled(1));
        QVERIFY(!SetQuickAccessEnabled(5, false));
        QVERIFY(SetDefaultState(QStringLiteral("SP")));
        QCOMPARE(DefaultState(), QStringLiteral("SP"));
        QVERIFY(WriteSettingInt(QStringLiteral("ETIQUETA"), QStringLiteral("MODELO"), 3));
        QCOMPARE(ReadSettingInt(QStringLiteral("etiqueta"), QStringLiteral("modelo")), 3);
        QVERIFY(WriteSettingFloat(QStringLiteral("ENVELOPE"), QStringLiteral("POS_X"), 1.25));
        QCOMPARE(ReadSettingFloat(QStringLiteral("ENVELOPE"), QStringLiteral("POS_X")), 1.25);
        QVERIFY(fileBytes().contains("POS_X=1,25\r\n"));
        QVERIFY(WriteSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA"), 46000));
        QCOMPARE(ReadSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA")), 46000.0);
        QVERIFY(fileBytes().contains("DATA=09/12/2025\r\n"));
        QVERIFY(WriteSettingTime(QStringLiteral("COMPROMISSO"), QStringLiteral("ANTES"), 0.5 / 24));
        QVERIFY(fileBytes().contains("ANTES=00:30:00\r\n"));
        QCOMPARE(ReadSettingTime(QStringLiteral("COMPROMISSO"), QStringLiteral("ANTES")), 0.5 / 24);
        QVERIFY(WriteSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA"), true));
        QVERIFY(fileBytes().contains("INICIA=1\r\n"));
    }

    void aMultilineBodyTravelsAsOneLine()
    {
        const QString body = QStringLiteral("Prezado cliente,\r\nSegue a proposta.");
        QVERIFY(WriteSettingMultiline(QStringLiteral("MALA_DIRETA"), QStringLiteral("CORPO"), body));
        QVERIFY(fileBytes().contains("CORPO=Prezado cliente,<BR>Segue a proposta.\r\n"));
        QCOMPARE(ReadSettingMultiline(QStringLiteral("MALA_DIRETA"), QStringLiteral("CORPO")), body);
    }

    void textsThatWouldBeMangledComeBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("leading blanks") << QStringLiteral("  dois brancos");
        QTest::newRow("quoted") << QStringLiteral("\"entre aspas\"");
        QTest::newRow("equals sign") << QStringLiteral("a=b");
        QTest::newRow("semicolon") << QStringLiteral(";não é comentário");
        QTest::newRow("scrambled password bytes") << QString(QChar(0x8D)) + QChar(0xB5) + QChar(0xDF);
    }
    void textsThatWouldBeMangledComeBackExactly()
    {
        QFETCH(QString, value);
        QVERIFY(WriteSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("SENHA"), value));
        QCOMPARE(ReadSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("SENHA")), value);
    }

    void aFileFromTheWindowsEditionReadsAndKeepsItsOtherKeys()
    {
        writeFile("[ESTADO]\r\nUF=MG\r\n\r\n[Outra]\r\nChave = Valor com acentua\xE7\xE3o "
                  "\r\n[usuario]\r\nlogin=Jos\xE9\r\n");
        QCOMPARE(DefaultState(), QStringLiteral("MG"));
        QCOMPARE(ReadSettingText(QStringLiteral("USUARIO"), QStringLiteral("LOGIN")), QStringLiteral("José"));
        QVERIFY(WriteSettingText(QStringLiteral("USUARIO"), QStringLiteral("LOGIN"), QStringLiteral("João")));
        QVERIFY(ClearAutomaticLogin());
        const QByteArray after = fileBytes();
        QVERIFY(after.contains("[Outra]\r\nChave = Valor com acentua\xE7\xE3o \r\n"));
        QVERIFY(after.contains("[usuario]\r\nlogin=Jo\xE3o\r\n"));
        QVERIFY(after.contains("[AUTENTICA]\r\nINICIA=0\r\nLOGIN=\r\nSENHA=\r\n"));
        QCOMPARE(after.count("[usuario]"), 1);
        QCOMPARE(after.count("UF=MG"), 1);
    }

    void clearingTheAutomaticLoginEmptiesItsKeys()
    {
        QVERIFY(WriteSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA"), true));
        QVERIFY(
            WriteSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN"), QStringLiteral("ana")));
        QVERIFY(WriteSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("SENHA"), QStringLiteral("x")));
        QVERIFY(ClearAutomaticLogin());
        QVERIFY(!ReadSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA")));
        QVERIFY(ReadSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN")).isEmpty());
        QVERIFY(ReadSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("SENHA")).isEmpty());
    }

    void badWritesFailAndLoseNothing()
    {
        QVERIFY(SetDefaultState(QStringLiteral("RJ")));
        const QByteArray before = fileBytes();
        QVERIFY(!WriteSettingText(QStringLiteral("MALA_DIRETA"), QStringLiteral("ASSUNTO"),
                                  QStringLiteral("Łódź")));
        QCOMPARE(fileBytes(), before);
        if (::geteuid() != 0) {
            QFile::setPermissions(ini(), QFile::ReadOwner);
            QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(!SetDefaultState(QStringLiteral("SP")));
            QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(DefaultState(), QStringLiteral("RJ"));
        }
    }

    void iniFileMatchesNamesWithoutRegardToCase()
    {
        IniFile f(ini());
        QVERIFY(f.writeString(QStringLiteral("Secao"), QStringLiteral("Chave"), QStringLiteral("1")));
        QVERIFY(f.writeString(QStringLiteral("SECAO"), QStringLiteral("CHAVE"), QStringLiteral("2")));
        QCOMPARE(f.readString(QStringLiteral("secao"), QStringLiteral("chave"), QString()),
                 QStringLiteral("2"));
        QCOMPARE(fileBytes(), QByteArray("[Secao]\r\nChave=2\r\n"));
        QVERIFY(!f.hasKey(QStringLiteral("secao"), QStringLiteral("outra")));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "TestSettings.moc"
