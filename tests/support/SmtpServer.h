#pragma once

// A small SMTP server of the tests' own on 127.0.0.1, and what a mail reader
// would make of the messages it received. libcurl blocks the calling thread,
// so the server answers from a thread of its own.

#include <QByteArray>
#include <QMultiMap>
#include <QMutex>
#include <QRegularExpression>
#include <QSemaphore>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <atomic>
#include <memory>

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

inline QByteArray decodeQuotedPrintable(const QByteArray &text)
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

inline Parsed parse(const QByteArray &data)
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
inline QString decodeWords(const QByteArray &value)
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
