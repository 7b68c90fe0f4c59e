#include "util/PaginaHtml.h"

#include "app/ProgramFolder.h"
#include "services/Seams.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QSaveFile>

QString TextoParaHtml(const QString &texto)
{
    QString html = texto.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<BR>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<BR>"));
    html.replace(QLatin1Char('\r'), QStringLiteral("<BR>"));
    return html;
}

QByteArray PaginaWin1252(const QString &html)
{
    QByteArray out;
    out.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        const int byte = Win1252::toByte(c);
        if (byte >= 0) {
            out += char(byte);
            continue;
        }
        char32_t codigo = c.unicode();
        if (c.isHighSurrogate() && i + 1 < html.size() && html[i + 1].isLowSurrogate())
            codigo = QChar::surrogateToUcs4(c, html[++i]);
        out += "&#" + QByteArray::number(quint32(codigo)) + ';';
    }
    return out;
}

namespace {

QString juntar(const QStringList &linhas)
{
    QString texto;
    for (const QString &linha : linhas)
        texto += linha + QStringLiteral("\r\n");
    return texto;
}

} // namespace

bool GravarPagina(const QString &caminho, const QStringList &linhas, QString *erro)
{
    return GravarPagina(caminho, juntar(linhas), erro);
}

bool GravarPagina(const QString &caminho, const QString &texto, QString *erro)
{
    QSaveFile arquivo(caminho);
    if (arquivo.open(QIODevice::WriteOnly) && arquivo.write(PaginaWin1252(texto)) >= 0 && arquivo.commit())
        return true;
    if (erro)
        *erro = QStringLiteral("Não foi possível gravar o arquivo ") + caminho;
    return false;
}

bool GravarEAbrirPagina(const QString &arquivo, const QString &texto)
{
    const QString caminho = ProgramPath(arquivo);
    QString erro;
    if (!GravarPagina(caminho, texto, &erro)) {
        Seams::messages().show(erro, MessageService::Kind::Error);
        return false;
    }
    OpenWithShell(caminho);
    return true;
}

bool GravarEAbrirPagina(const QString &arquivo, const QStringList &linhas)
{
    return GravarEAbrirPagina(arquivo, juntar(linhas));
}
