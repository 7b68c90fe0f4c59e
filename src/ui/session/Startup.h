#pragma once

// The program's entry: one copy per user, the Portuguese date vocabulary,
// the application with its title and hint colour, the data module, the login
// window, the current user and the main window. Returns the exit code.
int RunLumisto(int argc, char *argv[]);

#include <memory>

class TDM;
class TUsuario;

// The login window, then the current user: null (after the failed-login
// message and with the automatic login cleared) when the program must end.
std::unique_ptr<TUsuario> FazerLogin(TDM *dm);
