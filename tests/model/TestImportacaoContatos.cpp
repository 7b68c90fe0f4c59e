// Contacts from files into individuals and companies on a real database:
// each fixture column by column, sound-alikes, blocked texts, one
// transaction for the whole import, and export -> import giving the same
// persons back.
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/ImportacaoContatos.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/ContatosCsv.h"
#include "util/VCard.h"

#include <QFile>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kAna = QStringLiteral("ana");
const QString kBia = QStringLiteral("bia");

QByteArray fixture(const QString &nome)
{
    QFile f(QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/") + nome);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(nome));
    return f.readAll();
}

QList<Contato> contatosDe(const QString &arquivo)
{
    const QByteArray bytes = fixture(arquivo);
    return arquivo.endsWith(QLatin1String(".vcf")) ? VCard::ler(bytes).contatos
                                                   : ContatosCsv::ler(bytes).contatos;
}

QList<ContatoImportado> mapear(const QList<Contato> &contatos)
{
    QList<ContatoImportado> itens;
    for (const Contato &c : contatos)
        itens << ImportacaoContatos::Mapear(c);
    return itens;
}

QByteArray jpegMinimo()
{
    return QByteArray::fromBase64(
        "/9j/4AAQSkZJRgABAQEASABIAAD/2wBDAP//////////////////////////////////////////////////////////"
        "////////////////////////////wgALCAABAAEBAREA/8QAFBABAAAAAAAAAAAAAAAAAAAAAP/aAAgBAQABPxA=");
}

} // namespace

class TestImportacaoContatos : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }

    QString coluna(const QString &tabela, const QString &nome, const QString &expressao)
    {
        return scalar(db(),
                      QStringLiteral(
                          "SELECT COALESCE(CAST(%1 AS VARCHAR(4000)), '') FROM %2 T LEFT JOIN GRUPO G ON"
                          " G.COD_GRUPO = T.COD_GRUPO WHERE T.NOME = :NOME")
                          .arg(expressao, tabela),
                      {{QStringLiteral("NOME"), nome}})
            .toString();
    }

    void limpar()
    {
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM GRUPO WHERE COD_GRUPO <> %1").arg(m_grupo)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kAna));
        QVERIFY(insertUsuario(db(), kBia));
        m_grupo = insertGrupo(db(), QStringLiteral("Importados"));
        m_usuario.Login = kAna;
        TUsuario::setAtual(&m_usuario);
    }
    void init() { m_seams.messages->clear(); }
    void cleanup() { QVERIFY(m_seams.messages->unexpected.isEmpty()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void telephonesNormalised_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("digitos");
        QTest::newRow("+55 mobile") << QStringLiteral("+55 (11) 98765-4321") << QStringLiteral("11987654321");
        QTest::newRow("55 without plus") << QStringLiteral("55 21 2555-1234") << QStringLiteral("2125551234");
        QTest::newRow("trunk zero") << QStringLiteral("(011) 3333-4444") << QStringLiteral("1133334444");
        QTest::newRow("trunk zero mobile") << QStringLiteral("021987651234") << QStringLiteral("21987651234");
        QTest::newRow("carrier code")
            << QStringLiteral("0 21 11 98765-4321") << QStringLiteral("11987654321");
        QTest::newRow("0xx") << QStringLiteral("0xx21 2555-1234") << QStringLiteral("2125551234");
        QTest::newRow("toll-free keeps its zero")
            << QStringLiteral("0800 123 4567") << QStringLiteral("08001234567");
        QTest::newRow("area code 55 is not the country")
            << QStringLiteral("(55) 99123-4567") << QStringLiteral("55991234567");
        QTest::newRow("foreign") << QStringLiteral("+351 912 345 678") << QStringLiteral("00351912345678");
        QTest::newRow("tel URI") << QStringLiteral("+55-41-3322-1100") << QStringLiteral("4133221100");
        QTest::newRow("no digits") << QStringLiteral("ramal") << QString();
    }
    void telephonesNormalised()
    {
        QFETCH(QString, numero);
        QFETCH(QString, digitos);
        QCOMPARE(ImportacaoContatos::NormalizarFone(numero), digitos);
    }

    // Every fixture imported (each category a group), then the stored rows
    // compared column by column.
    void fixturesImportColumnByColumn_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("expressao");
        QTest::addColumn<QString>("valor");
        const QString pf = QStringLiteral("PESSOAFISICA"), pj = QStringLiteral("PESSOAJURIDICA");
        auto row = [&](const QString &t, const char *nome, const char *col, const QString &v) {
            QTest::addRow("%s %s", nome, col)
                << t << QString::fromUtf8(nome) << QString::fromLatin1(col) << v;
        };
        // phone, 2.1
        row(pf, "José Antônio", "FONE_CELULAR", QStringLiteral("11987654321"));
        row(pf, "José Antônio", "FONE_RESIDENCIAL", QStringLiteral("1133334444"));
        row(pf, "José Antônio", "FONE_COMERCIAL", QString());
        row(pf, "José Antônio", "EMAIL", QStringLiteral("jose@exemplo.com.br"));
        row(pf, "José Antônio", "DATA_NASCIMENTO", QStringLiteral("1980-05-17"));
        row(pf, "José Antônio", "OBS",
            QStringLiteral("Conhecido da praça.\r\nLigar à tarde, depois das 14h; não insistir.\r\n"
                           "Fax: +55 (11) 3333-5555"));
        row(pf, "José Antônio", "NOME_GRUPO", QStringLiteral("Importados"));
        row(pf, "José Antônio", "LOGIN", kAna);
        row(pf, "José Antônio", "PUBLICA", QStringLiteral("0"));
        row(pf, "José Antônio", "(SELECT COUNT(*) FROM IMAGEM I WHERE I.ID_PESSOA = T.IDENTIFICADOR)",
            QStringLiteral("1"));
        row(pf, "Maria da Conceição", "FONE_CELULAR", QStringLiteral("21987651234"));
        row(pf, "Maria da Conceição", "FONE_RESIDENCIAL", QStringLiteral("2125551234"));
        row(pj, "Padaria Pão Quente", "FONE_0800", QStringLiteral("08001234567"));
        row(pj, "Padaria Pão Quente", "FONE", QStringLiteral("1932321010"));
        // webmail, 3.0
        row(pf, "Ana Paula Souza", "TRATAMENTO", QStringLiteral("Dra."));
        row(pf, "Ana Paula Souza", "APELIDO", QStringLiteral("Aninha"));
        row(pf, "Ana Paula Souza", "LOCAL_TRABALHO", QStringLiteral("Clínica Vida, Saúde e Bem-Estar"));
        row(pf, "Ana Paula Souza", "PROFISSAO", QStringLiteral("Médica pediatra"));
        row(pf, "Ana Paula Souza", "FONE_CELULAR", QStringLiteral("21998765432"));
        row(pf, "Ana Paula Souza", "FONE_RESIDENCIAL", QStringLiteral("2122223333"));
        row(pf, "Ana Paula Souza", "FONE_COMERCIAL", QStringLiteral("2125550000"));
        row(pf, "Ana Paula Souza", "EMAIL", QStringLiteral("ana@exemplo.com"));
        row(pf, "Ana Paula Souza", "MSN", QStringLiteral("ana.souza@clinica.com.br"));
        row(pf, "Ana Paula Souza", "RUA", QStringLiteral("Rua das Laranjeiras"));
        row(pf, "Ana Paula Souza", "NUMERO", QStringLiteral("123"));
        row(pf, "Ana Paula Souza", "BAIRRO", QStringLiteral("Laranjeiras"));
        row(pf, "Ana Paula Souza", "COMPLEMENTO", QStringLiteral("Apto 501"));
        row(pf, "Ana Paula Souza", "CIDADE", QStringLiteral("Rio de Janeiro"));
        row(pf, "Ana Paula Souza", "ESTADO", QStringLiteral("RJ"));
        row(pf, "Ana Paula Souza", "CEP", QStringLiteral("22240003"));
        row(pf, "Ana Paula Souza", "DATA_NASCIMENTO", QStringLiteral("1975-11-02"));
        row(pf, "Ana Paula Souza", "NOME_GRUPO", QStringLiteral("Médicos"));
        row(pf, "Ana Paula Souza", "OBS",
            QStringLiteral(
                "Atende às terças; prefere e-mail.\r\nSegunda linha.\r\nE-mail: aninha@correio.net\r\n"
                "Celular: +55 21 97777-1111\r\nTelefone: +351 912 345 678\r\n"
                "Endereço (work): Av. Rio Branco, 1, Rio de Janeiro, Rio de Janeiro, 20090-003, Brasil\r\n"
                "Site: https://clinica.example/ana\r\nDepartamento: Pediatria\r\nSkype: ana.souza"));
        row(pj, "Oficina do Zé", "FONE", QStringLiteral("3134567890"));
        row(pj, "Oficina do Zé", "FONE_FAX", QStringLiteral("3134567891"));
        row(pj, "Oficina do Zé", "FONE_CEL", QStringLiteral("31991112222"));
        row(pj, "Oficina do Zé", "EMAIL", QStringLiteral("contato@oficinadoze.com.br"));
        row(pj, "Oficina do Zé", "HOME_PAGE", QStringLiteral("http://oficinadoze.com.br"));
        row(pj, "Oficina do Zé", "RUA", QStringLiteral("Rua Goitacazes"));
        row(pj, "Oficina do Zé", "NUMERO", QStringLiteral("45"));
        row(pj, "Oficina do Zé", "ESTADO", QStringLiteral("MG"));
        row(pj, "Oficina do Zé", "CEP", QStringLiteral("30190050"));
        row(pj, "Oficina do Zé", "NOME_GRUPO", QStringLiteral("Fornecedores"));
        // 4.0
        row(pf, "Carlos Eduardo Lima", "FONE_CELULAR", QStringLiteral("41999887766"));
        row(pf, "Carlos Eduardo Lima", "FONE_RESIDENCIAL", QStringLiteral("4133221100"));
        row(pf, "Carlos Eduardo Lima", "OBS", QStringLiteral("Primo do João\r\nAniversário: 12/04"));
        row(pf, "Carlos Eduardo Lima", "DATA_NASCIMENTO", QString());
        row(pj, "Livraria Saber", "FONE", QStringLiteral("1130304040"));
        row(pj, "Livraria Saber", "FONE_FAX", QStringLiteral("1130304041"));
        row(pj, "Livraria Saber", "HOME_PAGE", QStringLiteral("https://livrariasaber.example"));
        // webmail CSV
        row(pf, "Beatriz Gonçalves", "APELIDO", QStringLiteral("Bia"));
        row(pf, "Beatriz Gonçalves", "FONE_CELULAR", QStringLiteral("11912345678"));
        row(pf, "Beatriz Gonçalves", "FONE_RESIDENCIAL", QStringLiteral("1123456789"));
        row(pf, "Beatriz Gonçalves", "RUA", QStringLiteral("Rua Augusta"));
        row(pf, "Beatriz Gonçalves", "NUMERO", QStringLiteral("900"));
        row(pf, "Beatriz Gonçalves", "BAIRRO", QStringLiteral("Consolação"));
        row(pf, "Beatriz Gonçalves", "COMPLEMENTO", QStringLiteral("Sala 3"));
        row(pf, "Beatriz Gonçalves", "CEP", QStringLiteral("1304001"));
        row(pf, "Beatriz Gonçalves", "LOCAL_TRABALHO", QStringLiteral("Empresa Ltda"));
        row(pf, "Beatriz Gonçalves", "PROFISSAO", QStringLiteral("Analista"));
        row(pf, "Beatriz Gonçalves", "MSN", QStringLiteral("beatriz@empresa.com.br"));
        row(pf, "Beatriz Gonçalves", "DATA_NASCIMENTO", QStringLiteral("1990-07-25"));
        row(pf, "Beatriz Gonçalves", "NOME_GRUPO", QStringLiteral("Amigos"));
        row(pf, "Beatriz Gonçalves", "OBS",
            QStringLiteral("Gosta de café,\r\nmas não de chá.\r\nCelular: +55 11 95555-4444"));
        row(pj, "Transportes Rápidos", "FONE", QStringLiteral("5132109876"));
        row(pj, "Transportes Rápidos", "FONE_FAX", QStringLiteral("5132109877"));
        row(pj, "Transportes Rápidos", "RUA", QStringLiteral("Av. Ipiranga"));
        row(pj, "Transportes Rápidos", "NUMERO", QStringLiteral("1000"));
        row(pj, "Transportes Rápidos", "CIDADE", QStringLiteral("Porto Alegre"));
        row(pj, "Transportes Rápidos", "HOME_PAGE", QStringLiteral("https://rapidos.example"));
        // desktop CSV, ";" and Windows-1252
        row(pf, "João Ferreira", "TRATAMENTO", QStringLiteral("Sr."));
        row(pf, "João Ferreira", "LOCAL_TRABALHO", QStringLiteral("Construtora Alfa"));
        row(pf, "João Ferreira", "PROFISSAO", QStringLiteral("Engenheiro civil"));
        row(pf, "João Ferreira", "FONE_COMERCIAL", QStringLiteral("4133332222"));
        row(pf, "João Ferreira", "FONE_RESIDENCIAL", QStringLiteral("4132321212"));
        row(pf, "João Ferreira", "FONE_CELULAR", QStringLiteral("41988887777"));
        row(pf, "João Ferreira", "RUA", QStringLiteral("Rua Sete de Setembro"));
        row(pf, "João Ferreira", "NUMERO", QStringLiteral("77"));
        row(pf, "João Ferreira", "ESTADO", QStringLiteral("PR"));
        row(pf, "João Ferreira", "DATA_NASCIMENTO", QStringLiteral("1970-04-03"));
        row(pf, "João Ferreira", "NOME_GRUPO", QStringLiteral("Clientes"));
        row(pf, "João Ferreira", "OBS",
            QStringLiteral("Obra na \"Vila Nova\"; visita às sextas\r\nE-mail: jf@pessoal.net\r\n"
                           "Telefone: (41) 3030-3030\r\nTelefone: (41) 3131-3131\r\nDepartamento: Obras"));
        row(pf, "Inês Araújo", "FONE_CELULAR", QStringLiteral("11976543210"));
        row(pf, "Inês Araújo", "OBS", QStringLiteral("Site: https://ines.example"));
        // desktop CSV, "," and UTF-8
        row(pf, "Sérgio Mendes", "FONE_CELULAR", QStringLiteral("85991234567"));
        row(pf, "Sérgio Mendes", "PROFISSAO", QStringLiteral("Professor"));
        row(pf, "Sérgio Mendes", "DATA_NASCIMENTO", QStringLiteral("1968-12-25"));
        row(pj, "Ótica Visão", "FONE", QStringLiteral("8532610000"));
        row(pj, "Ótica Visão", "OBS", QStringLiteral("Aberta aos sábados"));
    }
    void fixturesImportColumnByColumn()
    {
        QFETCH(QString, tabela);
        QFETCH(QString, nome);
        QFETCH(QString, expressao);
        QFETCH(QString, valor);
        static bool importado = false;
        if (!importado) {
            importado = true;
            limpar();
            QList<ContatoImportado> itens;
            for (const char *arquivo :
                 {"contatos_celular_21.vcf", "contatos_webmail_30.vcf", "contatos_40.vcf",
                  "contatos_webmail.csv", "contatos_desktop_1252.csv", "contatos_desktop.csv"})
                itens += mapear(contatosDe(QString::fromLatin1(arquivo)));
            QCOMPARE(itens.size(), 14);
            // the one with "Ł" waits for an edit: left out here
            for (ContatoImportado &i : itens)
                if (!i.recusas.isEmpty())
                    i.importar = false;
            ImportacaoContatos::Opcoes op;
            op.grupo = m_grupo;
            op.gruposPorCategoria = true;
            ImportacaoContatos::Resumo resumo;
            const DbResult r = ImportacaoContatos::Gravar(db(), itens, op, &resumo);
            QVERIFY2(r.ok, qPrintable(r.error));
            QCOMPARE(resumo.importados, 13);
            QCOMPARE(resumo.puladosUsuario, 1);
            QCOMPARE(count(db(), QStringLiteral("IMAGEM")), 2);
        }
        QCOMPARE(coluna(tabela, nome, expressao), valor);
    }

    // The album keeps the photo's own bytes.
    void photoBytesKept()
    {
        const QString foto =
            scalar(db(),
                   QStringLiteral("SELECT COUNT(*) FROM IMAGEM I JOIN PESSOAFISICA P ON P.IDENTIFICADOR ="
                                  " I.ID_PESSOA WHERE P.NOME = 'Carlos Eduardo Lima'"))
                .toString();
        QCOMPARE(foto, QStringLiteral("1"));
        QByteArray bytes;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT I.FOTO FROM IMAGEM I JOIN PESSOAFISICA P ON P.IDENTIFICADOR ="
                                      " I.ID_PESSOA WHERE P.NOME = 'José Antônio'"));
            q.open();
            QVERIFY(q.next());
            bytes = q.field(0).asBytes();
        });
        QCOMPARE(bytes, jpegMinimo());
    }

    // "Ł" cannot be stored: the contact says so (field and character) and
    // the import is refused with nothing written until the name is edited.
    void unencodableBlocksUntilEdited()
    {
        limpar();
        QList<ContatoImportado> itens = mapear(contatosDe(QStringLiteral("contatos_40.vcf")));
        QCOMPARE(itens[0].pf.Nome, QStringLiteral("Łukasz Nowak"));
        QCOMPARE(itens[0].recusas.size(), 1);
        QVERIFY(itens[0].recusas[0].contains(QStringLiteral("\"Nome\"")));
        QVERIFY(itens[0].recusas[0].contains(QStringLiteral("Ł")));
        ImportacaoContatos::Opcoes op;
        op.grupo = m_grupo;
        DbResult r = ImportacaoContatos::Gravar(db(), itens, op);
        QVERIFY(!r.ok);
        QVERIFY(r.recusado);
        QVERIFY(r.error.contains(QStringLiteral("Ł")));
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")) + count(db(), QStringLiteral("PESSOAJURIDICA")),
                 0);
        itens[0].pf.Nome = QStringLiteral("Lukasz Nowak");
        ImportacaoContatos::Validar(itens[0]);
        QVERIFY(itens[0].recusas.isEmpty());
        r = ImportacaoContatos::Gravar(db(), itens, op);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(coluna(QStringLiteral("PESSOAFISICA"), QStringLiteral("Lukasz Nowak"),
                        QStringLiteral("FONE_CELULAR")),
                 QStringLiteral("0048601234567"));
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // A name too long for its column is reported with its length.
    void tooLongIsReported()
    {
        Contato c;
        c.nomeFormatado = QStringLiteral("Ana");
        c.cargo = QString(31, QLatin1Char('x'));
        const ContatoImportado item = ImportacaoContatos::Mapear(c);
        QCOMPARE(item.recusas.size(), 1);
        QVERIFY(item.recusas[0].contains(QStringLiteral("\"Profissão\"")));
        QVERIFY(item.recusas[0].contains(QStringLiteral("31 caracteres")));
    }

    // Sound-alikes of stored names are marked from one statement per kind
    // and batch; skipping them all stores none of them.
    void soundAlikesMarkedAndSkipped()
    {
        limpar();
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Luiz Fernando Souza"), m_grupo, kBia, 0) > 0);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Padaria Pao Kente"), m_grupo, kBia, 0) > 0);
        QList<Contato> contatos;
        for (int i = 0; i < 450; ++i) {
            Contato c;
            c.nomeFormatado = QStringLiteral("Pessoa Nova %1").arg(i);
            contatos << c;
        }
        Contato luis;
        luis.nomeFormatado = QStringLiteral("Luís Fernando Sousa");
        contatos.insert(300, luis);
        Contato padaria;
        padaria.organizacao = QStringLiteral("Padaria Pão Quente");
        contatos << padaria;
        QList<ContatoImportado> itens = mapear(contatos);
        const quint64 antes = Database::statementCount();
        const DbResult r = ImportacaoContatos::MarcarSemelhantes(db(), itens);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes,
                 quint64(3 + 1)); // 451 individuals in 3 batches, 1 company
        QCOMPARE(itens[300].semelhantes, QStringList{QStringLiteral("Luiz Fernando Souza")});
        QCOMPARE(itens.last().semelhantes, QStringList{QStringLiteral("Padaria Pao Kente")});
        int marcados = 0;
        for (const ContatoImportado &i : std::as_const(itens))
            marcados += i.semelhantes.isEmpty() ? 0 : 1;
        QCOMPARE(marcados, 2);
        QCOMPARE(ImportacaoContatos::PularSemelhantes(itens), 2);
        itens[0].importar = false; // and one the user left out
        ImportacaoContatos::Opcoes op;
        op.grupo = m_grupo;
        op.publicas = true;
        ImportacaoContatos::Resumo resumo;
        const DbResult g = ImportacaoContatos::Gravar(db(), itens, op, &resumo);
        QVERIFY2(g.ok, qPrintable(g.error));
        QCOMPARE(resumo.importados, 449);
        QCOMPARE(resumo.puladosSemelhantes, 2);
        QCOMPARE(resumo.puladosUsuario, 1);
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"), QStringLiteral("NOME = 'Luís Fernando Sousa'")),
                 0);
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA")), 1);
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"), QStringLiteral("PUBLICA = 1 AND LOGIN = 'ana'")),
                 449);
    }

    // A failure on the 500th insert of 1,000 leaves no imported row (and
    // no group made for a category).
    void failureHalfwayLeavesNothing()
    {
        limpar();
        QList<Contato> contatos;
        for (int i = 0; i < 1000; ++i) {
            Contato c;
            c.nomeFormatado = QStringLiteral("Contato %1").arg(i);
            c.categorias << QStringLiteral("Categoria nova");
            contatos << c;
        }
        QList<ContatoImportado> itens = mapear(contatos);
        ImportacaoContatos::Opcoes op;
        op.grupo = m_grupo;
        op.gruposPorCategoria = true;
        int vistos = 0;
        const DbResult r = ImportacaoContatos::Gravar(db(), itens, op, nullptr, [&](int feitos, int total) {
            QCOMPARE(total, 1000);
            vistos = feitos;
            if (feitos == 499)
                throw DbError(QStringLiteral("falha simulada"));
        });
        QVERIFY(!r.ok);
        QCOMPARE(r.error, QStringLiteral("falha simulada"));
        QCOMPARE(vistos, 499);
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), 0);
        QCOMPARE(count(db(), QStringLiteral("GRUPO"), QStringLiteral("NOME_GRUPO = 'Categoria nova'")), 0);
        QCOMPARE(Transaction::openCount(), 0);
        for (const ContatoImportado &i : std::as_const(itens))
            QCOMPARE(i.pf.Identificador, 0);
    }

    // Export -> import into empty tables gives the same persons back, column
    // by column, through vCard and through CSV.
    void exportThenImportGivesTheSamePersons_data()
    {
        QTest::addColumn<bool>("vcard");
        QTest::newRow("vCard") << true;
        QTest::newRow("CSV") << false;
    }
    void exportThenImportGivesTheSamePersons()
    {
        QFETCH(bool, vcard);
        limpar();
        const QStringList colunasPF = {QStringLiteral("NOME"),
                                       QStringLiteral("TRATAMENTO"),
                                       QStringLiteral("APELIDO"),
                                       QStringLiteral("EMAIL"),
                                       QStringLiteral("MSN"),
                                       QStringLiteral("FONE_RESIDENCIAL"),
                                       QStringLiteral("FONE_COMERCIAL"),
                                       QStringLiteral("FONE_CELULAR"),
                                       QStringLiteral("PROFISSAO"),
                                       QStringLiteral("LOCAL_TRABALHO"),
                                       QStringLiteral("DATA_NASCIMENTO"),
                                       QStringLiteral("RUA"),
                                       QStringLiteral("NUMERO"),
                                       QStringLiteral("BAIRRO"),
                                       QStringLiteral("CIDADE"),
                                       QStringLiteral("ESTADO"),
                                       QStringLiteral("CEP"),
                                       QStringLiteral("CP"),
                                       QStringLiteral("COMPLEMENTO"),
                                       QStringLiteral("OBS"),
                                       QStringLiteral("NOME_GRUPO")};
        const QStringList colunasPJ = {
            QStringLiteral("NOME"),        QStringLiteral("EMAIL"),     QStringLiteral("FONE"),
            QStringLiteral("FONE_FAX"),    QStringLiteral("FONE_CEL"),  QStringLiteral("FONE_0800"),
            QStringLiteral("FONE_0300"),   QStringLiteral("HOME_PAGE"), QStringLiteral("RUA"),
            QStringLiteral("NUMERO"),      QStringLiteral("BAIRRO"),    QStringLiteral("CIDADE"),
            QStringLiteral("ESTADO"),      QStringLiteral("CEP"),       QStringLiteral("CP"),
            QStringLiteral("COMPLEMENTO"), QStringLiteral("OBS"),       QStringLiteral("NOME_GRUPO")};
        const int amigos = insertGrupo(db(), QStringLiteral("Amigos, próximos"));
        QVERIFY(exec(
            db(),
            QStringLiteral(
                "INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, TRATAMENTO, APELIDO, EMAIL, MSN,"
                " FONE_RESIDENCIAL, FONE_COMERCIAL, FONE_CELULAR, PROFISSAO, LOCAL_TRABALHO,"
                " DATA_NASCIMENTO, SEXO, ESTADO_CIVIL, INFORMAR_ANIVERSARIO, RUA, NUMERO, BAIRRO, CIDADE,"
                " ESTADO, CEP, CP, COMPLEMENTO, ENVIAR, OBS, PUBLICA, LOGIN) VALUES (:G, 'Conceição"
                " Araújo; \"Ção\"', 'Profa.', 'Ção', 'c@a.com', 'c2@b.com', '1133334444', '1144445555',"
                " '11987654321', 'Professora', 'Escola, Sol', '1961-02-28', 0, 0, 0, 'Rua Dr. Sá', 12,"
                " 'Sé', 'São Paulo', 'SP', 1001000, 4321, 'Fundos; casa 2', 1, 'Linha 1' || ASCII_CHAR(13)"
                " || ASCII_CHAR(10) || 'Linha 2, com vírgula', 0, 'ana')"),
            {{QStringLiteral("G"), amigos}}));
        QVERIFY(exec(
            db(),
            QStringLiteral(
                "INSERT INTO PESSOAJURIDICA (COD_GRUPO, NOME, EMAIL, FONE, FONE_FAX, FONE_CEL, FONE_0800,"
                " FONE_0300, HOME_PAGE, RUA, NUMERO, BAIRRO, CIDADE, ESTADO, CEP, CP, COMPLEMENTO,"
                " ENVIAR, OBS, PUBLICA, LOGIN) VALUES (:G, 'Açougue Boi Bom', 'b@boi.com', '3134567890',"
                " '3134567891', '31991112222', '08001234567', '03001234567', 'http://boi.example',"
                " 'Av. Brasil', 500, 'Centro', 'Belo Horizonte', 'MG', 30140000, 0, '', 1, 'Obs', 1,"
                " 'bia')"),
            {{QStringLiteral("G"), m_grupo}}));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Privada da Bia"), m_grupo, kBia, 0) > 0);
        const int id =
            scalar(db(), QStringLiteral("SELECT IDENTIFICADOR FROM PESSOAFISICA WHERE TRATAMENTO = 'Profa.'"))
                .toInt();
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("INSERT INTO IMAGEM (ID_PESSOA, FOTO, OBS) VALUES (:ID, :F, '')"));
            q.setInt(QStringLiteral("ID"), id);
            q.setBlob(QStringLiteral("F"), jpegMinimo());
            q.execute();
        });
        auto linhas = [&](const QString &tabela, const QStringList &colunas) {
            QStringList todas;
            for (const QString &nome :
                 {QStringLiteral("Conceição Araújo; \"Ção\""), QStringLiteral("Açougue Boi Bom")})
                for (const QString &c : colunas)
                    todas << c + QLatin1Char('=') + coluna(tabela, nome, c);
            return todas;
        };
        const QStringList pfAntes = linhas(QStringLiteral("PESSOAFISICA"), colunasPF);
        const QStringList pjAntes = linhas(QStringLiteral("PESSOAJURIDICA"), colunasPJ);

        QList<Contato> contatos;
        const quint64 antes = Database::statementCount();
        const DbResult r = ImportacaoContatos::Exportaveis(db(), kAna, {}, true, contatos);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(contatos.size(), 2); // the private row of another login stays out
        const QByteArray arquivo = vcard ? VCard::escrever(contatos, true) : ContatosCsv::escrever(contatos);
        if (vcard) {
            const VCard::Leitura estrita = VCard::ler(arquivo, true);
            QVERIFY2(estrita.problemas.isEmpty(), qPrintable(estrita.problemas.join(QLatin1Char('\n'))));
        }

        limpar();
        QList<ContatoImportado> itens =
            mapear(vcard ? VCard::ler(arquivo).contatos : ContatosCsv::ler(arquivo).contatos);
        QCOMPARE(itens.size(), 2);
        ImportacaoContatos::Opcoes op;
        op.grupo = m_grupo;
        op.gruposPorCategoria = true;
        const DbResult g = ImportacaoContatos::Gravar(db(), itens, op);
        QVERIFY2(g.ok, qPrintable(g.error));
        QCOMPARE(linhas(QStringLiteral("PESSOAFISICA"), colunasPF), pfAntes);
        QCOMPARE(linhas(QStringLiteral("PESSOAJURIDICA"), colunasPJ), pjAntes);
        // the photo travels in the vCard only
        QCOMPARE(count(db(), QStringLiteral("IMAGEM")), vcard ? 1 : 0);
    }

    // One group's persons, or the chosen ones.
    void exportFilters()
    {
        limpar();
        const int outro = insertGrupo(db(), QStringLiteral("Outro"));
        const int a = insertPessoaFisica(db(), QStringLiteral("A"), m_grupo, kAna, 0);
        const int b = insertPessoaFisica(db(), QStringLiteral("B"), outro, kAna, 0);
        const int c = insertPessoaJuridica(db(), QStringLiteral("C"), outro, kBia, 1);
        QVERIFY(a > 0 && b > 0 && c > 0);
        auto nomes = [&](const ImportacaoContatos::Filtro &f) {
            QList<Contato> contatos;
            const DbResult r = ImportacaoContatos::Exportaveis(db(), kAna, f, false, contatos);
            QStringList n;
            if (!r.ok)
                n << r.error;
            for (const Contato &k : std::as_const(contatos))
                n << k.nomeExibido();
            return n;
        };
        ImportacaoContatos::Filtro f;
        QCOMPARE(nomes(f), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
        f.grupo = outro;
        QCOMPARE(nomes(f), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));
        f = {};
        f.escolhidas = true;
        f.fisicas = {a};
        f.juridicas = {c};
        QCOMPARE(nomes(f), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
        f.fisicas = {};
        f.juridicas = {};
        QCOMPARE(nomes(f), QStringList{});
    }

    // Thousands of chosen persons (a long list's rows): read in batches of
    // bound identifiers, in the order the all-persons statement gives, and
    // still only what the user may see.
    void manyChosenExportInBatches()
    {
        limpar();
        // names out of identifier order, each twice (ties go by identifier),
        // some with an accented first letter (ordered by its byte, after Z),
        // the companies sharing names with individuals (individuals first)
        QVERIFY(exec(
            db(),
            QStringLiteral(
                "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 5000) DO BEGIN "
                "INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, NUMERO, CEP, CP, ENVIAR, PUBLICA, LOGIN,"
                " SEXO, ESTADO_CIVIL, INFORMAR_ANIVERSARIO, OBS) VALUES (%1, IIF(MOD(MOD(:I * 7919, 2500), "
                "7) = 0, 'Ágata ',"
                " 'Nome ') || MOD(:I * 7919, 2500), 0, 0, 0, 1, MOD(:I, 2), 'ana', 0, 0, 0, 'pf ' || :I);"
                " I = I + 1; END "
                "I = 0; WHILE (I < 30) DO BEGIN "
                "INSERT INTO PESSOAJURIDICA (COD_GRUPO, NOME, NUMERO, CEP, CP, ENVIAR, PUBLICA, LOGIN,"
                " OBS) VALUES (%1, 'Nome ' || (:I * 13), 0, 0, 0, 1, 1, 'bia', 'pj ' || :I);"
                " I = I + 1; END END")
                .arg(m_grupo)));
        const int privadaPF = insertPessoaFisica(db(), QStringLiteral("Nome 1 da Bia"), m_grupo, kBia, 0);
        const int privadaPJ = insertPessoaJuridica(db(), QStringLiteral("Nome 2 da Bia"), m_grupo, kBia, 0);
        QVERIFY(privadaPF > 0 && privadaPJ > 0);
        auto ids = [&](const QString &tabela) {
            QList<qint32> l;
            dbOperationOuFalha(db(), [&](Transaction &t) {
                Query q(t, QStringLiteral("SELECT IDENTIFICADOR FROM %1 ORDER BY NOME DESC").arg(tabela));
                q.open();
                while (q.next())
                    l << q.field(0).asInt();
            });
            return l;
        };
        auto linhas = [&](const ImportacaoContatos::Filtro &f, quint64 *comandos) {
            QList<Contato> contatos;
            const quint64 antes = Database::statementCount();
            const DbResult r = ImportacaoContatos::Exportaveis(db(), kAna, f, false, contatos);
            *comandos = Database::statementCount() - antes;
            QStringList l;
            if (!r.ok)
                l << r.error;
            for (const Contato &c : std::as_const(contatos))
                l << c.nomeExibido() + QLatin1Char('|') + c.notas;
            return l;
        };

        quint64 comandos = 0;
        const QStringList todas = linhas({}, &comandos);
        QCOMPARE(todas.size(), 5030); // the private rows of another login stay out
        ImportacaoContatos::Filtro f;
        f.escolhidas = true;
        f.fisicas = ids(QStringLiteral("PESSOAFISICA")); // the private one among them
        f.juridicas = ids(QStringLiteral("PESSOAJURIDICA"));
        QCOMPARE(f.fisicas.size(), 5001);
        f.fisicas << f.fisicas.first(); // a row listed twice leaves once
        QCOMPARE(linhas(f, &comandos), todas);
        QCOMPARE(comandos, quint64(11 + 1)); // 5,001 individuals in batches of 500, the companies in one

        // a few chosen ones: only theirs, in the same order
        f.fisicas = f.fisicas.mid(0, 3);
        f.juridicas = {privadaPJ};
        const QStringList poucas = linhas(f, &comandos);
        QCOMPARE(comandos, quint64(2));
        QCOMPARE(poucas.size(), 3);
        QStringList esperadas;
        for (const QString &l : todas)
            if (poucas.contains(l))
                esperadas << l;
        QCOMPARE(poucas, esperadas);
    }
};

QTEST_GUILESS_MAIN(TestImportacaoContatos)
#include "TestImportacaoContatos.moc"
