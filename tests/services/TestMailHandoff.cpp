// The hand-off to the desktop's mail program, through a stand-in xdg-email
// first in PATH that writes down the arguments it was given.
#include "services/MailHandoff.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestMailHandoff : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
    QString recebidos() const { return m_dir.filePath(QStringLiteral("argumentos")); }

private slots:
    void initTestCase()
    {
        QFile script(m_dir.filePath(QStringLiteral("xdg-email")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname "
                     "\"$0\")/argumentos.tmp\"\n"
                     "mv \"$(dirname \"$0\")/argumentos.tmp\" \"$(dirname \"$0\")/argumentos\"\n");
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_path);
    }
    void cleanupTestCase() { qputenv("PATH", m_path); }

    // Every part as its own argument (no shell in between); an address that
    // starts with a dash stays an address.
    void handsEveryPartOver()
    {
        MailHandoffMessage m;
        m.to = QStringList{QStringLiteral("-destino@exemplo.com.br")};
        m.cc = QStringList{QStringLiteral("c@x.com.br")};
        m.bcc = QStringList{QStringLiteral("a@x.com.br"), QStringLiteral("b@x.com.br")};
        m.subject = QStringLiteral("Orvalha -- BackUP");
        m.body = QStringLiteral("linha 1 \"aspas\" $HOME; `x`");
        m.attachments = QStringList{m_dir.filePath(QStringLiteral("Orvalha.z"))};
        QString erro;
        QVERIFY(XdgMailHandoff().handOff(m, &erro));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recebidos()), 10000);
        QFile f(recebidos());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList args = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(args,
                 (QStringList{QStringLiteral("--subject"), m.subject, QStringLiteral("--body"), m.body,
                              QStringLiteral("--cc"), QStringLiteral("c@x.com.br"), QStringLiteral("--bcc"),
                              QStringLiteral("a@x.com.br"), QStringLiteral("--bcc"),
                              QStringLiteral("b@x.com.br"), QStringLiteral("--attach"), m.attachments.first(),
                              QStringLiteral("--"), QStringLiteral("-destino@exemplo.com.br")}));
    }

    void saysWhenThereIsNoMailProgram()
    {
        const QByteArray antes = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir.filePath(QStringLiteral("vazio"))));
        QString erro;
        const bool ok = XdgMailHandoff().handOff(MailHandoffMessage{}, &erro);
        qputenv("PATH", antes);
        QVERIFY(!ok);
        QVERIFY(!erro.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMailHandoff)
#include "TestMailHandoff.moc"
