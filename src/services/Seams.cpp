#include "services/Seams.h"

#include "services/SmtpMailService.h"
#include "services/SystemNetworkPresence.h"

#include <QProcess>
#include <QTextStream>

namespace {

class StderrMessages : public MessageService {
public:
    void show(const QString &text, Kind) override { QTextStream(stderr) << text << Qt::endl; }
    bool confirm(const QString &text) override
    {
        QTextStream(stderr) << text << QStringLiteral(" [Não]") << Qt::endl;
        return false;
    }
};

class CancelledInput : public InputService {
public:
    std::optional<QString> inputBox(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString folderName(const QString &, const QString &) override { return {}; }
    QStringList openFileNames(const QString &, const QString &, const QString &) override { return {}; }
    bool fontChoice(QFont *, QColor *) override { return false; }
};

class XdgShell : public ShellService {
public:
    void open(const QString &target) override
    {
        if (!target.isEmpty())
            QProcess::startDetached(QStringLiteral("xdg-open"), {target});
    }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class NoKeys : public KeyboardState {
public:
    bool isKeyDown(int) const override { return false; }
};

class NoSound : public SoundPlayer {
public:
    bool play(const QString &, QString *error) override
    {
        if (error)
            *error = QStringLiteral("Não há um tocador de som disponível.");
        return false;
    }
    void stop() override {}
};

struct Installed {
    std::unique_ptr<MessageService> messages = std::make_unique<StderrMessages>();
    std::unique_ptr<InputService> input = std::make_unique<CancelledInput>();
    std::unique_ptr<ShellService> shell = std::make_unique<XdgShell>();
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    std::unique_ptr<KeyboardState> keyboard = std::make_unique<NoKeys>();
    std::unique_ptr<NetworkPresence> network = std::make_unique<SystemNetworkPresence>();
    std::unique_ptr<MailService> mail = std::make_unique<SmtpMailService>();
    std::unique_ptr<SoundPlayer> sound = std::make_unique<NoSound>();
    std::unique_ptr<MailHandoff> handoff = std::make_unique<XdgMailHandoff>();
};

Installed &installed()
{
    static Installed s;
    return s;
}

} // namespace

namespace Seams {

MessageService &messages()
{
    return *installed().messages;
}
InputService &input()
{
    return *installed().input;
}
ShellService &shell()
{
    return *installed().shell;
}
const Clock &clock()
{
    return *installed().clock;
}
const KeyboardState &keyboard()
{
    return *installed().keyboard;
}
const NetworkPresence &network()
{
    return *installed().network;
}

void setMessages(std::unique_ptr<MessageService> service)
{
    installed().messages = std::move(service);
}
void setInput(std::unique_ptr<InputService> service)
{
    installed().input = std::move(service);
}
void setShell(std::unique_ptr<ShellService> service)
{
    installed().shell = std::move(service);
}
void setClock(std::unique_ptr<Clock> clock)
{
    installed().clock = std::move(clock);
}
void setKeyboard(std::unique_ptr<KeyboardState> keyboard)
{
    installed().keyboard = std::move(keyboard);
}
void setNetwork(std::unique_ptr<NetworkPresence> network)
{
    installed().network = std::move(network);
}

void reset()
{
    installed() = Installed{};
}

} // namespace Seams

namespace Seams {

MailService &mail()
{
    return *installed().mail;
}
SoundPlayer &sound()
{
    return *installed().sound;
}
void setMail(std::unique_ptr<MailService> mail)
{
    installed().mail = std::move(mail);
}
void setSound(std::unique_ptr<SoundPlayer> sound)
{
    installed().sound = std::move(sound);
}
MailHandoff &mailHandoff()
{
    return *installed().handoff;
}
void setMailHandoff(std::unique_ptr<MailHandoff> handoff)
{
    installed().handoff = std::move(handoff);
}

} // namespace Seams
