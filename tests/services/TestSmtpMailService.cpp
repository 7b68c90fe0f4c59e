// Mail through the [SMTP] account, against a small SMTP server of the test's
// own on 127.0.0.1. libcurl blocks the calling thread, so the server answers
// from a thread of its own.
#include "app/Settings.h"
#include "services/SmtpMailService.h"
#include "support/FakeSeams.h"

#include <QMutex>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

struct Received {
    QByteArray helo;
    QString authUser;
    QString authPassword;
    QString mailFrom;
    QStringList recipients;
    QByteArray data; // as sent, dot-stuffing undone
};

// Plain SMTP (no STARTTLS offered), AUTH PLAIN and LOGIN, one session at a
// time, until stopped.
class SmtpServer : public QThread {
public:
    bool rejectRecipients = false;

    ~SmtpServer() override
    {
        m_stop = true;
        wait();
    }
    quint16 listen()
    {
        start();
        m_ready.acquire();
        return m_port;
    }
    int connections() const { return m_connections; }
    QList<Received> messages() const
    {
        QMutexLocker lock(&m_mutex);
        return m_messages;
    }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        m_port = server.serverPort();
        m_ready.release();
        while (!m_stop) {
            if (!server.waitForNewConnection(50))
                continue;
            std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
            ++m_connections;
            session(*socket);
            socket->disconnectFromHost();
            if (socket->state() != QAbstractSocket::UnconnectedState)
                socket->waitForDisconnected(1000);
        }
    }

private:
    static bool readLine(QTcpSocket &s, QByteArray *line)
    {
        while (!s.canReadLine())
            if (!s.waitForReadyRead(10000))
                return false;
        *line = s.readLine();
        line->chop(line->endsWith("\r\n") ? 2 : 1);
        return true;
    }
    static void reply(QTcpSocket &s, const QByteArray &text)
    {
        s.write(text + "\r\n");
        s.waitForBytesWritten(5000);
    }
    static QByteArray ask(QTcpSocket &s, const QByteArray &prompt)
    {
        QByteArray answer;
        reply(s, "334 " + prompt.toBase64());
        readLine(s, &answer);
        return QByteArray::fromBase64(answer);
    }

    void session(QTcpSocket &s)
    {
        Received r;
        reply(s, "220 127.0.0.1 ESMTP teste");
        QByteArray line;
        while (readLine(s, &line)) {
            const QByteArray verb = line.split(' ').first().toUpper();
            const QByteArray arg = line.mid(verb.size()).trimmed();
            if (verb == "EHLO") {
                r.helo = arg;
                reply(s, "250-127.0.0.1\r\n250-AUTH PLAIN LOGIN\r\n250 8BITMIME");
            } else if (verb == "HELO") {
                r.helo = arg;
                reply(s, "250 127.0.0.1");
            } else if (verb == "AUTH") {
                const QList<QByteArray> parts = arg.split(' ');
                if (parts.value(0).toUpper() == "PLAIN") {
                    const QByteArray plain = parts.size() > 1 ? QByteArray::fromBase64(parts[1]) : ask(s, "");
                    const QList<QByteArray> fields = plain.split('\0');
                    r.authUser = QString::fromUtf8(fields.value(1));
                    r.authPassword = QString::fromUtf8(fields.value(2));
                } else {
                    r.authUser = QString::fromUtf8(parts.size() > 1 ? QByteArray::fromBase64(parts[1])
                                                                    : ask(s, "Username:"));
                    r.authPassword = QString::fromUtf8(ask(s, "Password:"));
                }
                reply(s, "235 2.7.0 Autenticado");
            } else if (line.toUpper().startsWith("MAIL FROM:")) {
                r.mailFrom = QString::fromLatin1(line.mid(10).trimmed());
                reply(s, "250 2.1.0 Ok");
            } else if (line.toUpper().startsWith("RCPT TO:")) {
                if (rejectRecipients) {
                    reply(s, "550 5.1.1 Caixa postal inexistente");
                    continue;
                }
                r.recipients << QString::fromLatin1(line.mid(8).trimmed());
                reply(s, "250 2.1.5 Ok");
            } else if (verb == "DATA") {
                reply(s, "354 Termine com <CRLF>.<CRLF>");
                QByteArray data;
                while (readLine(s, &line) && line != ".")
                    data += (line.startsWith('.') ? line.mid(1) : line) + "\r\n";
                r.data = data;
                {
                    QMutexLocker lock(&m_mutex);
                    m_messages << r;
                }
                reply(s, "250 2.0.0 Ok: na fila");
            } else if (verb == "QUIT") {
                reply(s, "221 2.0.0 Tchau");
                return;
            } else if (verb == "RSET" || verb == "NOOP") {
                reply(s, "250 Ok");
            } else {
                reply(s, "502 5.5.2 Comando desconhecido");
            }
        }
    }

    QSemaphore m_ready;
    quint16 m_port = 0;
    std::atomic_bool m_stop = false;
    std::atomic_int m_connections = 0;
    mutable QMutex m_mutex;
    QList<Received> m_messages;
};

// The parts of a received message, as a mail reader would see them.
struct Parsed {
    QList<QByteArray> rawLines;
    QMultiMap<QByteArray, QByteArray> headers; // lower-case names, unfolded values
    QByteArray body;                           // decoded
};

QByteArray decodeQuotedPrintable(const QByteArray &text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && text[i + 1] == '\r' && text[i + 2] == '\n') {
            i += 2;
        } else if (text[i] == '=' && i + 2 < text.size()) {
            out += char(text.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

Parsed parse(const QByteArray &data)
{
    Parsed p;
    const qsizetype split = data.indexOf("\r\n\r\n");
    const QByteArray head = data.left(split + 2);
    const QByteArray body = data.mid(split + 4);
    p.rawLines = data.split('\n');
    QByteArray current;
    const auto flush = [&] {
        const qsizetype colon = current.indexOf(':');
        if (colon > 0)
            p.headers.insert(current.left(colon).trimmed().toLower(), current.mid(colon + 1).trimmed());
    };
    for (const QByteArray &l : head.split('\n')) {
        const QByteArray line = l.endsWith('\r') ? l.chopped(1) : l;
        if (line.startsWith(' ') || line.startsWith('\t')) {
            current += line;
        } else {
            flush();
            current = line;
        }
    }
    flush();
    const QByteArray encoding = p.headers.value("content-transfer-encoding").toLower();
    if (encoding == "base64")
        p.body = QByteArray::fromBase64(body);
    else if (encoding == "quoted-printable")
        p.body = decodeQuotedPrintable(body);
    else
        p.body = body;
    return p;
}

// RFC 2047: encoded words, the blanks between two of them dropped.
QString decodeWords(const QByteArray &value)
{
    static const QRegularExpression word(QStringLiteral("=\\?([^?]+)\\?([BbQq])\\?([^?]*)\\?="));
    const QString text = QString::fromLatin1(value);
    QString out;
    qsizetype at = 0;
    bool lastWasWord = false;
    auto it = word.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString between = text.mid(at, m.capturedStart() - at);
        if (!(lastWasWord && between.trimmed().isEmpty()))
            out += between;
        const QByteArray payload = m.captured(3).toLatin1();
        QByteArray bytes;
        if (m.captured(2).toUpper() == QLatin1String("B"))
            bytes = QByteArray::fromBase64(payload);
        else
            bytes = decodeQuotedPrintable(QByteArray(payload).replace('_', ' '));
        out += QString::fromUtf8(bytes);
        at = m.capturedEnd();
        lastWasWord = true;
    }
    return out + text.mid(at);
}

} // namespace

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
