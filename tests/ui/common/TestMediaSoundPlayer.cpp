// The sound player without a sound device: files that cannot be played give
// a Portuguese error, and MIDI goes to the synthesizer found on PATH (a stand-in
// script here), which stop() ends.
#include "support/FakeSeams.h"
#include "ui/common/MediaSoundPlayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestMediaSoundPlayer : public QObject {
    Q_OBJECT

private:
    FakeSeams m_seams{};
    QByteArray m_oldPath;
    QTemporaryDir *m_bin = nullptr;

    static QString defaultSound()
    {
        return QStringLiteral(LUMISTO_SOURCE_DIR "/resources/Sons/default_recados.mid");
    }

    // A program named "timidity" in a folder that is all of PATH.
    QString fakeSynthesizer(const QByteArray &body)
    {
        const QString path = m_bin->path() + QStringLiteral("/timidity");
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write("#!/bin/sh\n" + body);
        f.close();
        f.setPermissions(f.permissions() | QFile::ExeOwner);
        return path;
    }
    static QString readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
    }

private slots:
    void initTestCase()
    {
        m_seams = FakeSeams::install();
        m_oldPath = qgetenv("PATH");
    }
    void init()
    {
        m_seams.messages->clear();
        m_bin = new QTemporaryDir;
        qputenv("PATH", QFile::encodeName(m_bin->path()));
    }
    void cleanup()
    {
        qputenv("PATH", m_oldPath);
        delete m_bin;
    }

    void aMissingFileIsAnError_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("wav") << QStringLiteral("/nao/existe/aviso.wav");
        QTest::newRow("mp3") << QStringLiteral("/nao/existe/aviso.mp3");
        QTest::newRow("mid") << QStringLiteral("/nao/existe/aviso.mid");
        QTest::newRow("a folder") << QDir::tempPath();
    }
    void aMissingFileIsAnError()
    {
        QFETCH(QString, path);
        MediaSoundPlayer player;
        QString error;
        QVERIFY(!player.play(path, &error));
        QCOMPARE(error,
                 QStringLiteral("Não foi possível tocar o arquivo \"%1\". O arquivo não existe.").arg(path));
        player.stop();
    }

    void midiWithoutSynthesizerIsAnError()
    {
        MediaSoundPlayer player;
        QString error;
        QVERIFY(!player.play(defaultSound(), &error));
        QVERIFY2(error.startsWith(
                     QStringLiteral("Não foi possível tocar o arquivo \"%1\". Nenhum sintetizador MIDI")
                         .arg(defaultSound())),
                 qPrintable(error));
    }

    void midiPlaysThroughTheSynthesizerUntilStopped()
    {
        const QString synth = fakeSynthesizer("echo $$ > \"$0.pid\"\nprintf '%s\\n' \"$@\" > \"$0.args\"\n"
                                              "exec /bin/sleep 60\n");
        MediaSoundPlayer player;
        QString error;
        QVERIFY2(player.play(defaultSound(), &error), qPrintable(error));
        // another process, started on a machine that may be busy: wait as long as it takes
        QTRY_COMPARE_WITH_TIMEOUT(readFile(synth + QStringLiteral(".args")),
                                  QStringLiteral("-id\n") + defaultSound(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!readFile(synth + QStringLiteral(".pid")).isEmpty(), 60000);
        const QString pid = readFile(synth + QStringLiteral(".pid"));
        QVERIFY(QFileInfo::exists(QStringLiteral("/proc/") + pid));

        player.stop();
        QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/") + pid));
        QVERIFY(m_seams.messages->shown.isEmpty()); // a stop is not a failure
    }

    void aFailingSynthesizerIsReported()
    {
        fakeSynthesizer("exit 3\n");
        MediaSoundPlayer player;
        QString error;
        QVERIFY2(player.play(defaultSound(), &error), qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(
            m_seams.messages->shown,
            QStringList{QStringLiteral("Não foi possível tocar o arquivo \"%1\". O programa timidity "
                                       "terminou com erro.")
                            .arg(defaultSound())},
            60000);
    }
};

QTEST_MAIN(TestMediaSoundPlayer)
#include "TestMediaSoundPlayer.moc"
