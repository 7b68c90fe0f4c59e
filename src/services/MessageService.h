#pragma once

#include <QString>

// Message boxes and Yes/No questions. Every box the program shows goes
// through the one installed instance (Seams::messages()).
class MessageService {
public:
    enum class Kind { Information, Warning, Error };
    virtual ~MessageService() = default;
    // A modal box with an Ok button.
    virtual void show(const QString &text, Kind kind = Kind::Information) = 0;
    // The same with a title of its own instead of the program's.
    virtual void showTitled(const QString &title, const QString &text, Kind kind = Kind::Information)
    {
        (void)title;
        show(text, kind);
    }
    // A modal Yes/No box; true only on Yes.
    virtual bool confirm(const QString &text) = 0;
};
