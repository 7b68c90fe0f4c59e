// The addresses collected for labels and envelopes on one seeded database,
// seen by "ana", and the lines each label and envelope prints.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/ImpressaoEtiquetas.h"
#include "model/PesquisaEtiquetas.h"
#include "model/TEtiqueta.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/PessoasSemeadas.h"
#include "support/TestFolder.h"

#include <QtTest>

using namespace DbHelpers;
using P = PesquisaEtiquetas::Pedido;

Q_DECLARE_METATYPE(PesquisaEtiquetas::Pedido)

namespace {

QStringList nomes(const QList<EnderecoEtiqueta> &l)
{
    QStringList n;
    for (const auto &e : l)
        n << e.NomeNaLista();
    return n;
}

QStringList lista(const char *texto)
{
    return texto[0] ? QString::fromUtf8(texto).split(QLatin1Char('|')) : QStringList();
}

P pedido(int tipo, int filtro, const char *texto = "", int numero = 0)
{
    P p;
    p.login = QStringLiteral("ana");
    p.tipo = tipo;
    p.filtro = filtro;
    p.texto = QString::fromUtf8(texto);
    p.numero = numero;
    return p;
}

} // namespace

class TestPesquisaEtiquetas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    PessoasSemeadas m_s;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(m_s.semear(db()));
        // a company without contact persons, with quotes in its address
        const int epsilon = insertPessoaJuridica(db(), QStringLiteral("Epsilon Sem Contato"), m_s.amigos,
                                                 QStringLiteral("ana"), 1);
        QVERIFY(epsilon > 0);
        QVERIFY(exec(
            db(),
            QStringLiteral("UPDATE PESSOAJURIDICA SET RUA = 'Rua D''Avila', NUMERO = 5, "
                           "BAIRRO = 'Vila ''Nova''', CIDADE = 'Sorocaba', ESTADO = 'SP', CEP = 1234567, "
                           "CP = 5, COMPLEMENTO = 'Sala 2', ENVIAR = 1 WHERE IDENTIFICADOR = :ID"),
            {{QStringLiteral("ID"), epsilon}}));
    }
    void cleanupTestCase() { m_dm.reset(); }
    void init() { m_seams.messages->clear(); }

    void filtros_data()
    {
        QTest::addColumn<P>("pedido");
        QTest::addColumn<QStringList>("esperado"); // grid names, in list order
        namespace E = PesquisaEtiquetas;
        auto linha = [](const char *nome, const P &p, const char *esperado) {
            QTest::newRow(nome) << p << lista(esperado);
        };
        linha("name, individuals", pedido(E::Fisicas, E::Nome, "souza"), "Sr. Daniel Souza|Dra. Ana Souza");
        linha("everything, both kinds: companies, individuals, contacts",
              pedido(E::FisicasEJuridicas, E::Nome),
              "Delta Ltda|Beta Serviços|Epsilon Sem Contato|Alfa Comércio|Sr. Daniel Souza|Dra. Ana Souza|"
              "Profa. Élida Mota|Delta Ltda :: Dora Delta|Beta Serviços :: Bia Contato|"
              "Alfa Comércio :: Carlos Alfa|Alfa Comércio :: Zeca Semdata");
        P semContatos = pedido(E::Juridicas, E::Nome, "a");
        semContatos.contatos = false;
        linha("companies without contacts", semContatos,
              "Delta Ltda|Beta Serviços|Epsilon Sem Contato|Alfa Comércio");
        linha("a company without contact persons has one label", pedido(E::Juridicas, E::Nome, "epsilon"),
              "Epsilon Sem Contato");
        linha("street with a quote is bound", pedido(E::Juridicas, E::Rua, "d'avila"), "Epsilon Sem Contato");
        linha("district with quotes is bound", pedido(E::Juridicas, E::Bairro, "vila 'nova'"),
              "Epsilon Sem Contato");
        linha("city", pedido(E::Fisicas, E::Cidade, "paulo"), "Dra. Ana Souza|Profa. Élida Mota");
        linha("state, lower case", pedido(E::Juridicas, E::Estado, "rj"),
              "Delta Ltda|Delta Ltda :: Dora Delta");
        linha("ENVIAR 0 and other users' private rows stay out", pedido(E::Fisicas, E::Estado, "RJ"), "");
        P grupos = pedido(E::FisicasEJuridicas, E::Grupos);
        grupos.grupos = {QStringLiteral("amigos"), QStringLiteral("Vizinhos")};
        // the companies of both kinds come group by group
        linha("groups, both kinds", grupos,
              "Delta Ltda|Epsilon Sem Contato|Beta Serviços|Sr. Daniel Souza|Dra. Ana Souza|"
              "Delta Ltda :: Dora Delta|Beta Serviços :: Bia Contato");
        P grupoAspas = pedido(E::Fisicas, E::Grupos);
        grupoAspas.grupos = {QStringLiteral("Amigos') OR ('1'='1")};
        linha("a group name cannot open the statement", grupoAspas, "");
        linha("birth month lists individuals whatever the kind",
              pedido(E::Juridicas, E::MesNascimento, "", 12), "Profa. Élida Mota");
        linha("voter title", pedido(E::Fisicas, E::TituloEleitor, "abc123"), "Profa. Élida Mota");
        linha("zone", pedido(E::Fisicas, E::Zona, "", 10), "Sr. Daniel Souza|Dra. Ana Souza");
        linha("section", pedido(E::Fisicas, E::Seccao, "", 100), "Dra. Ana Souza|Profa. Élida Mota");
        linha("profession runs as individuals for companies too", pedido(E::Juridicas, E::Profissao, "médic"),
              "Sr. Daniel Souza|Dra. Ana Souza");
        linha("work place", pedido(E::FisicasEJuridicas, E::LocalTrabalho, "escola"), "Profa. Élida Mota");
        P completo = pedido(E::Fisicas, E::EnderecoCompleto);
        completo.bairro = QStringLiteral(" centro ");
        completo.cidade = QStringLiteral("são paulo");
        completo.uf = QStringLiteral("sp");
        completo.ruasExcluidas = {QStringLiteral("palmeiras")};
        linha("complete address leaving a street out (lower case)", completo, "Dra. Ana Souza");
        P porSom = pedido(E::Juridicas, E::EnderecoCompleto);
        porSom.uf = QStringLiteral("SP");
        porSom.ruasExcluidas = {QStringLiteral("augusta")};
        linha("companies leave streets out by sound, with their contacts", porSom,
              "Epsilon Sem Contato|Beta Serviços|Beta Serviços :: Bia Contato");
    }
    void filtros()
    {
        QFETCH(P, pedido);
        QFETCH(QStringList, esperado);
        QList<EnderecoEtiqueta> enderecos;
        enderecos.append(EnderecoEtiqueta{}); // emptied first
        const quint64 antes = Database::statementCount();
        QVERIFY(PesquisaEtiquetas::Pesquisar(db(), pedido, &enderecos));
        QCOMPARE(nomes(enderecos), esperado);
        QVERIFY2(m_seams.messages->shown.isEmpty(),
                 qPrintable(m_seams.messages->shown.join(QLatin1Char('\n'))));
        // one statement per kind and one for the contacts, whatever the rows
        QVERIFY(Database::statementCount() - antes <= 3);
    }

    void ctrlEShiftMudamAsPessoasFisicas()
    {
        P p = pedido(PesquisaEtiquetas::Fisicas, PesquisaEtiquetas::Nome, "ana souza");
        p.ctrl = true;
        p.shift = true;
        QList<EnderecoEtiqueta> e;
        QVERIFY(PesquisaEtiquetas::Pesquisar(db(), p, &e));
        QCOMPARE(e.size(), 1);
        QCOMPARE(e[0].Nome, QStringLiteral("Ana Souza :: Médica"));
        QCOMPARE(e[0].LocalTrabalho, QStringLiteral("Hospital Central"));
        QCOMPARE(e[0].Titulo, QStringLiteral("Dra."));

        QVERIFY(exec(db(), QStringLiteral("UPDATE PESSOAFISICA SET PROFISSAO = '' WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), m_s.daniel}}));
        p.texto = QStringLiteral("daniel");
        QVERIFY(PesquisaEtiquetas::Pesquisar(db(), p, &e));
        QCOMPARE(e[0].Nome, QStringLiteral("Daniel Souza"));
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAFISICA SET PROFISSAO = 'Médico' WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), m_s.daniel}}));
    }

    void enderecoCompletoDaLinha()
    {
        QList<EnderecoEtiqueta> e;
        QVERIFY(PesquisaEtiquetas::Pesquisar(
            db(), pedido(PesquisaEtiquetas::Juridicas, PesquisaEtiquetas::Nome, "epsilon"), &e));
        QCOMPARE(e.size(), 1);
        const EnderecoEtiqueta &x = e[0];
        QCOMPARE(x.Rua, QStringLiteral("Rua D'Avila"));
        QCOMPARE(x.Numero, 5);
        QCOMPARE(x.Bairro, QStringLiteral("Vila 'Nova'"));
        QCOMPARE(x.Cidade, QStringLiteral("Sorocaba"));
        QCOMPARE(x.Estado, QStringLiteral("SP"));
        QCOMPARE(x.CEP, 1234567);
        QCOMPARE(x.CP, 5);
        QCOMPARE(x.Complemento, QStringLiteral("Sala 2"));
        QVERIFY(x.Titulo.isEmpty() && x.Contato.vazio());
    }

    // a text Windows-1252 cannot hold is refused with a message, not sent as "?"
    void textoForaDoWindows1252()
    {
        QList<EnderecoEtiqueta> e;
        QVERIFY(!PesquisaEtiquetas::Pesquisar(
            db(), pedido(PesquisaEtiquetas::FisicasEJuridicas, PesquisaEtiquetas::Nome, "Ana \u6F22"), &e));
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(e.isEmpty());
    }

    void linhasDaEtiqueta()
    {
        EnderecoEtiqueta e;
        e.Nome = QStringLiteral("Epsilon Sem Contato");
        e.Rua = QStringLiteral("Rua D'Avila");
        e.Numero = 5;
        e.Bairro = QStringLiteral("Vila 'Nova'");
        e.Cidade = QStringLiteral("Sorocaba");
        e.Estado = QStringLiteral("SP");
        e.CEP = 1234567;
        e.CP = 5;
        e.Complemento = QStringLiteral("Sala 2");
        const QList<LinhaEtiqueta> primeira = LinhasEtiqueta(e, 0.4, true, false);
        const QList<LinhaEtiqueta> esperada = {
            {QStringLiteral("Epsilon Sem Contato"), 0.23, 0},
            {QStringLiteral("Rua D'Avila , 05"), 0.63, 0},
            {QStringLiteral("Vila 'Nova'"), 1.03, 0},
            {QStringLiteral("CEP: 01234-567 - Sorocaba - SP - CP: 05"), 1.43, 0},
            {QStringLiteral("Sala 2"), 1.83, 8},
        };
        QCOMPARE(primeira.size(), esperada.size());
        for (int i = 0; i < esperada.size(); ++i) {
            QCOMPARE(primeira[i].Texto, esperada[i].Texto);
            QVERIFY(qAbs(primeira[i].Deslocamento - esperada[i].Deslocamento) < 1e-9);
            QCOMPARE(primeira[i].Pontos, esperada[i].Pontos);
        }

        // a contact person's label, from the selection, not the first of the job
        e.Titulo = QStringLiteral("Sr.");
        e.Contato = {QStringLiteral("Zé"), QStringLiteral("Compras")};
        e.LocalTrabalho = QStringLiteral("Loja");
        e.Numero = 0;
        e.CP = 0;
        QStringList textos;
        QList<double> d;
        for (const LinhaEtiqueta &l : LinhasEtiqueta(e, 0.37, false, true)) {
            textos << l.Texto;
            d << l.Deslocamento;
        }
        QCOMPARE(textos,
                 QStringList({QStringLiteral("Sr."), QStringLiteral("Epsilon Sem Contato"),
                              QStringLiteral("Zé :: Compras"), QStringLiteral("Loja"),
                              QStringLiteral("Rua D'Avila"), QStringLiteral("Vila 'Nova'"),
                              QStringLiteral("CEP: 01234-567 - Sorocaba - SP"), QStringLiteral("Sala 2")}));
        // the contact line is followed by half a centimetre
        QVERIFY(qAbs(d[3] - d[2] - 0.5) < 1e-9);
        e.Numero = 7;
        QCOMPARE(LinhasEtiqueta(e, 0.37, false, true)[4].Texto, QStringLiteral("Rua D'Avila, 07"));
    }

    void linhasDoEnvelope()
    {
        EnderecoEtiqueta e;
        e.Titulo = QStringLiteral("Dra.");
        e.Nome = QStringLiteral("Ana Souza");
        e.Rua = QStringLiteral("Rua das Flores");
        e.Bairro = QStringLiteral("Centro");
        e.Cidade = QStringLiteral("São Paulo");
        e.Estado = QStringLiteral("SP");
        e.CEP = 1234567;
        e.CP = 5;
        QStringList textos;
        for (const LinhaEtiqueta &l : LinhasEnvelope(e))
            textos << l.Texto;
        QCOMPARE(textos, QStringList({QStringLiteral("Dra. Ana Souza"), QStringLiteral("Rua das Flores, s/n"),
                                      QStringLiteral("Centro - São Paulo - SP"),
                                      QStringLiteral("CEP: 01234-567 -- CP: 005")}));
        QCOMPARE(LinhasEnvelope(e).first().Pontos, 12.0);
    }

    void posicoes_data()
    {
        QTest::addColumn<int>("modelo");
        QTest::addColumn<int>("posicao");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("6181, first") << 0 << 1 << 0.5 << 1.06;
        QTest::newRow("6181, 20th") << 0 << 20 << 11.2 << 9 * 2.54 + 1.06;
        QTest::newRow("6182, 4th") << 1 << 4 << 11.2 << 3.39 + 2.16;
        QTest::newRow("6183, 5th: third row, left") << 2 << 5 << 0.5 << 2 * 5.08 + 1.55;
        QTest::newRow("6281, 2nd") << 3 << 2 << 11.0 << 1.06;
        QTest::newRow("A4362, 15th") << 4 << 15 << 0.5 << 7 * 3.39 + 1.46;
    }
    void posicoes()
    {
        QFETCH(int, modelo);
        QFETCH(int, posicao);
        QFETCH(double, x);
        QFETCH(double, y);
        const QPointF p = PosicaoEtiqueta(ModelosEtiqueta().at(modelo), posicao);
        QVERIFY(qAbs(p.x() - x) < 1e-9);
        QVERIFY2(qAbs(p.y() - y) < 1e-9, qPrintable(QString::number(p.y())));
    }

    void folhas()
    {
        QCOMPARE(FolhasEtiqueta(ModelosEtiqueta().at(0), 20), 1);
        QCOMPARE(FolhasEtiqueta(ModelosEtiqueta().at(0), 21), 2);
        QCOMPARE(FolhasEtiqueta(ModelosEtiqueta().at(1), 0), 0);
    }

    void margens_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valida");
        QTest::addColumn<double>("cm");
        QTest::newRow("comma") << QStringLiteral("1,50") << true << 1.5;
        QTest::newRow("point") << QStringLiteral("2.5") << true << 2.5;
        QTest::newRow("whole") << QStringLiteral(" 3 ") << true << 3.0;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("two commas") << QStringLiteral("1,,5") << false << 0.0;
        QTest::newRow("dollar") << QStringLiteral("1$5") << false << 0.0;
        QTest::newRow("negative") << QStringLiteral("-1") << false << 0.0;
    }
    void margens()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valida);
        QFETCH(double, cm);
        double lido = -1;
        QCOMPARE(ImpressaoEtiquetas::LerCentimetros(texto, &lido), valida);
        if (valida)
            QCOMPARE(lido, cm);
    }

    // "Arial" prints with its metric twin; an unknown family is named in a message
    void fontes()
    {
        QVERIFY2(ImpressaoEtiquetas::FonteNaoEncontrada(QFont(QStringLiteral("Arial"), 10)).isEmpty(),
                 qPrintable(ImpressaoEtiquetas::FonteNaoEncontrada(QFont(QStringLiteral("Arial"), 10))));
        const QString falta =
            ImpressaoEtiquetas::FonteNaoEncontrada(QFont(QStringLiteral("Fonte Que Nao Existe")));
        QVERIFY(falta.contains(QStringLiteral("\"Fonte Que Nao Existe\"")));
    }
};

QTEST_MAIN(TestPesquisaEtiquetas)
#include "TestPesquisaEtiquetas.moc"
