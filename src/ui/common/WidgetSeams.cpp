#include "ui/common/WidgetSeams.h"

#include "app/TerminationSignals.h"
#include "app/Version.h"
#include "services/Seams.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget *parentWindow()
{
    return QApplication::activeWindow();
}

// Texts keep the Windows line break "\r\n"; a box shows one break for it.
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

class BoxMessages : public MessageService {
public:
    // once the program is being ended by a signal nobody is there to answer
    void show(const QString &text, Kind kind) override { showTitled(ProgramTitle(), text, kind); }
    void showTitled(const QString &title, const QString &text, Kind kind) override
    {
        if (TerminationSignals::requested())
            return;
        QMessageBox box(parentWindow());
        box.setWindowTitle(title);
        box.setText(forDisplay(text));
        box.setIcon(kind == Kind::Error     ? QMessageBox::Critical
                    : kind == Kind::Warning ? QMessageBox::Warning
                                            : QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
    bool confirm(const QString &text) override
    {
        if (TerminationSignals::requested())
            return false;
        QMessageBox box(parentWindow());
        box.setWindowTitle(QStringLiteral("Confirmação"));
        box.setText(forDisplay(text));
        box.setIcon(QMessageBox::Question);
        QPushButton *yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes;
    }
};

class DialogInput : public InputService {
public:
    std::optional<QString> inputBox(const QString &caption, const QString &prompt,
                                    const QString &defaultValue) override
    {
        if (TerminationSignals::requested())
            return std::nullopt;
        bool ok = false;
        const QString v =
            QInputDialog::getText(parentWindow(), caption, prompt, QLineEdit::Normal, defaultValue, &ok);
        if (!ok)
            return std::nullopt;
        return v;
    }
    QString openFileName(const QString &caption, const QString &folder, const QString &filter) override
    {
        if (TerminationSignals::requested())
            return {};
        return QFileDialog::getOpenFileName(parentWindow(), caption, folder, filter);
    }
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter) override
    {
        if (TerminationSignals::requested())
            return {};
        return QFileDialog::getSaveFileName(parentWindow(), caption, folder, filter);
    }
    QString folderName(const QString &caption, const QString &folder) override
    {
        if (TerminationSignals::requested())
            return {};
        return QFileDialog::getExistingDirectory(parentWindow(), caption, folder);
    }
    QStringList openFileNames(const QString &caption, const QString &folder, const QString &filter) override
    {
        if (TerminationSignals::requested())
            return {};
        return QFileDialog::getOpenFileNames(parentWindow(), caption, folder, filter);
    }
    // Qt's font dialog has no colour: it sits in a dialog of ours beside a
    // colour button.
    bool fontChoice(QFont *font, QColor *color) override
    {
        if (TerminationSignals::requested())
            return false;
        QDialog dlg(parentWindow());
        dlg.setWindowTitle(QStringLiteral("Fonte"));
        auto *fontes = new QFontDialog(*font, &dlg);
        fontes->setWindowFlags(Qt::Widget);
        fontes->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        QColor escolhida = color->isValid() ? *color : QColor(Qt::black);
        auto *cor = new QPushButton(QStringLiteral("Cor..."), &dlg);
        auto pintar = [cor, &escolhida] {
            QPixmap amostra(16, 16);
            amostra.fill(escolhida);
            cor->setIcon(QIcon(amostra));
        };
        pintar();
        QObject::connect(cor, &QPushButton::clicked, &dlg, [&dlg, &escolhida, pintar] {
            const QColor c = QColorDialog::getColor(escolhida, &dlg, QStringLiteral("Cor"));
            if (c.isValid()) {
                escolhida = c;
                pintar();
            }
        });
        auto *botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
        QObject::connect(botoes, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
        QObject::connect(botoes, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
        auto *layout = new QVBoxLayout(&dlg);
        layout->addWidget(fontes);
        layout->addWidget(cor, 0, Qt::AlignLeft);
        layout->addWidget(botoes);
        if (dlg.exec() != QDialog::Accepted)
            return false;
        *font = fontes->currentFont();
        *color = escolhida;
        return true;
    }
};

class GuiKeyboard : public KeyboardState {
public:
    bool isKeyDown(int vk) const override
    {
        const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
        switch (vk) {
        case Shift: return m.testFlag(Qt::ShiftModifier);
        case Control: return m.testFlag(Qt::ControlModifier);
        case Alt: return m.testFlag(Qt::AltModifier);
        default: return false;
        }
    }
};

} // namespace

void InstallWidgetSeams()
{
    Seams::setMessages(std::make_unique<BoxMessages>());
    Seams::setInput(std::make_unique<DialogInput>());
    Seams::setKeyboard(std::make_unique<GuiKeyboard>());
    // printing needs nothing installed: the system printer is the default
}
