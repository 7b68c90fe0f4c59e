// One running copy per user: a second start asks the first to come forward
// and leaves without touching any file.
#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    QString uniqueKey() const
    {
        return QStringLiteral("lumisto-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(m_n++);
    }
    mutable int m_n = 0;

private slots:
    void aSecondCopyAsksTheFirstToComeForward()
    {
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(!first.notifyRunning(200));
        QVERIFY(first.listen());
        QSignalSpy shown(&first, &SingleInstance::activationRequested);
        SingleInstance second(key);
        QVERIFY(second.notifyRunning());
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 60000);
    }

    void theLeftoverOfACrashedCopyDoesNotBlockTheNext()
    {
        const QString key = uniqueKey();
        const QString socketFile = QDir::tempPath() + QLatin1Char('/') + key;
        QFile leftover(socketFile);
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();
        SingleInstance next(key);
        QVERIFY(next.listen());
        QVERIFY(SingleInstance(key).notifyRunning());
    }

    void theProgramStartedTwiceLeavesAtOnceAndWritesNothing()
    {
        const QString key = uniqueKey();
        SingleInstance running(key);
        QVERIFY(running.listen());
        QSignalSpy shown(&running, &SingleInstance::activationRequested);

        QTemporaryDir folder; // an empty program folder: any file written would show
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUMISTO_INSTANCE_KEY"), key);
        env.insert(QStringLiteral("LUMISTO_PROGRAM_DIR"), folder.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(LUMISTO_EXE), {});
        QVERIFY(second.waitForStarted());
        // the answer arrives through this process's event loop
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 60000);
        // the second copy may well have ended already while the answer was
        // read, and waitForFinished() is false for a process that has ended
        if (second.state() != QProcess::NotRunning)
            second.waitForFinished(60000);
        QCOMPARE(second.state(), QProcess::NotRunning);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
