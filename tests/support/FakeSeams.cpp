#include "support/FakeSeams.h"

FakeSeams FakeSeams::install()
{
    FakeSeams f{new FakeMessages, new FakeInput, new FakeShell, new FixedClock,     new FakeKeyboard,
                new FakeNetwork,  new FakeMail,  new FakeSound, new FakeMailHandoff};
    Seams::setMessages(std::unique_ptr<MessageService>(f.messages));
    Seams::setInput(std::unique_ptr<InputService>(f.input));
    Seams::setShell(std::unique_ptr<ShellService>(f.shell));
    Seams::setClock(std::unique_ptr<Clock>(f.clock));
    Seams::setKeyboard(std::unique_ptr<KeyboardState>(f.keyboard));
    Seams::setNetwork(std::unique_ptr<NetworkPresence>(f.network));
    Seams::setMail(std::unique_ptr<MailService>(f.mail));
    Seams::setSound(std::unique_ptr<SoundPlayer>(f.sound));
    Seams::setMailHandoff(std::unique_ptr<MailHandoff>(f.handoff));
    return f;
}
