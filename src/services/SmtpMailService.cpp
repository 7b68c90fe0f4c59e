#include "services/SmtpMailService.h"

bool SmtpMailService::send(const MailMessage &, QString *error)
{
    if (error)
        *error = QStringLiteral("O envio de e-mails não está configurado.");
    return false;
}
