#pragma once

#include "services/MailService.h"

// Sends through libcurl to the account of the settings file's [SMTP] section
// (HOST, PORTA, USUARIO, SENHA, REMETENTE), with TLS when the server offers it.
class SmtpMailService : public MailService {
public:
    bool send(const MailMessage &message, QString *error) override;
};
