#include "services/TMAPIMail.h"

#include "services/Seams.h"

#include <QFileInfo>

int TMAPIMail::Send()
{
    MailHandoffMessage m;
    m.subject = Subject;
    m.body = Body;
    for (const QString &r : Recipients) {
        const QString t = r.trimmed();
        if (t.startsWith(QLatin1String("BCC:"), Qt::CaseInsensitive))
            m.bcc << t.mid(4).trimmed();
        else if (t.startsWith(QLatin1String("CC:"), Qt::CaseInsensitive))
            m.cc << t.mid(3).trimmed();
        else
            m.to << t;
    }
    m.to.removeAll(QString());
    m.cc.removeAll(QString());
    m.bcc.removeAll(QString());
    for (const QString &a : Attachments) {
        if (!QFileInfo(a).isFile()) {
            m_resultado = AnexoNaoEncontrado;
            m_erro = QStringLiteral("O arquivo anexo %1 não foi encontrado.").arg(a);
            return m_resultado;
        }
        m.attachments << a;
    }
    m_erro.clear();
    m_resultado = Seams::mailHandoff().handOff(m, &m_erro) ? Sucesso : FalhaGeral;
    return m_resultado;
}

QString TMAPIMail::ResultText(int code)
{
    static const char *const kTextos[] = {nullptr,
                                          "User cancelled request",
                                          "General MAPI failure",
                                          "Logon failure",
                                          "Disk full",
                                          "Insufficient memory",
                                          "Access denied",
                                          nullptr,
                                          "Too many sessions",
                                          "Too many files open",
                                          "Too many recipients",
                                          "Attachment not found",
                                          "Failed to open attachment",
                                          "Failed to write attachment",
                                          "Unknown recipient",
                                          "Invalid recipient type",
                                          "No messages",
                                          "Invalid message",
                                          "Text too large.",
                                          "Invalid session",
                                          "Type not supported",
                                          "Ambiguous recipient",
                                          "Message in use",
                                          "Network failure",
                                          "Invalid edit fields",
                                          "Invalid recipients",
                                          "Not supported"};
    if (code > 0 && code < int(std::size(kTextos)) && kTextos[code])
        return QString::fromLatin1(kTextos[code]);
    return QStringLiteral("Unknown Error Code: ") + QString::number(code);
}
