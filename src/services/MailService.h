#pragma once

#include <QString>
#include <QStringList>

// An e-mail sent by the program itself through the SMTP account of the
// settings file's [SMTP] section (forgotten password, suggestions).
struct MailMessage {
    QString fromAddress; // empty: [SMTP] REMETENTE
    QString fromName;
    QStringList to;
    QString subject;
    QString htmlBody;
    bool highPriority = false;
};

class MailService {
public:
    virtual ~MailService() = default;
    // False when the account is not configured or the server refuses; *error
    // then holds a Portuguese text for the user.
    virtual bool send(const MailMessage &message, QString *error) = 0;
};
