// Contacts in the CSV layouts of webmail and desktop address books: both
// separators, both encodings, quoted fields with line breaks; and our own
// export read back.
#include "util/ContatosCsv.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray fixture(const char *nome)
{
    QFile f(QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/") + QString::fromLatin1(nome));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", nome);
    return f.readAll();
}

QStringList numeros(const Contato &c)
{
    QStringList n;
    for (const Contato::Fone &f : c.fones)
        n << QString::number(int(f.tipo)) + QLatin1Char(' ') + f.numero;
    return n;
}

} // namespace

class TestContatosCsv : public QObject {
    Q_OBJECT

private slots:
    void records_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QChar>("separador");
        QTest::addColumn<QList<QStringList>>("registros");
        QTest::newRow("quoted line break and quotes")
            << QStringLiteral("a,\"b\r\n\"\"c\"\"\",d\r\ne,,\r\n") << QChar(u',')
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b\r\n\"c\""), QStringLiteral("d")},
                                  {QStringLiteral("e"), QString(), QString()}};
        QTest::newRow("semicolons, no final line break")
            << QStringLiteral("a;\"x;y\"\nb;c") << QChar(u';')
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("x;y")},
                                  {QStringLiteral("b"), QStringLiteral("c")}};
        QTest::newRow("blank lines skipped")
            << QStringLiteral("a\n\n\nb\n") << QChar(u',')
            << QList<QStringList>{{QStringLiteral("a")}, {QStringLiteral("b")}};
    }
    void records()
    {
        QFETCH(QString, texto);
        QFETCH(QChar, separador);
        QFETCH(QList<QStringList>, registros);
        QCOMPARE(ContatosCsv::registros(texto, separador), registros);
    }

    // The webmail layout: UTF-8 with a byte order mark, " ::: " between
    // values, the preferred value marked "* ", a note over two lines.
    void webmailLayout()
    {
        const ContatosCsv::Leitura l = ContatosCsv::ler(fixture("contatos_webmail.csv"));
        QVERIFY2(l.problemas.isEmpty(), qPrintable(l.problemas.join(QLatin1Char('\n'))));
        QVERIFY(!l.windows1252);
        QCOMPARE(l.separador, QChar(u','));
        QCOMPARE(l.contatos.size(), 2);
        const Contato &bia = l.contatos[0];
        QCOMPARE(bia.nomeFormatado, QStringLiteral("Beatriz Gonçalves"));
        QCOMPARE(bia.prenome, QStringLiteral("Beatriz"));
        QCOMPARE(bia.apelido, QStringLiteral("Bia"));
        QCOMPARE(bia.aniversario, QDate(1990, 7, 25));
        QCOMPARE(bia.notas, QStringLiteral("Gosta de café,\nmas não de chá."));
        QCOMPARE(bia.categorias, QStringList{QStringLiteral("Amigos")});
        QCOMPARE(bia.emails.size(), 2);
        QCOMPARE(bia.emails[0].rotulo, QStringLiteral("home"));
        QCOMPARE(numeros(bia),
                 (QStringList{QStringLiteral("0 +55 11 91234-5678"), QStringLiteral("0 +55 11 95555-4444"),
                              QStringLiteral("1 (11) 2345-6789")}));
        QCOMPARE(bia.enderecos.size(), 1);
        QCOMPARE(bia.enderecos[0].rua, QStringLiteral("Rua Augusta, 900\nConsolação"));
        QCOMPARE(bia.enderecos[0].complemento, QStringLiteral("Sala 3"));
        QCOMPARE(bia.organizacao, QStringLiteral("Empresa Ltda"));
        QCOMPARE(bia.cargo, QStringLiteral("Analista"));
        const Contato &transp = l.contatos[1];
        QCOMPARE(transp.nomeExibido(), QStringLiteral("Transportes Rápidos"));
        QCOMPARE(transp.organizacao, QStringLiteral("Transportes Rápidos"));
        QCOMPARE(transp.fones[1].tipo, Contato::TipoFone::Fax);
        QCOMPARE(transp.sites, QStringList{QStringLiteral("https://rapidos.example")});
    }

    // The desktop layout from a Brazilian machine: ";" and Windows-1252,
    // the date day first, "0/0/00" for no date, three e-mails.
    void desktopLayoutWindows1252()
    {
        const ContatosCsv::Leitura l = ContatosCsv::ler(fixture("contatos_desktop_1252.csv"));
        QVERIFY2(l.problemas.isEmpty(), qPrintable(l.problemas.join(QLatin1Char('\n'))));
        QVERIFY(l.windows1252);
        QCOMPARE(l.separador, QChar(u';'));
        QCOMPARE(l.contatos.size(), 2);
        const Contato &joao = l.contatos[0];
        QCOMPARE(joao.prefixo, QStringLiteral("Sr."));
        QCOMPARE(joao.nomeExibido(), QStringLiteral("Sr. João Ferreira"));
        QCOMPARE(joao.organizacao, QStringLiteral("Construtora Alfa"));
        QCOMPARE(joao.cargo, QStringLiteral("Engenheiro civil"));
        QCOMPARE(joao.aniversario, QDate(1970, 4, 3));
        QCOMPARE(joao.emails.size(), 3);
        QCOMPARE(joao.notas, QStringLiteral("Obra na \"Vila Nova\"; visita às sextas"));
        QCOMPARE(joao.categorias, QStringList{QStringLiteral("Clientes")});
        QCOMPARE(joao.enderecos.size(), 1);
        QCOMPARE(joao.enderecos[0].rotulo, QStringLiteral("home"));
        QCOMPARE(joao.enderecos[0].cidade, QStringLiteral("Curitiba"));
        QCOMPARE(numeros(joao),
                 (QStringList{QStringLiteral("2 (41) 3333-2222"), QStringLiteral("1 (41) 3232-1212"),
                              QStringLiteral("0 (41) 98888-7777"), QStringLiteral("4 (41) 3030-3030"),
                              QStringLiteral("4 (41) 3131-3131")}));
        const Contato &ines = l.contatos[1];
        QCOMPARE(ines.nomeExibido(), QStringLiteral("Inês Araújo"));
        QVERIFY(!ines.aniversario.isValid());
        QCOMPARE(ines.sites, QStringList{QStringLiteral("https://ines.example")});
    }

    // The same layout with "," in UTF-8 without a mark: month first.
    void desktopLayoutCommas()
    {
        const ContatosCsv::Leitura l = ContatosCsv::ler(fixture("contatos_desktop.csv"));
        QVERIFY(!l.windows1252);
        QCOMPARE(l.contatos.size(), 2);
        QCOMPARE(l.contatos[0].nomeExibido(), QStringLiteral("Sérgio Mendes"));
        QCOMPARE(l.contatos[0].aniversario, QDate(1968, 12, 25));
        QCOMPARE(l.contatos[1].organizacao, QStringLiteral("Ótica Visão"));
    }

    // Our export: a byte order mark, the webmail headers, and back again.
    void writtenFileReadsBack()
    {
        Contato c;
        c.nomeFormatado = QStringLiteral("Zé \"Bigode\", o tal");
        c.prenome = QStringLiteral("Zé");
        c.sobrenome = QStringLiteral("Bigode");
        c.notas = QStringLiteral("linha 1\nlinha 2; fim");
        c.aniversario = QDate(2001, 1, 31);
        c.categorias << QStringLiteral("Amigos");
        c.fones << Contato::Fone{Contato::TipoFone::Celular, QStringLiteral("+55 11 98765-4321"), {}}
                << Contato::Fone{Contato::TipoFone::Fax, QStringLiteral("+55 11 3333-4444"), {}};
        c.emails << Contato::Email{QStringLiteral("ze@x.com"), {}}
                 << Contato::Email{QStringLiteral("z@y.com"), {}};
        Contato::Endereco e;
        e.rotulo = QStringLiteral("home");
        e.rua = QStringLiteral("Rua A, 1\nCentro");
        e.cep = QStringLiteral("01001-000");
        c.enderecos << e;
        Contato so;
        so.nomeFormatado = QStringLiteral("Só Nome");
        const QByteArray csv = ContatosCsv::escrever({c, so});
        QVERIFY(csv.startsWith("\xEF\xBB\xBFName,Given Name,"));
        QVERIFY(csv.contains("E-mail 2 - Value"));
        const ContatosCsv::Leitura l = ContatosCsv::ler(csv);
        QVERIFY2(l.problemas.isEmpty(), qPrintable(l.problemas.join(QLatin1Char('\n'))));
        QCOMPARE(l.contatos.size(), 2);
        const Contato &r = l.contatos[0];
        QCOMPARE(r.nomeFormatado, c.nomeFormatado);
        QCOMPARE(r.notas, c.notas);
        QCOMPARE(r.aniversario, c.aniversario);
        QCOMPARE(r.categorias, c.categorias);
        QCOMPARE(numeros(r), numeros(c));
        QCOMPARE(r.emails.size(), 2);
        QCOMPARE(r.enderecos[0].rua, e.rua);
        QCOMPARE(r.enderecos[0].cep, e.cep);
        QCOMPARE(l.contatos[1].nomeExibido(), QStringLiteral("Só Nome"));
        QVERIFY(l.contatos[1].fones.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestContatosCsv)
#include "TestContatosCsv.moc"
