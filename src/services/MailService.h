#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A file sent with a message, as the reader will see it.
struct MailAttachment {
    QString fileName; // without folder
    QByteArray data;
    QByteArray contentType = QByteArrayLiteral("application/octet-stream");
};

// An e-mail sent by the program itself through the SMTP account of the
// settings file's [SMTP] section (forgotten password, suggestions, letters).
struct MailMessage {
    QString fromAddress; // empty: [SMTP] REMETENTE
    QString fromName;
    QStringList to;
    QString subject;
    QString htmlBody;
    bool highPriority = false;
    QStringList bcc; // blind copies: in the envelope only, never in a header
    QList<MailAttachment> attachments;
};

class MailService {
public:
    virtual ~MailService() = default;
    // False when the account is not configured or the server refuses; *error
    // then holds a Portuguese text for the user.
    virtual bool send(const MailMessage &message, QString *error) = 0;
};
