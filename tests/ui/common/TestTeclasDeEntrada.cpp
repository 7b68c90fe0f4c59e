// The keys of an entry screen on a bare dialog: a push button made at any
// time (before or after showing, inside a panel) is never clicked by Enter in
// a field, and Esc either does nothing or stays the dialog's cancel.
#include "ui/common/TeclasDeEntrada.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using TeclasDeEntrada::Esc;

namespace {

struct Tela {
    QDialog dlg;
    QLineEdit *campo = new QLineEdit(&dlg);
    QPushButton *primeiro = new QPushButton(QStringLiteral("Primeiro"), &dlg);
    QVBoxLayout *layout = new QVBoxLayout(&dlg);

    explicit Tela(Esc esc)
    {
        layout->addWidget(campo);
        layout->addWidget(primeiro);
        TeclasDeEntrada::Aplicar(&dlg, esc);
    }
    bool abrir()
    {
        dlg.show();
        if (!QTest::qWaitForWindowExposed(&dlg))
            return false;
        dlg.activateWindow();
        return QTest::qWaitForWindowActive(&dlg);
    }
    bool digitar()
    {
        campo->setFocus();
        if (!QTest::qWaitFor([this] { return campo->hasFocus(); }))
            return false;
        QTest::keyClicks(campo, QStringLiteral("abc"));
        return campo->text() == QStringLiteral("abc");
    }
};

} // namespace

class TestTeclasDeEntrada : public QObject {
    Q_OBJECT

private slots:
    void enterNaoClicaBotao_data()
    {
        QTest::addColumn<bool>("depoisDeAbrir");
        QTest::addColumn<bool>("noPainel");
        QTest::newRow("made with the screen") << false << false;
        QTest::newRow("made after showing") << true << false;
        QTest::newRow("made after showing, inside a panel") << true << true;
        QTest::newRow("made before showing, inside a panel") << false << true;
    }
    void enterNaoClicaBotao()
    {
        QFETCH(bool, depoisDeAbrir);
        QFETCH(bool, noPainel);
        Tela t(Esc::NaoFecha);
        QWidget *pai = &t.dlg;
        if (noPainel) {
            pai = new QWidget(&t.dlg);
            t.layout->addWidget(pai);
            new QVBoxLayout(pai);
        }
        auto criar = [pai] {
            auto *b = new QPushButton(QStringLiteral("Novo"), pai);
            pai->layout()->addWidget(b);
            // what a screen asks for by mistake is taken back too
            b->setDefault(true);
            b->show();
            return b;
        };
        QPushButton *novo = depoisDeAbrir ? nullptr : criar();
        QVERIFY(t.abrir());
        if (depoisDeAbrir)
            novo = criar();
        QVERIFY(t.digitar());
        QSignalSpy clicouPrimeiro(t.primeiro, &QPushButton::clicked);
        QSignalSpy clicouNovo(novo, &QPushButton::clicked);

        QTest::keyClick(t.campo, Qt::Key_Return);
        QTest::keyClick(t.campo, Qt::Key_Enter, Qt::KeypadModifier);

        QCOMPARE(clicouPrimeiro.count(), 0);
        QCOMPARE(clicouNovo.count(), 0);
        QVERIFY(t.dlg.isVisible());
        QCOMPARE(t.campo->text(), QStringLiteral("abc"));
        for (const QPushButton *b : {t.primeiro, novo}) {
            QVERIFY(!b->isDefault());
            QVERIFY(!b->autoDefault());
        }
    }

    void esc_data()
    {
        QTest::addColumn<Esc>("esc");
        QTest::addColumn<bool>("fecha");
        QTest::newRow("screen closed by its own button") << Esc::NaoFecha << false;
        QTest::newRow("dialog with a cancel") << Esc::Cancela << true;
    }
    void esc()
    {
        QFETCH(Esc, esc);
        QFETCH(bool, fecha);
        Tela t(esc);
        QVERIFY(t.abrir());
        QVERIFY(t.digitar());
        QSignalSpy terminou(&t.dlg, &QDialog::finished);

        QTest::keyClick(t.campo, Qt::Key_Escape);
        QCoreApplication::processEvents();

        QCOMPARE(t.dlg.isVisible(), !fecha);
        QCOMPARE(terminou.count(), fecha ? 1 : 0);
        if (fecha)
            QCOMPARE(t.dlg.result(), int(QDialog::Rejected));
        else
            QCOMPARE(t.campo->text(), QStringLiteral("abc"));
        // the window's own close still closes
        t.dlg.close();
        QVERIFY(!t.dlg.isVisible());
    }
};

QTEST_MAIN(TestTeclasDeEntrada)
#include "TestTeclasDeEntrada.moc"
