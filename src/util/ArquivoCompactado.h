#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The backup archive ("Orvalha.z"): one record per file, nothing before the
// first or after the last. A record is the folder's length (1 byte), the
// folder (single-byte text, relative, empty in our own archives), the name's
// length (1 byte), the name, the size before and after compression (signed
// 32-bit little-endian each), then the file as one zlib stream at the
// default level.
//
// Both directions stream through fixed buffers: memory stays flat whatever
// the file's size.

struct [[nodiscard]] ResultadoArquivo {
    bool ok = true;
    QString erro;         // for the user, in Portuguese
    QStringList arquivos; // unpacking: the files written, full paths, in archive order
    explicit operator bool() const { return ok; }
};

// Bytes done and bytes of the current file; `arquivo` is its full path.
using ProgressoArquivo = std::function<void(const QString &arquivo, qint64 feito, qint64 total)>;

// Packs `arquivos` (each with an empty folder) into `destino`, replacing it
// only once the whole archive is written. A file of 2 GiB or more cannot be
// described by the record's sizes and is refused, as is a compressed stream
// that outgrows them.
ResultadoArquivo CompactarArquivos(const QStringList &arquivos, const QString &destino,
                                   const ProgressoArquivo &progresso = {});

// Unpacks every record of `arquivo` into `pasta` + the record's folder +
// name. Archives arrive by e-mail, so nothing is trusted: a folder or name
// that climbs out of `pasta` ("..", an absolute path, a separator in the
// name) is refused, every stream must inflate to exactly its declared size
// and end where its declared compressed size says. Files are written beside
// their targets and put in place only when the whole archive checked out:
// a damaged archive overwrites nothing.
ResultadoArquivo DescompactarArquivo(const QString &arquivo, const QString &pasta,
                                     const ProgressoArquivo &progresso = {});
