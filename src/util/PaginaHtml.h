#pragma once

#include <QByteArray>
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

// Writes the lines, each followed by CR LF, replacing the file whole (a
// failed write leaves the old file as it was). False with a Portuguese
// message in *erro when the file cannot be written.
bool GravarPagina(const QString &caminho, const QStringList &linhas, QString *erro = nullptr);
// The same for a page already joined into one text.
bool GravarPagina(const QString &caminho, const QString &texto, QString *erro = nullptr);

// Writes the page as `arquivo` in the program's folder and opens it in the
// browser. When it cannot be written the user is told and nothing is opened:
// an older page of that name would show somebody else's data.
bool GravarEAbrirPagina(const QString &arquivo, const QString &texto);
bool GravarEAbrirPagina(const QString &arquivo, const QStringList &linhas);
