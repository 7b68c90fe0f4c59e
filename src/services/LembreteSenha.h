#pragma once

#include "services/MailService.h"

#include <QString>

// The mail of "Esqueci minha senha!": the login and the password (already
// restored to upper case) of one user, sent to that user's e-mail. agora is
// the send time as a day number.
MailMessage MontarEmailSenha(const QString &nome, const QString &login, const QString &senhaEmMaiusculas,
                             const QString &email, double agora);

// The message shown once the mail has gone out.
QString TextoSenhaEnviada(const QString &nome, const QString &email);
