#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;

// A QTextDocument written as rich text (RTF) that word processors open: pure
// 7-bit text with the Windows-1252 code page declared, every other character
// as \'hh or \uN?, pictures as PNG, page breaks as \page.
//
// One writer can join several documents into one (a letter per page): the
// body of each is written as it comes, and the header with the font and
// colour tables all of them use is asked for at the end. Pictures are
// encoded once per writer, however many documents show them.
class RtfWriter {
public:
    // One whole document (the tables start afresh; the pictures already
    // encoded are kept).
    QByteArray document(const QTextDocument &doc);

    // The paragraphs of `doc`, appended to *out; its fonts and colours join
    // the writer's tables.
    void appendBody(const QTextDocument &doc, QByteArray *out);

    // What goes between two documents joined: the second starts a new page.
    static QByteArray pageBreak();

    // "{\rtf1..." with the tables gathered so far; the joined document is
    // header() + the bodies + footer().
    QByteArray header() const;
    static QByteArray footer();

    // Forgets the fonts and colours gathered (not the pictures).
    void resetTables();

private:
    int fontIndex(const QString &family);
    int colorIndex(const QColor &color);
    const QByteArray &pictureHex(const QTextDocument &doc, const QString &name);

    QString m_defaultFamily;
    int m_defaultHalfPoints = 24;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colors; // entry 0 ("auto") is implicit
    QHash<QRgb, int> m_colorIndex;
    QHash<QString, QByteArray> m_pictures; // resource name -> "\pngblip... hex"
};
