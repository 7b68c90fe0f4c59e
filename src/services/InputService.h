#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

// Input boxes and the standard file and folder choosers.
class InputService {
public:
    virtual ~InputService() = default;
    // An input box; no value when the user cancels.
    virtual std::optional<QString> inputBox(const QString &caption, const QString &prompt,
                                            const QString &defaultValue) = 0;
    // Empty when the user cancels. `filter` uses "Descrição (*.ext *.ext2)" items joined by ";;".
    virtual QString openFileName(const QString &caption, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &folder, const QString &filter) = 0;
    virtual QString folderName(const QString &caption, const QString &folder) = 0;
    // Several files at once; empty when the user cancels.
    virtual QStringList openFileNames(const QString &caption, const QString &folder,
                                      const QString &filter) = 0;
    // The font dialog with a colour: false when the user cancels, otherwise
    // the choice in *font and *color (both start as the current ones).
    virtual bool fontChoice(QFont *font, QColor *color) = 0;
};
