// Our RTF reader and writer: a file as word processors write it, what our
// writer makes of it read back the same, and damaged or hostile files refused
// with a message.
#include "util/RtfReader.h"
#include "util/RtfWriter.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QtTest>

namespace {

QByteArray fixture(const QString &name)
{
    QFile f(QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no fixture %s", qPrintable(name));
    return f.readAll();
}

QString cor(const QBrush &b)
{
    return b.style() == Qt::NoBrush ? QStringLiteral("-") : b.color().name();
}

// Every block and fragment with the properties the codec carries, one line
// each, so two documents compare as lists of texts.
QStringList describe(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        QStringList tabs;
        for (const QTextOption::Tab &t : f.tabPositions())
            tabs << QStringLiteral("%1/%2").arg(t.position).arg(int(t.type));
        out << QStringLiteral("P align=%1 li=%2 ri=%3 fi=%4 sb=%5 sa=%6 tabs=%7 page=%8")
                   .arg(int(f.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(f.leftMargin())
                   .arg(f.rightMargin())
                   .arg(f.textIndent())
                   .arg(f.topMargin())
                   .arg(f.bottomMargin())
                   .arg(tabs.join(QLatin1Char(',')))
                   .arg(f.pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysBefore));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const QTextCharFormat c = fr.charFormat();
            if (c.isImageFormat()) {
                const QTextImageFormat i = c.toImageFormat();
                QImage img = doc.resource(QTextDocument::ImageResource, QUrl(i.name())).value<QImage>();
                img = img.convertToFormat(QImage::Format_ARGB32);
                const QByteArray pixels(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes());
                out << QStringLiteral("  IMG %1x%2 shown %3x%4 %5")
                           .arg(img.width())
                           .arg(img.height())
                           .arg(i.width())
                           .arg(i.height())
                           .arg(QString::fromLatin1(
                               QCryptographicHash::hash(pixels, QCryptographicHash::Md5).toHex()));
                continue;
            }
            out << QStringLiteral("  [%1] %2 %3pt b=%4 i=%5 u=%6 s=%7 fg=%8 bg=%9 v=%10")
                       .arg(fr.text(), c.fontFamilies().toStringList().join(QLatin1Char('/')))
                       .arg(c.fontPointSize())
                       .arg(c.fontWeight() >= QFont::DemiBold)
                       .arg(c.fontItalic())
                       .arg(c.fontUnderline())
                       .arg(c.fontStrikeOut())
                       .arg(cor(c.foreground()), cor(c.background()))
                       .arg(int(c.verticalAlignment()));
        }
    }
    return out;
}

QStringList blockTexts(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

// The fragment holding `text` in the document.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
    qFatal("no fragment with %s", qPrintable(text));
    return {};
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT

private slots:
    // A word processor's file: tables of fonts and colours, hidden groups
    // passed over, 1252 escapes and Unicode, a field's result, a picture
    // with its metafile twin, a table, and a page break.
    void readsWordProcessorFile()
    {
        QTextDocument doc;
        QString erro;
        QVERIFY2(RtfReader::read(fixture(QStringLiteral("rtf_processador_de_texto.rtf")), &doc, &erro),
                 qPrintable(erro));
        const QString obj(QChar::ObjectReplacementCharacter);
        QCOMPARE(
            blockTexts(doc),
            (QStringList{QStringLiteral("Convite"), QStringLiteral("São Paulo, 8 de dezembro de 2026."),
                         QStringLiteral("Prezado(a) <|Nome|>, o preço é €\u00a010,00 – veja nosso site."),
                         QStringLiteral("Itálico\triscado\tfim\u2028segunda linha"), obj,
                         QStringLiteral("Nome\tCidade"), QStringLiteral("Ana\tRecife"),
                         QStringLiteral("marcado H2O x2 mono"), QStringLiteral("Łód¼  \U0001F600 fim"),
                         QStringLiteral("Segunda página"), QString()}));

        const QTextCharFormat titulo = formatOf(doc, QStringLiteral("Convite"));
        QCOMPARE(titulo.fontFamilies().toStringList(), QStringList{QStringLiteral("Times New Roman")});
        QCOMPARE(titulo.fontPointSize(), 16.0);
        QCOMPARE(titulo.fontWeight(), int(QFont::Bold));
        const QTextCharFormat nome = formatOf(doc, QStringLiteral("<|Nome|>"));
        QCOMPARE(nome.fontWeight(), int(QFont::Bold));
        QCOMPARE(nome.foreground().color(), QColor(255, 0, 0));
        QCOMPARE(nome.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
        QVERIFY(formatOf(doc, QStringLiteral("nosso site")).fontUnderline());
        QCOMPARE(formatOf(doc, QStringLiteral("nosso site")).foreground().color(), QColor(0, 0, 128));
        QVERIFY(formatOf(doc, QStringLiteral("Itálico")).fontItalic());
        QVERIFY(formatOf(doc, QStringLiteral("riscado")).fontStrikeOut());
        QCOMPARE(formatOf(doc, QStringLiteral("marcado")).background().color(), QColor(255, 255, 0));
        QCOMPARE(formatOf(doc, QStringLiteral("mono")).fontPointSize(), 10.0);

        QTextBlock b = doc.begin();
        QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        for (int i = 0; i < 3; ++i)
            b = b.next();
        QCOMPARE(b.blockFormat().leftMargin(), 48.0);
        QCOMPARE(b.blockFormat().textIndent(), -24.0);
        QCOMPARE(b.blockFormat().tabPositions().size(), 2);
        QCOMPARE(b.blockFormat().tabPositions().at(1).type, QTextOption::RightTab);
        b = b.next();
        const QTextImageFormat img = b.begin().fragment().charFormat().toImageFormat();
        QCOMPARE(img.width(), 80.0);
        QCOMPARE(img.height(), 60.0);
        const QImage imagem = doc.resource(QTextDocument::ImageResource, QUrl(img.name())).value<QImage>();
        QCOMPARE(imagem.size(), QSize(8, 6));
        QCOMPARE(imagem.pixelColor(0, 0), QColor(255, 0, 0));
        QCOMPARE(imagem.pixelColor(7, 5), QColor(0, 160, 0));
        const QTextBlock segunda = doc.findBlockByNumber(9);
        QVERIFY(segunda.blockFormat().pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysBefore));
        QCOMPARE(segunda.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    // What our writer makes of that file is 7-bit text that reads back to
    // the same text, formats, paragraphs and picture.
    void writerRoundTrip()
    {
        QTextDocument original;
        QVERIFY(RtfReader::read(fixture(QStringLiteral("rtf_processador_de_texto.rtf")), &original));
        const QByteArray rtf = RtfWriter().document(original);
        for (char c : rtf)
            QVERIFY2(uchar(c) < 0x80, "the writer must write 7-bit text");
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains("S\\'e3o Paulo"));
        QVERIFY(rtf.contains("\\'80")); // the euro sign is in Windows-1252
        QVERIFY(rtf.contains("\\u-10179?\\u-8704?"));
        QVERIFY(rtf.contains("\\pngblip"));
        QVERIFY(rtf.contains("\\page"));

        QTextDocument relido;
        QString erro;
        QVERIFY2(RtfReader::read(rtf, &relido, &erro), qPrintable(erro));
        QCOMPARE(describe(relido), describe(original));
    }

    // Text typed in the program: characters of every kind, a page break made
    // in the document, a picture added as the editor adds it.
    void writerKeepsTypedText()
    {
        QTextDocument doc;
        QTextCursor c(&doc);
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Liberation Serif")});
        f.setFontPointSize(13);
        c.insertText(QStringLiteral("Chaves {} e barra \\ \"aspas\" ção Ł 😀 ✓"), f);
        QTextBlockFormat quebra;
        quebra.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        c.insertBlock(quebra);
        QImage imagem(30, 20, QImage::Format_RGB32);
        imagem.fill(QColor(10, 200, 30));
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("colada")), imagem);
        QTextImageFormat img;
        img.setName(QStringLiteral("colada"));
        c.insertImage(img);
        c.insertText(QStringLiteral(" depois"), f);

        const QByteArray rtf = RtfWriter().document(doc);
        QTextDocument relido;
        QVERIFY(RtfReader::read(rtf, &relido));
        QCOMPARE(blockTexts(relido), blockTexts(doc));
        QVERIFY(relido.findBlockByNumber(1).blockFormat().pageBreakPolicy().testFlag(
            QTextFormat::PageBreak_AlwaysBefore));
        QCOMPARE(formatOf(relido, QStringLiteral("Chaves")).fontPointSize(), 13.0);
        const QTextImageFormat lida =
            relido.findBlockByNumber(1).begin().fragment().charFormat().toImageFormat();
        QCOMPARE(lida.width(), 30.0);
        const QImage voltou =
            relido.resource(QTextDocument::ImageResource, QUrl(lida.name())).value<QImage>();
        QCOMPARE(voltou.pixelColor(5, 5), QColor(10, 200, 30));
    }

    // Documents joined by one writer share its tables; each after the first
    // starts a new page.
    void joinsDocuments()
    {
        RtfWriter w;
        QByteArray corpo;
        for (const QString &nome : {QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("Caio")}) {
            QTextDocument d;
            QTextCharFormat f;
            f.setForeground(nome == QStringLiteral("Bia") ? Qt::blue : Qt::red);
            QTextCursor(&d).insertText(QStringLiteral("Carta de ") + nome, f);
            if (!corpo.isEmpty())
                corpo += RtfWriter::pageBreak();
            w.appendBody(d, &corpo);
        }
        const QByteArray todo = w.header() + corpo + RtfWriter::footer();
        QCOMPARE(todo.count("\\page"), 2);
        QTextDocument lido;
        QVERIFY(RtfReader::read(todo, &lido));
        QCOMPARE(blockTexts(lido),
                 (QStringList{QStringLiteral("Carta de Ana"), QStringLiteral("Carta de Bia"),
                              QStringLiteral("Carta de Caio")}));
        QCOMPARE(formatOf(lido, QStringLiteral("Bia")).foreground().color(), QColor(Qt::blue));
        QCOMPARE(formatOf(lido, QStringLiteral("Caio")).foreground().color(), QColor(Qt::red));
        QVERIFY(lido.findBlockByNumber(2).blockFormat().pageBreakPolicy().testFlag(
            QTextFormat::PageBreak_AlwaysBefore));
    }

    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("not RTF") << "rtf_nao_e_rtf.rtf"
                                 << "O arquivo não está no formato RTF.";
        QTest::newRow("cut short") << "rtf_truncado.rtf"
                                   << "O arquivo RTF está incompleto ou danificado.";
        QTest::newRow("nested too deep") << "rtf_aninhado_demais.rtf"
                                         << "O arquivo RTF tem grupos aninhados demais (mais de 200 níveis).";
        QTest::newRow("\\bin past the end") << "rtf_bin_alem_do_fim.rtf"
                                            << "O arquivo RTF está incompleto ou danificado.";
        QTest::newRow("huge picture")
            << "rtf_imagem_gigante.rtf"
            << "O arquivo RTF tem uma imagem grande demais (60000 x 60000 pontos; o "
               "limite é de 12000 pontos por lado).";
    }
    void refusesDamagedFiles()
    {
        QFETCH(QString, arquivo);
        QFETCH(QString, mensagem);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("anterior"));
        QString erro;
        QVERIFY(!RtfReader::read(fixture(arquivo), &doc, &erro));
        QCOMPARE(erro, mensagem);
        QVERIFY(doc.isEmpty());
    }

    // Hostile input built here: deep nesting inside a skipped group still
    // counts, a picture's hex beyond the bound stops, and endless \uc
    // fallbacks or over-long control words do not run away.
    void boundsHostileInput()
    {
        QTextDocument doc;
        QString erro;
        QByteArray profundo = "{\\rtf1{\\*\\lixo ";
        profundo += QByteArray(100000, '{');
        QVERIFY(!RtfReader::read(profundo, &doc, &erro));
        QVERIFY(erro.contains(QStringLiteral("aninhados demais")));

        QByteArray imensa =
            "{\\rtf1{\\pict\\pngblip\\bin" + QByteArray::number(RtfReader::kMaxPictureBytes + 1) + ' ';
        imensa += QByteArray(RtfReader::kMaxPictureBytes + 1, '\0');
        imensa += "}}";
        QVERIFY(!RtfReader::read(imensa, &doc, &erro));
        QVERIFY(erro.contains(QStringLiteral("imagem grande demais")));

        QByteArray estranho = "{\\rtf1{\\uc2147483647\\u65 abcdefghijklmnopqrstuvwxyz}\\" +
                              QByteArray(5000, 'x') +
                              "999999999999999999 fim\\fs-99999999999 ok\\f99999 \\cf777 x}";
        QVERIFY2(RtfReader::read(estranho, &doc, &erro), qPrintable(erro));
        QCOMPARE(doc.toPlainText(), QStringLiteral("Aqrstuvwxyzfimokx"));
    }
};

QTEST_MAIN(TestRtf)
#include "TestRtf.moc"
