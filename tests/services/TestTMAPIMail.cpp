// The mail hand-off component: recipients by their prefix, attachments that
// must exist, and the texts of the result codes.
#include "services/TMAPIMail.h"
#include "support/FakeSeams.h"

#include <QTemporaryDir>
#include <QtTest>

class TestTMAPIMail : public QObject {
    Q_OBJECT

private:
    FakeSeams m_seams{};

private slots:
    void init() { m_seams = FakeSeams::install(); }

    void sendsByPrefix()
    {
        QTemporaryDir dir;
        const QString anexo = dir.filePath(QStringLiteral("Mala.RTF"));
        QFile f(anexo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TMAPIMail m;
        m.Subject = QStringLiteral("Assunto");
        m.Body = QStringLiteral("linha 1\r\nlinha 2");
        m.Recipients = {QStringLiteral("ana@x.com.br"), QStringLiteral("cc: bia@x.com.br"),
                        QStringLiteral("Bcc:caio@x.com.br"), QStringLiteral("BCC:")};
        m.Attachments = {anexo};
        QCOMPARE(m.Send(), 0);
        QCOMPARE(m.Resultado(), 0);
        QCOMPARE(m_seams.handoff->handedOff.size(), 1);
        const MailHandoffMessage &h = m_seams.handoff->handedOff.first();
        QCOMPARE(h.to, QStringList{QStringLiteral("ana@x.com.br")});
        QCOMPARE(h.cc, QStringList{QStringLiteral("bia@x.com.br")});
        QCOMPARE(h.bcc, QStringList{QStringLiteral("caio@x.com.br")}); // an empty blind copy is dropped
        QCOMPARE(h.subject, m.Subject);
        QCOMPARE(h.body, m.Body);
        QCOMPARE(h.attachments, QStringList{anexo});
    }

    void failures()
    {
        TMAPIMail m;
        m.Recipients = {QStringLiteral("ana@x.com.br")};
        m.Attachments = {QStringLiteral("/nao/existe/Mala.RTF")};
        QCOMPARE(m.Send(), 11);
        QVERIFY(m_seams.handoff->handedOff.isEmpty());
        QVERIFY(m.Erro().contains(QStringLiteral("/nao/existe/Mala.RTF")));

        m.Attachments.clear();
        m_seams.handoff->fail = true;
        QCOMPARE(m.Send(), 2);
        QCOMPARE(m.Resultado(), 2);
        QCOMPARE(m.Erro(), QStringLiteral("falha simulada"));
    }

    void resultTexts_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("1") << 1 << "User cancelled request";
        QTest::newRow("6") << 6 << "Access denied";
        QTest::newRow("7 has none") << 7 << "Unknown Error Code: 7";
        QTest::newRow("18") << 18 << "Text too large.";
        QTest::newRow("26") << 26 << "Not supported";
        QTest::newRow("27") << 27 << "Unknown Error Code: 27";
        QTest::newRow("0") << 0 << "Unknown Error Code: 0";
        QTest::newRow("-1") << -1 << "Unknown Error Code: -1";
    }
    void resultTexts()
    {
        QFETCH(int, codigo);
        QFETCH(QString, texto);
        QCOMPARE(TMAPIMail::ResultText(codigo), texto);
    }
};

QTEST_MAIN(TestTMAPIMail)
#include "TestTMAPIMail.moc"
