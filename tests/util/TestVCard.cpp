// vCard files as phones, webmails and desktop address books write them,
// read into contacts; and our own vCard 3.0 read back by the strict reader.
#include "util/VCard.h"

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

QByteArray jpegMinimo()
{
    return QByteArray::fromBase64(
        "/9j/4AAQSkZJRgABAQEASABIAAD/2wBDAP//////////////////////////////////////////////////////////"
        "////////////////////////////wgALCAABAAEBAREA/8QAFBABAAAAAAAAAAAAAAAAAAAAAP/aAAgBAQABPxA=");
}

QStringList numeros(const Contato &c)
{
    QStringList n;
    for (const Contato::Fone &f : c.fones)
        n << QString::number(int(f.tipo)) + QLatin1Char(' ') + f.numero;
    return n;
}

} // namespace

class TestVCard : public QObject {
    Q_OBJECT

private slots:
    // A phone's 2.1 export: quoted-printable accents in UTF-8 and Latin-1,
    // soft line breaks, bare type parameters and a folded photo.
    void phoneExportVersion21()
    {
        const VCard::Leitura l = VCard::ler(fixture("contatos_celular_21.vcf"));
        QVERIFY2(l.problemas.isEmpty(), qPrintable(l.problemas.join(QLatin1Char('\n'))));
        QCOMPARE(l.contatos.size(), 3);
        const Contato &jose = l.contatos[0];
        QCOMPARE(jose.nomeFormatado, QStringLiteral("José Antônio"));
        QCOMPARE(jose.prenome, QStringLiteral("José"));
        QCOMPARE(jose.sobrenome, QStringLiteral("Antônio"));
        QCOMPARE(numeros(jose),
                 (QStringList{QStringLiteral("0 +55 11 98765-4321"), QStringLiteral("1 (011) 3333-4444"),
                              QStringLiteral("3 +55 (11) 3333-5555")}));
        QCOMPARE(jose.emails.size(), 1);
        QCOMPARE(jose.emails[0].endereco, QStringLiteral("jose@exemplo.com.br"));
        QCOMPARE(jose.aniversario, QDate(1980, 5, 17));
        QCOMPARE(jose.notas,
                 QStringLiteral("Conhecido da praça.\nLigar à tarde, depois das 14h; não insistir."));
        QCOMPARE(jose.foto, jpegMinimo());
        const Contato &maria = l.contatos[1];
        QCOMPARE(maria.nomeFormatado, QStringLiteral("Maria da Conceição"));
        QCOMPARE(maria.sobrenome, QStringLiteral("Conceição"));
        QCOMPARE(numeros(maria),
                 (QStringList{QStringLiteral("0 021987651234"), QStringLiteral("4 0xx21 2555-1234")}));
        const Contato &padaria = l.contatos[2];
        QCOMPARE(padaria.nomeExibido(), QStringLiteral("Padaria Pão Quente"));
        QCOMPARE(padaria.organizacao, QStringLiteral("Padaria Pão Quente"));
    }

    // A webmail's 3.0 export: groups of properties, repeated TYPE
    // parameters, escaped commas and semicolons, categories.
    void webmailExportVersion30()
    {
        const VCard::Leitura l = VCard::ler(fixture("contatos_webmail_30.vcf"));
        QVERIFY2(l.problemas.isEmpty(), qPrintable(l.problemas.join(QLatin1Char('\n'))));
        QCOMPARE(l.contatos.size(), 2);
        const Contato &ana = l.contatos[0];
        QCOMPARE(ana.prefixo, QStringLiteral("Dra."));
        QCOMPARE(ana.nomesMeio, QStringLiteral("Paula"));
        QCOMPARE(ana.apelido, QStringLiteral("Aninha"));
        QCOMPARE(ana.organizacao, QStringLiteral("Clínica Vida, Saúde e Bem-Estar"));
        QCOMPARE(ana.cargo, QStringLiteral("Médica pediatra"));
        QCOMPARE(ana.fones.size(), 5);
        QCOMPARE(ana.fones[0].tipo, Contato::TipoFone::Celular);
        QCOMPARE(ana.fones[2].tipo, Contato::TipoFone::Comercial);
        QCOMPARE(ana.fones[4].tipo, Contato::TipoFone::Outro);
        QCOMPARE(ana.emails.size(), 3);
        QCOMPARE(ana.enderecos.size(), 2);
        QCOMPARE(ana.enderecos[0].rua, QStringLiteral("Rua das Laranjeiras, 123\nLaranjeiras"));
        QCOMPARE(ana.enderecos[0].complemento, QStringLiteral("Apto 501"));
        QCOMPARE(ana.enderecos[0].cep, QStringLiteral("22240-003"));
        QCOMPARE(ana.enderecos[1].rotulo, QStringLiteral("work"));
        QCOMPARE(ana.notas, QStringLiteral("Atende às terças; prefere e-mail.\nSegunda linha."));
        QCOMPARE(ana.categorias, (QStringList{QStringLiteral("Médicos"), QStringLiteral("Família")}));
        QCOMPARE(ana.sites, QStringList{QStringLiteral("https://clinica.example/ana")});
        QCOMPARE(ana.extras.size(), 2); // the department and the Skype name
        QVERIFY(!ana.empresa);
        QVERIFY(l.contatos[1].empresa);
    }

    // 4.0: telephone URIs, quoted type lists, KIND, a birthday without a
    // year and a photo as a data URI.
    void version40()
    {
        const VCard::Leitura l = VCard::ler(fixture("contatos_40.vcf"));
        QVERIFY2(l.problemas.isEmpty(), qPrintable(l.problemas.join(QLatin1Char('\n'))));
        QCOMPARE(l.contatos.size(), 3);
        QCOMPARE(l.contatos[0].nomeFormatado, QStringLiteral("Łukasz Nowak"));
        QCOMPARE(numeros(l.contatos[0]), QStringList{QStringLiteral("0 +48-601-234-567")});
        const Contato &carlos = l.contatos[1];
        QCOMPARE(numeros(carlos),
                 (QStringList{QStringLiteral("0 +55-41-99988-7766"), QStringLiteral("1 +55-41-3322-1100")}));
        QVERIFY(!carlos.aniversario.isValid());
        QCOMPARE(carlos.extras.size(), 1);
        QCOMPARE(carlos.extras[0].valor, QStringLiteral("12/04"));
        QCOMPARE(carlos.foto, jpegMinimo());
        QVERIFY(!carlos.empresa);
        QVERIFY(l.contatos[2].empresa);
        QCOMPARE(l.contatos[2].fones[1].tipo, Contato::TipoFone::Fax);
    }

    // Broken files: what can be read is read, and the rest is reported.
    void damagedFilesAreReportedNotFatal_data()
    {
        QTest::addColumn<QByteArray>("arquivo");
        QTest::addColumn<int>("contatos");
        QTest::addColumn<QString>("problema");
        QTest::newRow("missing END") << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\n") << 0
                                     << QStringLiteral("falta END:VCARD");
        QTest::newRow("line without colon")
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nlixo\r\nEND:VCARD\r\n") << 1
            << QStringLiteral("Linha 4: linha sem \":\"");
        QTest::newRow("Windows-1252 without CHARSET")
            << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Jo\xe3o\nEND:VCARD\n") << 1 << QString();
        const QString utf16 = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:João\r\nEND:VCARD\r\n");
        QTest::newRow("UTF-16 with its mark")
            << QByteArray("\xFF\xFE") +
                   QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2)
            << 1 << QString();
    }
    void damagedFilesAreReportedNotFatal()
    {
        QFETCH(QByteArray, arquivo);
        QFETCH(int, contatos);
        QFETCH(QString, problema);
        const VCard::Leitura l = VCard::ler(arquivo);
        QCOMPARE(l.contatos.size(), contatos);
        if (problema.isEmpty()) {
            QVERIFY(l.problemas.isEmpty());
            QCOMPARE(l.contatos[0].nomeFormatado, QStringLiteral("João"));
        } else {
            QVERIFY2(l.problemas.join(QLatin1Char('\n')).contains(problema),
                     qPrintable(l.problemas.join(QLatin1Char('\n'))));
        }
    }

    // What we write passes the strict reader (line length, CRLF, escapes,
    // required properties) and reads back to the same contact.
    void writtenCardsReadBackStrictly()
    {
        Contato c;
        c.nomeFormatado = QStringLiteral("Conceição; \"Ção\", a \\ tal");
        c.prenome = QStringLiteral("Conceição;");
        c.sobrenome = QStringLiteral("a \\ tal");
        c.apelido = QStringLiteral("Ção");
        c.cargo = QStringLiteral("Chefe, geral");
        c.organizacao = QStringLiteral("Açaí & Cia");
        c.fones << Contato::Fone{Contato::TipoFone::Celular, QStringLiteral("+55 11 98765-4321"), {}}
                << Contato::Fone{Contato::TipoFone::Fax, QStringLiteral("+55 11 3333-4444"), {}};
        c.emails << Contato::Email{QStringLiteral("a@b.com"), {}};
        Contato::Endereco e;
        e.rotulo = QStringLiteral("home");
        e.rua = QStringLiteral("Rua Dr. Sá, 12\nSé");
        e.cidade = QStringLiteral("São Paulo");
        e.estado = QStringLiteral("SP");
        e.cep = QStringLiteral("01001-000");
        c.enderecos << e;
        c.aniversario = QDate(1970, 2, 28);
        // long enough to be folded many times, with accents on the folds
        c.notas = QString(QStringLiteral("ação—çãõ ")).repeated(40) + QStringLiteral("\nfim; ok, ok");
        c.categorias << QStringLiteral("Família, perto") << QStringLiteral("Trabalho");
        c.sites << QStringLiteral("https://x.example/a,b;c");
        c.foto = jpegMinimo().repeated(5);
        const QByteArray escrito = VCard::escrever({c, c}, true);
        for (const QByteArray &linha : escrito.split('\n'))
            QVERIFY2(linha.size() <= 76, linha.constData()); // 75 and the CR
        const VCard::Leitura l = VCard::ler(escrito, true);
        QVERIFY2(l.problemas.isEmpty(), qPrintable(l.problemas.join(QLatin1Char('\n'))));
        QCOMPARE(l.contatos.size(), 2);
        const Contato &r = l.contatos[1];
        QCOMPARE(r.nomeFormatado, c.nomeFormatado);
        QCOMPARE(r.prenome, c.prenome);
        QCOMPARE(r.sobrenome, c.sobrenome);
        QCOMPARE(r.apelido, c.apelido);
        QCOMPARE(r.cargo, c.cargo);
        QCOMPARE(r.organizacao, c.organizacao);
        QCOMPARE(numeros(r), numeros(c));
        QCOMPARE(r.emails[0].endereco, c.emails[0].endereco);
        QCOMPARE(r.enderecos[0].rua, e.rua);
        QCOMPARE(r.enderecos[0].cidade, e.cidade);
        QCOMPARE(r.enderecos[0].cep, e.cep);
        QCOMPARE(r.aniversario, c.aniversario);
        QCOMPARE(r.notas, c.notas.trimmed());
        QCOMPARE(r.categorias, c.categorias);
        QCOMPARE(r.sites, c.sites);
        QCOMPARE(r.foto, c.foto);
        QVERIFY(!VCard::escrever({c}, false).contains("PHOTO"));
    }

    // The strict reader does catch what a careless writer does.
    void strictReaderCatchesFaults_data()
    {
        QTest::addColumn<QByteArray>("arquivo");
        QTest::addColumn<QString>("problema");
        const QByteArray inicio = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:A;B;;;\r\n";
        QTest::newRow("unescaped comma") << inicio + "FN:A, B\r\nEND:VCARD\r\n"
                                         << QStringLiteral("sem escape");
        QTest::newRow("long line") << inicio + "FN:" + QByteArray(80, 'a') + "\r\nEND:VCARD\r\n"
                                   << QStringLiteral("octetos");
        QTest::newRow("bare LF") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nN:A;B;;;\nFN:A\nEND:VCARD\n")
                                 << QStringLiteral("CR LF");
        QTest::newRow("no FN") << inicio + "END:VCARD\r\n" << QStringLiteral("sem FN");
        QTest::newRow("quoted-printable in 3.0")
            << inicio + "FN;ENCODING=QUOTED-PRINTABLE:Jo=C3=A3o\r\nEND:VCARD\r\n"
            << QStringLiteral("QUOTED-PRINTABLE");
        QTest::newRow("bad escape") << inicio + "FN:a\\tb\r\nEND:VCARD\r\n"
                                    << QStringLiteral("escape inválido");
    }
    void strictReaderCatchesFaults()
    {
        QFETCH(QByteArray, arquivo);
        QFETCH(QString, problema);
        const VCard::Leitura l = VCard::ler(arquivo, true);
        QVERIFY2(l.problemas.join(QLatin1Char('\n')).contains(problema),
                 qPrintable(l.problemas.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestVCard)
#include "TestVCard.moc"
