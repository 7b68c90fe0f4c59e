// The history screen on a real database: the list with its picture column,
// saving with and without a picture (a JPEG kept byte for byte, any other
// picture made JPEG once, a file that is no picture refused), changing an
// entry without touching its picture, the date filter and its dialog,
// deleting one entry or all of a person's, the picture viewer reached from
// the list, the printed page, and the program's navigator.
#include "app/ProgramFolder.h"
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/THistorico.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/ImagemJpeg.h"
#include "ui/common/Navigator.h"
#include "ui/common/Telas.h"
#include "ui/finance/TfrEscolhaAsDatas.h"
#include "ui/registration/TfrHistorico.h"
#include "ui/registration/TfrMostraImg.h"
#include "util/DateTime.h"

#include <QAction>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kLogin = QStringLiteral("ana");
const QString kVerImagem = QStringLiteral("Ver  Imagem");
const QString kTextoEmBranco = QStringLiteral("O campo TEXTO não pode ficar em branco!");

QByteArray lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The screen for one person, shown, with its controls found by name.
struct Tela {
    THistorico historico;
    TfrHistorico dlg;
    bool exposta = false;

    Tela(int pessoa, int tipo, const QString &nome) : dlg(historico)
    {
        historico.IdenPessoa = pessoa;
        historico.TipoPessoa = tipo;
        historico.Identificador = -1;
        dlg.NomePessoa = nome;
        dlg.Nome = nome;
        TestarModelos(&dlg);
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    template <typename T>
    T *achar(const char *nome) const
    {
        return dlg.findChild<T *>(QString::fromLatin1(nome));
    }
    QTableView *grid() const { return achar<QTableView>("Grid"); }
    QPlainTextEdit *texto() const { return achar<QPlainTextEdit>("edtTexto"); }
    QLineEdit *caminho() const { return achar<QLineEdit>("edtPathImagem"); }
    void clicar(const char *botao) const { achar<QPushButton>(botao)->click(); }
    // "dd/mm/yyyy|text|picture" of each row.
    QStringList linhas() const
    {
        QStringList out;
        const QAbstractItemModel *m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, 0).data().toString() + QLatin1Char('|') + m->index(r, 1).data().toString() +
                       QLatin1Char('|') + m->index(r, 2).data().toString();
        return out;
    }
    int linhaDe(const QString &texto) const
    {
        const QAbstractItemModel *m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 1).data().toString() == texto)
                return r;
        return -1;
    }
    void salvar(const QString &texto, QDate data, const QString &imagem = {})
    {
        achar<QDateEdit>("DateTimePicker1")->setDate(data);
        this->texto()->setPlainText(texto);
        caminho()->setText(imagem);
        clicar("btnEnviar");
    }
    void clicarCelula(int linha, int coluna)
    {
        const QRect r = grid()->visualRect(grid()->model()->index(linha, coluna));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void duploClique(int linha)
    {
        const QPoint p = grid()->visualRect(grid()->model()->index(linha, 1)).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, p);
    }
    void entreDatas(QDate de, QDate ate, bool comOk = true)
    {
        whenModal<TfrEscolhaAsDatas>([de, ate, comOk](TfrEscolhaAsDatas *d) {
            d->findChild<QDateEdit *>(QStringLiteral("data_in"))->setDate(de);
            d->findChild<QDateEdit *>(QStringLiteral("data_out"))->setDate(ate);
            if (comOk)
                d->findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
            else
                d->reject();
        });
        InstallScreens(); // the real date dialog
        achar<QAction>("EntreDatas1")->trigger();
    }
};

} // namespace

class TestTfrHistorico : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    QTemporaryDir m_arquivos;
    QString m_jpeg, m_png, m_outroJpeg, m_naoImagem;
    int m_pessoa = 0;
    Database &db() { return m_dm->BancoDados; }

    int novaEntrada(int pessoa, int tipo, QDate data, const QString &texto, const QByteArray &imagem = {})
    {
        THistorico h(db());
        h.IdenPessoa = pessoa;
        h.TipoPessoa = tipo;
        h.Data = QDateToDateTime(data);
        h.Texto = texto;
        return h.Inserir(imagem) == Resultado::Gravado ? h.Identificador : 0;
    }
    // The stored picture of the entry with this text (null: NULL).
    QByteArray imagemDe(const QString &texto)
    {
        QByteArray bytes;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT IMAGEM FROM HISTORICO WHERE TEXTO = :T"));
            q.setText(QStringLiteral("T"), texto);
            q.open();
            if (q.next() && !q.field(0).isNull())
                bytes = q.field(0).asBytes();
        });
        return bytes;
    }
    int contar(const QString &where = {}) { return count(db(), QStringLiteral("HISTORICO"), where); }
    static QString salvarImagem(const QString &caminho, const char *formato, QColor cor)
    {
        QImage img(48, 32, QImage::Format_RGB32);
        img.fill(cor);
        for (int x = 0; x < 48; ++x)
            img.setPixelColor(x, x % 32, Qt::white);
        return img.save(caminho, formato) ? caminho : QString();
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
        m_pessoa = insertPessoaFisica(db(), QStringLiteral("Joana d'Arc"),
                                      insertGrupo(db(), QStringLiteral("G")), kLogin);
        QVERIFY(m_pessoa > 0);

        QVERIFY(m_arquivos.isValid());
        m_jpeg = salvarImagem(m_arquivos.filePath(QStringLiteral("foto.jpg")), "JPG", Qt::darkGreen);
        m_outroJpeg = salvarImagem(m_arquivos.filePath(QStringLiteral("outra.jpeg")), "JPG", Qt::darkRed);
        m_png = salvarImagem(m_arquivos.filePath(QStringLiteral("desenho.png")), "PNG", Qt::blue);
        QVERIFY(!m_jpeg.isEmpty() && !m_outroJpeg.isEmpty() && !m_png.isEmpty());
        m_naoImagem = m_arquivos.filePath(QStringLiteral("texto.jpg"));
        QFile f(m_naoImagem);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("isto nao e uma imagem");
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.input->files.clear();
        m_seams.shell->opened.clear();
        RecordingNavigator::install({});
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM HISTORICO")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void showingListsThePersonsEntriesInDateOrder()
    {
        novaEntrada(m_pessoa, 0, QDate(2006, 2, 1), QStringLiteral("segunda"), lerArquivo(m_jpeg));
        novaEntrada(m_pessoa, 0, QDate(2005, 1, 3), QStringLiteral("primeira\r\nlinha dois"));
        novaEntrada(m_pessoa, 1, QDate(2005, 1, 4), QStringLiteral("da empresa de mesmo número"));
        Tela t(m_pessoa, 0, QStringLiteral("Joana d'Arc"));
        QVERIFY(t.exposta);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo Histórico para Joana d'Arc"));
        QCOMPARE(t.achar<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 12, 8));
        QCOMPARE(t.linhas(), (QStringList{QStringLiteral("03/01/2005|primeira linha dois|"),
                                          QStringLiteral("01/02/2006|segunda|") + kVerImagem}));
        QCOMPARE(t.grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Data"));
        QCOMPARE(t.grid()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Imagem"));
        QVERIFY(t.achar<QWidget>("pnlImprimir")->isVisible());
        QVERIFY(t.achar<QPushButton>("SpeedButton2")->toolTip().startsWith(QStringLiteral("Clique AQUI")));
        // the whole list is one statement, pictures or not
        const quint64 antes = Database::statementCount();
        t.achar<QToolButton>("JvArrowButton1")->click();
        QCOMPARE(Database::statementCount(), antes + 1);
        QCOMPARE(t.linhas().size(), 2);

        Tela vazia(m_pessoa + 1000, 0, QStringLiteral("Ninguém"));
        QVERIFY(vazia.linhas().isEmpty());
        QVERIFY(!vazia.achar<QWidget>("pnlImprimir")->isVisible());
    }

    // A JPEG is stored as the file's own bytes; another picture becomes JPEG
    // once; no picture stores NULL.
    void savingANewEntry_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("JPEG") << QStringLiteral("foto.jpg");
        QTest::newRow("PNG") << QStringLiteral("desenho.png");
        QTest::newRow("no picture") << QString();
    }
    void savingANewEntry()
    {
        QFETCH(QString, arquivo);
        const QString caminho = arquivo.isEmpty() ? QString() : m_arquivos.filePath(arquivo);
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        m_seams.input->files.enqueue(caminho);
        t.clicar("btnProcuraImagem");
        QCOMPARE(t.caminho()->text(), caminho);
        QCOMPARE(m_seams.input->asked, QStringList{QStringLiteral("Imagem a ser anexada ao histórico")});
        m_seams.input->asked.clear();
        t.achar<QDateEdit>("DateTimePicker1")->setDate(QDate(2005, 7, 9));
        t.texto()->setPlainText(QStringLiteral("Reunião <b>anual</b>\nsegunda linha"));
        t.clicar("btnEnviar");

        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(contar(), 1);
        const QByteArray guardada = imagemDe(QStringLiteral("Reunião <b>anual</b>\r\nsegunda linha"));
        if (arquivo.isEmpty()) {
            QVERIFY(guardada.isNull());
        } else if (arquivo.endsWith(QStringLiteral(".jpg"))) {
            QCOMPARE(guardada, lerArquivo(caminho));
        } else {
            QVERIFY(EhJpeg(guardada));
            QCOMPARE(DecodificarImagem(guardada).size(), QSize(48, 32));
        }
        QCOMPARE(t.linhas(), QStringList{QStringLiteral("09/07/2005|Reunião <b>anual</b> segunda linha|") +
                                         (arquivo.isEmpty() ? QString() : kVerImagem)});
        QVERIFY(t.texto()->toPlainText().isEmpty());
        QVERIFY(t.caminho()->text().isEmpty());
        QCOMPARE(t.historico.Identificador, -1);
        QVERIFY(t.achar<QWidget>("pnlImprimir")->isVisible());
    }

    // Nothing is stored and what was typed stays.
    void refusedInput_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("empty text") << QString() << QString() << kTextoEmBranco;
        QTest::newRow("not a picture") << QStringLiteral("texto") << QStringLiteral("texto.jpg")
                                       << QStringLiteral("O arquivo \"texto.jpg\" não contém uma imagem que "
                                                         "possa ser lida.");
        QTest::newRow("picture gone") << QStringLiteral("texto") << QStringLiteral("sumiu.jpg")
                                      << QStringLiteral("Não foi possível abrir o arquivo \"sumiu.jpg\".");
        QTest::newRow("too long") << QString(2001, QLatin1Char('x')) << QString()
                                  << QStringLiteral("Campo \"Texto\": o texto tem 2001 caracteres e cabem no "
                                                    "máximo 2000.\r\nEncurte-o e tente novamente.");
        QTest::newRow("not Windows-1252")
            << QStringLiteral("visto ✓") << QStringLiteral("foto.jpg") << QString();
    }
    void refusedInput()
    {
        QFETCH(QString, texto);
        QFETCH(QString, arquivo);
        QFETCH(QString, mensagem);
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        const QString caminho = arquivo.isEmpty() ? QString() : m_arquivos.filePath(arquivo);
        t.salvar(texto, QDate(2005, 7, 9), caminho);
        QCOMPARE(contar(), 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        if (mensagem.isEmpty())
            QVERIFY(m_seams.messages->shown.first().startsWith(QStringLiteral("Campo \"Texto\": ")));
        else
            QCOMPARE(m_seams.messages->shown.first(), mensagem);
        QCOMPARE(t.texto()->toPlainText(), texto);
        QCOMPARE(t.caminho()->text(), caminho);
    }

    // Changing the text never touches the stored picture; a newly chosen
    // picture replaces it.
    void changingAnEntry_data()
    {
        QTest::addColumn<bool>("novaImagem");
        QTest::newRow("text only") << false;
        QTest::newRow("new picture") << true;
    }
    void changingAnEntry()
    {
        QFETCH(bool, novaImagem);
        const QByteArray original = lerArquivo(m_jpeg);
        novaEntrada(m_pessoa, 0, QDate(2005, 1, 3), QStringLiteral("outra"));
        novaEntrada(m_pessoa, 0, QDate(2005, 5, 6), QStringLiteral("antes\r\nda troca"), original);
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        t.duploClique(t.linhaDe(QStringLiteral("antes da troca")));
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Alterando Histórico de Joana"));
        QCOMPARE(t.texto()->toPlainText(), QStringLiteral("antes\nda troca"));
        QCOMPARE(t.achar<QDateEdit>("DateTimePicker1")->date(), QDate(2005, 5, 6));
        QVERIFY(t.historico.Identificador > 0);

        t.texto()->setPlainText(QStringLiteral("depois da troca"));
        if (novaImagem)
            t.caminho()->setText(m_outroJpeg);
        t.clicar("btnEnviar");
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(contar(), 2);
        QCOMPARE(imagemDe(QStringLiteral("depois da troca")),
                 novaImagem ? lerArquivo(m_outroJpeg) : original);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo Histórico para Joana"));
        QCOMPARE(t.historico.Identificador, -1);
    }

    void changingAnEntryDeletedMeanwhileSaysSo()
    {
        novaEntrada(m_pessoa, 0, QDate(2005, 5, 6), QStringLiteral("vai sumir"));
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        t.duploClique(0);
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM HISTORICO")));
        t.texto()->setPlainText(QStringLiteral("alterado"));
        t.clicar("btnEnviar");
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral("Não foi possível alterar o item de histórico.")});
        QCOMPARE(contar(), 0);
        QCOMPARE(t.texto()->toPlainText(), QStringLiteral("alterado"));
    }

    void cancelReturnsToANewEntry()
    {
        novaEntrada(m_pessoa, 0, QDate(2005, 5, 6), QStringLiteral("existente"));
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        t.duploClique(0);
        t.caminho()->setText(m_jpeg);
        t.clicar("SpeedButton1");
        QCOMPARE(t.historico.Identificador, -1);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo Histórico para Joana"));
        QVERIFY(t.texto()->toPlainText().isEmpty());
        QVERIFY(t.caminho()->text().isEmpty());
        t.salvar(QStringLiteral("nova"), QDate(2005, 5, 7));
        QCOMPARE(contar(), 2);
    }

    // The dates count however the dialog is closed; the filter stays after a
    // save until "Mostrar Todos".
    void betweenDates_data()
    {
        QTest::addColumn<bool>("comOk");
        QTest::newRow("Ok") << true;
        QTest::newRow("closed") << false;
    }
    void betweenDates()
    {
        QFETCH(bool, comOk);
        novaEntrada(m_pessoa, 0, QDate(2004, 12, 31), QStringLiteral("2004"));
        novaEntrada(m_pessoa, 0, QDate(2005, 1, 1), QStringLiteral("início de 2005"));
        novaEntrada(m_pessoa, 0, QDate(2005, 12, 31), QStringLiteral("fim de 2005"));
        novaEntrada(m_pessoa, 0, QDate(2006, 1, 1), QStringLiteral("2006"));
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        QCOMPARE(t.linhas().size(), 4);

        bool datasIniciais = false;
        whenModal<TfrEscolhaAsDatas>([&datasIniciais](TfrEscolhaAsDatas *d) {
            datasIniciais =
                d->findChild<QDateEdit *>(QStringLiteral("data_in"))->date() == QDate(2026, 11, 28) &&
                d->findChild<QDateEdit *>(QStringLiteral("data_out"))->date() == QDate(2026, 12, 8) &&
                !d->findChild<QWidget *>(QStringLiteral("edtPessoas"))->isVisible();
            d->reject();
        });
        InstallScreens(); // the real date dialog
        t.achar<QAction>("EntreDatas1")->trigger();
        QVERIFY(datasIniciais);
        QVERIFY(t.linhas().isEmpty());

        t.entreDatas(QDate(2005, 1, 1), QDate(2005, 12, 31), comOk);
        QCOMPARE(t.linhas(), (QStringList{QStringLiteral("01/01/2005|início de 2005|"),
                                          QStringLiteral("31/12/2005|fim de 2005|")}));
        t.salvar(QStringLiteral("fora do período"), QDate(2007, 3, 3));
        t.salvar(QStringLiteral("dentro do período"), QDate(2005, 6, 1));
        QCOMPARE(contar(), 6);
        QCOMPARE(t.linhas(), (QStringList{QStringLiteral("01/01/2005|início de 2005|"),
                                          QStringLiteral("01/06/2005|dentro do período|"),
                                          QStringLiteral("31/12/2005|fim de 2005|")}));
        t.achar<QToolButton>("JvArrowButton1")->click();
        QCOMPARE(t.linhas().size(), 6);
    }

    void deleteKeyAsksFirst()
    {
        novaEntrada(m_pessoa, 0, QDate(2005, 1, 1), QStringLiteral("fica"));
        novaEntrada(m_pessoa, 0, QDate(2005, 1, 2), QStringLiteral("sai"));
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        t.grid()->setFocus();
        t.grid()->setCurrentIndex(t.grid()->model()->index(1, 0));
        m_seams.messages->answers << false << true;
        QTest::keyClick(t.grid(), Qt::Key_Delete);
        QCOMPARE(contar(), 2);
        QTest::keyClick(t.grid(), Qt::Key_Delete);
        const QString pergunta =
            QStringLiteral("Esta operação excluirá o item de histórico selecionado.\r\n Deseja Continuar?");
        QCOMPARE(m_seams.messages->questions, (QStringList{pergunta, pergunta}));
        QCOMPARE(t.linhas(), QStringList{QStringLiteral("01/01/2005|fica|")});
        QCOMPARE(t.historico.Identificador, -1);
    }

    // An individual and a company may both be number 7.
    void deleteAllLeavesTheOtherKindsEntries()
    {
        for (int tipo : {0, 0, 1, 1})
            novaEntrada(7, tipo, QDate(2005, 1, 1), QStringLiteral("sete"));
        Tela t(7, 0, QStringLiteral("Sete Silva"));
        m_seams.messages->answers << false << true;
        t.clicar("SpeedButton2");
        QCOMPARE(contar(), 4);
        t.clicar("SpeedButton2");
        QCOMPARE(
            m_seams.messages->questions.last(),
            QStringLiteral("Esta operação excluirá TODOS os items de histórico de Sete Silva.\r\n Deseja "
                           "Continuar?"));
        QCOMPARE(contar(QStringLiteral("IDEN_PESSOA = 7 AND TIPO_PESSOA = 0")), 0);
        QCOMPARE(contar(QStringLiteral("IDEN_PESSOA = 7 AND TIPO_PESSOA = 1")), 2);
        QVERIFY(t.linhas().isEmpty());
        QVERIFY(!t.achar<QWidget>("pnlImprimir")->isVisible());
    }

    // Only a picture cell opens the viewer; the list is read again afterwards.
    void thePictureCellOpensTheViewer()
    {
        const int com =
            novaEntrada(m_pessoa, 0, QDate(2005, 1, 1), QStringLiteral("com"), lerArquivo(m_jpeg));
        novaEntrada(m_pessoa, 0, QDate(2005, 1, 2), QStringLiteral("sem"));
        RecordingNavigator *nav = RecordingNavigator::install({QStringLiteral("TfrMostraImg")});
        nav->onOpen = [this](const QString &, QWidget *, const Abertura &) {
            // what "Limpar Imagem" does inside the viewer
            exec(db(), QStringLiteral("UPDATE HISTORICO SET IMAGEM = NULL"));
            return Retorno{};
        };
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        QVERIFY(t.exposta);
        t.clicarCelula(1, 2); // no picture
        t.clicarCelula(0, 1); // not the picture column
        QVERIFY(nav->opened.isEmpty());
        t.clicarCelula(0, 2);
        QCOMPARE(nav->opened.size(), 1);
        QCOMPARE(nav->opened.first().first, QStringLiteral("TfrMostraImg"));
        QCOMPARE(nav->opened.first().second.identificador, com);
        QCOMPARE(nav->opened.first().second.titulo, QStringLiteral("Imagem do Histórido de: Joana"));
        QCOMPARE(t.linhas(),
                 (QStringList{QStringLiteral("01/01/2005|com|"), QStringLiteral("02/01/2005|sem|")}));
    }

    // The real viewer: "Limpar Imagem" there, and the cell is empty on return.
    void clearingThePictureInTheViewerEmptiesItsCell()
    {
        const int id = novaEntrada(m_pessoa, 0, QDate(2005, 1, 1), QStringLiteral("com"), lerArquivo(m_jpeg));
        InstallScreens();
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        QString titulo;
        QByteArray mostrada;
        whenModal<TfrMostraImg>([&](TfrMostraImg *v) {
            titulo = v->windowTitle();
            mostrada = v->Imagem();
            v->findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
            v->findChild<QPushButton *>(QStringLiteral("SpeedButton2"))->click();
        });
        t.clicarCelula(0, 2);
        RecordingNavigator::install({});
        QCOMPARE(titulo, QStringLiteral("Imagem do Histórido de: Joana"));
        QCOMPARE(mostrada, lerArquivo(m_jpeg));
        QCOMPARE(t.linhas(), QStringList{QStringLiteral("01/01/2005|com|")});
        QVERIFY(scalar(db(), QStringLiteral("SELECT IMAGEM FROM HISTORICO WHERE IDENTIFICADOR = :ID"),
                       {{QStringLiteral("ID"), id}})
                    .isNull());
    }

    void f1OpensTheHelpPage()
    {
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        QTest::keyClick(t.texto(), Qt::Key_F1);
        QCOMPARE(m_seams.shell->opened, QStringList{ProgramPath(QStringLiteral("Ajuda/historico.htm"))});
        QVERIFY(t.texto()->toPlainText().isEmpty());
    }

    // The company's page through the program's navigator, which loads the
    // company and fills the screen; texts from the database are escaped.
    void theCompanysPage()
    {
        InstallScreens();
        const int empresa = insertPessoaJuridica(db(), QStringLiteral("Padaria <Pão & Cia>"),
                                                 insertGrupo(db(), QStringLiteral("Fornecedores")), kLogin);
        QVERIFY(
            exec(db(),
                 QStringLiteral("UPDATE PESSOAJURIDICA SET CIDADE = 'São Paulo', ESTADO = 'SP', FONE = "
                                "'1131112222', FONE_FAX = '1131113333', FONE_0800 = '08001234567', EMAIL = "
                                "'contato@padaria.com.br', HOME_PAGE = 'www.padaria.com.br' WHERE "
                                "IDENTIFICADOR = :ID"),
                 {{QStringLiteral("ID"), empresa}}));
        novaEntrada(empresa, 1, QDate(2006, 3, 2), QStringLiteral("Segunda visita:\r\n\"pão\" <i>&</i> café"),
                    lerArquivo(m_jpeg));
        novaEntrada(empresa, 1, QDate(2005, 11, 20), QStringLiteral("Primeira visita"));
        novaEntrada(empresa, 1, QDate(2007, 1, 15), QStringLiteral("Terceira\r\n\r\nvisita"));
        novaEntrada(empresa, 0, QDate(2005, 1, 1), QStringLiteral("de um indivíduo de mesmo número"));

        QString titulo;
        QByteArray pagina, segunda;
        const QString arquivo = ProgramPath(QStringLiteral("Historico.html"));
        whenModal<TfrHistorico>([&](TfrHistorico *dlg) {
            titulo = dlg->windowTitle();
            dlg->findChild<QPushButton *>(QStringLiteral("btnImprimir"))->click();
            pagina = lerArquivo(arquivo);
            dlg->findChild<QPushButton *>(QStringLiteral("btnImprimir"))->click();
            segunda = lerArquivo(arquivo);
            dlg->reject();
        });
        Telas::Historico(nullptr, empresa, 1);
        RecordingNavigator::install({});
        QCOMPARE(titulo, QStringLiteral("Inserindo Histórico para Padaria <Pão & Cia>"));
        QCOMPARE(m_seams.shell->opened, (QStringList{arquivo, arquivo}));
        const QByteArray esperada =
            lerArquivo(QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/historico_empresa.html"));
        QVERIFY(!esperada.isEmpty());
        QCOMPARE(pagina, esperada);
        QCOMPARE(segunda, pagina);
    }

    void anIndividualsPage()
    {
        Tela t(m_pessoa, 0, QStringLiteral("Joana"));
        t.dlg.Fone1 = QStringLiteral("1132451234");
        t.dlg.Fone2 = QStringLiteral("32451234");
        t.dlg.Fone3 = QStringLiteral("1187654321");
        t.dlg.Email = QStringLiteral("joana@x.com");
        t.dlg.Email2 = QStringLiteral("joana@msn.com");
        t.salvar(QStringLiteral("a"), QDate(2005, 1, 1));
        t.clicar("btnImprimir");
        const QString pagina = QString::fromLatin1(lerArquivo(ProgramPath(QStringLiteral("Historico.html"))));
        for (const QString &trecho :
             {QStringLiteral("Res.: (11)3245-1234"), QStringLiteral("Com.: 3245-1234"),
              QStringLiteral("Cel.: (11)8765-4321"),
              QStringLiteral("<a href=\"mailto:joana@msn.com\">joana@msn.com</a>")})
            QVERIFY2(pagina.contains(trecho), qPrintable(trecho));
        QVERIFY(!pagina.contains(QStringLiteral("0800")));
    }

    void theNavigatorOpensNothingForAMissingPerson_data()
    {
        QTest::addColumn<int>("identificador");
        QTest::addColumn<int>("tipo");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("no such individual") << 99999 << 0;
        QTest::newRow("no such company") << 99999 << 1;
    }
    void theNavigatorOpensNothingForAMissingPerson()
    {
        QFETCH(int, identificador);
        QFETCH(int, tipo);
        InstallScreens();
        bool abriu = false;
        whenModal<TfrHistorico>(
            [&abriu](TfrHistorico *dlg) {
                abriu = true;
                dlg->reject();
            },
            300);
        QCOMPARE(Telas::Historico(nullptr, identificador, tipo), 0);
        QVERIFY(!abriu);
        QCOMPARE(m_seams.messages->shown, QStringList());
        RecordingNavigator::install({});
    }
};

QTEST_MAIN(TestTfrHistorico)
#include "TestTfrHistorico.moc"
