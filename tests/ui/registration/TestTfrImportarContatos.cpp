// The import and export screens on a real database: a file chosen through
// the chooser, the preview grid with its marks, a blocked contact mended in
// its cell, the import with its summary and the page of skipped contacts,
// and the export to a file that imports back.
#include "app/ProgramFolder.h"
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/TestFolder.h"
#include "ui/common/Navigator.h"
#include "ui/common/Telas.h"
#include "ui/registration/ContatosImportadosModel.h"
#include "ui/registration/TfrExportarContatos.h"
#include "ui/registration/TfrImportarContatos.h"
#include "util/ContatosCsv.h"
#include "util/VCard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kLogin = QStringLiteral("ana");

QString fixture(const char *nome)
{
    return QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/") + QString::fromLatin1(nome);
}

} // namespace

class TestTfrImportarContatos : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }

    int pessoas()
    {
        return count(db(), QStringLiteral("PESSOAFISICA")) + count(db(), QStringLiteral("PESSOAJURIDICA"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kLogin));
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        m_usuario.Login = kLogin;
        TUsuario::setAtual(&m_usuario);
        InstallScreens();
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
    }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void screensAreRegistered()
    {
        QVERIFY(Telas::Existe(Telas::kImportarContatos));
        QVERIFY(Telas::Existe(Telas::kExportarContatos));
    }

    // The 4.0 file: "Ł" blocks the import until the name is edited in its
    // cell; a sound-alike is marked and skipped; the summary and the page
    // of skipped contacts follow.
    void previewMarksEditAndImport()
    {
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Livraria Sabber"), m_grupo, kLogin, 0) > 0);
        TfrImportarContatos dlg(kLogin);
        TestarModelos(&dlg);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto *btnAbrir = dlg.findChild<QPushButton *>(QStringLiteral("btnAbrir"));
        auto *btnImportar = dlg.findChild<QPushButton *>(QStringLiteral("btnImportar"));
        auto *btnPular = dlg.findChild<QPushButton *>(QStringLiteral("btnPularSemelhantes"));
        auto *GRID = dlg.findChild<QTableView *>(QStringLiteral("GRID"));
        QVERIFY(btnAbrir && btnImportar && btnPular && GRID);
        QVERIFY(!btnImportar->isEnabled());
        QVERIFY(!btnImportar->autoDefault() && !btnImportar->isDefault());

        m_seams.input->files.enqueue(fixture("contatos_40.vcf"));
        btnAbrir->click();
        QAbstractItemModel *m = GRID->model();
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->index(0, ContatosImportadosModel::Nome).data().toString(),
                 QStringLiteral("Łukasz Nowak"));
        QVERIFY(
            m->index(0, ContatosImportadosModel::Problemas).data().toString().contains(QStringLiteral("Ł")));
        QCOMPARE(m->index(2, ContatosImportadosModel::Semelhante).data().toString(),
                 QStringLiteral("Livraria Sabber"));
        QCOMPARE(m->index(2, ContatosImportadosModel::Tipo).data().toString(), QStringLiteral("Jurídica"));
        QVERIFY(!btnImportar->isEnabled()); // the blocked contact is still chosen

        QVERIFY(m->setData(m->index(0, ContatosImportadosModel::Nome), QStringLiteral("Lukasz Nowak")));
        QVERIFY(m->index(0, ContatosImportadosModel::Problemas).data().toString().isEmpty());
        QVERIFY(btnImportar->isEnabled());
        QVERIFY(btnPular->isEnabled());
        btnPular->click();
        QCOMPARE(m->index(2, ContatosImportadosModel::Importar).data(Qt::CheckStateRole).toInt(),
                 int(Qt::Unchecked));
        // and the user leaves one more out
        QVERIFY(
            m->setData(m->index(1, ContatosImportadosModel::Importar), Qt::Unchecked, Qt::CheckStateRole));

        btnImportar->click();
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QCOMPARE(
            m_seams.messages->shown[0],
            QStringLiteral("Importação concluída.\r\nImportados: 1\r\nPulados por serem semelhantes: 1\r\n"
                           "Pulados por você: 1"));
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"),
                       QStringLiteral("NOME = 'Lukasz Nowak' AND LOGIN = 'ana'"
                                      " AND PUBLICA = 0")),
                 1);
        QCOMPARE(pessoas(), 2);
        const QString pagina = ProgramPath(QStringLiteral("ContatosNaoImportados.html"));
        QCOMPARE(m_seams.shell->opened, QStringList{pagina});
        QFile f(pagina);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray html = f.readAll();
        QVERIFY(html.contains("Livraria Saber"));
        QVERIFY(html.contains("Semelhante a: Livraria Sabber"));
        QVERIFY(html.contains("Carlos Eduardo Lima"));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    // A few hundred contacts in the grid, each with its group.
    void largeFileInTheGrid()
    {
        QList<Contato> contatos;
        for (int i = 0; i < 300; ++i) {
            Contato c;
            c.nomeFormatado = QStringLiteral("Pessoa %1").arg(i);
            c.fones << Contato::Fone{
                Contato::TipoFone::Celular, QStringLiteral("+55 11 9%1").arg(10000000 + i), {}};
            c.categorias << QStringLiteral("Cat %1").arg(i % 3);
            contatos << c;
        }
        const QString arquivo = m_folder.file(QStringLiteral("muitos.vcf"));
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(VCard::escrever(contatos, false));
        f.close();
        TfrImportarContatos dlg(kLogin);
        TestarModelos(&dlg);
        QVERIFY(dlg.Abrir(arquivo));
        auto *GRID = dlg.findChild<QTableView *>(QStringLiteral("GRID"));
        auto *chk = dlg.findChild<QCheckBox *>(QStringLiteral("chkCategorias"));
        QCOMPARE(GRID->model()->rowCount(), 300);
        QCOMPARE(GRID->model()->index(299, ContatosImportadosModel::Grupo).data().toString(),
                 QStringLiteral("Amigos"));
        chk->setChecked(true);
        QCOMPARE(GRID->model()->index(299, ContatosImportadosModel::Grupo).data().toString(),
                 QStringLiteral("Cat 2"));
        QCOMPARE(GRID->model()->index(299, ContatosImportadosModel::Fone1).data().toString(),
                 QStringLiteral("11910000299"));
        dlg.findChild<QPushButton *>(QStringLiteral("btnImportar"))->click();
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), 300);
        QCOMPARE(count(db(), QStringLiteral("GRUPO"), QStringLiteral("NOME_GRUPO LIKE 'Cat %'")), 3);
        QVERIFY(m_seams.shell->opened.isEmpty()); // nothing skipped, no page
    }

    // The export writes what the chooser names; the file reads back.
    void exportToTheChosenFile()
    {
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Zé da Silva"), m_grupo, kLogin, 0) > 0);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Mercado Bom"), m_grupo, kLogin, 0) > 0);
        TfrExportarContatos dlg(kLogin);
        TestarModelos(&dlg);
        auto *rbEscolhidos = dlg.findChild<QRadioButton *>(QStringLiteral("rbEscolhidos"));
        QVERIFY(rbEscolhidos && !rbEscolhidos->isEnabled());
        const QString arquivo = m_folder.file(QStringLiteral("saida.vcf"));
        m_seams.input->files.enqueue(arquivo);
        dlg.findChild<QPushButton *>(QStringLiteral("btnExportar"))->click();
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral("2 pessoa(s) exportada(s) para \"%1\".").arg(arquivo)});
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const VCard::Leitura l = VCard::ler(f.readAll(), true);
        QVERIFY2(l.problemas.isEmpty(), qPrintable(l.problemas.join(QLatin1Char('\n'))));
        QCOMPARE(l.contatos.size(), 2);
        QCOMPARE(l.contatos[0].nomeFormatado, QStringLiteral("Mercado Bom"));
        QCOMPARE(l.contatos[1].nomeFormatado, QStringLiteral("Zé da Silva"));
    }

    // A person list's rows reach the export through the program's screens:
    // "the chosen persons" offered and selected, and only they are written.
    void exportOfTheRowsOfAList()
    {
        const int ze = insertPessoaFisica(db(), QStringLiteral("Zé da Silva"), m_grupo, kLogin, 0);
        const int mercado = insertPessoaJuridica(db(), QStringLiteral("Mercado Bom"), m_grupo, kLogin, 0);
        QVERIFY(ze > 0 && mercado > 0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Fora da Lista"), m_grupo, kLogin, 0) > 0);
        const QString arquivo = m_folder.file(QStringLiteral("lista.csv"));
        m_seams.input->files.enqueue(arquivo);
        QString escolhidos;
        whenModal<TfrExportarContatos>([&](TfrExportarContatos *dlg) {
            auto *rb = dlg->findChild<QRadioButton *>(QStringLiteral("rbEscolhidos"));
            escolhidos = rb->isChecked() ? rb->text() : QString();
            dlg->findChild<QRadioButton *>(QStringLiteral("rbCsv"))->setChecked(true);
            dlg->findChild<QPushButton *>(QStringLiteral("btnExportar"))->click();
        });
        QCOMPARE(Telas::ExportarContatos(nullptr, {ze}, {mercado}), int(QDialog::Accepted));
        QCOMPARE(escolhidos, QStringLiteral("As 2 pessoa(s) escolhida(s)"));
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QStringList nomes;
        for (const Contato &c : ContatosCsv::ler(f.readAll()).contatos)
            nomes << c.nomeExibido();
        QCOMPARE(nomes, (QStringList{QStringLiteral("Mercado Bom"), QStringLiteral("Zé da Silva")}));
    }
};

QTEST_MAIN(TestTfrImportarContatos)
#include "TestTfrImportarContatos.moc"
