#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QStringList>

// The HTML pages the program writes beside itself ("Anot.html",
// "Aniversario.html", ...) and opens in the browser.

// Text from the database made safe for a page: escaped first, so a "<b>"
// typed by the user shows as text, then every line break becomes "<BR>".
QString TextoParaHtml(const QString &texto);

// The page's bytes in Windows-1252; a character it cannot hold goes as a
// numeric entity, so nothing is lost (a surrogate pair is one entity).
QByteArray PaginaWin1252(const QString &html);

// Where a stored web page leads: the text itself when it already names
// http:// or https://, otherwise "http://" before it.
QString EnderecoHomePage(const QString &homePage);

// Writes the lines, each followed by CR LF, replacing the file whole (a
// failed write leaves the old file as it was). False with a Portuguese
// message in *erro when the file cannot be written.
bool GravarPagina(const QString &caminho, const QStringList &linhas, QString *erro = nullptr);
// The same for a page already joined into one text.
bool GravarPagina(const QString &caminho, const QString &texto, QString *erro = nullptr);

// A page written line by line while it is made, for lists too long to hold
// as one text. The older file stays whole until Concluir(): a page dropped
// before that (a failed statement) leaves it as it was.
class GravadorPagina {
public:
    explicit GravadorPagina(const QString &caminho);
    GravadorPagina(const GravadorPagina &) = delete;
    GravadorPagina &operator=(const GravadorPagina &) = delete;

    // The line and CR LF, in Windows-1252 as PaginaWin1252 makes it.
    void Linha(const QString &linha);
    // Replaces the older file. False with a Portuguese message in *erro when
    // the file could not be opened or written.
    bool Concluir(QString *erro = nullptr);

private:
    static constexpr qsizetype kBuffer = 256 * 1024;
    void descarregar();

    QSaveFile m_arquivo;
    QByteArray m_buffer; // lines not yet handed to the file
    bool m_ok;
};
