// The group list of the entry screens on a real database: the items as the
// statement orders them, the code kept with each item (10000 and more
// included), selection by code, and one statement per filling.
#include "data/Database.h"
#include "data/TDM.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "ui/common/GroupList.h"
#include "ui/common/GroupListModel.h"

#include <QListView>
#include <QSignalSpy>
#include <QtTest>

using namespace DbHelpers;

class TestGroupList : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    void grupo(int codigo, const QString &nome)
    {
        QVERIFY(exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (:C, :N)"),
                     {{QStringLiteral("C"), codigo}, {QStringLiteral("N"), nome}}));
    }

    static QStringList textos(const QComboBox &combo)
    {
        QStringList out;
        for (int i = 0; i < combo.count(); ++i)
            out << combo.itemText(i);
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM GRUPO")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void listsTheGroupsInNameOrderWithTheirCodes()
    {
        grupo(3, QStringLiteral("Trabalho"));
        grupo(10000, QStringLiteral("Clientes"));
        grupo(7, QStringLiteral("Amigos"));
        grupo(12, QStringLiteral("Família"));
        grupo(123456, QStringLiteral("Zeladoria"));

        GroupList lista;
        QVERIFY(lista.recarregar());
        QCOMPARE(textos(lista),
                 (QStringList{QStringLiteral("0007 :: Amigos"), QStringLiteral("10000 :: Clientes"),
                              QStringLiteral("0012 :: Família"), QStringLiteral("0003 :: Trabalho"),
                              QStringLiteral("123456 :: Zeladoria")}));
        QCOMPARE(lista.currentIndex(), 0);
        QCOMPARE(lista.codigoSelecionado(), 7);
        for (int i = 0; i < lista.count(); ++i)
            QCOMPARE(lista.itemData(i, GroupListModel::CodigoRole).toInt(), lista.grupos()->codigo(i));
        QCOMPARE(lista.itemData(1, GroupListModel::NomeRole).toString(), QStringLiteral("Clientes"));
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void selectsByCode()
    {
        grupo(7, QStringLiteral("Amigos"));
        grupo(10000, QStringLiteral("Clientes"));
        grupo(1000, QStringLiteral("Colegas"));
        GroupList lista;
        QVERIFY(lista.recarregar());
        QSignalSpy escolhido(&lista, &GroupList::grupoSelecionado);

        QVERIFY(lista.selecionarCodigo(10000));
        QCOMPARE(lista.currentText(), QStringLiteral("10000 :: Clientes"));
        QCOMPARE(lista.codigoSelecionado(), 10000);
        QCOMPARE(escolhido.takeLast().at(0).toInt(), 10000);

        // "1000" and "10000" share their first four characters
        QVERIFY(lista.selecionarCodigo(1000));
        QCOMPARE(lista.codigoSelecionado(), 1000);
        QCOMPARE(lista.currentText(), QStringLiteral("1000 :: Colegas"));

        QVERIFY(!lista.selecionarCodigo(8));
        QCOMPARE(lista.codigoSelecionado(), 1000);

        lista.setCurrentIndex(0);
        QCOMPARE(lista.codigoSelecionado(), 7);
        QCOMPARE(escolhido.takeLast().at(0).toInt(), 7);
    }

    void fillingIsOneStatement()
    {
        for (int i = 1; i <= 40; ++i)
            grupo(i, QStringLiteral("Grupo %1").arg(i, 2, 10, QLatin1Char('0')));
        GroupList lista;
        const quint64 antes = Database::statementCount();
        QVERIFY(lista.recarregar());
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(lista.count(), 40);
    }

    void refillingShowsChangesAndSelectsTheFirst()
    {
        grupo(5, QStringLiteral("Bairro"));
        GroupList lista;
        QVERIFY(lista.recarregar());
        grupo(6, QStringLiteral("Amigos"));
        QVERIFY(lista.recarregar());
        QCOMPARE(textos(lista),
                 (QStringList{QStringLiteral("0006 :: Amigos"), QStringLiteral("0005 :: Bairro")}));
        QCOMPARE(lista.codigoSelecionado(), 6);
    }

    void noGroupsSelectsNothing()
    {
        GroupList lista;
        QVERIFY(lista.recarregar());
        QCOMPARE(lista.count(), 0);
        QCOMPARE(lista.currentIndex(), -1);
        QCOMPARE(lista.codigoSelecionado(), -1);
        QVERIFY(!lista.selecionarCodigo(0));
    }

    void aFailingQueryLeavesAnEmptyListWithoutAMessage()
    {
        grupo(7, QStringLiteral("Amigos"));
        Database desligado; // never connected
        GroupList lista(desligado);
        QVERIFY(!lista.recarregar());
        QCOMPARE(lista.count(), 0);
        QCOMPARE(lista.codigoSelecionado(), -1);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void theModelServesAListView()
    {
        grupo(7, QStringLiteral("Amigos"));
        grupo(10001, QStringLiteral("Vizinhos"));
        GroupListModel modelo;
        QVERIFY(modelo.recarregar());
        QListView vista;
        vista.setModel(&modelo);
        vista.setCurrentIndex(modelo.index(1));
        QCOMPARE(vista.currentIndex().data().toString(), QStringLiteral("10001 :: Vizinhos"));
        QCOMPARE(vista.currentIndex().data(GroupListModel::CodigoRole).toInt(), 10001);
        QCOMPARE(modelo.linhaDoCodigo(10001), 1);
        QCOMPARE(modelo.codigo(5), -1);
    }
};

QTEST_MAIN(TestGroupList)
#include "TestGroupList.moc"
