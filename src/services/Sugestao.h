#pragma once

#include "services/MailService.h"

#include <QString>

// The mail of "Dúvidas e Sugestões": from the user, to the publisher's
// support address, high priority; the subject gets " - Sugestão " and the
// send time, the text keeps its line breaks and shows as typed (escaped).
// agora is the send time as a day number.
MailMessage MontarSugestao(const QString &nomeUsuario, const QString &emailUsuario, const QString &assunto,
                           const QString &mensagem, const QString &suporte, double agora);

// What "Enviar" refuses before anything goes out; empty when the form may
// be sent.
QString RecusaSugestao(const QString &assunto, const QString &mensagem, const QString &nomeUsuario,
                       const QString &emailUsuario);
