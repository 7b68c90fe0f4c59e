// The mail merge on a real database: who gets a letter, what each letter
// says and looks like, the joined document, and how the letters go out by
// e-mail (the mail program's hand-off and the SMTP account).
#include "data/Database.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/MalaDireta.h"
#include "services/Settings.h"
#include "services/SmtpMailService.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/SmtpServer.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"
#include "util/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <QtTest>

namespace {

using namespace MalaDireta;

QByteArray lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The letters of a joined document: the text of each page.
QStringList paginas(const QTextDocument &doc)
{
    QStringList out{QString()};
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin() &&
            b.blockFormat().pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysBefore))
            out << QString();
        if (!out.last().isEmpty())
            out.last() += QLatin1Char('\n');
        out.last() += b.text();
    }
    return out;
}

QTextCharFormat formatoDe(const QTextDocument &doc, const QString &texto)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(texto))
                return it.fragment().charFormat();
    return {};
}

// "Prezado(a) <|Nome|>, <|Profissão|>" with the name bold and red, the
// postal code and number on a line of their own, a picture, a placeholder
// nobody knows and the date.
void montarModelo(QTextDocument &doc)
{
    doc.clear();
    QTextCursor c(&doc);
    QTextCharFormat normal;
    normal.setFontFamilies({QStringLiteral("Liberation Serif")});
    normal.setFontPointSize(12);
    QTextCharFormat destaque = normal;
    destaque.setFontWeight(QFont::Bold);
    destaque.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("Prezado(a) "), normal);
    c.insertText(QStringLiteral("<|Nome|>"), destaque);
    c.insertText(QStringLiteral(", <|Profissão|>"), normal);
    c.insertBlock();
    c.insertText(QStringLiteral("CEP <|CEP|> nº <|Numero|> <|Outro|> em <|Data|>"), normal);
    c.insertBlock();
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(QColor(0, 90, 200));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("logo")), logo);
    QTextImageFormat img;
    img.setName(QStringLiteral("logo"));
    c.insertImage(img);
}

} // namespace

class TestMalaDireta : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_amigos = 0;
    int m_clientes = 0;
    int m_bruno = 0;
    QTextDocument m_modelo;
    Database &db() { return m_dm->BancoDados; }

    Pedido pedido(Escolha escolha = {}, Tipo tipo = Tipo::PessoaFisica)
    {
        Pedido p;
        p.tipo = tipo;
        p.escolha = escolha;
        p.login = QStringLiteral("ana");
        p.agora = EncodeDate(2026, 12, 8) + EncodeTime(10, 30, 5);
        return p;
    }

    static Envio porEmail()
    {
        Envio e;
        e.email = true;
        e.assunto = QStringLiteral("Convite de fim de ano");
        e.corpo = QStringLiteral("Olá,\r\nsegue a carta.");
        return e;
    }

    QStringList cartasNoBanco(const QString &login)
    {
        QStringList out;
        DbHelpers::dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT EMAIL_DESTINO FROM MALA_DIRETA WHERE LOGIN = :L ORDER BY "
                                      "EMAIL_DESTINO"));
            q.setText(QStringLiteral("L"), login);
            q.execute();
            while (q.next())
                out << q.field(0).asString();
        });
        return out;
    }

    void pessoa(const QString &nome, int grupo, const QString &login, int publica, int enviar,
                const char *email, const char *profissao, int cep, int numero, const QString &nascimento)
    {
        const int id = DbHelpers::insertPessoaFisica(db(), nome, grupo, login, publica);
        QVERIFY(id > 0);
        QVariantMap p{{QStringLiteral("ID"), id},
                      {QStringLiteral("ENVIAR"), enviar},
                      {QStringLiteral("EMAIL"), QString::fromUtf8(email)},
                      {QStringLiteral("PROF"), QString::fromUtf8(profissao)},
                      {QStringLiteral("CEP"), cep},
                      {QStringLiteral("NUMERO"), numero}};
        QVERIFY(DbHelpers::exec(
            db(),
            QStringLiteral("UPDATE PESSOAFISICA SET ENVIAR = :ENVIAR, EMAIL = :EMAIL, PROFISSAO = "
                           ":PROF, CEP = :CEP, NUMERO = :NUMERO WHERE IDENTIFICADOR = :ID"),
            p));
        if (!nascimento.isEmpty())
            QVERIFY(DbHelpers::exec(db(),
                                    QStringLiteral("UPDATE PESSOAFISICA SET DATA_NASCIMENTO = '") +
                                        nascimento + QStringLiteral("' WHERE IDENTIFICADOR = :ID"),
                                    {{QStringLiteral("ID"), id}}));
        if (nome == QLatin1String("Bruno Lima"))
            m_bruno = id;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(DbHelpers::insertUsuario(db(), QStringLiteral("ana")));
        QVERIFY(DbHelpers::insertUsuario(db(), QStringLiteral("bia")));
        m_amigos = DbHelpers::insertGrupo(db(), QStringLiteral("Amigos"));
        m_clientes = DbHelpers::insertGrupo(db(), QStringLiteral("Clientes"));
        QVERIFY(m_amigos > 0 && m_clientes > 0);
        // ana sees her own rows and the public ones; bia's private rows and
        // anyone who does not want mail get nothing
        pessoa(QStringLiteral("Carla Dias"), m_amigos, QStringLiteral("ana"), 0, 1, "carla@exemplo.com.br",
               "Médica", 1310100, 5, QStringLiteral("1980-03-15"));
        pessoa(QStringLiteral("Ana Souza"), m_clientes, QStringLiteral("bia"), 1, 1, "ana@exemplo.com.br",
               "Engenheira", 22041001, 120, QStringLiteral("1990-12-20"));
        pessoa(QStringLiteral("Bruno Lima"), m_amigos, QStringLiteral("ana"), 0, 1, "bruno@exemplo.com.br",
               "Professor", 30130000, 7, QString());
        pessoa(QStringLiteral("Davi Rocha"), m_amigos, QStringLiteral("ana"), 0, 0, "davi@exemplo.com.br",
               "Pedreiro", 1000000, 1, QStringLiteral("1970-12-01"));
        pessoa(QStringLiteral("Eva Oculta"), m_amigos, QStringLiteral("bia"), 0, 1, "eva@exemplo.com.br",
               "Atriz", 1000000, 1, QStringLiteral("1985-12-02"));
        const int alfa = DbHelpers::insertPessoaJuridica(db(), QStringLiteral("Alfa Comércio"), m_clientes,
                                                         QStringLiteral("ana"), 0);
        const int beta = DbHelpers::insertPessoaJuridica(db(), QStringLiteral("Beta Serviços"), m_amigos,
                                                         QStringLiteral("bia"), 1);
        QVERIFY(alfa > 0 && beta > 0);
        m_seams = FakeSeams::install();
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.handoff->handedOff.clear();
        m_seams.shell->opened.clear();
        montarModelo(m_modelo);
    }
    void cleanupTestCase() { m_dm.reset(); }

    // The same placeholder twice, one split across formats, a value that
    // holds a placeholder itself: each occurrence once, in its own format.
    void replacesInTheDocument()
    {
        QTextDocument doc;
        QTextCursor c(&doc);
        QTextCharFormat azul;
        azul.setForeground(QColor(0, 0, 255));
        QTextCharFormat italico;
        italico.setFontItalic(true);
        c.insertText(QStringLiteral("<|Nome|> e "));
        c.insertText(QStringLiteral("<|No"), azul);
        c.insertText(QStringLiteral("me|> de <|Cidade|> <|Nada|> <|"), italico);
        const int n = Substituir(doc, {{Token(QStringLiteral("Nome")), QStringLiteral("Zé <|Cidade|>")},
                                       {Token(QStringLiteral("Cidade")), QStringLiteral("Recife")}});
        QCOMPARE(n, 3);
        QCOMPARE(doc.toPlainText(), QStringLiteral("Zé <|Cidade|> e Zé <|Cidade|> de Recife <|Nada|> <|"));
        QCOMPARE(formatoDe(doc, QStringLiteral("e Zé")).foreground().style(), Qt::NoBrush);
        // the value takes the format of the placeholder's first character
        QTextCursor k(&doc);
        k.setPosition(doc.toPlainText().indexOf(QStringLiteral("Zé"), 5) + 1);
        QCOMPARE(k.charFormat().foreground().color(), QColor(0, 0, 255));
        QCOMPARE(SubstituirTodos(doc, Token(QStringLiteral("Nada")), QStringLiteral("x")), 1);
    }

    // The run of the screens without e-mail: every eligible person once, in
    // name order, in the table and in the joined document.
    void generatesLettersInRunOrder()
    {
        // rows of an earlier run go; bia's rows stay
        QVERIFY(DbHelpers::exec(db(),
                                QStringLiteral("INSERT INTO MALA_DIRETA (TEXTO, LOGIN, EMAIL_DESTINO) VALUES "
                                               "('velha', 'ana', 'velha@x')")));
        QVERIFY(DbHelpers::exec(db(),
                                QStringLiteral("INSERT INTO MALA_DIRETA (TEXTO, LOGIN, EMAIL_DESTINO) VALUES "
                                               "('dela', 'bia', 'dela@x')")));
        QDir(QDir(m_folder.path()).filePath(QStringLiteral("MalaDireta"))).removeRecursively();
        m_seams.messages->answers.enqueue(true);

        QCOMPARE(Executar(db(), pedido(), m_modelo, Envio{}), Resultado::Gravado);

        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(m_seams.messages->questions,
                 QStringList{QStringLiteral("Mala Direta Gerada com Sucesso!\r\nO arquivo ") +
                             m_folder.path() +
                             QStringLiteral("MalaDireta/MalaPF.RTF esta pronto!\r\nDeseja visualizá-lo?")});
        QCOMPARE(m_seams.shell->opened, QStringList{m_folder.file(QStringLiteral("MalaDireta/MalaPF.RTF"))});
        QCOMPARE(cartasNoBanco(QStringLiteral("ana")),
                 (QStringList{QStringLiteral("ana@exemplo.com.br"), QStringLiteral("bruno@exemplo.com.br"),
                              QStringLiteral("carla@exemplo.com.br")}));
        QCOMPARE(cartasNoBanco(QStringLiteral("bia")), QStringList{QStringLiteral("dela@x")});
        QCOMPARE(m_modelo.toPlainText().count(QStringLiteral("<|Nome|>")), 1); // the template is only read

        const QByteArray todas = lerArquivo(m_folder.file(QStringLiteral("MalaDireta/MalaPF.RTF")));
        QCOMPARE(todas.count("\\page"), 2);
        QTextDocument doc;
        QString erro;
        QVERIFY2(RtfReader::read(todas, &doc, &erro), qPrintable(erro));
        const QString obj(QChar::ObjectReplacementCharacter);
        QCOMPARE(paginas(doc),
                 (QStringList{
                     QStringLiteral(
                         "Prezado(a) Ana Souza, Engenheira\nCEP 22041001 nº 120 <|Outro|> em 08/12/2026\n") +
                         obj,
                     QStringLiteral(
                         "Prezado(a) Bruno Lima, Professor\nCEP 30130000 nº 07 <|Outro|> em 08/12/2026\n") +
                         obj,
                     QStringLiteral(
                         "Prezado(a) Carla Dias, Médica\nCEP 01310100 nº 05 <|Outro|> em 08/12/2026\n") +
                         obj}));
        for (const QString &nome :
             {QStringLiteral("Ana Souza"), QStringLiteral("Bruno Lima"), QStringLiteral("Carla Dias")}) {
            const QTextCharFormat f = formatoDe(doc, nome);
            QCOMPARE(f.fontWeight(), int(QFont::Bold));
            QCOMPARE(f.foreground().color(), QColor(255, 0, 0));
        }
        QVERIFY(!formatoDe(doc, QStringLiteral("Engenheira")).font().bold());

        // the last letter alone, without a page break
        const QByteArray ultima = lerArquivo(m_folder.file(QStringLiteral("MalaDireta/Mala.RTF")));
        QVERIFY(!ultima.contains("\\page"));
        QTextDocument carta;
        QVERIFY(RtfReader::read(ultima, &carta));
        QVERIFY(carta.toPlainText().startsWith(QStringLiteral("Prezado(a) Carla Dias, Médica")));
        // the table holds each letter as RTF
        const QString guardada =
            DbHelpers::scalar(db(), QStringLiteral("SELECT TEXTO FROM MALA_DIRETA WHERE EMAIL_DESTINO = "
                                                   "'bruno@exemplo.com.br'"))
                .toString();
        QVERIFY(RtfReader::read(guardada.toLatin1(), &carta));
        QVERIFY(carta.toPlainText().startsWith(QStringLiteral("Prezado(a) Bruno Lima, Professor")));
    }

    // Where the desktop has an office suite, the joined document prints one
    // letter per page.
    void officeSuiteShowsOnePagePerLetter()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (soffice.isEmpty() || pdfinfo.isEmpty())
            QSKIP("no office suite on this machine");
        m_seams.messages->answers.enqueue(false);
        QCOMPARE(Executar(db(), pedido(), m_modelo, Envio{}), Resultado::Gravado);
        QProcess p;
        p.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                          QStringLiteral("--outdir"), m_folder.file(QStringLiteral("pdf")),
                          m_folder.file(QStringLiteral("MalaDireta/MalaPF.RTF"))});
        QVERIFY(p.waitForFinished(180000));
        QProcess info;
        info.start(pdfinfo, {m_folder.file(QStringLiteral("pdf/MalaPF.pdf"))});
        QVERIFY(info.waitForFinished(60000));
        QVERIFY(QString::fromLatin1(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b"))));
    }

    void choosesAddressees_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("valor"); // group (0 Amigos, 1 Clientes) or month
        QTest::addColumn<QStringList>("nomes");
        auto linha = [](const char *caso, Tipo tipo, Escolha::Modo modo, int valor, QStringList nomes) {
            QTest::newRow(caso) << int(tipo) << int(modo) << valor << nomes;
        };
        using M = Escolha::Modo;
        linha("individuals, all", Tipo::PessoaFisica, M::Todos, 0,
              {QStringLiteral("Ana Souza"), QStringLiteral("Bruno Lima"), QStringLiteral("Carla Dias")});
        linha("individuals, a group", Tipo::PessoaFisica, M::Grupo, 0,
              {QStringLiteral("Bruno Lima"), QStringLiteral("Carla Dias")});
        linha("individuals, birthdays in December", Tipo::PessoaFisica, M::Aniversario, 12,
              {QStringLiteral("Ana Souza")});
        linha("individuals, birthdays in March", Tipo::PessoaFisica, M::Aniversario, 3,
              {QStringLiteral("Carla Dias")});
        linha("companies, all", Tipo::PessoaJuridica, M::Todos, 0,
              {QStringLiteral("Alfa Comércio"), QStringLiteral("Beta Serviços")});
        linha("companies, a group", Tipo::PessoaJuridica, M::Grupo, 1, {QStringLiteral("Alfa Comércio")});
    }
    void choosesAddressees()
    {
        QFETCH(int, tipo);
        QFETCH(int, modo);
        QFETCH(int, valor);
        QFETCH(QStringList, nomes);
        Escolha e;
        e.modo = Escolha::Modo(modo);
        e.grupo = valor == 0 ? m_amigos : m_clientes;
        e.mes = valor;
        const Geracao g = Gerar(db(), pedido(e, Tipo(tipo)), m_modelo);
        QVERIFY2(g.resultado.ok, qPrintable(g.resultado.error));
        QStringList lidos;
        for (const Destino &d : g.cartas)
            lidos << d.nome;
        QCOMPARE(lidos, nomes);
        QCOMPARE(cartasNoBanco(QStringLiteral("ana")).size(), nomes.size());
    }

    // A database error stops the run: no document, no mail, no success.
    void databaseErrorStopsTheRun()
    {
        const QString documento = m_folder.file(QStringLiteral("MalaDireta/MalaPF.RTF"));
        QFile::remove(documento);
        Pedido p = pedido();
        p.login = QStringLiteral("zeca"); // no such user: MALA_DIRETA refuses the rows
        QCOMPARE(Executar(db(), p, m_modelo, porEmail()), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(QStringLiteral("FK_MALA_DIRETA_USUARIO")),
                 qPrintable(m_seams.messages->shown.first()));
        QVERIFY(m_seams.messages->questions.isEmpty());
        QVERIFY(m_seams.handoff->handedOff.isEmpty());
        QVERIFY(!QFile::exists(documento));
    }

    void nobodyToWriteTo()
    {
        Escolha e;
        e.modo = Escolha::Modo::Aniversario;
        e.mes = 7;
        QCOMPARE(Executar(db(), pedido(e), m_modelo, Envio{}), Resultado::Recusado);
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Não há dados a emitir!")});
        QCOMPARE(cartasNoBanco(QStringLiteral("ana")), QStringList());
    }

    // Each addressee gets a message of their own with their own letter,
    // which stays in place after the hand-off returns.
    void handsEachLetterToTheMailProgram()
    {
        m_seams.messages->answers.enqueue(false);
        QCOMPARE(Executar(db(), pedido(), m_modelo, porEmail()), Resultado::Gravado);
        const QList<MailHandoffMessage> &h = m_seams.handoff->handedOff;
        QCOMPARE(h.size(), 3);
        const QStringList nomes{QStringLiteral("Ana Souza"), QStringLiteral("Bruno Lima"),
                                QStringLiteral("Carla Dias")};
        const QStringList emails{QStringLiteral("ana@exemplo.com.br"), QStringLiteral("bruno@exemplo.com.br"),
                                 QStringLiteral("carla@exemplo.com.br")};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(h[i].to, QStringList());
            QCOMPARE(h[i].bcc, QStringList{emails[i]});
            QCOMPARE(h[i].subject, QStringLiteral("Convite de fim de ano"));
            QCOMPARE(h[i].body, QStringLiteral("Olá,\r\nsegue a carta."));
            QCOMPARE(h[i].attachments.size(), 1);
            QCOMPARE(QFileInfo(h[i].attachments[0]).fileName(), QStringLiteral("Mala.RTF"));
            QTextDocument carta;
            QVERIFY(RtfReader::read(lerArquivo(h[i].attachments[0]), &carta));
            QVERIFY2(carta.toPlainText().startsWith(QStringLiteral("Prezado(a) ") + nomes[i]),
                     qPrintable(carta.toPlainText()));
        }
    }

    void mailOptions_data()
    {
        QTest::addColumn<bool>("paraTodos");
        QTest::addColumn<bool>("apenasAnexo");
        QTest::addColumn<bool>("semEmailDoBruno");
        QTest::addColumn<int>("mensagens");
        QTest::addColumn<QStringList>("bccDaPrimeira");
        QTest::addColumn<bool>("cartaAnexada");
        QTest::newRow("only the chosen files")
            << false << true << false << 3 << QStringList{QStringLiteral("ana@exemplo.com.br")} << false;
        QTest::newRow("send to all: one message, blind copies, only the chosen files")
            << true << false << false << 1
            << QStringList{QStringLiteral("ana@exemplo.com.br"), QStringLiteral("bruno@exemplo.com.br"),
                           QStringLiteral("carla@exemplo.com.br")}
            << false;
        QTest::newRow("an addressee without e-mail gets no message")
            << false << false << true << 2 << QStringList{QStringLiteral("ana@exemplo.com.br")} << true;
    }
    void mailOptions()
    {
        QFETCH(bool, paraTodos);
        QFETCH(bool, apenasAnexo);
        QFETCH(bool, semEmailDoBruno);
        QFETCH(int, mensagens);
        QFETCH(QStringList, bccDaPrimeira);
        QFETCH(bool, cartaAnexada);
        const QString folheto = m_folder.file(QStringLiteral("folheto.pdf"));
        {
            QFile f(folheto);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("%PDF-1.4 folheto");
        }
        if (semEmailDoBruno)
            QVERIFY(DbHelpers::exec(
                db(), QStringLiteral("UPDATE PESSOAFISICA SET EMAIL = NULL WHERE IDENTIFICADOR = :ID"),
                {{QStringLiteral("ID"), m_bruno}}));
        Envio e = porEmail();
        e.paraTodos = paraTodos;
        e.apenasAnexo = apenasAnexo;
        e.anexos = {folheto};
        m_seams.messages->answers.enqueue(false);
        const Resultado r = Executar(db(), pedido(), m_modelo, e);
        if (semEmailDoBruno)
            QVERIFY(
                DbHelpers::exec(db(),
                                QStringLiteral("UPDATE PESSOAFISICA SET EMAIL = 'bruno@exemplo.com.br' WHERE "
                                               "IDENTIFICADOR = :ID"),
                                {{QStringLiteral("ID"), m_bruno}}));
        QCOMPARE(r, Resultado::Gravado);
        const QList<MailHandoffMessage> &h = m_seams.handoff->handedOff;
        QCOMPARE(h.size(), mensagens);
        QCOMPARE(h.first().bcc, bccDaPrimeira);
        for (const MailHandoffMessage &m : h) {
            QCOMPARE(m.attachments.first(), folheto);
            QCOMPARE(m.attachments.size(), cartaAnexada ? 2 : 1);
        }
        // every letter is still in the document
        QTextDocument doc;
        QVERIFY(RtfReader::read(lerArquivo(m_folder.file(QStringLiteral("MalaDireta/MalaPF.RTF"))), &doc));
        QCOMPARE(paginas(doc).size(), 3);
    }

    // A chosen file removed before the run stops the sending with the
    // reason; the document is still made.
    void missingAttachmentStopsTheSending()
    {
        Envio e = porEmail();
        e.anexos = {m_folder.file(QStringLiteral("sumiu.pdf"))};
        m_seams.messages->answers.enqueue(false);
        QCOMPARE(Executar(db(), pedido(), m_modelo, e), Resultado::Gravado);
        QVERIFY(m_seams.handoff->handedOff.isEmpty());
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().contains(QStringLiteral("sumiu.pdf")));
        QCOMPARE(m_seams.messages->questions.size(), 1);
    }

    // Send-to-all without chosen files would give everyone the first
    // person's letter: refused before anything changes.
    void sendToAllNeedsChosenFiles()
    {
        Envio e = porEmail();
        e.paraTodos = true;
        QCOMPARE(Executar(db(), pedido(), m_modelo, e), Resultado::Recusado);
        QCOMPARE(m_seams.messages->shown, QStringList{MensagemSemAnexos()});
        QVERIFY(m_seams.handoff->handedOff.isEmpty());
    }

    // Through the [SMTP] account: one message per addressee, each with the
    // chosen file and their own letter, and a count at the end.
    void sendsThroughSmtp()
    {
        SmtpServer server;
        const quint16 porta = server.listen();
        QVERIFY(
            WriteSettingText(QStringLiteral("SMTP"), QStringLiteral("HOST"), QStringLiteral("127.0.0.1")));
        QVERIFY(WriteSettingInt(QStringLiteral("SMTP"), QStringLiteral("PORTA"), porta));
        QVERIFY(WriteSettingText(QStringLiteral("SMTP"), QStringLiteral("REMETENTE"),
                                 QStringLiteral("ana@orvalha.test")));
        Seams::setMail(std::make_unique<SmtpMailService>());
        const QString folheto = m_folder.file(QStringLiteral("folheto.txt"));
        {
            QFile f(folheto);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Promoção de dezembro");
        }
        Envio e = porEmail();
        e.smtp = true;
        e.anexos = {folheto};
        m_seams.messages->answers.enqueue(false);
        const Resultado r = Executar(db(), pedido(), m_modelo, e);
        m_seams = FakeSeams::install();
        QCOMPARE(r, Resultado::Gravado);
        QVERIFY(m_seams.handoff->handedOff.isEmpty());

        const QList<Received> got = server.messages();
        QCOMPARE(got.size(), 3);
        const QStringList nomes{QStringLiteral("Ana Souza"), QStringLiteral("Bruno Lima"),
                                QStringLiteral("Carla Dias")};
        const QStringList emails{QStringLiteral("ana@exemplo.com.br"), QStringLiteral("bruno@exemplo.com.br"),
                                 QStringLiteral("carla@exemplo.com.br")};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(got[i].recipients, QStringList{QLatin1Char('<') + emails[i] + QLatin1Char('>')});
            const QList<QPair<QByteArray, QByteArray>> partes = partesMime(got[i].data);
            QCOMPARE(partes.size(), 3);
            QVERIFY(partes[1].first.contains("filename=\"folheto.txt\""));
            QCOMPARE(partes[1].second, QByteArray("Promoção de dezembro"));
            QVERIFY(partes[2].first.contains("filename=\"Mala.RTF\""));
            QTextDocument carta;
            QVERIFY(RtfReader::read(partes[2].second, &carta));
            QVERIFY(carta.toPlainText().startsWith(QStringLiteral("Prezado(a) ") + nomes[i]));
        }
    }

private:
    // The parts of a multipart message: headers and decoded body of each.
    static QList<QPair<QByteArray, QByteArray>> partesMime(const QByteArray &mensagem)
    {
        QList<QPair<QByteArray, QByteArray>> out;
        const QRegularExpression re(QStringLiteral("boundary=\"([^\"]+)\""));
        const QRegularExpressionMatch m = re.match(QString::fromLatin1(mensagem));
        if (!m.hasMatch())
            return out;
        const QByteArray marca = "--" + m.captured(1).toLatin1();
        const QList<QByteArray> pedacos = mensagem.split('\n');
        QByteArray atual;
        bool dentro = false;
        auto fechar = [&] {
            if (!dentro)
                return;
            const qsizetype fim = atual.indexOf("\r\n\r\n");
            out.append({atual.left(fim), QByteArray::fromBase64(atual.mid(fim + 4))});
        };
        for (const QByteArray &linha : pedacos) {
            if (linha.trimmed().startsWith(marca)) {
                fechar();
                atual.clear();
                dentro = !linha.trimmed().endsWith("--");
                continue;
            }
            if (dentro)
                atual += linha + '\n';
        }
        return out;
    }
};

QTEST_MAIN(TestMalaDireta)
#include "TestMalaDireta.moc"
