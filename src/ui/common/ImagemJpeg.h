#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures are stored as JPEG data. A JPEG file chosen by the user is kept
// byte for byte (decoded once only to prove it is a readable picture), so
// storing, re-saving a caption or "Salvar Como" never re-compresses it. Any
// other picture Qt can read is encoded as JPEG once, when it is chosen.

// The file dialogs' filter for pictures.
QString FiltroImagensJpeg();

// True when the bytes start with the JPEG signature.
bool EhJpeg(const QByteArray &bytes);

// Reads `arquivo` for storage into `bytes`. False, with a Portuguese message
// in `erro` and `bytes` left empty, when the file cannot be read or holds no
// picture.
bool LerImagemParaGravar(const QString &arquivo, QByteArray &bytes, QString &erro);

// Decodes stored picture bytes; a null image when they are empty or broken.
QImage DecodificarImagem(const QByteArray &bytes);

// "Salvar Como...": asks for a file name (".jpg" added when it has no
// extension) and writes the stored bytes as they are, so a JPEG comes back
// exactly as it was chosen. Tells the user when there is nothing to save or
// the file cannot be written.
void SalvarImagemComo(const QByteArray &bytes);
