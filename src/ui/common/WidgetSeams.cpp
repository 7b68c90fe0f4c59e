#include "ui/common/WidgetSeams.h"

#include "app/TerminationSignals.h"
#include "app/Version.h"
#include "services/Seams.h"
#include "ui/common/EscolhaFonte.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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
    std::optional<FonteEscolhida> fonte(const QString &caption, const FonteEscolhida &inicial) override
    {
        if (TerminationSignals::requested())
            return std::nullopt;
        EscolhaFonte dialogo(caption, inicial, parentWindow());
        if (dialogo.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialogo.escolhida();
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
