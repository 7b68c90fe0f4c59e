#pragma once

#include <QString>
#include <QStringList>

// A message handed to the user's own mail program, which shows it for the
// user to send: nothing goes out from here.
struct MailHandoffMessage {
    QStringList to;
    QStringList cc;
    QStringList bcc;
    QString subject;
    QString body;
    QStringList attachments; // full paths
};

class MailHandoff {
public:
    virtual ~MailHandoff() = default;
    // False, with a Portuguese text in *error, when the mail program could
    // not be started. Returns before the mail program has read the
    // attachments: they must stay where they are.
    virtual bool handOff(const MailHandoffMessage &message, QString *error) = 0;
};

// The desktop's mail program through xdg-email.
class XdgMailHandoff : public MailHandoff {
public:
    bool handOff(const MailHandoffMessage &message, QString *error) override;
    // The command line for `message` (without the program's name).
    static QStringList arguments(const MailHandoffMessage &message);
};
