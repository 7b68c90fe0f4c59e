// Mail through the [SMTP] account, against a small SMTP server of the test's
// own on 127.0.0.1. libcurl blocks the calling thread, so the server answers
// from a thread of its own.
#include "services/Settings.h"
#include "services/SmtpMailService.h"
#include "support/FakeSeams.h"
#include "support/SmtpServer.h"

#include <QMutex>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

class TestSmtpMailService : public QObject {
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    FakeSeams m_seams{};

    static void configure(quint16 port, const QString &host = QStringLiteral("127.0.0.1"),
                          const QString &sender = QStringLiteral("remetente@orvalha.test"))
    {
        const QString s = QStringLiteral("SMTP");
        QVERIFY(WriteSettingText(s, QStringLiteral("HOST"), host));
        QVERIFY(WriteSettingInt(s, QStringLiteral("PORTA"), port));
        QVERIFY(WriteSettingText(s, QStringLiteral("USUARIO"), QStringLiteral("conta")));
        QVERIFY(WriteSettingText(s, QStringLiteral("SENHA"), QStringLiteral("s3gr3do")));
        QVERIFY(WriteSettingText(s, QStringLiteral("REMETENTE"), sender));
    }
    static MailMessage aMessage(const QString &subject = QStringLiteral("Assunto"))
    {
        MailMessage m;
        m.fromName = QStringLiteral(":: Orvalha ::");
        m.to = QStringList{QStringLiteral("ana@exemplo.com.br")};
        m.subject = subject;
        m.htmlBody = QStringLiteral("Caro(a) Ana,<BR>\r\nseu login é: ana<BR>\r\n");
        m.highPriority = true;
        return m;
    }

private slots:
    void initTestCase() { m_seams = FakeSeams::install(); }
    void init()
    {
        m_dir = new QTemporaryDir;
        qputenv("LUMISTO_PROGRAM_DIR", QFile::encodeName(m_dir->path()));
    }
    void cleanup()
    {
        delete m_dir;
        qunsetenv("LUMISTO_PROGRAM_DIR");
    }

    void deliversOneMessage_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("highPriority");
        QTest::addColumn<QStringList>("to");
        QTest::addColumn<QString>("fromName");
        QTest::addColumn<QString>("from"); // decoded
        QTest::newRow("ascii, high priority")
            << QStringLiteral("Login e Senha para iniciar a Orvalha :::08/12/2026 :: 10:30:00") << true
            << QStringList{QStringLiteral("ana@exemplo.com.br")} << QStringLiteral(":: Orvalha ::")
            << QStringLiteral("\":: Orvalha ::\" <remetente@orvalha.test>");
        QTest::newRow("accents, normal priority")
            << QStringLiteral("Sugestão: ação & reação") << false
            << QStringList{QStringLiteral("ana@exemplo.com.br")}
            << QStringLiteral("Suporte Técnico — Orvalha Informática Ltda.")
            << QStringLiteral("Suporte Técnico — Orvalha Informática Ltda. "
                              "<remetente@orvalha.test>");
        QTest::newRow("long, accents and emoji, two recipients")
            << QStringLiteral("Lembrança: ") + QString(QStringLiteral("çãõ é ü 😀 ")).repeated(12) << true
            << QStringList{QStringLiteral("ana@exemplo.com.br"), QStringLiteral("bia@exemplo.com.br")}
            << QString() << QStringLiteral("<remetente@orvalha.test>");
    }
    void deliversOneMessage()
    {
        QFETCH(QString, subject);
        QFETCH(bool, highPriority);
        QFETCH(QStringList, to);
        QFETCH(QString, fromName);
        QFETCH(QString, from);
        SmtpServer server;
        configure(server.listen());
        MailMessage m = aMessage(subject);
        m.highPriority = highPriority;
        m.to = to;
        m.fromName = fromName;

        QString error;
        QVERIFY2(SmtpMailService().send(m, &error), qPrintable(error));

        const QList<Received> got = server.messages();
        QCOMPARE(got.size(), 1);
        const Received &r = got.first();
        QCOMPARE(r.mailFrom, QStringLiteral("<remetente@orvalha.test>"));
        QStringList expectedRcpt;
        for (const QString &a : to)
            expectedRcpt << QLatin1Char('<') + a + QLatin1Char('>');
        QCOMPARE(r.recipients, expectedRcpt);
        QCOMPARE(r.authUser, QStringLiteral("conta"));
        QCOMPARE(r.authPassword, QStringLiteral("s3gr3do"));
        QVERIFY(!r.helo.isEmpty());

        const Parsed p = parse(r.data);
        for (const QByteArray &line : p.rawLines) {
            QVERIFY2(line.isEmpty() || line.endsWith('\r'), line.constData()); // CRLF only
            QVERIFY2(line.size() <= 79, line.constData());                     // 78 + the CR
        }
        for (const char *once :
             {"date", "from", "to", "subject", "message-id", "mime-version", "content-type"})
            QCOMPARE(p.headers.count(once), 1);
        QCOMPARE(decodeWords(p.headers.value("subject")), subject);
        QCOMPARE(decodeWords(p.headers.value("from")), from);
        QCOMPARE(QString::fromLatin1(p.headers.value("to")).remove(QLatin1Char(' ')),
                 to.join(QLatin1Char(',')));
        QCOMPARE(QDateTime::fromString(QString::fromLatin1(p.headers.value("date")), Qt::RFC2822Date),
                 m_seams.clock->current);
        QVERIFY(QRegularExpression(QStringLiteral("^<[^@<>\\s]+@orvalha\\.test>$"))
                    .match(QString::fromLatin1(p.headers.value("message-id")))
                    .hasMatch());
        QCOMPARE(p.headers.value("content-type"), QByteArray("text/html; charset=UTF-8"));
        QCOMPARE(p.headers.value("x-priority"), highPriority ? QByteArray("1") : QByteArray());
        QCOMPARE(p.headers.value("importance"), highPriority ? QByteArray("high") : QByteArray());
        QCOMPARE(QString::fromUtf8(p.body), m.htmlBody);
    }

    void aSenderOfTheMessageOverridesTheAccount()
    {
        SmtpServer server;
        configure(server.listen());
        MailMessage m = aMessage();
        m.fromAddress = QStringLiteral("suporte@orvalha.test");
        QString error;
        QVERIFY2(SmtpMailService().send(m, &error), qPrintable(error));
        QCOMPARE(server.messages().value(0).mailFrom, QStringLiteral("<suporte@orvalha.test>"));
    }

    // Blind copies travel in the envelope only; attachments make a
    // multipart message whose parts a reader decodes back to the bytes sent.
    void blindCopiesAndAttachments()
    {
        SmtpServer server;
        configure(server.listen());
        MailMessage m = aMessage();
        m.to.clear();
        m.bcc = QStringList{QStringLiteral("ana@exemplo.com.br"), QStringLiteral("bia@exemplo.com.br")};
        const QByteArray binario("\x00\x01\xff{\\rtf1 carta}\r\n.\r\n", 21);
        m.attachments = {{QStringLiteral("Mala.RTF"), binario, QByteArrayLiteral("application/rtf")},
                         {QStringLiteral("Relatório \"final\".pdf"), QByteArray(5000, 'x')}};
        QString error;
        QVERIFY2(SmtpMailService().send(m, &error), qPrintable(error));

        const Received r = server.messages().value(0);
        QCOMPARE(r.recipients, (QStringList{QStringLiteral("<ana@exemplo.com.br>"),
                                            QStringLiteral("<bia@exemplo.com.br>")}));
        QVERIFY(!r.data.contains("ana@exemplo"));
        QVERIFY(!r.data.toLower().contains("\nbcc:"));
        const Parsed p = parse(r.data);
        QCOMPARE(p.headers.value("to"), QByteArray("undisclosed-recipients:;"));
        const QByteArray tipo = p.headers.value("content-type");
        QVERIFY(tipo.startsWith("multipart/mixed; boundary=\""));
        const QByteArray marca = "--" + tipo.mid(tipo.indexOf('"') + 1).chopped(1);
        const QList<QByteArray> partes = r.data.split('\n');
        QList<QByteArray> corpos;
        QList<QByteArray> cabecalhos;
        QByteArray atual;
        bool dentro = false;
        for (const QByteArray &linha : partes) {
            if (linha.trimmed().startsWith(marca)) {
                if (dentro) {
                    const qsizetype fim = atual.indexOf("\r\n\r\n");
                    cabecalhos << atual.left(fim);
                    corpos << QByteArray::fromBase64(atual.mid(fim + 4));
                }
                atual.clear();
                dentro = !linha.trimmed().endsWith("--");
                continue;
            }
            if (dentro)
                atual += linha + '\n';
        }
        QCOMPARE(corpos.size(), 3);
        QCOMPARE(QString::fromUtf8(corpos[0]), m.htmlBody);
        QVERIFY(cabecalhos[1].contains("Content-Type: application/rtf; name=\"Mala.RTF\""));
        QVERIFY(cabecalhos[1].contains("Content-Disposition: attachment; filename=\"Mala.RTF\""));
        QCOMPARE(corpos[1], binario);
        QVERIFY2(cabecalhos[2].contains("filename*=UTF-8''Relat%C3%B3rio%20%22final%22.pdf"),
                 cabecalhos[2].constData());
        QCOMPARE(corpos[2], QByteArray(5000, 'x'));
    }

    void unconfiguredSendsNothing_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("sender");
        QTest::newRow("no host") << QString() << QStringLiteral("remetente@orvalha.test");
        QTest::newRow("no sender") << QStringLiteral("127.0.0.1") << QString();
    }
    void unconfiguredSendsNothing()
    {
        QFETCH(QString, host);
        QFETCH(QString, sender);
        SmtpServer server;
        configure(server.listen(), host, sender);
        QString error;
        QVERIFY(!SmtpMailService().send(aMessage(), &error));
        QCOMPARE(error, QStringLiteral("O envio de e-mails não está configurado. Informe o servidor na seção "
                                       "[SMTP] do arquivo Orvalha.ini."));
        QCOMPARE(server.connections(), 0);
    }

    // A recipient typed with a line break would add headers of its own.
    void anUnsafeAddressIsRefused_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("line break") << QStringLiteral("ana@exemplo.com.br\r\nBcc: todos@exemplo.com.br");
        QTest::newRow("angle bracket") << QStringLiteral("ana@exemplo.com.br> <bia@exemplo.com.br");
        QTest::newRow("no at sign") << QStringLiteral("ana");
    }
    void anUnsafeAddressIsRefused()
    {
        QFETCH(QString, address);
        SmtpServer server;
        configure(server.listen());
        MailMessage m = aMessage();
        m.to = QStringList{address};
        QString error;
        QVERIFY(!SmtpMailService().send(m, &error));
        QVERIFY(error.contains(address));
        QCOMPARE(server.connections(), 0);
    }

    void serverFailuresComeBackAsText()
    {
        // a port that was just free: nobody listens there
        quint16 closedPort;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            closedPort = probe.serverPort();
        }
        configure(closedPort);
        QString error;
        QVERIFY(!SmtpMailService().send(aMessage(), &error));
        QVERIFY2(error.startsWith(
                     QStringLiteral("Não foi possível enviar o e-mail pelo servidor 127.0.0.1 (porta %1): ")
                         .arg(closedPort)),
                 qPrintable(error));

        SmtpServer server;
        server.rejectRecipients = true;
        configure(server.listen());
        QVERIFY(!SmtpMailService().send(aMessage(), &error));
        QVERIFY2(error.startsWith(QStringLiteral("Não foi possível enviar o e-mail")), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("550")), qPrintable(error));
        QVERIFY(server.messages().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSmtpMailService)
#include "TestSmtpMailService.moc"
