#include "util/RtfWriter.h"

#include "util/Win1252.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <cmath>

namespace {

// twips (1/1440 inch) per pixel at 96 pixels per inch
constexpr double kTwipsPorPixel = 15.0;
constexpr int kHexPorLinha = 128;

int twips(double pixels)
{
    return int(std::lround(qBound(-1.0e6, pixels, 1.0e6) * kTwipsPorPixel));
}

void numero(QByteArray &out, const char *palavra, qint64 valor)
{
    out += palavra;
    out += QByteArray::number(valor);
}

void hexByte(QByteArray &out, int b)
{
    static const char kHex[] = "0123456789abcdef";
    out += kHex[(b >> 4) & 0xF];
    out += kHex[b & 0xF];
}

// Text as 7-bit RTF: the three specials escaped, Windows-1252 characters as
// \'hh, anything else as \uN with "?" for readers without Unicode.
void texto(QByteArray &out, QStringView s)
{
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u >= 0x20 && u < 0x7F) {
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == QChar::ParagraphSeparator || u == '\n') {
            out += "\\line ";
        } else if (u == 0x00A0) {
            out += "\\~";
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
            // control characters have no place in a letter
        } else {
            const int b = Win1252::toByte(c);
            if (b >= 0xA0 || (b >= 0x80 && u > 0xFF)) {
                out += "\\'";
                hexByte(out, b);
            } else {
                numero(out, "\\u", qint16(u));
                out += '?';
            }
        }
    }
}

QString familia(const QTextCharFormat &f)
{
    const QStringList familias = f.fontFamilies().toStringList();
    if (!familias.isEmpty() && !familias.first().isEmpty())
        return familias.first();
    return QString();
}

} // namespace

QByteArray RtfWriter::pageBreak()
{
    return QByteArrayLiteral("\\par\\page\r\n");
}

QByteArray RtfWriter::footer()
{
    return QByteArrayLiteral("}\r\n");
}

void RtfWriter::resetTables()
{
    m_fonts.clear();
    m_fontIndex.clear();
    m_colors.clear();
    m_colorIndex.clear();
    m_defaultFamily.clear();
    m_defaultHalfPoints = 24;
}

QByteArray RtfWriter::document(const QTextDocument &doc)
{
    resetTables();
    QByteArray body;
    appendBody(doc, &body);
    return header() + body + footer();
}

QByteArray RtfWriter::header() const
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    const QStringList fontes = m_fonts.isEmpty() ? QStringList{QStringLiteral("Arial")} : m_fonts;
    for (int i = 0; i < fontes.size(); ++i) {
        numero(out, "{\\f", i);
        out += "\\fnil\\fcharset0 ";
        texto(out, fontes.at(i));
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (QRgb c : m_colors) {
        numero(out, "\\red", qRed(c));
        numero(out, "\\green", qGreen(c));
        numero(out, "\\blue", qBlue(c));
        out += ';';
    }
    // A4 with margins of 2 cm, shown as pages
    out += "}\r\n\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\viewkind4\r\n";
    return out;
}

int RtfWriter::fontIndex(const QString &family)
{
    const QString f = family.isEmpty() ? m_defaultFamily : family;
    const auto it = m_fontIndex.constFind(f);
    if (it != m_fontIndex.constEnd())
        return it.value();
    m_fonts.append(f);
    m_fontIndex.insert(f, int(m_fonts.size() - 1));
    return int(m_fonts.size() - 1);
}

int RtfWriter::colorIndex(const QColor &color)
{
    const QRgb rgb = color.rgb() | 0xFF000000u;
    const auto it = m_colorIndex.constFind(rgb);
    if (it != m_colorIndex.constEnd())
        return it.value();
    m_colors.append(rgb);
    m_colorIndex.insert(rgb, int(m_colors.size()));
    return int(m_colors.size());
}

const QByteArray &RtfWriter::pictureHex(const QTextDocument &doc, const QString &name)
{
    static const QByteArray kNenhuma;
    const QVariant recurso = doc.resource(QTextDocument::ImageResource, QUrl(name));
    QByteArray png;
    QImage imagem;
    QString chave = name + QLatin1Char('|');
    if (recurso.userType() == QMetaType::QImage) {
        imagem = recurso.value<QImage>();
        chave += QString::number(imagem.cacheKey());
    } else if (recurso.userType() == QMetaType::QPixmap) {
        const QPixmap p = recurso.value<QPixmap>();
        chave += QString::number(p.cacheKey());
        imagem = p.toImage();
    } else if (recurso.userType() == QMetaType::QByteArray) {
        const QByteArray bytes = recurso.toByteArray();
        chave += QString::number(qHash(bytes));
        if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
            png = bytes;
        imagem.loadFromData(bytes);
    } else {
        return kNenhuma;
    }
    const auto it = m_pictures.constFind(chave);
    if (it != m_pictures.constEnd())
        return it.value();
    if (imagem.isNull())
        return kNenhuma;
    if (png.isEmpty()) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!imagem.save(&buffer, "PNG"))
            return kNenhuma;
    }
    QByteArray out;
    out.reserve(png.size() * 2 + png.size() / 32 + 64);
    out += "\\pngblip";
    numero(out, "\\picw", imagem.width());
    numero(out, "\\pich", imagem.height());
    for (qsizetype i = 0; i < png.size(); ++i) {
        if (i % (kHexPorLinha / 2) == 0)
            out += "\r\n";
        hexByte(out, static_cast<unsigned char>(png[i]));
    }
    return *m_pictures.insert(chave, out);
}

void RtfWriter::appendBody(const QTextDocument &doc, QByteArray *out)
{
    if (m_fonts.isEmpty()) {
        const QFont padrao = doc.defaultFont();
        m_defaultFamily = padrao.family().isEmpty() ? QStringLiteral("Arial") : padrao.family();
        m_defaultHalfPoints = padrao.pointSizeF() > 0 ? int(std::lround(padrao.pointSizeF() * 2)) : 24;
        fontIndex(m_defaultFamily);
    }

    auto caracteres = [this](QByteArray &o, const QTextCharFormat &f) {
        numero(o, "\\f", fontIndex(familia(f)));
        const double pontos = f.fontPointSize();
        numero(o, "\\fs", pontos > 0 ? qBound(2L, std::lround(pontos * 2), 3276L) : m_defaultHalfPoints);
        if (f.fontWeight() >= QFont::DemiBold)
            o += "\\b";
        if (f.fontItalic())
            o += "\\i";
        if (f.fontUnderline())
            o += "\\ul";
        if (f.fontStrikeOut())
            o += "\\strike";
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
            numero(o, "\\cf", colorIndex(f.foreground().color()));
        if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
            numero(o, "\\highlight", colorIndex(f.background().color()));
        if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            o += "\\super";
        else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
            o += "\\sub";
    };

    QByteArray &o = *out;
    bool quebraDepois = false;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        if (b != doc.begin()) {
            const bool quebra =
                quebraDepois || bf.pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysBefore);
            o += quebra ? pageBreak() : QByteArrayLiteral("\\par\r\n");
        }
        quebraDepois = bf.pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysAfter);

        o += "\\pard";
        const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
        if (a & Qt::AlignHCenter)
            o += "\\qc";
        else if (a & Qt::AlignJustify)
            o += "\\qj";
        else if ((a & Qt::AlignRight) || ((a & Qt::AlignTrailing) && !(a & Qt::AlignAbsolute)))
            o += "\\qr";
        else
            o += "\\ql";
        if (const int li = twips(bf.leftMargin()))
            numero(o, "\\li", li);
        if (const int ri = twips(bf.rightMargin()))
            numero(o, "\\ri", ri);
        if (const int fi = twips(bf.textIndent()))
            numero(o, "\\fi", fi);
        if (const int sb = twips(bf.topMargin()))
            numero(o, "\\sb", sb);
        if (const int sa = twips(bf.bottomMargin()))
            numero(o, "\\sa", sa);
        for (const QTextOption::Tab &t : bf.tabPositions()) {
            if (t.type == QTextOption::RightTab)
                o += "\\tqr";
            else if (t.type == QTextOption::CenterTab)
                o += "\\tqc";
            else if (t.type == QTextOption::DelimiterTab)
                o += "\\tqdec";
            numero(o, "\\tx", qMax(0, twips(t.position)));
        }
        // the paragraph mark's own format (the height of an empty line)
        o += "\\plain";
        caracteres(o, b.charFormat());
        o += ' ';

        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid())
                continue;
            const QTextCharFormat f = frag.charFormat();
            if (f.isImageFormat()) {
                const QTextImageFormat img = f.toImageFormat();
                const QByteArray &hex = pictureHex(doc, img.name());
                if (hex.isEmpty())
                    continue;
                const QVariant recurso = doc.resource(QTextDocument::ImageResource, QUrl(img.name()));
                QSizeF natural;
                if (recurso.userType() == QMetaType::QImage)
                    natural = recurso.value<QImage>().size();
                else if (recurso.userType() == QMetaType::QPixmap)
                    natural = recurso.value<QPixmap>().size();
                double w = img.width() > 0 ? img.width() : natural.width();
                double h = img.height() > 0 ? img.height() : natural.height();
                if (img.width() > 0 && img.height() <= 0 && natural.width() > 0)
                    h = natural.height() * img.width() / natural.width();
                else if (img.height() > 0 && img.width() <= 0 && natural.height() > 0)
                    w = natural.width() * img.height() / natural.height();
                for (int i = 0; i < frag.length(); ++i) {
                    o += "{\\pict";
                    if (w > 0 && h > 0) {
                        numero(o, "\\picwgoal", twips(w));
                        numero(o, "\\pichgoal", twips(h));
                    }
                    o += hex;
                    o += "\r\n}";
                }
                continue;
            }
            o += '{';
            caracteres(o, f);
            o += ' ';
            texto(o, frag.text());
            o += '}';
        }
    }
    o += "\r\n";
}
