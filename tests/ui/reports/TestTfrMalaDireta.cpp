// The two mail merge screens and the subject dialog, driven through the
// seams: the template editor, the placeholders, fonts and pictures, the
// attachments, and runs on a real database in both modes.
#include "data/TDM.h"
#include "model/MalaDireta.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/TestFolder.h"
#include "ui/reports/TfrMalaDiretaPF.h"
#include "ui/reports/TfrMalaDiretaPJ.h"
#include "ui/reports/TfrServidor.h"
#include "util/RtfReader.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

QByteArray lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QAction *acao(QWidget *w, const char *menu, const QString &texto)
{
    for (QAction *a : child<QMenu>(w, menu)->actions())
        if (a->text() == texto)
            return a;
    qFatal("no menu entry %s", qPrintable(texto));
    return nullptr;
}

} // namespace

class TestTfrMalaDireta : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_amigos = 0;
    int m_clientes = 0;
    Database &db() { return m_dm->BancoDados; }

    template <typename T>
    std::unique_ptr<T> tela()
    {
        auto w = std::make_unique<T>(QStringLiteral("ana"));
        w->show();
        TestarModelos(w.get());
        return w;
    }

    // A template typed in the editor with the name bold and red, saved.
    void escreverModelo(TfrMalaDireta *w, const QString &arquivo)
    {
        auto *texto = child<QTextEdit>(w, "Texto");
        texto->clear();
        texto->insertPlainText(QStringLiteral("Prezado(a) "));
        QTextCharFormat destaque;
        destaque.setFontWeight(QFont::Bold);
        destaque.setForeground(QColor(255, 0, 0));
        texto->mergeCurrentCharFormat(destaque);
        acao(w, "mnuDados", QStringLiteral("Nome"))->trigger();
        QTextCharFormat normal;
        normal.setFontWeight(QFont::Normal);
        normal.setForeground(QColor(0, 0, 0));
        texto->mergeCurrentCharFormat(normal);
        texto->insertPlainText(QStringLiteral(", CEP "));
        acao(w, "mnuDados", QStringLiteral("CEP"))->trigger();
        m_seams.input->files.enqueue(arquivo);
        child<QPushButton>(w, "btnSalvarComo")->click();
    }

    QStringList paginasDoDocumento()
    {
        QTextDocument doc;
        QString erro;
        if (!RtfReader::read(lerArquivo(MalaDireta::ArquivoDocumento()), &doc, &erro))
            return {erro};
        QStringList out{QString()};
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            if (b != doc.begin() &&
                b.blockFormat().pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysBefore))
                out << QString();
            out.last() += b.text();
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_clientes = insertGrupo(db(), QStringLiteral("Clientes"));
        m_amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        const int carlos =
            insertPessoaFisica(db(), QStringLiteral("Carlos Souza"), m_amigos, QStringLiteral("ana"));
        const int zeca =
            insertPessoaFisica(db(), QStringLiteral("Zeca Lima"), m_clientes, QStringLiteral("ana"));
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAFISICA SET CEP = 1310100, EMAIL = 'carlos@x.com.br', "
                                    "DATA_NASCIMENTO = '1980-03-15' WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), carlos}}));
        QVERIFY(exec(
            db(), QStringLiteral("UPDATE PESSOAFISICA SET EMAIL = 'zeca@x.com.br' WHERE IDENTIFICADOR = :ID"),
            {{QStringLiteral("ID"), zeca}}));
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Acme Limitada"), m_amigos, QStringLiteral("ana")) >
                0);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Beta Serviços"), m_clientes,
                                     QStringLiteral("ana")) > 0);
    }

    void init()
    {
        m_seams = FakeSeams::install();
        QFile::remove(SettingsFilePath());
    }

    void startState()
    {
        auto w = tela<TfrMalaDiretaPF>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Mala Direta Pessoa Física"));
        QVERIFY(w->ArquivoModelo().isEmpty());
        auto *grupos = child<QComboBox>(w.get(), "txtGrupo");
        QCOMPARE(grupos->count(), 3);
        QCOMPARE(grupos->currentText(), QStringLiteral("Todos"));
        QCOMPARE(grupos->itemText(1), QStringLiteral("%1 :: Amigos").arg(m_amigos, 4, 10, QLatin1Char('0')));
        QCOMPARE(grupos->itemData(1).toInt(), m_amigos);
        auto *abas = child<QTabWidget>(w.get(), "PageControl1");
        QCOMPARE(abas->tabText(0), QStringLiteral(":: Grupo ::"));
        QCOMPARE(abas->tabText(1), QStringLiteral(":: Aniverssariantes ::"));
        QCOMPARE(child<QComboBox>(w.get(), "txtMes")->itemText(11), QStringLiteral("Dezembro"));
        QVERIFY(!child<QLabel>(w.get(), "lblResumo")->isVisible());
        QCOMPARE(child<QTextEdit>(w.get(), "Texto")->placeholderText(),
                 QStringLiteral("Digite aqui o conteúdo da carta!"));

        // the placeholders in table order, then the picture
        QStringList entradas;
        for (QAction *a : child<QMenu>(w.get(), "mnuDados")->actions())
            entradas << (a->isSeparator() ? QStringLiteral("-") : a->text());
        const QStringList esperadas = MalaDireta::Rotulos(MalaDireta::Tipo::PessoaFisica) +
                                      QStringList{QStringLiteral("-"), QStringLiteral("Inserir Imagem")};
        QCOMPARE(entradas, esperadas);
        auto pj = tela<TfrMalaDiretaPJ>();
        QCOMPARE(pj->windowTitle(), QStringLiteral("Mala Direta Pessoa Jurídica"));
        entradas.clear();
        for (QAction *a : child<QMenu>(pj.get(), "mnuDados")->actions())
            if (!a->isSeparator())
                entradas << a->text();
        QCOMPARE(entradas.first(3),
                 (QStringList{QStringLiteral("Nome"), QStringLiteral("CNPJ"), QStringLiteral("IE")}));
    }

    // A placeholder replaces the selection.
    void placeholderReplacesSelection()
    {
        auto w = tela<TfrMalaDiretaPF>();
        auto *texto = child<QTextEdit>(w.get(), "Texto");
        texto->setPlainText(QStringLiteral("Caro XXX, olá"));
        QTextCursor c = texto->textCursor();
        c.setPosition(5);
        c.setPosition(8, QTextCursor::KeepAnchor);
        texto->setTextCursor(c);
        acao(w.get(), "mnuDados", QStringLiteral("Profissão"))->trigger();
        QCOMPARE(texto->toPlainText(), QStringLiteral("Caro <|Profissão|>, olá"));
    }

    void runNeedsTextAndASavedFile()
    {
        auto w = tela<TfrMalaDiretaPF>();
        child<QToolButton>(w.get(), "JvArrowButton1")->click();
        child<QTextEdit>(w.get(), "Texto")->setPlainText(QStringLiteral("Olá <|Nome|>"));
        child<QToolButton>(w.get(), "JvArrowButton1")->click();
        QCOMPARE(
            m_seams.messages->shown,
            (QStringList{QStringLiteral("Você precisa informar um texto para poder emitir a mala direta!"),
                         QStringLiteral("Para poder emitir a mala direta você deve salvar o texto!")}));
    }

    // "Salvar Como" adds ".rtf" to another extension; "Abrir" reads the
    // file back with its formats; "Novo" forgets it.
    void saveOpenAndNew()
    {
        auto w = tela<TfrMalaDiretaPF>();
        escreverModelo(w.get(), m_folder.file(QStringLiteral("modelo.txt")));
        const QString salvo = m_folder.file(QStringLiteral("modelo.txt.rtf"));
        QCOMPARE(w->ArquivoModelo(), salvo);
        QCOMPARE(w->windowTitle(), QStringLiteral("Mala Direta Pessoa Física :: ") + salvo);
        QVERIFY(lerArquivo(salvo).startsWith("{\\rtf1"));

        child<QPushButton>(w.get(), "btnNovo")->click();
        QVERIFY(w->ArquivoModelo().isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Mala Direta Pessoa Física"));
        QVERIFY(child<QTextEdit>(w.get(), "Texto")->document()->isEmpty());

        m_seams.input->files.enqueue(salvo);
        child<QPushButton>(w.get(), "btnAbrir")->click();
        QCOMPARE(m_seams.input->asked.last(), QStringLiteral("Procurando Modelo de Mala Direta"));
        auto *texto = child<QTextEdit>(w.get(), "Texto");
        QCOMPARE(texto->toPlainText(), QStringLiteral("Prezado(a) <|Nome|>, CEP <|CEP|>"));
        QTextCursor c(texto->document());
        c.setPosition(13);
        QVERIFY(c.charFormat().font().bold());
        QCOMPARE(c.charFormat().foreground().color(), QColor(255, 0, 0));
        QCOMPARE(w->ArquivoModelo(), salvo);

        // "Salvar" writes the same file again
        texto->append(QStringLiteral("Mais uma linha"));
        child<QPushButton>(w.get(), "btnSalvar")->click();
        QTextDocument lido;
        QVERIFY(RtfReader::read(lerArquivo(salvo), &lido));
        QVERIFY(lido.toPlainText().endsWith(QStringLiteral("Mais uma linha")));

        // a file that is not RTF leaves the editor as it was
        const QString lixo = m_folder.file(QStringLiteral("lixo.rtf"));
        QFile f(lixo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("não é rtf");
        f.close();
        m_seams.input->files.enqueue(lixo);
        child<QPushButton>(w.get(), "btnAbrir")->click();
        QCOMPARE(m_seams.messages->shown.last(), QStringLiteral("O arquivo não está no formato RTF."));
        QVERIFY(texto->toPlainText().endsWith(QStringLiteral("Mais uma linha")));
        QCOMPARE(w->ArquivoModelo(), salvo);
    }

    // The font dialog's choice applies to the selection; a picture goes in
    // at the cursor and survives the saved file.
    void fontAndPicture()
    {
        auto w = tela<TfrMalaDiretaPF>();
        auto *texto = child<QTextEdit>(w.get(), "Texto");
        texto->setPlainText(QStringLiteral("Título"));
        texto->selectAll();
        QFont fonte(QStringLiteral("Liberation Sans"));
        fonte.setPointSize(20);
        fonte.setItalic(true);
        m_seams.input->fonts.enqueue({fonte, QColor(0, 128, 0)});
        child<QPushButton>(w.get(), "btnAlterarFonte")->click();
        QTextCursor c(texto->document());
        c.setPosition(2);
        QCOMPARE(c.charFormat().fontPointSize(), 20.0);
        QVERIFY(c.charFormat().fontItalic());
        QCOMPARE(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Liberation Sans"));
        QCOMPARE(c.charFormat().foreground().color(), QColor(0, 128, 0));

        const QString png = m_folder.file(QStringLiteral("logo.png"));
        QImage logo(24, 12, QImage::Format_RGB32);
        logo.fill(QColor(200, 10, 10));
        QVERIFY(logo.save(png));
        texto->moveCursor(QTextCursor::End);
        m_seams.input->files.enqueue(png);
        acao(w.get(), "mnuDados", QStringLiteral("Inserir Imagem"))->trigger();
        m_seams.input->files.enqueue(m_folder.file(QStringLiteral("comfoto.rtf")));
        child<QPushButton>(w.get(), "btnSalvarComo")->click();

        QTextDocument lido;
        QVERIFY(RtfReader::read(lerArquivo(m_folder.file(QStringLiteral("comfoto.rtf"))), &lido));
        QTextBlock b = lido.begin();
        bool achou = false;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QImage i = lido.resource(QTextDocument::ImageResource,
                                               QUrl(it.fragment().charFormat().toImageFormat().name()))
                                     .value<QImage>();
                QCOMPARE(i.size(), QSize(24, 12));
                QCOMPARE(i.pixelColor(3, 3), QColor(200, 10, 10));
                achou = true;
            }
        QVERIFY(achou);
    }

    // The chosen files replace the list; Delete takes the selected out.
    void attachments()
    {
        auto w = tela<TfrMalaDiretaPF>();
        auto *anexos = child<QListView>(w.get(), "Anexos");
        m_seams.input->fileLists.enqueue(
            {QStringLiteral("/a.pdf"), QStringLiteral("/b.pdf"), QStringLiteral("/c.pdf")});
        child<QPushButton>(w.get(), "IncluirAnexo")->click();
        QCOMPARE(m_seams.input->asked.last(), QStringLiteral("Procurando Arquivos para Anexar"));
        m_seams.input->fileLists.enqueue(
            {QStringLiteral("/b.pdf"), QStringLiteral("/c.pdf"), QStringLiteral("/d.pdf")});
        child<QPushButton>(w.get(), "IncluirAnexo")->click();
        QAbstractItemModel *m = anexos->model();
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("/b.pdf"));
        anexos->selectionModel()->select(m->index(0, 0), QItemSelectionModel::Select);
        anexos->selectionModel()->select(m->index(2, 0), QItemSelectionModel::Select);
        anexos->setFocus();
        QTest::keyClick(anexos, Qt::Key_Delete);
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("/c.pdf"));
    }

    // The individuals of one group: edits made after the last save reach
    // every letter; the template stays in the editor.
    void runForAGroup()
    {
        auto w = tela<TfrMalaDiretaPF>();
        escreverModelo(w.get(), m_folder.file(QStringLiteral("carta.rtf")));
        auto *texto = child<QTextEdit>(w.get(), "Texto");
        texto->moveCursor(QTextCursor::End);
        texto->insertPlainText(QStringLiteral(" (não salvo)"));
        auto *grupos = child<QComboBox>(w.get(), "txtGrupo");
        grupos->setCurrentIndex(grupos->findData(m_amigos));
        m_seams.messages->answers.enqueue(true);
        child<QToolButton>(w.get(), "JvArrowButton1")->click();

        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(m_seams.messages->questions, QStringList{MalaDireta::PerguntaSucesso()});
        QCOMPARE(m_seams.shell->opened, QStringList{MalaDireta::ArquivoDocumento()});
        QCOMPARE(paginasDoDocumento(),
                 QStringList{QStringLiteral("Prezado(a) Carlos Souza, CEP 01310100 (não salvo)")});
        QVERIFY(!child<QLabel>(w.get(), "lblResumo")->isVisible());
        QVERIFY(texto->toPlainText().contains(QStringLiteral("<|Nome|>")));

        // birthdays of a month nobody has
        child<QTabWidget>(w.get(), "PageControl1")->setCurrentIndex(1);
        child<QComboBox>(w.get(), "txtMes")->setCurrentIndex(6);
        child<QToolButton>(w.get(), "JvArrowButton1")->click();
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Não há dados a emitir!")});
        child<QComboBox>(w.get(), "txtMes")->setCurrentIndex(2);
        m_seams.messages->answers.enqueue(false);
        child<QToolButton>(w.get(), "JvArrowButton1")->click();
        QCOMPARE(paginasDoDocumento().size(), 1);
    }

    // E-mail mode: the subject dialog first, then a hand-off per letter;
    // with Shift, one message to all carrying only the chosen files.
    void runByEmail()
    {
        QVERIFY(
            WriteSettingText(QStringLiteral("MALA_DIRETA"), QStringLiteral("ASSUNTO"), QStringLiteral("Oi")));
        QVERIFY(WriteSettingText(QStringLiteral("MALA_DIRETA"), QStringLiteral("CORPO"),
                                 QStringLiteral("linha 1<BR>linha 2")));
        auto w = tela<TfrMalaDiretaPF>();
        escreverModelo(w.get(), m_folder.file(QStringLiteral("email.rtf")));
        whenModal<TfrServidor>([](TfrServidor *s) {
            QCOMPARE(child<QLineEdit>(s, "edtAssunto")->text(), QStringLiteral("Oi"));
            QCOMPARE(child<QPlainTextEdit>(s, "edtCorpo")->toPlainText(), QStringLiteral("linha 1\nlinha 2"));
            child<QLineEdit>(s, "edtAssunto")->setText(QStringLiteral("Convite"));
            child<QPlainTextEdit>(s, "edtCorpo")->setPlainText(QStringLiteral("Olá,\ncarta anexa."));
            child<QPushButton>(s, "btnContinuar")->click();
        });
        m_seams.messages->answers.enqueue(false);
        acao(w.get(), "mnuGerar", QStringLiteral("Mala Direta Via Email :: <SHIFT> Para enviar para todos"))
            ->trigger();
        QCOMPARE(ReadSettingText(QStringLiteral("MALA_DIRETA"), QStringLiteral("CORPO")),
                 QStringLiteral("Olá,<BR>carta anexa."));
        const QList<MailHandoffMessage> &h = m_seams.handoff->handedOff;
        QCOMPARE(h.size(), 2);
        QCOMPARE(h[0].bcc, QStringList{QStringLiteral("carlos@x.com.br")});
        QCOMPARE(h[1].bcc, QStringList{QStringLiteral("zeca@x.com.br")});
        QCOMPARE(h[0].subject, QStringLiteral("Convite"));
        QCOMPARE(h[0].body, QStringLiteral("Olá,\r\ncarta anexa."));
        QTextDocument carta;
        QVERIFY(RtfReader::read(lerArquivo(h[1].attachments.value(0)), &carta));
        QCOMPARE(carta.toPlainText(), QStringLiteral("Prezado(a) Zeca Lima, CEP 00"));

        // Shift held without chosen files: refused
        m_seams.handoff->handedOff.clear();
        m_seams.keyboard->down.insert(16);
        whenModal<TfrServidor>([](TfrServidor *s) { child<QPushButton>(s, "btnContinuar")->click(); });
        acao(w.get(), "mnuGerar", QStringLiteral("Mala Direta Via Email :: <SHIFT> Para enviar para todos"))
            ->trigger();
        QCOMPARE(m_seams.messages->shown.last(), MalaDireta::MensagemSemAnexos());
        QVERIFY(h.isEmpty());

        m_seams.input->fileLists.enqueue({m_folder.file(QStringLiteral("email.rtf"))});
        child<QPushButton>(w.get(), "IncluirAnexo")->click();
        whenModal<TfrServidor>([](TfrServidor *s) { child<QPushButton>(s, "btnContinuar")->click(); });
        m_seams.messages->answers.enqueue(false);
        acao(w.get(), "mnuGerar", QStringLiteral("Mala Direta Via Email :: <SHIFT> Para enviar para todos"))
            ->trigger();
        QCOMPARE(h.size(), 1);
        QCOMPARE(h[0].bcc, (QStringList{QStringLiteral("carlos@x.com.br"), QStringLiteral("zeca@x.com.br")}));
        QCOMPARE(h[0].attachments, QStringList{m_folder.file(QStringLiteral("email.rtf"))});
    }

    // With an [SMTP] account the screen offers to send directly.
    void offersSmtpWhenConfigured()
    {
        QVERIFY(
            WriteSettingText(QStringLiteral("SMTP"), QStringLiteral("HOST"), QStringLiteral("127.0.0.1")));
        QVERIFY(WriteSettingText(QStringLiteral("SMTP"), QStringLiteral("REMETENTE"),
                                 QStringLiteral("a@x.com.br")));
        auto w = tela<TfrMalaDiretaPJ>();
        escreverModelo(w.get(), m_folder.file(QStringLiteral("pj.rtf")));
        whenModal<TfrServidor>([](TfrServidor *s) { child<QPushButton>(s, "btnContinuar")->click(); });
        m_seams.messages->answers.enqueue(true);  // directly through the account
        m_seams.messages->answers.enqueue(false); // do not open the document
        acao(w.get(), "mnuGerar", QStringLiteral("Mala Direta Via Email :: <SHIFT> Para enviar para todos"))
            ->trigger();
        QCOMPARE(m_seams.messages->questions.size(), 2);
        QVERIFY(m_seams.messages->questions.first().contains(QStringLiteral("[SMTP]")));
        QVERIFY(m_seams.handoff->handedOff.isEmpty());
        // the companies have no e-mail here: nothing to send, both letters made
        QCOMPARE(m_seams.mail->sent.size(), 0);
        QCOMPARE(paginasDoDocumento().size(), 2);
    }

    void companiesOfAGroup()
    {
        auto w = tela<TfrMalaDiretaPJ>();
        escreverModelo(w.get(), m_folder.file(QStringLiteral("pj.rtf")));
        auto *grupos = child<QComboBox>(w.get(), "txtGrupo");
        grupos->setCurrentIndex(grupos->findData(m_clientes));
        m_seams.messages->answers.enqueue(false);
        child<QToolButton>(w.get(), "JvArrowButton1")->click();
        QCOMPARE(paginasDoDocumento(), QStringList{QStringLiteral("Prezado(a) Beta Serviços, CEP 00")});
    }

    // A subject the settings file cannot hold is still used, and the user
    // is told it was not kept.
    void subjectThatCannotBeKept()
    {
        QVERIFY(WriteSettingText(QStringLiteral("MALA_DIRETA"), QStringLiteral("ASSUNTO"),
                                 QStringLiteral("antigo")));
        TfrServidor s;
        s.show();
        child<QLineEdit>(&s, "edtAssunto")->setText(QStringLiteral("Festa 🎉"));
        child<QPushButton>(&s, "btnContinuar")->click();
        QCOMPARE(s.Assunto(), QStringLiteral("Festa 🎉"));
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().contains(QStringLiteral("não puderam ser guardados")));
        QCOMPARE(ReadSettingText(QStringLiteral("MALA_DIRETA"), QStringLiteral("ASSUNTO")),
                 QStringLiteral("antigo"));
    }

    void f1OpensHelp()
    {
        auto w = tela<TfrMalaDiretaPJ>();
        QTest::keyClick(w.get(), Qt::Key_F1);
        QCOMPARE(m_seams.shell->opened, QStringList{m_folder.file(QStringLiteral("Ajuda/mala_direta.htm"))});
    }
};

QTEST_MAIN(TestTfrMalaDireta)
#include "TestTfrMalaDireta.moc"
