// The suggestion form through the real SMTP service, against a small SMTP
// server of the test's own: what goes out, what is refused before, and what
// the user sees when the server is not there.
#include "app/Version.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "services/SmtpMailService.h"
#include "support/Controles.h"
#include "support/FakeSeams.h"
#include "support/SmtpServer.h"
#include "ui/maintenance/TfrSugestoes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAtencao = QStringLiteral("Atenção");

struct Tela {
    TfrSugestoes dlg;
    void preencher(const QString &assunto, const QString &mensagem)
    {
        child<QLineEdit>(&dlg, "edtAssunto")->setText(assunto);
        child<QPlainTextEdit>(&dlg, "msg")->setPlainText(mensagem);
    }
    void enviar() { child<QPushButton>(&dlg, "btnEnviar")->click(); }
};

} // namespace

class TestTfrSugestoes : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FakeSeams m_seams{};
    TUsuario m_usuario;

    static void configurar(quint16 porta)
    {
        const QString s = QStringLiteral("SMTP");
        QVERIFY(WriteSettingText(s, QStringLiteral("HOST"), QStringLiteral("127.0.0.1")));
        QVERIFY(WriteSettingInt(s, QStringLiteral("PORTA"), porta));
        QVERIFY(WriteSettingText(s, QStringLiteral("REMETENTE"), QStringLiteral("orvalha@lumisto.test")));
    }

private slots:
    void initTestCase()
    {
        qputenv("LUMISTO_PROGRAM_DIR", QFile::encodeName(m_dir.path()));
        m_seams = FakeSeams::install();
        Seams::setMail(std::make_unique<SmtpMailService>());
        TUsuario::setAtual(&m_usuario);
    }
    void init()
    {
        m_seams.messages->clear();
        QFile::remove(SettingsFilePath());
        m_usuario.Login = QStringLiteral("ana");
        m_usuario.Nome = QStringLiteral("Ana Souza");
        m_usuario.Email = QStringLiteral("ana@exemplo.com.br");
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        qunsetenv("LUMISTO_PROGRAM_DIR");
    }

    void sendsOneMessageToSupport()
    {
        SmtpServer servidor;
        configurar(servidor.listen());
        QVERIFY(WriteSettingText(QStringLiteral("SMTP"), QStringLiteral("SUPORTE"),
                                 QStringLiteral("atendimento@lumisto.test")));
        Tela t;
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Sugestões -- Críticas -- Dúvidas"));
        QCOMPARE(child<QLabel>(&t.dlg, "lblDe")->text(), QStringLiteral("DE: ana -- ana@exemplo.com.br"));
        t.preencher(QStringLiteral("Relatório <b> & cia"), QStringLiteral("linha 1\nlinha <2>\n\n  fim"));
        t.enviar();

        QCOMPARE(m_seams.messages->titles, QStringList{kAtencao});
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral(
                     "Mensagem enviado com sucesso para o email \"atendimento@lumisto.test\"!")});
        const QList<Received> recebidas = servidor.messages();
        QCOMPARE(recebidas.size(), 1);
        QCOMPARE(recebidas.first().recipients, QStringList{QStringLiteral("<atendimento@lumisto.test>")});
        QCOMPARE(recebidas.first().mailFrom, QStringLiteral("<ana@exemplo.com.br>"));
        const Parsed p = parse(recebidas.first().data);
        QCOMPARE(decodeWords(p.headers.value("subject")),
                 QStringLiteral("Relatório <b> & cia - Sugestão 08/12/2026 :: 10:30:00"));
        QCOMPARE(p.headers.value("x-priority"), QByteArray("1"));
        QVERIFY(p.headers.value("content-type").startsWith("text/html"));
        QCOMPARE(decodeWords(p.headers.value("from")), QStringLiteral("\"Ana Souza\" <ana@exemplo.com.br>"));
        QCOMPARE(QString::fromUtf8(p.body), QStringLiteral("linha 1<BR>linha &lt;2&gt;<BR><BR>  fim"));
        QVERIFY(child<QPushButton>(&t.dlg, "btnEnviar")->isEnabled());
        QVERIFY(child<QLabel>(&t.dlg, "lblStatus")->isHidden());
    }

    void refusesBeforeSending_data()
    {
        QTest::addColumn<QString>("assunto");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("aviso");
        const QString campos = QStringLiteral("Os campos ASSUNTO e MENSAGEM devem ser preenchidos!!");
        QTest::newRow("blank subject") << QStringLiteral("   ") << QStringLiteral("texto")
                                       << QStringLiteral("ana@exemplo.com.br") << campos;
        QTest::newRow("blank message") << QStringLiteral("Assunto") << QStringLiteral(" \n\t ")
                                       << QStringLiteral("ana@exemplo.com.br") << campos;
        QTest::newRow("user without e-mail")
            << QStringLiteral("Assunto") << QStringLiteral("texto") << QStringLiteral("  ")
            << QStringLiteral("O usuário Ana Souza não tem e-mail cadastrado!");
    }
    void refusesBeforeSending()
    {
        QFETCH(QString, assunto);
        QFETCH(QString, mensagem);
        QFETCH(QString, email);
        QFETCH(QString, aviso);
        SmtpServer servidor;
        configurar(servidor.listen());
        m_usuario.Email = email;
        Tela t;
        t.preencher(assunto, mensagem);
        t.enviar();
        QCOMPARE(m_seams.messages->shown, QStringList{aviso});
        QCOMPARE(servidor.connections(), 0);
        QCOMPARE(child<QLineEdit>(&t.dlg, "edtAssunto")->text(), assunto);
    }

    // Nobody listening: the fixed texts in "Atenção", the form keeps its texts.
    void aServerThatIsDownIsReported()
    {
        quint16 porta = 0;
        {
            QTcpServer fechado;
            QVERIFY(fechado.listen(QHostAddress::LocalHost));
            porta = fechado.serverPort();
        }
        configurar(porta);
        Tela t;
        t.preencher(QStringLiteral("Assunto"), QStringLiteral("texto"));
        t.enviar();
        QCOMPARE(m_seams.messages->titles, QStringList{kAtencao});
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().startsWith(
            QStringLiteral("Não foi possível a conexão com o Servidor de E-mail da Orvalha.\r\nO e-mail do "
                           "desenvolvedor é ") +
            PublisherContactEmail()));
        QCOMPARE(child<QLineEdit>(&t.dlg, "edtAssunto")->text(), QStringLiteral("Assunto"));
        QCOMPARE(child<QPlainTextEdit>(&t.dlg, "msg")->toPlainText(), QStringLiteral("texto"));
        QVERIFY(child<QPushButton>(&t.dlg, "btnEnviar")->isEnabled());
        QVERIFY(child<QLabel>(&t.dlg, "lblStatus")->isHidden());
    }

    // The label screen's link comes with its subject filled in.
    void opensWithASubject()
    {
        TfrSugestoes dlg(nullptr, QStringLiteral("::Outros Modelos de Etiquetas ::"));
        QCOMPARE(child<QLineEdit>(&dlg, "edtAssunto")->text(),
                 QStringLiteral("::Outros Modelos de Etiquetas ::"));
    }
};

QTEST_MAIN(TestTfrSugestoes)
#include "TestTfrSugestoes.moc"
