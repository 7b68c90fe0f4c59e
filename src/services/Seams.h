#pragma once

#include "services/Clock.h"
#include "services/InputService.h"
#include "services/KeyboardState.h"
#include "services/MailHandoff.h"
#include "services/MailService.h"
#include "services/MessageService.h"
#include "services/NetworkPresence.h"
#include "services/ShellService.h"
#include "services/SoundPlayer.h"

#include <memory>

// The one place where the program's user-facing side effects are installed.
// The program installs the widget implementations at start-up; tests install
// doubles. Until something is installed, core defaults apply: messages go to
// the standard error stream and questions are answered No, input is
// cancelled, the shell runs xdg-open, the clock is the system clock, no key
// is held, the network is probed for real, mail goes out through
// the [SMTP] account, messages for the user's mail program go through
// xdg-email and sounds are refused (the program installs a player).
namespace Seams {

MessageService &messages();
InputService &input();
ShellService &shell();
const Clock &clock();
const KeyboardState &keyboard();
const NetworkPresence &network();
MailService &mail();
SoundPlayer &sound();
MailHandoff &mailHandoff();

void setMessages(std::unique_ptr<MessageService> service);
void setInput(std::unique_ptr<InputService> service);
void setShell(std::unique_ptr<ShellService> service);
void setClock(std::unique_ptr<Clock> clock);
void setKeyboard(std::unique_ptr<KeyboardState> keyboard);
void setNetwork(std::unique_ptr<NetworkPresence> network);
void setMail(std::unique_ptr<MailService> mail);
void setSound(std::unique_ptr<SoundPlayer> sound);
void setMailHandoff(std::unique_ptr<MailHandoff> handoff);

// Puts every core default back (tests call it between cases).
void reset();

} // namespace Seams
