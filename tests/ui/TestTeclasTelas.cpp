// Enter and Esc in every field of every screen, on a real database. A screen
// that holds typing and has no cancel button keeps both keys to itself: Enter
// clicks no button (none is default or auto-default) and Esc does not close
// it; only its own exit button does. Enter keeps the meaning a screen gives
// it in a few fields (the postal-code lookups, the searches), listed below
// with the reason. The other dialogs keep Esc as their cancel.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TFoto.h"
#include "model/THistorico.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/finance/TfrEscolhaAsDatas.h"
#include "ui/maintenance/TfrBackUP.h"
#include "ui/maintenance/TfrPredios.h"
#include "ui/registration/TfrAcessoRapidoPF.h"
#include "ui/registration/TfrAcessoRapidoPJ.h"
#include "ui/registration/TfrAlbum.h"
#include "ui/registration/TfrCadastroContatoPJ.h"
#include "ui/registration/TfrContatoPJ.h"
#include "ui/registration/TfrExportarContatos.h"
#include "ui/registration/TfrGrupos.h"
#include "ui/registration/TfrHistorico.h"
#include "ui/registration/TfrImportarContatos.h"
#include "ui/registration/TfrInserirImagem.h"
#include "ui/registration/TfrMostraImg.h"
#include "ui/registration/TfrPessoaFisica.h"
#include "ui/registration/TfrPessoaJuridica.h"
#include "ui/reports/TfrFones.h"
#include "ui/reports/TfrImprimeEtiquetas.h"
#include "ui/reports/TfrMalaDiretaPF.h"
#include "ui/reports/TfrMalaDiretaPJ.h"
#include "ui/reports/TfrServidor.h"
#include "ui/search/TfrPesquisaPessoaFisica.h"
#include "ui/search/TfrPesquisaPessoaJuridica.h"
#include "ui/session/TfrAlteraSenha.h"
#include "ui/session/TfrNovoUsuario.h"
#include "ui/session/TfrPesquisaAnotacao.h"
#include "ui/session/TfrPrimeiroUsuario.h"
#include "ui/session/TfrRemoverUsuarios.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

using namespace DbHelpers;

namespace {

const QString kLogin = QStringLiteral("ana");
const QString kDigitado = QStringLiteral("12");

// What Esc does on a screen.
enum class Esc {
    NaoFecha, // a screen that holds typing: only its own exit button closes it
    Cancela   // closes the dialog as rejected
};

struct Tela {
    QString nome;
    Esc esc;
    QString porqueCancela; // why closing on Esc loses nothing (Esc::Cancela only)
    std::function<std::unique_ptr<QDialog>()> criar;
};

// Fields where Enter is the screen's own action, so it may open, ask or close.
struct EnterProprio {
    QString tela;
    QString campo; // "*": every field of the screen
    QString motivo;
};

const QList<EnterProprio> kEnterProprio = {
    {QStringLiteral("TfrPessoaFisica"), QStringLiteral("edtCEP"), QStringLiteral("looks the postal code up")},
    {QStringLiteral("TfrPessoaJuridica"), QStringLiteral("edtCEP"),
     QStringLiteral("looks the postal code up")},
    {QStringLiteral("TfrPessoaJuridica"), QStringLiteral("edtIE"),
     QStringLiteral("looks the postal code up in the database")},
    {QStringLiteral("TfrPessoaJuridica"), QStringLiteral("edtNumero"),
     QStringLiteral("looks the postal code up in the database")},
    {QStringLiteral("TfrPessoaJuridica"), QStringLiteral("edtCP"),
     QStringLiteral("looks the postal code up in the database")},
    {QStringLiteral("TfrNovoUsuario"), QStringLiteral("edtEmail"), QStringLiteral("is Ok")},
    {QStringLiteral("TfrAcessoRapidoPF"), QStringLiteral("*"),
     QStringLiteral("is \"Fechar\", the default button of this window, which holds no typing")},
    {QStringLiteral("TfrAcessoRapidoPJ"), QStringLiteral("*"),
     QStringLiteral("is \"Fechar\", the default button of this window, which holds no typing")},
    {QStringLiteral("TfrNovoUsuario"), QStringLiteral("edtNome"), QStringLiteral("is Ok")},
    {QStringLiteral("TfrEscolhaAsDatas"), QStringLiteral("*"),
     QStringLiteral("is Ok, the default button of this chooser")},
    {QStringLiteral("TfrPesquisaAnotacao"), QStringLiteral("edtPesquisa"), QStringLiteral("searches")},
    {QStringLiteral("TfrPesquisaAnotacao"), QStringLiteral("edtTexto"), QStringLiteral("searches")},
    {QStringLiteral("TfrPesquisaPessoaFisica"), QStringLiteral("edtNome"), QStringLiteral("searches")},
    {QStringLiteral("TfrPesquisaPessoaFisica"), QStringLiteral("edtNomeF"), QStringLiteral("searches")},
    {QStringLiteral("TfrPesquisaPessoaFisica"), QStringLiteral("edtApelido"), QStringLiteral("searches")},
    {QStringLiteral("TfrPesquisaPessoaJuridica"), QStringLiteral("edtNome"), QStringLiteral("searches")},
    {QStringLiteral("TfrPesquisaPessoaJuridica"), QStringLiteral("edtNomeF"), QStringLiteral("searches")},
};

QString enterProprio(const QString &tela, const QString &campo)
{
    for (const EnterProprio &e : kEnterProprio)
        if (e.tela == tela && (e.campo == campo || e.campo == QStringLiteral("*")))
            return e.motivo;
    return QString();
}

bool dentroDeOutroCampo(const QWidget *w)
{
    const QWidget *pai = w->parentWidget();
    return qobject_cast<const QComboBox *>(pai) || qobject_cast<const QAbstractSpinBox *>(pai);
}

// The controls a user types into or sets from the keyboard, in creation order.
QList<QWidget *> candidatos(QWidget *tela)
{
    QList<QWidget *> out;
    for (QWidget *w : tela->findChildren<QWidget *>()) {
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (qobject_cast<QLineEdit *>(w)
                ? !dentroDeOutroCampo(w)
                : qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
                      qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w) ||
                      qobject_cast<QCheckBox *>(w))
            out << w;
    }
    return out;
}

// Brings the tab pages holding the control to the front.
void trazerParaFrente(QWidget *w)
{
    for (QWidget *filho = w; filho && !filho->isWindow(); filho = filho->parentWidget())
        if (auto *pilha = qobject_cast<QStackedWidget *>(filho->parentWidget()))
            pilha->setCurrentWidget(filho);
}

// The candidates the user can reach in the screen as it opens.
QList<QWidget *> campos(QWidget *tela)
{
    QList<QWidget *> out;
    for (QWidget *w : candidatos(tela)) {
        trazerParaFrente(w);
        if (w->isVisible() && w->isEnabled())
            out << w;
    }
    return out;
}

QString nomeDoCampo(const QList<QWidget *> &lista, int i)
{
    const QWidget *w = lista.at(i);
    QString nome = w->objectName();
    if (nome.isEmpty())
        nome = QString::fromLatin1(w->metaObject()->className());
    int iguais = 0;
    for (const QWidget *outro : lista)
        iguais += outro->objectName() == w->objectName() ? 1 : 0;
    return iguais > 1 || w->objectName().isEmpty() ? nome + QLatin1Char('#') + QString::number(i) : nome;
}

bool digitavel(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return !e->isReadOnly();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->isEditable();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return !p->isReadOnly();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return !t->isReadOnly();
    return false;
}

// Enter in an editable memo is a line break.
bool quebraLinha(const QWidget *w)
{
    return (qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w)) && digitavel(w);
}

QString valor(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return QString::number(c->currentIndex()) + QLatin1Char('|') + c->currentText();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return p->toPlainText();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return t->toPlainText();
    if (auto *s = qobject_cast<const QAbstractSpinBox *>(w))
        return s->text();
    if (auto *b = qobject_cast<const QCheckBox *>(w))
        return b->isChecked() ? QStringLiteral("marcado") : QStringLiteral("desmarcado");
    return QString();
}

QSet<QWidget *> janelasVisiveis()
{
    QSet<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            out << w;
    return out;
}

QByteArray jpeg()
{
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG");
    return out;
}

} // namespace

class TestTeclasTelas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    RecordingNavigator *m_nav = nullptr;
    TUsuario m_usuario;
    qint32 m_ana = 0;
    qint32 m_acme = 0;
    TPessoaFisica m_predio; // the individual the apartment generator copies
    THistorico m_historico;
    Database &db() { return m_dm->BancoDados; }

    TPessoaFisica ana()
    {
        TPessoaFisica p;
        p.Identificador = m_ana;
        if (!p.Carregar())
            qFatal("no individual %d", m_ana);
        return p;
    }
    TPessoaJuridica acme()
    {
        TPessoaJuridica p;
        if (!p.Carregar(m_acme))
            qFatal("no company %d", m_acme);
        return p;
    }

    // Every screen, opened as its callers open it: with a stored person, so
    // that a button clicked by mistake has something to act on.
    QList<Tela> telas()
    {
        using Ptr = std::unique_ptr<QDialog>;
        const QString nada = QString();
        return {
            {QStringLiteral("TfrPessoaFisica"), Esc::NaoFecha, nada,
             [this]() -> Ptr {
                 auto d = std::make_unique<TfrPessoaFisica>();
                 d->AbrirParaAlterar(ana());
                 return d;
             }},
            {QStringLiteral("TfrPessoaJuridica"), Esc::NaoFecha, nada,
             [this]() -> Ptr {
                 auto d = std::make_unique<TfrPessoaJuridica>();
                 d->AbrirParaAlterar(acme());
                 return d;
             }},
            {QStringLiteral("TfrContatoPJ"), Esc::NaoFecha, nada,
             [this]() -> Ptr {
                 auto d = std::make_unique<TfrContatoPJ>();
                 d->DefinirEmpresa(m_acme, QStringLiteral("Acme Ltda"));
                 return d;
             }},
            {QStringLiteral("TfrCadastroContatoPJ"), Esc::NaoFecha, nada,
             []() -> Ptr { return std::make_unique<TfrCadastroContatoPJ>(); }},
            {QStringLiteral("TfrHistorico"), Esc::NaoFecha, nada,
             [this]() -> Ptr {
                 auto d = std::make_unique<TfrHistorico>(m_historico);
                 d->DefinirPessoa(ana());
                 return d;
             }},
            {QStringLiteral("TfrAlbum"), Esc::NaoFecha, nada,
             [this]() -> Ptr { return std::make_unique<TfrAlbum>(ana()); }},
            {QStringLiteral("TfrInserirImagem"), Esc::NaoFecha, nada,
             [this]() -> Ptr { return std::make_unique<TfrInserirImagem>(ana()); }},
            {QStringLiteral("TfrGrupos"), Esc::NaoFecha, nada,
             []() -> Ptr { return std::make_unique<TfrGrupos>(); }},
            {QStringLiteral("TfrPredios"), Esc::NaoFecha, nada,
             [this]() -> Ptr {
                 m_predio = ana();
                 return std::make_unique<TfrPredios>(m_predio);
             }},

            {QStringLiteral("TfrAlteraSenha"), Esc::Cancela, QStringLiteral("its \"Cancelar\" button"),
             [this]() -> Ptr { return std::make_unique<TfrAlteraSenha>(m_usuario); }},
            {QStringLiteral("TfrNovoUsuario"), Esc::Cancela, QStringLiteral("its \"Sair\" cancels"),
             []() -> Ptr { return std::make_unique<TfrNovoUsuario>(TfrNovoUsuario::Modo::Normal); }},
            {QStringLiteral("TfrEscolhaAsDatas"), Esc::Cancela, QStringLiteral("a chooser: no dates chosen"),
             []() -> Ptr { return std::make_unique<TfrEscolhaAsDatas>(); }},
            {QStringLiteral("TfrPesquisaPessoaFisica"), Esc::Cancela,
             QStringLiteral("a search: nobody picked"),
             []() -> Ptr { return std::make_unique<TfrPesquisaPessoaFisica>(); }},
            {QStringLiteral("TfrPesquisaPessoaJuridica"), Esc::Cancela,
             QStringLiteral("a search: no company picked"),
             []() -> Ptr { return std::make_unique<TfrPesquisaPessoaJuridica>(); }},
            {QStringLiteral("TfrPesquisaAnotacao"), Esc::Cancela, QStringLiteral("a search of notes"),
             []() -> Ptr { return std::make_unique<TfrPesquisaAnotacao>(kLogin); }},
            {QStringLiteral("TfrAcessoRapidoPF"), Esc::Cancela, QStringLiteral("shows, holds no typing"),
             [this]() -> Ptr {
                 auto d = std::make_unique<TfrAcessoRapidoPF>();
                 if (!d->MostrarPessoa(m_ana))
                     qFatal("quick access without the individual");
                 return d;
             }},
            {QStringLiteral("TfrAcessoRapidoPJ"), Esc::Cancela, QStringLiteral("shows, holds no typing"),
             [this]() -> Ptr {
                 auto d = std::make_unique<TfrAcessoRapidoPJ>();
                 if (!d->MostrarPessoa(m_acme))
                     qFatal("quick access without the company");
                 return d;
             }},
            {QStringLiteral("TfrMostraImg"), Esc::Cancela, QStringLiteral("a picture viewer"),
             []() -> Ptr { return std::make_unique<TfrMostraImg>(0); }},
            {QStringLiteral("TfrRemoverUsuarios"), Esc::Cancela, QStringLiteral("its \"&Fechar\" button"),
             []() -> Ptr { return std::make_unique<TfrRemoverUsuarios>(kLogin); }},
            {QStringLiteral("TfrPrimeiroUsuario"), Esc::Cancela, QStringLiteral("a notice"),
             []() -> Ptr { return std::make_unique<TfrPrimeiroUsuario>(); }},
            {QStringLiteral("TfrBackUP"), Esc::Cancela, QStringLiteral("its \"Close\" button"),
             []() -> Ptr { return std::make_unique<TfrBackUP>(); }},
            {QStringLiteral("TfrFones"), Esc::Cancela,
             QStringLiteral("prints lists: what is typed only filters them"),
             []() -> Ptr { return std::make_unique<TfrFones>(kLogin); }},
            {QStringLiteral("TfrImprimeEtiquetas"), Esc::Cancela,
             QStringLiteral("prints labels: what is typed only filters them"),
             []() -> Ptr { return std::make_unique<TfrImprimeEtiquetas>(kLogin); }},
            {QStringLiteral("TfrMalaDiretaPF"), Esc::NaoFecha, nada,
             []() -> Ptr { return std::make_unique<TfrMalaDiretaPF>(kLogin); }},
            {QStringLiteral("TfrMalaDiretaPJ"), Esc::NaoFecha, nada,
             []() -> Ptr { return std::make_unique<TfrMalaDiretaPJ>(kLogin); }},
            {QStringLiteral("TfrServidor"), Esc::NaoFecha, nada,
             []() -> Ptr { return std::make_unique<TfrServidor>(); }},
            {QStringLiteral("TfrImportarContatos"), Esc::NaoFecha, nada,
             []() -> Ptr { return std::make_unique<TfrImportarContatos>(kLogin); }},
            {QStringLiteral("TfrExportarContatos"), Esc::Cancela,
             QStringLiteral("writes a file: nothing typed is lost"),
             []() -> Ptr { return std::make_unique<TfrExportarContatos>(kLogin); }},
        };
    }

    static bool aberta(QDialog *dlg)
    {
        dlg->show();
        if (!QTest::qWaitForWindowExposed(dlg))
            return false;
        dlg->activateWindow();
        return QTest::qWaitForWindowActive(dlg);
    }

    void limparDubles()
    {
        m_seams.messages->clear();
        m_seams.input->asked.clear();
        m_seams.input->files.clear();
        m_seams.shell->opened.clear();
        m_seams.network->online = false;
        QSet<QString> todas;
        for (const Tela &t : telas())
            todas << t.nome;
        m_nav = RecordingNavigator::install(todas);
    }

    QStringList abertas() const
    {
        QStringList out;
        for (const auto &o : m_nav->opened)
            out << o.first;
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
        QVERIFY(insertUsuario(db(), kLogin));
        m_usuario.Login = kLogin;
        m_usuario.Tipo = 1;
        TUsuario::setAtual(&m_usuario);
        const int grupo = insertGrupo(db(), QStringLiteral("Clientes"));
        QVERIFY(grupo > 0);
        m_ana = insertPessoaFisica(db(), QStringLiteral("Ana Souza"), grupo, kLogin);
        QVERIFY(m_ana > 0);
        m_acme = insertPessoaJuridica(db(), QStringLiteral("Acme Ltda"), grupo, kLogin);
        QVERIFY(m_acme > 0);
        // a photo in the album: a delete clicked by mistake asks first
        TFoto foto;
        foto.IdPessoa = m_ana;
        QCOMPARE(foto.Inserir(jpeg()), Resultado::Gravado);
    }
    void init() { limparDubles(); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    // One row per field and key of every screen.
    void teclaNoCampo_data()
    {
        QTest::addColumn<int>("tela");
        QTest::addColumn<int>("campo"); // -1: the screen has no field; the key goes to whatever has focus
        QTest::addColumn<int>("tecla");

        const QList<Tela> lista = telas();
        for (int t = 0; t < lista.size(); ++t) {
            const std::unique_ptr<QDialog> dlg = lista.at(t).criar();
            QVERIFY2(aberta(dlg.get()), qPrintable(lista.at(t).nome));
            const QList<QWidget *> todos = campos(dlg.get());
            auto linha = [&](const QString &campo, int i, int tecla, const char *nomeTecla) {
                QTest::addRow("%s/%s/%s", qPrintable(lista.at(t).nome), qPrintable(campo), nomeTecla)
                    << t << i << tecla;
            };
            // no field: Enter would only press the button that has the focus
            if (todos.isEmpty())
                linha(QStringLiteral("(tela)"), -1, Qt::Key_Escape, "Esc");
            for (int i = 0; i < todos.size(); ++i) {
                const QString nome = nomeDoCampo(todos, i);
                if (enterProprio(lista.at(t).nome, todos.at(i)->objectName()).isEmpty() &&
                    !quebraLinha(todos.at(i)))
                    linha(nome, i, Qt::Key_Return, "Enter");
                linha(nome, i, Qt::Key_Escape, "Esc");
            }
            dlg->close();
        }
    }

    // Typing, then the key: nothing opens, nothing is asked, and the screen
    // stays open with the typing; Esc on a dialog with a cancel cancels it.
    void teclaNoCampo()
    {
        QFETCH(int, tela);
        QFETCH(int, campo);
        QFETCH(int, tecla);
        const Tela t = telas().at(tela);
        const std::unique_ptr<QDialog> dlg = t.criar();
        QVERIFY(aberta(dlg.get()));
        limparDubles(); // what opening the screen showed is not the key's doing

        QWidget *alvo = dlg.get();
        QString digitado;
        if (campo >= 0) {
            const QList<QWidget *> todos = campos(dlg.get());
            QVERIFY(campo < todos.size());
            alvo = todos.at(campo);
            trazerParaFrente(alvo);
            alvo->setFocus();
            QTRY_VERIFY(alvo->hasFocus());
            if (digitavel(alvo)) {
                const QString antes = valor(alvo);
                // over what the field holds: a full field takes nothing more
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), kDigitado);
                // a field that took nothing would hide a loss
                QVERIFY2(valor(alvo) != antes, qPrintable(valor(alvo)));
            }
            digitado = valor(alvo);
        }
        QWidget *foco = QApplication::focusWidget() ? QApplication::focusWidget() : dlg.get();
        const QSet<QWidget *> janelas = janelasVisiveis();
        QSignalSpy fechou(dlg.get(), &QDialog::finished);

        QTest::keyClick(foco, Qt::Key(tecla));
        QCoreApplication::processEvents();

        QCOMPARE(abertas(), QStringList());
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(m_seams.input->asked, QStringList());
        QCOMPARE(m_seams.shell->opened, QStringList());
        QCOMPARE(janelasVisiveis() - janelas, QSet<QWidget *>());
        if (tecla == Qt::Key_Escape && t.esc == Esc::Cancela) {
            QVERIFY2(!t.porqueCancela.isEmpty(), qPrintable(t.nome));
            QVERIFY(!dlg->isVisible());
            QCOMPARE(fechou.count(), 1);
            QCOMPARE(dlg->result(), int(QDialog::Rejected));
            return;
        }
        QVERIFY(dlg->isVisible());
        QCOMPARE(fechou.count(), 0);
        QCOMPARE(QApplication::activeModalWidget(), dlg.get());
        if (campo >= 0)
            QCOMPARE(valor(alvo), digitado);
    }

    // Every field where Enter keeps its own meaning is a field of that screen
    // (a renamed field would silently lose its check otherwise).
    void enterProprioNomeiaCamposQueExistem()
    {
        const QList<Tela> lista = telas();
        for (const EnterProprio &e : kEnterProprio) {
            auto t =
                std::find_if(lista.begin(), lista.end(), [&e](const Tela &x) { return x.nome == e.tela; });
            QVERIFY2(t != lista.end(), qPrintable(e.tela));
            QVERIFY2(!e.motivo.isEmpty(), qPrintable(e.tela + QLatin1Char('/') + e.campo));
            if (e.campo == QStringLiteral("*"))
                continue;
            const std::unique_ptr<QDialog> dlg = t->criar();
            QVERIFY(aberta(dlg.get()));
            bool achou = false;
            for (QWidget *w : campos(dlg.get()))
                achou = achou || w->objectName() == e.campo;
            QVERIFY2(achou, qPrintable(e.tela + QLatin1Char('/') + e.campo));
        }
    }

    void nenhumBotaoPadrao_data()
    {
        QTest::addColumn<int>("tela");
        const QList<Tela> lista = telas();
        for (int t = 0; t < lista.size(); ++t)
            if (lista.at(t).esc == Esc::NaoFecha)
                QTest::newRow(qPrintable(lista.at(t).nome)) << t;
    }

    // Not as the screen opens, nor when a button takes the focus.
    void nenhumBotaoPadrao()
    {
        QFETCH(int, tela);
        const std::unique_ptr<QDialog> dlg = telas().at(tela).criar();
        QVERIFY(aberta(dlg.get()));
        auto conferir = [&dlg](const char *quando) {
            for (const QPushButton *b : dlg->findChildren<QPushButton *>()) {
                const QString nome = b->objectName() + QLatin1Char(' ') + QString::fromLatin1(quando);
                QVERIFY2(!b->isDefault(), qPrintable(nome));
                QVERIFY2(!b->autoDefault(), qPrintable(nome));
            }
        };
        conferir("ao abrir");
        for (QPushButton *b : dlg->findChildren<QPushButton *>()) {
            if (QTest::currentTestFailed())
                return;
            if (!b->isVisible() || !b->isEnabled())
                continue;
            b->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(b->hasFocus());
            conferir(qPrintable(QStringLiteral("com o foco em ") + b->objectName()));
        }
    }
};

QTEST_MAIN(TestTeclasTelas)
#include "TestTeclasTelas.moc"
