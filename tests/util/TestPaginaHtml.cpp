// The page writer that streams its lines: the same bytes as a page written
// whole, however many lines, and an older page left alone until the new one
// is complete.
#include "util/PaginaHtml.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ler(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPaginaHtml : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void streamedLikeWhole_data()
    {
        QTest::addColumn<QStringList>("linhas");
        QTest::newRow("accents and CR LF")
            << QStringList{QStringLiteral("<html>Ação"), QStringLiteral("</html>")};
        QTest::newRow("outside Windows-1252")
            << QStringList{QStringLiteral("seta → e 😀 e ç"), QStringLiteral("€ fica um byte")};
        // more than the writer holds before handing bytes to the file
        QStringList muitas;
        for (int i = 0; i < 20000; ++i)
            muitas << QStringLiteral("<tr><td>linha %1 → ç</td></tr>").arg(i);
        QTest::newRow("many lines") << muitas;
    }
    void streamedLikeWhole()
    {
        QFETCH(QStringList, linhas);
        const QString inteira = m_dir.filePath(QStringLiteral("inteira.html"));
        const QString aos_poucos = m_dir.filePath(QStringLiteral("aos_poucos.html"));
        QVERIFY(GravarPagina(inteira, linhas));
        GravadorPagina gravador(aos_poucos);
        for (const QString &l : linhas)
            gravador.Linha(l);
        QString erro;
        QVERIFY2(gravador.Concluir(&erro), qPrintable(erro));
        QCOMPARE(ler(aos_poucos), ler(inteira));
    }

    void droppedPageKeepsOlder()
    {
        const QString caminho = m_dir.filePath(QStringLiteral("antiga.html"));
        QVERIFY(GravarPagina(caminho, QStringList{QStringLiteral("antiga")}));
        {
            GravadorPagina gravador(caminho);
            for (int i = 0; i < 20000; ++i)
                gravador.Linha(QStringLiteral("nova linha %1").arg(i));
        }
        QCOMPARE(ler(caminho), QByteArray("antiga\r\n"));
    }

    void entities()
    {
        QCOMPARE(PaginaWin1252(QStringLiteral("a→b😀ç€")), QByteArray("a&#8594;b&#128512;\xE7\x80"));
        QCOMPARE(TextoParaHtml(QStringLiteral("<b> & \"x\"\r\ny\nz\r")),
                 QStringLiteral("&lt;b&gt; &amp; &quot;x&quot;<BR>y<BR>z<BR>"));
        QCOMPARE(TextoParaHtml(QStringLiteral("Texto simples")), QStringLiteral("Texto simples"));
    }
};

QTEST_MAIN(TestPaginaHtml)
#include "TestPaginaHtml.moc"
