#include "services/Sugestao.h"

#include "util/DateTime.h"
#include "util/PaginaHtml.h"

MailMessage MontarSugestao(const QString &nomeUsuario, const QString &emailUsuario, const QString &assunto,
                           const QString &mensagem, const QString &suporte, double agora)
{
    MailMessage m;
    m.fromAddress = emailUsuario.trimmed();
    m.fromName = nomeUsuario;
    m.to = QStringList{suporte};
    m.subject = assunto + QStringLiteral(" - Sugestão ") +
                FormatDateTime(QStringLiteral("dd/mm/yyyy :: hh:nn:ss"), agora);
    m.htmlBody = TextoParaHtml(mensagem);
    m.highPriority = true;
    return m;
}

QString RecusaSugestao(const QString &assunto, const QString &mensagem, const QString &nomeUsuario,
                       const QString &emailUsuario)
{
    if (assunto.trimmed().isEmpty() || mensagem.trimmed().isEmpty())
        return QStringLiteral("Os campos ASSUNTO e MENSAGEM devem ser preenchidos!!");
    if (emailUsuario.trimmed().isEmpty())
        return QStringLiteral("O usuário ") + nomeUsuario + QStringLiteral(" não tem e-mail cadastrado!");
    return {};
}
