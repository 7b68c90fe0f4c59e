#include "services/LembreteSenha.h"

#include "util/DateTime.h"

MailMessage MontarEmailSenha(const QString &nome, const QString &login, const QString &senhaEmMaiusculas,
                             const QString &email, double agora)
{
    const QStringList lines = {
        QStringLiteral("Caro(a) ") + nome + QLatin1Char(','),
        QStringLiteral("seu login é: ") + login + QStringLiteral(" e sua senha é ") + senhaEmMaiusculas,
        QStringLiteral("-----------"),
        FormatDateTime(QStringLiteral("\"Data de envio: \"dd/mm/yyyy -- hh:nn:ss"), agora),
        QStringLiteral("-----------"),
    };
    // The body is HTML: without <BR> a mail reader runs the lines together,
    // and a name or password holding "<" or "&" must show as typed.
    QString body;
    for (const QString &line : lines)
        body += line.toHtmlEscaped() + QStringLiteral("<BR>\r\n");

    MailMessage m;
    m.fromName = QStringLiteral(":: Orvalha ::");
    m.to = QStringList{email};
    m.subject = QStringLiteral("Login e Senha para iniciar a Orvalha :::") +
                FormatDateTime(QStringLiteral("dd/mm/yyyy :: hh:nn:ss"), agora);
    m.htmlBody = body;
    m.highPriority = true;
    return m;
}

QString TextoSenhaEnviada(const QString &nome, const QString &email)
{
    return QStringLiteral("Login e senha do usuário ") + nome +
           QStringLiteral(" enviados para o e-mail: \"") + email + QStringLiteral("\"!");
}
