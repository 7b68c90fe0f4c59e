#include "util/PaginaHtml.h"

#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QSaveFile>

#include <algorithm>

QString TextoParaHtml(const QString &texto)
{
    // most texts hold nothing to change: they go out as they are, uncopied
    const bool simples = std::none_of(texto.cbegin(), texto.cend(), [](QChar c) {
        return c == u'<' || c == u'>' || c == u'&' || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (simples)
        return texto;
    QString html = texto.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<BR>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<BR>"));
    html.replace(QLatin1Char('\r'), QStringLiteral("<BR>"));
    return html;
}

namespace {

// Appends the page's bytes to `out`: one byte a character, a numeric entity
// for what Windows-1252 cannot hold.
void acrescentarWin1252(QByteArray &out, QStringView html)
{
    const qsizetype inicio = out.size();
    out.resize(inicio + html.size());
    char *d = out.data() + inicio;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        const int byte = Win1252::toByte(c);
        if (byte >= 0) {
            *d++ = char(byte);
            continue;
        }
        char32_t codigo = c.unicode();
        if (c.isHighSurrogate() && i + 1 < html.size() && html[i + 1].isLowSurrogate())
            codigo = QChar::surrogateToUcs4(c, html[++i]);
        const QByteArray entidade = "&#" + QByteArray::number(quint32(codigo)) + ';';
        const qsizetype feito = d - out.data();
        // the entity takes more room than the one or two characters it stands for
        out.resize(out.size() + entidade.size());
        d = out.data() + feito;
        d = std::copy(entidade.cbegin(), entidade.cend(), d);
    }
    out.resize(d - out.data());
}

} // namespace

QByteArray PaginaWin1252(const QString &html)
{
    QByteArray out;
    acrescentarWin1252(out, html);
    return out;
}

QString EnderecoHomePage(const QString &homePage)
{
    const QString t = homePage.trimmed();
    if (t.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
        t.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive))
        return t;
    return QStringLiteral("http://") + t;
}

namespace {

QString naoGravou(const QString &caminho)
{
    return QStringLiteral("Não foi possível gravar o arquivo ") + caminho;
}

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
        *erro = naoGravou(caminho);
    return false;
}

GravadorPagina::GravadorPagina(const QString &caminho) : m_arquivo(caminho)
{
    m_ok = m_arquivo.open(QIODevice::WriteOnly);
    m_buffer.reserve(kBuffer + 64 * 1024);
}

void GravadorPagina::Linha(const QString &linha)
{
    acrescentarWin1252(m_buffer, linha);
    m_buffer += "\r\n";
    if (m_buffer.size() >= kBuffer)
        descarregar();
}

void GravadorPagina::descarregar()
{
    if (m_ok && !m_buffer.isEmpty())
        m_ok = m_arquivo.write(m_buffer) == m_buffer.size();
    m_buffer.resize(0); // keeps its room for the next lines
}

bool GravadorPagina::Concluir(QString *erro)
{
    descarregar();
    if (m_ok && m_arquivo.commit())
        return true;
    m_ok = false;
    if (erro)
        *erro = naoGravou(m_arquivo.fileName());
    return false;
}
