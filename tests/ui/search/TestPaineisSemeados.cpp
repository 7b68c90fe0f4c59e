// The name-search panels on the seeded population: the rows a grid shows
// (who, in what order, every text and the emergency colour) are what the
// complete record of each person gives, in every search mode of both panels.
#include "data/TDM.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "model/TUsuario.h"
#include "support/FakeSeams.h"
#include "support/PessoasSemeadas.h"
#include "support/TestFolder.h"
#include "ui/common/GroupList.h"
#include "ui/search/ResultadoPesquisaModel.h"
#include "ui/search/TFrame_Pesquisa_Juridica.h"
#include "ui/search/TframePesquisaNome.h"
#include "util/TextUtils.h"

#include <QLineEdit>
#include <QTableView>
#include <QtTest>

namespace {

// The grid's rows: the five cells and whether the row is drawn as an emergency one.
QStringList linhas(const QTableView *grade, int pessoas)
{
    QStringList out;
    const QAbstractItemModel *m = grade->model();
    for (int r = 0; r < pessoas; ++r) {
        QStringList celulas;
        for (int c = 0; c < m->columnCount(); ++c)
            celulas << m->index(r, c).data().toString();
        if (m->index(r, 1).data(Qt::BackgroundRole).value<QColor>() == ResultadoPesquisaModel::corGuia())
            celulas << QStringLiteral("GUIA");
        out << celulas.join(QLatin1Char('|'));
    }
    return out;
}

QString numero(int linha)
{
    return QStringLiteral("%1").arg(linha + 1, 4, 10, QLatin1Char('0'));
}

} // namespace

class TestPaineisSemeados : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_ana;
    PessoasSemeadas m_s;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(m_s.semear(m_dm->BancoDados));
        m_ana.Login = QStringLiteral("ana");
        TUsuario::setAtual(&m_ana);
    }
    void cleanupTestCase() { TUsuario::setAtual(nullptr); }

    void individualsAsTheirRecordsShowThem_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("nomes");
        QTest::newRow("every visible person")
            << TframePesquisaNome::ModoNome << QString()
            << QStringList{QStringLiteral("Ana Souza"), QStringLiteral("Bruno Lima"),
                           QStringLiteral("Daniel Souza"), QStringLiteral("Élida Mota")};
        QTest::newRow("sound of the name")
            << TframePesquisaNome::ModoFonetico << QStringLiteral("souza")
            << QStringList{QStringLiteral("Ana Souza"), QStringLiteral("Daniel Souza")};
        QTest::newRow("group") << TframePesquisaNome::ModoGrupo << QString()
                               << QStringList{QStringLiteral("Ana Souza")};
    }
    void individualsAsTheirRecordsShowThem()
    {
        QFETCH(int, modo);
        QFETCH(QString, texto);
        QFETCH(QStringList, nomes);
        TframePesquisaNome painel;
        painel.resize(900, 500);
        painel.CarregarGrupos();
        painel.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(texto);
        painel.findChild<QLineEdit *>(QStringLiteral("edtNomeF"))->setText(texto);
        QVERIFY(painel.findChild<GroupList *>(QStringLiteral("txtGrupo"))->selecionarCodigo(m_s.amigos));
        painel.Pesquisar(modo);
        QCOMPARE(m_seams.messages->shown, QStringList());

        QStringList achados, esperadas;
        for (qsizetype i = 0; i < painel.PessoasEncontradas().size(); ++i) {
            TPessoaFisica p;
            p.Identificador = painel.PessoasEncontradas().at(i).Identificador;
            QVERIFY(p.Carregar());
            achados << p.Nome;
            QStringList celulas{numero(int(i)), p.Tratamento + QLatin1Char(' ') + p.Nome, p.Apelido,
                                FormatPhone(p.FoneResidencial), p.Login};
            if (p.Guia == 1)
                celulas << QStringLiteral("GUIA");
            esperadas << celulas.join(QLatin1Char('|'));
        }
        QCOMPARE(achados, nomes);
        QCOMPARE(linhas(painel.grade(), int(nomes.size())), esperadas);
    }

    void companiesAsTheirRecordsShowThem_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("nomes");
        QTest::newRow("every visible company")
            << TFrame_Pesquisa_Juridica::ModoNome << QString()
            << QStringList{QStringLiteral("Alfa Comércio"), QStringLiteral("Beta Serviços"),
                           QStringLiteral("Delta Ltda")};
        QTest::newRow("part of the name")
            << TFrame_Pesquisa_Juridica::ModoNome << QStringLiteral("ta")
            << QStringList{QStringLiteral("Beta Serviços"), QStringLiteral("Delta Ltda")};
        QTest::newRow("group") << TFrame_Pesquisa_Juridica::ModoGrupo << QString()
                               << QStringList{QStringLiteral("Delta Ltda")};
    }
    void companiesAsTheirRecordsShowThem()
    {
        QFETCH(int, modo);
        QFETCH(QString, texto);
        QFETCH(QStringList, nomes);
        TFrame_Pesquisa_Juridica painel;
        painel.resize(900, 500);
        painel.CarregarGrupos();
        painel.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(texto);
        QVERIFY(painel.findChild<GroupList *>(QStringLiteral("txtGrupo"))->selecionarCodigo(m_s.amigos));
        painel.Pesquisar(modo);
        QCOMPARE(m_seams.messages->shown, QStringList());

        QStringList achados, esperadas;
        for (qsizetype i = 0; i < painel.PessoasEncontradas().size(); ++i) {
            TPessoaJuridica p;
            QVERIFY(p.Carregar(painel.PessoasEncontradas().at(i).Identificador));
            achados << p.Nome;
            QStringList celulas{numero(int(i)), p.Nome, FormatPhone(p.Fone), FormatPhone(p.FoneFax), p.Login};
            if (p.Guia == 1)
                celulas << QStringLiteral("GUIA");
            esperadas << celulas.join(QLatin1Char('|'));
        }
        QCOMPARE(achados, nomes);
        QCOMPARE(linhas(painel.grade(), int(nomes.size())), esperadas);
    }
};

QTEST_MAIN(TestPaineisSemeados)
#include "TestPaineisSemeados.moc"
