// The forgotten-password mail and the message that confirms it.
#include "services/LembreteSenha.h"
#include "util/DateTime.h"

#include <QtTest>

class TestLembreteSenha : public QObject {
    Q_OBJECT

private slots:
    void theMessage_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("linha1");
        QTest::addColumn<QString>("linha2");

        QTest::newRow("texto simples") << QStringLiteral("Ana Souza") << QStringLiteral("ana")
                                       << QStringLiteral("ABC") << QStringLiteral("Caro(a) Ana Souza,<BR>")
                                       << QStringLiteral("seu login é: ana e sua senha é ABC<BR>");
        // every printable character may be part of a password
        QTest::newRow("marcas de HTML")
            << QStringLiteral("Zé <b>& Cia</b>") << QStringLiteral("z\"e") << QStringLiteral("A<B>&C\"")
            << QStringLiteral("Caro(a) Zé &lt;b&gt;&amp; Cia&lt;/b&gt;,<BR>")
            << QStringLiteral("seu login é: z&quot;e e sua senha é A&lt;B&gt;&amp;C&quot;<BR>");
    }
    void theMessage()
    {
        QFETCH(QString, nome);
        QFETCH(QString, login);
        QFETCH(QString, senha);
        QFETCH(QString, linha1);
        QFETCH(QString, linha2);

        const double agora = EncodeDate(2026, 3, 7) + EncodeTime(9, 5, 3);
        const MailMessage m =
            MontarEmailSenha(nome, login, senha, QStringLiteral("ana@exemplo.com.br"), agora);

        QCOMPARE(m.fromName, QStringLiteral(":: Orvalha ::"));
        QCOMPARE(m.fromAddress, QString()); // the [SMTP] account's sender
        QCOMPARE(m.to, QStringList{QStringLiteral("ana@exemplo.com.br")});
        QCOMPARE(m.subject, QStringLiteral("Login e Senha para iniciar a Orvalha :::07/03/2026 :: 09:05:03"));
        QVERIFY(m.highPriority);
        const QStringList lines = m.htmlBody.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        const QStringList expected = {linha1, linha2, QStringLiteral("-----------<BR>"),
                                      QStringLiteral("Data de envio: 07/03/2026 -- 09:05:03<BR>"),
                                      QStringLiteral("-----------<BR>")};
        QCOMPARE(lines, expected);
    }

    void theConfirmation()
    {
        QCOMPARE(
            TextoSenhaEnviada(QStringLiteral("Ana"), QStringLiteral("ana@exemplo.com.br")),
            QStringLiteral("Login e senha do usuário Ana enviados para o e-mail: \"ana@exemplo.com.br\"!"));
    }
};

QTEST_GUILESS_MAIN(TestLembreteSenha)
#include "TestLembreteSenha.moc"
