// The printed list reports: layout and page breaks read back from the PDF
// printed through the printer seam, the saved-report file (round trip and
// damaged files), the HTML export, the preview's caption, zoom and buttons,
// and the contact persons' grouping.
#include "data/Database.h"
#include "data/TDM.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/PdfPrinter.h"
#include "support/TestFolder.h"
#include "ui/reports/TfrMeuPreview.h"
#include "ui/reports/TqrpLista.h"
#include "ui/reports/TqrpListaPC.h"
#include "ui/reports/TqrpListaPF.h"
#include "util/PaginaHtml.h"
#include "util/Relatorio.h"
#include "util/Win1252.h"

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

QString rodar(const QString &programa, const QStringList &args)
{
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// words printed larger than 12 pt on a page: the group headers
QStringList palavrasGrandes(const QString &pdf, int pagina)
{
    const QString bbox = rodar(QStringLiteral("pdftotext"),
                               {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(pagina),
                                QStringLiteral("-l"), QString::number(pagina), pdf, QStringLiteral("-")});
    static const QRegularExpression re(
        QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QStringList grandes;
    for (auto it = re.globalMatch(bbox); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(2).toDouble() - m.captured(1).toDouble() > 12)
            grandes << m.captured(3);
    }
    return grandes;
}

QStringList textos(const Relatorio::Documento &d)
{
    QStringList t;
    for (const auto &p : d.paginas)
        for (const auto &x : p.textos)
            t << x.texto;
    return t;
}

} // namespace

class TestTqrpLista : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    QStringList m_nomes;
    Database &db() { return m_dm->BancoDados; }

    std::unique_ptr<TfrMeuPreview> previewPF()
    {
        TfrMeuPreview *p = TqrpLista::Exibir(nullptr, RelatorioListas::Lista::PF, QStringLiteral("ana"));
        return std::unique_ptr<TfrMeuPreview>(p);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        const int g = insertGrupo(db(), QStringLiteral("Amigos"));
        // 15 names under each of three letters, private to ana
        for (const QString &l : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
            for (int i = 1; i <= 15; ++i)
                m_nomes << l + QStringLiteral("lves %1").arg(i, 2, 10, QLatin1Char('0'));
        m_nomes[16] = QStringLiteral("Blves <b> & \"Cia\"");
        for (const QString &n : std::as_const(m_nomes))
            QVERIFY(insertPessoaFisica(db(), n, g, QStringLiteral("ana"), 0) > 0);
        QVERIFY(exec(
            db(), QStringLiteral("UPDATE PESSOAFISICA SET FONE_CELULAR = '11987654321', TRATAMENTO = 'Sr.' "
                                 "WHERE NOME = 'Alves 01'")));

        const int acme = insertPessoaJuridica(db(), QStringLiteral("Acme"), g, QStringLiteral("ana"));
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Beta Sem Contatos"), g, QStringLiteral("ana")) >
                0);
        for (const QString &c : {QStringLiteral("Zé Contato"), QStringLiteral("Maria Contato")})
            QVERIFY(exec(
                db(),
                QStringLiteral("INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME, FONE) VALUES (:ID, :NOME, "
                               "'1132451234')"),
                {{QStringLiteral("ID"), acme}, {QStringLiteral("NOME"), c}}));
    }

    void init()
    {
        m_seams.messages->clear();
        m_seams.clock->current = QDateTime(QDate(2026, 12, 8), QTime(10, 30, 5));
    }

    // 45 rows, 3 letters: page 1 holds A (7.4 + 15 x 12.7) and B's header
    // with 3 details, page 2 the other 12 B's, C's header and 6 C's, page 3 the last 9.
    void pessoasFisicasNoPdf()
    {
        const QString pdf = m_folder.file(QStringLiteral("pf.pdf"));
        PdfPrinter::Install(pdf);
        const quint64 antes = Database::statementCount();
        auto p = previewPF();
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QVERIFY(p);
        QCOMPARE(p->windowTitle(), QStringLiteral(":: Exibindo Consulta :: Página 01 de 03"));
        QCOMPARE(p->zoom(), 120);
        // the window opened while the pages were laid out, and holds them all now
        QVERIFY(!p->preparando());
        QVERIFY(!p->findChild<QLabel *>(QStringLiteral("lblPreparando"))->isVisible());
        p->findChild<QToolButton *>(QStringLiteral("btnImprimir"))->click();

        const QString info = rodar(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))), qPrintable(info));
        const QString cabecalho = QStringLiteral("Pessoa Física <::> Impresso em: 08/12/2026 -- 10:30:05");
        QStringList grandes;
        for (int pg = 1; pg <= 3; ++pg) {
            const QString i =
                rodar(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QString::number(pg),
                                                  QStringLiteral("-l"), QString::number(pg), pdf});
            QVERIFY2(i.contains(QStringLiteral("612 x 792 pts")), qPrintable(i));
            const QString t = rodar(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-f"), QString::number(pg), QStringLiteral("-l"),
                                     QString::number(pg), pdf, QStringLiteral("-")});
            QVERIFY2(t.contains(cabecalho), qPrintable(t));
            grandes << palavrasGrandes(pdf, pg);
        }
        QCOMPARE(grandes, QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
        const QString texto = rodar(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(texto.contains(QStringLiteral("Sr. Alves 01")));
        QVERIFY(texto.contains(QStringLiteral("(11)98765-4321")));

        // the first letter of every page in the prepared pages: B's header never ends page 1 alone
        const auto &d = p->documento();
        QVERIFY(textos(d).contains(QStringLiteral(" Alves 02"))); // an empty title leaves the blank
        // "Blves 02" became the quoted name, which sorts after the digits
        QCOMPARE(d.paginas.at(1).textos.at(1).texto, QStringLiteral(" Blves 05"));
    }

    void salvarECarregar()
    {
        auto p = previewPF();
        QVERIFY(p);
        const QString qrp = m_folder.file(QStringLiteral("x.QRP"));
        m_seams.input->files.enqueue(qrp);
        p->findChild<QToolButton *>(QStringLiteral("btnSalvar"))->click();
        QVERIFY(QFile::exists(qrp));
        const QImage original = Relatorio::Imagem(p->documento(), 1, 4.0);

        auto outro = previewPF();
        m_seams.input->files.enqueue(qrp);
        outro->findChild<QToolButton *>(QStringLiteral("btnAbrir"))->click();
        QCOMPARE(outro->windowTitle(), QStringLiteral("Viewing saved report - x.QRP - 3 pages"));
        QCOMPARE(Relatorio::Imagem(outro->documento(), 1, 4.0), original);
        QVERIFY(m_seams.messages->shown.isEmpty());

        m_seams.input->files.enqueue(m_folder.file(QStringLiteral("nao-existe.QRP")));
        outro->findChild<QToolButton *>(QStringLiteral("btnAbrir"))->click();
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Error!  File does not exist")});
        QCOMPARE(outro->documento().paginas.size(), 3);
    }

    // truncated, bit-flipped and forged files are refused without a crash
    void arquivoDanificado()
    {
        auto p = previewPF();
        const QByteArray bom = Relatorio::Serializar(p->documento());
        Relatorio::Documento d;
        QString erro;
        QVERIFY(Relatorio::Desserializar(bom, &d, &erro));
        for (qsizetype n = 0; n < bom.size(); n += std::max<qsizetype>(1, bom.size() / 97))
            QVERIFY(!Relatorio::Desserializar(bom.left(n), &d, &erro));
        for (qsizetype i = 0; i < bom.size(); i += 7) {
            QByteArray ruim = bom;
            ruim[i] = char(ruim[i] ^ (1 << (i % 8)));
            if (Relatorio::Desserializar(ruim, &d, &erro))
                QVERIFY(d.paginas.size() <= 3);
        }
        // a well-compressed list that claims four billion pages
        QByteArray lista;
        {
            QDataStream s(&lista, QIODevice::WriteOnly);
            s.setByteOrder(QDataStream::LittleEndian);
            s.setFloatingPointPrecision(QDataStream::DoublePrecision);
            s << quint32(0) << 215.9 << 279.4 << quint32(0) << quint32(0xffffffff);
        }
        QByteArray forjado = bom.left(8);
        {
            QDataStream s(&forjado, QIODevice::Append);
            s.setByteOrder(QDataStream::LittleEndian);
            s << quint16(1) << quint64(lista.size());
        }
        forjado += qCompress(lista).mid(4);
        QVERIFY(!Relatorio::Desserializar(forjado, &d, &erro));
        QCOMPARE(erro, QStringLiteral("O arquivo não é um relatório salvo ou está danificado."));

        const QString arq = m_folder.file(QStringLiteral("ruim.QRP"));
        QFile f(arq);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bom.left(bom.size() / 2));
        f.close();
        m_seams.messages->clear();
        QVERIFY(!p->Abrir(arq));
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QCOMPARE(p->documento().paginas.size(), 3);
    }

    void exportaHtml()
    {
        auto p = previewPF();
        const QString htm = m_folder.file(QStringLiteral("lista.htm"));
        m_seams.input->files.enqueue(htm);
        p->findChild<QToolButton *>(QStringLiteral("btnSalvar"))->click();
        QFile f(htm);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = Win1252::decode(f.readAll());
        for (const QString &n : std::as_const(m_nomes))
            QVERIFY2(html.contains(TextoParaHtml(n)), qPrintable(n));
        QVERIFY(!html.contains(QStringLiteral("<b> &")));
    }

    void salvaPdf()
    {
        auto p = previewPF();
        PdfPrinter::Install(m_folder.file(QStringLiteral("impressora.pdf")));
        const QString pdf = m_folder.file(QStringLiteral("salvo.pdf"));
        m_seams.input->files.enqueue(pdf);
        p->findChild<QToolButton *>(QStringLiteral("btnSalvarPDF"))->click();
        QVERIFY(rodar(QStringLiteral("pdfinfo"), {pdf})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    }

    void semDados()
    {
        QVERIFY(!TqrpLista::Exibir(nullptr, RelatorioListas::Lista::PF, QStringLiteral("bia")));
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Não há dados a serem exibidos!")});
    }

    // A preview opened on the first page takes the later ones as they come;
    // saving and printing wait for the last.
    void previaProgressiva()
    {
        Relatorio::Documento inteiro;
        QVERIFY(TqrpLista::Preparar(RelatorioListas::Lista::PF, TqrpListaPF::Definicao(),
                                    TqrpListaPF::Colunas(), QStringLiteral("ana"), &inteiro));
        QCOMPARE(inteiro.paginas.size(), 3);
        Relatorio::Documento parcial = inteiro;
        parcial.paginas.resize(1);
        auto p = std::make_unique<TfrMeuPreview>(parcial);
        p->Preparando(true);
        p->show();
        auto *rotulo = p->findChild<QLabel *>(QStringLiteral("lblPreparando"));
        QVERIFY(rotulo->isVisible());
        QCOMPARE(rotulo->text(), QStringLiteral("Preparando o relatório... 1 páginas"));
        for (const char *b :
             {"btnSalvar", "btnSalvarPDF", "btnImprimir", "btnAbrir", "btnConfiguraImpressora"})
            QVERIFY2(!p->findChild<QToolButton *>(QLatin1String(b))->isEnabled(), b);
        parcial.paginas.append(inteiro.paginas.at(1));
        p->Acrescentar(parcial);
        QCOMPARE(p->windowTitle(), QStringLiteral(":: Exibindo Consulta :: Página 01 de 02"));
        p->irPara(2);
        p->Concluir(inteiro);
        QCOMPARE(p->windowTitle(), QStringLiteral(":: Exibindo Consulta :: Página 02 de 03"));
        QVERIFY(!rotulo->isVisible());
        QVERIFY(p->findChild<QToolButton *>(QStringLiteral("btnImprimir"))->isEnabled());
        QCOMPARE(Relatorio::Imagem(p->documento(), 2, 2), Relatorio::Imagem(inteiro, 2, 2));
    }

    void zoomENavegacao()
    {
        auto p = previewPF();
        auto *menos = p->findChild<QToolButton *>(QStringLiteral("btnZoomMais"));
        auto *mais = p->findChild<QToolButton *>(QStringLiteral("btnZoomMenos"));
        QCOMPARE(menos->toolTip(), QStringLiteral("Menos zoom"));
        for (int i = 0; i < 40; ++i)
            menos->click();
        QCOMPARE(p->zoom(), 10);
        for (int i = 0; i < 40; ++i)
            mais->click();
        QCOMPARE(p->zoom(), 200);
        auto *ultima = p->findChild<QToolButton *>(QStringLiteral("btnUltima"));
        auto *anterior = p->findChild<QToolButton *>(QStringLiteral("btnAnterior"));
        QVERIFY(!anterior->isEnabled());
        ultima->click();
        QCOMPARE(p->windowTitle(), QStringLiteral(":: Exibindo Consulta :: Página 03 de 03"));
        QVERIFY(!ultima->isEnabled());
        QVERIFY(anterior->isEnabled());
        anterior->click();
        QCOMPARE(p->pagina(), 2);
    }

    // inner join: a company without contacts is absent; one header per company,
    // its contacts by name
    void contatos()
    {
        Relatorio::Documento d;
        const quint64 antes = Database::statementCount();
        QVERIFY(TqrpLista::Preparar(RelatorioListas::Lista::PC, TqrpListaPC::Definicao(),
                                    TqrpListaPC::Colunas(), QStringLiteral("ana"), &d));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        const QStringList t = textos(d);
        QCOMPARE(t.count(QStringLiteral("Acme")), 1);
        QVERIFY(!t.join(QLatin1Char('|')).contains(QStringLiteral("Beta")));
        const qsizetype maria = t.indexOf(QStringLiteral("Maria Contato"));
        QVERIFY(maria > t.indexOf(QStringLiteral("Acme")));
        QVERIFY(t.indexOf(QStringLiteral("Zé Contato")) > maria);
        QCOMPARE(t.count(QStringLiteral("(11)3245-1234")), 2);
        QCOMPARE(t.first(), QStringLiteral("Pessoa Contato <::> Impresso em: 08/12/2026 -- 10:30:05"));
    }
};

QTEST_MAIN(TestTqrpLista)
#include "TestTqrpLista.moc"
