#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Rich text (RTF) as word processors write it, read into a QTextDocument:
// fonts and colours, bold, italic, underline, strike-out, super- and
// subscript, paragraph alignment, indents, spacing and tab stops, tabs,
// line and page breaks, Windows-1252 and Unicode characters, PNG and JPEG
// pictures. Tables become paragraphs (one per row, the cells apart by tabs);
// headers, footers, notes, objects and anything unknown are passed over.
//
// The input is untrusted: nesting, binary runs and pictures are bounded, so
// a hostile file ends in a message, never in a crash, a hang or a huge
// allocation.
namespace RtfReader {

// The deepest nesting of groups accepted.
inline constexpr int kMaxDepth = 200;
// The largest picture accepted, in bytes and in pixels per side.
inline constexpr qsizetype kMaxPictureBytes = 32 * 1024 * 1024;
inline constexpr int kMaxPictureSide = 12000;

// Replaces the document's contents with the RTF text. False, with a
// Portuguese message in *error and the document left empty, when the text is
// not RTF, is damaged or breaks a bound.
bool read(const QByteArray &rtf, QTextDocument *document, QString *error = nullptr);

} // namespace RtfReader
