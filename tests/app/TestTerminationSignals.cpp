// The real program ends cleanly on SIGTERM, SIGINT and SIGHUP, as "Sair"
// does: exit code 0, the database detached, the single-instance socket
// removed and the settings file whole. (The diary's unsaved text on a signal
// is in the main window's test: a program started here cannot be typed into.)
#include "data/TDM.h"
#include "services/Settings.h"
#include "support/TestFolder.h"
#include "util/TextUtils.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>

class TestTerminationSignals : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    int m_n = 0;

    QString socketDe(const QString &key) const { return QDir::tempPath() + QLatin1Char('/') + key; }

    // Starts the program on the folder's database; it logs in by itself.
    void iniciar(QProcess &programa, const QString &key)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUMISTO_INSTANCE_KEY"), key);
        env.insert(QStringLiteral("LUMISTO_PROGRAM_DIR"), m_folder.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        programa.setProcessEnvironment(env);
        programa.setProcessChannelMode(QProcess::ForwardedChannels);
        programa.start(QStringLiteral(LUMISTO_EXE), {});
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        // through isql, in a process of its own: the program must be the
        // first and only process whose engine opens the file
        bool ok = false;
        const QString saida = m_folder.isql(
            QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA, NOME, TIPO) VALUES ('ana', '%1', 'Ana', 1);\n"
                           "COMMIT;\n")
                .arg(ScrambleText(QStringLiteral("ABC"), 10)),
            &ok);
        QVERIFY2(ok, qPrintable(saida));
        // the automatic login, as the login window writes it
        QVERIFY(WriteSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA"), true));
        QVERIFY(
            WriteSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN"), QStringLiteral("ana")));
        QVERIFY(WriteSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("SENHA"),
                                 ScrambleText(QStringLiteral("ABC"), 10)));
    }

    void theProgramEndsCleanly_data()
    {
        QTest::addColumn<int>("sinal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void theProgramEndsCleanly()
    {
        QFETCH(int, sinal);
        const QString key =
            QStringLiteral("lumisto-sinal-%1-%2").arg(QCoreApplication::applicationPid()).arg(m_n++);
        QFile::remove(m_folder.file(QStringLiteral("Orvalha.erros")));
        QProcess programa;
        iniciar(programa, key);
        QVERIFY(programa.waitForStarted());
        // logged in: the login window has written the login it used
        QVERIFY(WriteSettingText(QStringLiteral("USUARIO"), QStringLiteral("LOGIN"), QString()));
        QTRY_VERIFY_WITH_TIMEOUT(ReadSettingText(QStringLiteral("USUARIO"), QStringLiteral("LOGIN")) ==
                                         QLatin1String("ana") ||
                                     programa.state() == QProcess::NotRunning,
                                 120000);
        QCOMPARE(programa.state(), QProcess::Running);
        QVERIFY(QFile::exists(socketDe(key)));

        ::kill(pid_t(programa.processId()), sinal);
        // a process that has ended already makes waitForFinished() false
        if (programa.state() != QProcess::NotRunning)
            programa.waitForFinished(120000);
        QCOMPARE(programa.state(), QProcess::NotRunning);
        QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programa.exitCode(), 0);

        QVERIFY(!QFile::exists(socketDe(key)));
        QCOMPARE(ReadSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN")),
                 QStringLiteral("ana"));
        // detached: the database opens here again
        std::unique_ptr<TDM> dm = m_folder.connect();
        QVERIFY(dm->BancoDados.isConnected());
    }
};

QTEST_MAIN(TestTerminationSignals)
#include "TestTerminationSignals.moc"
