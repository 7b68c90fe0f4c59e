// Start at login: the XDG autostart entry exists exactly while the option is
// ticked, and its Exec line survives any path.
#include "services/Autostart.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestAutostart : public QObject {
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    QByteArray m_oldConfig;
    QByteArray m_oldHome;

    QString entryPath() const { return m_dir->path() + QStringLiteral("/config/autostart/lumisto.desktop"); }
    QStringList entryLines() const
    {
        QFile f(entryPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        m_oldHome = qgetenv("HOME");
    }
    void init()
    {
        m_dir = new QTemporaryDir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path() + QStringLiteral("/config")));
    }
    void cleanup()
    {
        delete m_dir;
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
        qputenv("HOME", m_oldHome);
    }

    void presentExactlyWhileTicked()
    {
        const QString exe = QStringLiteral("/opt/Lumisto/lumisto");
        QCOMPARE(AutostartFilePath(), entryPath());
        QVERIFY(!AutostartEnabled());

        QVERIFY(SetAutostart(true, exe)); // the autostart folder does not exist yet
        QVERIFY(AutostartEnabled());
        QCOMPARE(entryLines(),
                 (QStringList{QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                              QStringLiteral("Name=Lumisto"), QStringLiteral("Exec=\"/opt/Lumisto/lumisto\""),
                              QStringLiteral("Terminal=false")}));
        QVERIFY(SetAutostart(true, exe)); // ticking twice keeps one entry
        QVERIFY(AutostartEnabled());

        QVERIFY(SetAutostart(false, exe));
        QVERIFY(!AutostartEnabled());
        QVERIFY(!QFile::exists(entryPath()));
        QVERIFY(SetAutostart(false, exe)); // already gone
    }

    // The quoting of the Exec key, then the string escaping of the value
    // (a backslash doubled again), as the desktop entry rules require.
    void execLine_data()
    {
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("exec");
        QTest::newRow("blanks") << QStringLiteral("/home/ana/Meus Programas/Lumisto/lumisto")
                                << QStringLiteral("Exec=\"/home/ana/Meus Programas/Lumisto/lumisto\"");
        QTest::newRow("double quotes") << QStringLiteral("/opt/O \"bom\" Lumisto/lumisto")
                                       << QStringLiteral("Exec=\"/opt/O \\\\\"bom\\\\\" Lumisto/lumisto\"");
        QTest::newRow("dollar and backtick") << QStringLiteral("/opt/$HOME/`x`/lumisto")
                                             << QStringLiteral("Exec=\"/opt/\\\\$HOME/\\\\`x\\\\`/lumisto\"");
        QTest::newRow("backslash") << QStringLiteral("/opt/a\\b/lumisto")
                                   << QStringLiteral("Exec=\"/opt/a\\\\\\\\b/lumisto\"");
        QTest::newRow("percent") << QStringLiteral("/opt/100%/lumisto")
                                 << QStringLiteral("Exec=\"/opt/100%%/lumisto\"");
        QTest::newRow("accents") << QStringLiteral("/opt/Programação/lumisto")
                                 << QStringLiteral("Exec=\"/opt/Programação/lumisto\"");
    }
    void execLine()
    {
        QFETCH(QString, exe);
        QFETCH(QString, exec);
        QVERIFY(SetAutostart(true, exe));
        const QStringList lines = entryLines();
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^Exec="))), QStringList{exec});
    }

    void homeConfigWithoutXdgConfigHome_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::newRow("unset") << QByteArray();
        QTest::newRow("relative, ignored") << QByteArray("relative/config");
    }
    void homeConfigWithoutXdgConfigHome()
    {
        QFETCH(QByteArray, xdg);
        if (xdg.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", xdg);
        qputenv("HOME", QFile::encodeName(m_dir->path()));
        QVERIFY(SetAutostart(true, QStringLiteral("/opt/Lumisto/lumisto")));
        QVERIFY(QFile::exists(m_dir->path() + QStringLiteral("/.config/autostart/lumisto.desktop")));
        QVERIFY(AutostartEnabled());
    }

    void unwritableFolderFails()
    {
        // the configuration folder is a file: nothing can be created below it
        QFile blocker(m_dir->path() + QStringLiteral("/config"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!SetAutostart(true, QStringLiteral("/opt/Lumisto/lumisto")));
        QVERIFY(!AutostartEnabled());
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "TestAutostart.moc"
