#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

// A font with its colour, as the font chooser gives it.
struct FonteEscolhida {
    QFont fonte;
    QColor cor;
};

// Input boxes and the standard file, folder and font choosers.
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
    // The font chooser (family, size, style, colour); no value when the user cancels.
    virtual std::optional<FonteEscolhida> fonte(const QString &caption, const FonteEscolhida &inicial) = 0;
};
