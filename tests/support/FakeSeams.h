#pragma once

#include "services/Seams.h"

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QSet>
#include <QStringList>
#include <QTest>

#include <functional>
#include <tuple>
#include <utility>

// Test doubles of the seams. Install() puts a fresh set in place and returns
// it; the objects stay owned by the seams.

// Records every box and answers questions from a queue; a question with no
// answer queued is recorded as unexpected, answered No, and fails the
// running test: a question nobody expected is a fault of its own.
class FakeMessages : public MessageService {
public:
    QStringList shown;     // texts of the Ok boxes, in order
    QStringList titles;    // the title of each of them (empty: the program's)
    QStringList questions; // texts of the Yes/No boxes, in order
    QStringList unexpected;
    QQueue<bool> answers;
    // called as each box is shown, while the code that shows it waits
    std::function<void(const QString &)> onShown;

    void show(const QString &text, Kind) override
    {
        shown << text;
        titles << QString();
        if (onShown)
            onShown(text);
    }
    void showTitled(const QString &title, const QString &text, Kind) override
    {
        shown << text;
        titles << title;
        if (onShown)
            onShown(text);
    }
    bool confirm(const QString &text) override
    {
        questions << text;
        if (answers.isEmpty()) {
            unexpected << text;
            QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + text), __FILE__, __LINE__);
            return false;
        }
        return answers.dequeue();
    }
    void clear()
    {
        shown.clear();
        titles.clear();
        questions.clear();
        unexpected.clear();
        answers.clear();
        onShown = {};
    }
};

class FakeInput : public InputService {
public:
    QQueue<std::optional<QString>> inputs;
    QQueue<QString> files; // answers to the file and folder choosers
    QStringList asked;

    std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &) override
    {
        asked << caption + QStringLiteral(" | ") + prompt;
        return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
    }
    QString openFileName(const QString &caption, const QString &, const QString &) override
    {
        return next(caption);
    }
    QString saveFileName(const QString &caption, const QString &, const QString &) override
    {
        return next(caption);
    }
    QString folderName(const QString &caption, const QString &) override { return next(caption); }
    QQueue<QStringList> fileLists; // answers to the several-files chooser
    QStringList openFileNames(const QString &caption, const QString &, const QString &) override
    {
        asked << caption;
        return fileLists.isEmpty() ? QStringList() : fileLists.dequeue();
    }
    // answers to the font dialog: no answer queued is a cancel
    QQueue<std::pair<QFont, QColor>> fonts;
    bool fontChoice(QFont *font, QColor *color) override
    {
        asked << QStringLiteral("fonte");
        if (fonts.isEmpty())
            return false;
        std::tie(*font, *color) = fonts.dequeue();
        return true;
    }

private:
    QString next(const QString &caption)
    {
        asked << caption;
        return files.isEmpty() ? QString() : files.dequeue();
    }
};

class FakeShell : public ShellService {
public:
    QStringList opened;
    void open(const QString &target) override { opened << target; }
};

class FixedClock : public Clock {
public:
    QDateTime current = QDateTime(QDate(2026, 12, 8), QTime(10, 30, 0));
    QDateTime now() const override { return current; }
};

class FakeKeyboard : public KeyboardState {
public:
    QSet<int> down;
    bool isKeyDown(int vk) const override { return down.contains(vk); }
};

class FakeNetwork : public NetworkPresence {
public:
    bool online = false;
    bool isOnNetwork() const override { return online; }
};

class FakeMail : public MailService {
public:
    QList<MailMessage> sent;
    bool fail = false;
    bool send(const MailMessage &message, QString *error) override
    {
        if (fail) {
            if (error)
                *error = QStringLiteral("falha simulada");
            return false;
        }
        sent << message;
        return true;
    }
};

// Records what would have gone to the user's mail program.
class FakeMailHandoff : public MailHandoff {
public:
    QList<MailHandoffMessage> handedOff;
    bool fail = false;
    bool handOff(const MailHandoffMessage &message, QString *error) override
    {
        if (fail) {
            if (error)
                *error = QStringLiteral("falha simulada");
            return false;
        }
        handedOff << message;
        return true;
    }
};

class FakeSound : public SoundPlayer {
public:
    QStringList played;
    int stops = 0;
    bool play(const QString &path, QString *) override
    {
        played << path;
        return true;
    }
    void stop() override { ++stops; }
};

struct FakeSeams {
    FakeMessages *messages;
    FakeInput *input;
    FakeShell *shell;
    FixedClock *clock;
    FakeKeyboard *keyboard;
    FakeNetwork *network;
    FakeMail *mail;
    FakeSound *sound;
    FakeMailHandoff *handoff;

    static FakeSeams install();
};
