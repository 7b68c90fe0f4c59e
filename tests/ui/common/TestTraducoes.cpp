// Qt's own dialogs and buttons speak Brazilian Portuguese: the file
// chooser, the standard buttons of the message boxes.
#include "ui/common/Traducoes.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestTraducoes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstalarTraducoesDoQt()); }

    void standardButtonsAndTheFileChooser_data()
    {
        QTest::addColumn<QString>("contexto");
        QTest::addColumn<QString>("ingles");
        QTest::addColumn<QString>("portugues");
        QTest::newRow("Cancel") << QStringLiteral("QPlatformTheme") << QStringLiteral("Cancel")
                                << QStringLiteral("Cancelar");
        QTest::newRow("Close") << QStringLiteral("QPlatformTheme") << QStringLiteral("Close")
                               << QStringLiteral("Fechar");
        QTest::newRow("Open") << QStringLiteral("QPlatformTheme") << QStringLiteral("Open")
                              << QStringLiteral("Abrir");
    }
    void standardButtonsAndTheFileChooser()
    {
        QFETCH(QString, contexto);
        QFETCH(QString, ingles);
        QFETCH(QString, portugues);
        QCOMPARE(QCoreApplication::translate(qPrintable(contexto), qPrintable(ingles)), portugues);
    }

    void theFileChoosersLabelsAreTranslated()
    {
        QFileDialog dlg;
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        dlg.setFileMode(QFileDialog::ExistingFile);
        const QStringList ingleses = {QStringLiteral("Look in:"), QStringLiteral("File name:"),
                                      QStringLiteral("Files of type:")};
        QStringList rotulos;
        for (QLabel *l : dlg.findChildren<QLabel *>())
            rotulos << l->text().remove(QLatin1Char('&'));
        QVERIFY(!rotulos.isEmpty());
        for (const QString &ingles : ingleses)
            QVERIFY2(!rotulos.contains(ingles), qPrintable(rotulos.join(QLatin1Char('|'))));
        QDialogButtonBox *botoes = dlg.findChild<QDialogButtonBox *>();
        QVERIFY(botoes);
        QCOMPARE(botoes->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Cancelar"));
    }
};

QTEST_MAIN(TestTraducoes)
#include "TestTraducoes.moc"
