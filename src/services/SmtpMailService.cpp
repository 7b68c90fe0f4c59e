#include "services/SmtpMailService.h"

#include "services/Seams.h"
#include "services/Settings.h"

#include <QDateTime>
#include <QSysInfo>
#include <QUrl>
#include <QUuid>

#include <curl/curl.h>

#include <cstring>
#include <memory>
#include <mutex>

namespace {

struct Account {
    QString host;
    int port = 587;
    QString user;
    QString password;
    QString sender;
};

Account readAccount()
{
    const QString s = QStringLiteral("SMTP");
    Account a;
    a.host = ReadSettingText(s, QStringLiteral("HOST")).trimmed();
    a.port = ReadSettingInt(s, QStringLiteral("PORTA"));
    a.user = ReadSettingText(s, QStringLiteral("USUARIO")).trimmed();
    a.password = ReadSettingText(s, QStringLiteral("SENHA"));
    a.sender = ReadSettingText(s, QStringLiteral("REMETENTE")).trimmed();
    return a;
}

bool isPlainAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

// Anything that could end a header or escape the angle brackets is refused,
// so an address typed by a user cannot add headers or recipients.
bool isSafeAddress(const QString &address)
{
    if (address.isEmpty() || !address.contains(QLatin1Char('@')) || !isPlainAscii(address))
        return false;
    for (QChar c : address)
        if (c == QLatin1Char(' ') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
            c == QLatin1Char(',') || c == QLatin1Char('"'))
            return false;
    return true;
}

// RFC 2047 "B" words, cut between characters (never inside a UTF-8
// sequence), folded onto lines of their own.
QByteArray encodedWords(const QString &text)
{
    // 52 base64 characters + the 12 of the frame: with "Subject: " in front
    // the first line still keeps within the 76 that encoded lines may have.
    constexpr qsizetype kMaxBytes = 39;
    QList<QByteArray> words;
    QByteArray chunk;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QByteArray bytes = QStringView(text).mid(i, n).toUtf8();
        i += n;
        if (chunk.size() + bytes.size() > kMaxBytes) {
            words << chunk;
            chunk.clear();
        }
        chunk += bytes;
    }
    if (!chunk.isEmpty() || words.isEmpty())
        words << chunk;
    QByteArray out;
    for (const QByteArray &w : words) {
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + w.toBase64() + "?=";
    }
    return out;
}

// Unstructured header text (Subject): as it is when plain ASCII of a
// reasonable length, encoded otherwise.
QByteArray unstructured(const QString &text)
{
    if (isPlainAscii(text) && text.size() <= 900)
        return text.toLatin1();
    return encodedWords(text);
}

// A display name is a phrase: ":: Orvalha ::" holds specials and has to be
// quoted.
QByteArray phrase(const QString &name)
{
    if (!isPlainAscii(name) || name.size() > 900)
        return encodedWords(name);
    QByteArray quoted = "\"";
    for (QChar c : name) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += '\\';
        quoted += char(c.unicode());
    }
    return quoted + '"';
}

QByteArray base64Lines(const QByteArray &data)
{
    const QByteArray b64 = data.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < b64.size(); i += 76)
        out += b64.mid(i, 76) + "\r\n";
    return out;
}

// A file name in a MIME parameter: quoted when plain ASCII, RFC 2231
// otherwise ("Relatório.pdf").
QByteArray fileNameParameter(const char *name, const QString &fileName)
{
    bool plain = isPlainAscii(fileName) && fileName.size() <= 200;
    for (QChar c : fileName)
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            plain = false;
    if (plain)
        return QByteArray(name) + "=\"" + fileName.toLatin1() + '"';
    return QByteArray(name) + "*=UTF-8''" + QUrl::toPercentEncoding(fileName);
}

QByteArray composeMessage(const MailMessage &message, const QString &from, const QDateTime &now)
{
    QByteArray to;
    for (const QString &r : message.to) {
        if (!to.isEmpty())
            to += ",\r\n ";
        to += r.toLatin1();
    }
    // blind copies only: the header names nobody
    if (to.isEmpty())
        to = "undisclosed-recipients:;";
    const QString domain = from.section(QLatin1Char('@'), -1);
    const QByteArray id = QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + '@' + domain.toLatin1();

    QByteArray m;
    m += "Date: " + now.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    QByteArray fromLine = "From: ";
    if (!message.fromName.isEmpty()) {
        fromLine += phrase(message.fromName);
        const qsizetype lastLine = fromLine.size() - fromLine.lastIndexOf('\n') - 1;
        fromLine += lastLine + from.size() + 3 > 76 ? "\r\n " : " ";
    }
    m += fromLine + '<' + from.toLatin1() + ">\r\n";
    m += "To: " + to + "\r\n";
    m += "Subject: " + unstructured(message.subject) + "\r\n";
    m += "Message-ID: <" + id + ">\r\n";
    if (message.highPriority)
        m += "X-Priority: 1\r\nImportance: high\r\n";
    m += "MIME-Version: 1.0\r\n";
    if (message.attachments.isEmpty()) {
        m += "Content-Type: text/html; charset=UTF-8\r\n";
        m += "Content-Transfer-Encoding: base64\r\n";
        m += "\r\n";
        m += base64Lines(message.htmlBody.toUtf8());
        return m;
    }
    // base64 lines never hold "=_", so the boundary cannot occur in a part
    const QByteArray boundary = "=_lumisto_" + QUuid::createUuid().toByteArray(QUuid::Id128);
    m += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n";
    m += "\r\n";
    m += "--" + boundary + "\r\n";
    m += "Content-Type: text/html; charset=UTF-8\r\n";
    m += "Content-Transfer-Encoding: base64\r\n";
    m += "\r\n";
    m += base64Lines(message.htmlBody.toUtf8());
    for (const MailAttachment &a : message.attachments) {
        m += "--" + boundary + "\r\n";
        m += "Content-Type: " + a.contentType + "; " + fileNameParameter("name", a.fileName) + "\r\n";
        m += "Content-Disposition: attachment; " + fileNameParameter("filename", a.fileName) + "\r\n";
        m += "Content-Transfer-Encoding: base64\r\n";
        m += "\r\n";
        m += base64Lines(a.data);
    }
    m += "--" + boundary + "--\r\n";
    return m;
}

struct Upload {
    QByteArray data;
    qsizetype position = 0;
};

size_t readUpload(char *buffer, size_t size, size_t count, void *userData)
{
    auto *u = static_cast<Upload *>(userData);
    const size_t n = qMin(size * count, size_t(u->data.size() - u->position));
    std::memcpy(buffer, u->data.constData() + u->position, n);
    u->position += qsizetype(n);
    return n;
}

void initCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool SmtpMailService::send(const MailMessage &message, QString *error)
{
    const Account account = readAccount();
    const QString from = message.fromAddress.isEmpty() ? account.sender : message.fromAddress.trimmed();
    if (account.host.isEmpty() || from.isEmpty())
        return fail(error, QStringLiteral("O envio de e-mails não está configurado. Informe o servidor na "
                                          "seção [SMTP] do arquivo Orvalha.ini."));
    if (account.port < 1 || account.port > 65535)
        return fail(error, QStringLiteral("A porta %1 da seção [SMTP] do arquivo Orvalha.ini não é válida.")
                               .arg(account.port));
    if (!isSafeAddress(from))
        return fail(error, QStringLiteral("O endereço do remetente \"%1\" não é válido.").arg(from));
    const QStringList envelope = message.to + message.bcc;
    if (envelope.isEmpty())
        return fail(error, QStringLiteral("O e-mail não tem destinatário."));
    for (const QString &r : envelope)
        if (!isSafeAddress(r))
            return fail(error, QStringLiteral("O endereço de e-mail \"%1\" não é válido.").arg(r));
    for (const MailAttachment &a : message.attachments)
        if (a.contentType.contains('\r') || a.contentType.contains('\n') ||
            a.fileName.contains(QLatin1Char('\r')) || a.fileName.contains(QLatin1Char('\n')))
            return fail(error, QStringLiteral("O anexo \"%1\" não tem um nome válido.").arg(a.fileName));

    initCurlOnce();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        return fail(error, QStringLiteral("Não foi possível preparar o envio do e-mail."));

    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> recipients(nullptr, &curl_slist_free_all);
    for (const QString &r : envelope) {
        const QByteArray rcpt = '<' + r.toLatin1() + '>';
        curl_slist *grown = curl_slist_append(recipients.get(), rcpt.constData());
        if (!grown)
            return fail(error, QStringLiteral("Não foi possível preparar o envio do e-mail."));
        recipients.release();
        recipients.reset(grown);
    }

    // Port 465 speaks TLS from the first byte; any other port starts plain and
    // switches to TLS when the server offers STARTTLS. The path is the name
    // given in EHLO.
    const QString host = account.host.contains(QLatin1Char(':')) && !account.host.startsWith(QLatin1Char('['))
                             ? QLatin1Char('[') + account.host + QLatin1Char(']')
                             : account.host;
    const QByteArray url = (account.port == 465 ? QByteArray("smtps://") : QByteArray("smtp://")) +
                           host.toUtf8() + ':' + QByteArray::number(account.port) + '/' +
                           QUrl::toPercentEncoding(QSysInfo::machineHostName());
    const QByteArray mailFrom = '<' + from.toLatin1() + '>';
    const QByteArray user = account.user.toUtf8();
    const QByteArray password = account.password.toUtf8();
    Upload upload{composeMessage(message, from, Seams::clock().now()), 0};
    char curlError[CURL_ERROR_SIZE] = {};

    CURL *c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, mailFrom.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &readUpload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(upload.data.size()));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 30L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, curlError);

    const CURLcode rc = curl_easy_perform(c);
    if (rc != CURLE_OK) {
        const QString reason =
            curlError[0] ? QString::fromUtf8(curlError) : QString::fromUtf8(curl_easy_strerror(rc));
        return fail(error, QStringLiteral("Não foi possível enviar o e-mail pelo servidor %1 (porta %2): %3")
                               .arg(account.host)
                               .arg(account.port)
                               .arg(reason));
    }
    return true;
}
