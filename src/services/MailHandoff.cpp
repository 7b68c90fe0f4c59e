#include "services/MailHandoff.h"

#include <QProcess>

QStringList XdgMailHandoff::arguments(const MailHandoffMessage &message)
{
    QStringList args;
    if (!message.subject.isEmpty())
        args << QStringLiteral("--subject") << message.subject;
    if (!message.body.isEmpty())
        args << QStringLiteral("--body") << message.body;
    for (const QString &c : message.cc)
        args << QStringLiteral("--cc") << c;
    for (const QString &b : message.bcc)
        args << QStringLiteral("--bcc") << b;
    for (const QString &a : message.attachments)
        args << QStringLiteral("--attach") << a;
    // "--" keeps an address that starts with a dash from being read as an option
    args << QStringLiteral("--");
    args << message.to;
    return args;
}

bool XdgMailHandoff::handOff(const MailHandoffMessage &message, QString *error)
{
    if (QProcess::startDetached(QStringLiteral("xdg-email"), arguments(message)))
        return true;
    if (error)
        *error = QStringLiteral("Não foi possível abrir o programa de e-mail do computador (xdg-email).");
    return false;
}
