#pragma once

// The program's entry: one copy per user, the Portuguese date vocabulary,
// the application with its title and hint colour, the data module, the login
// window, the current user and the main window. Returns the exit code.
int RunLumisto(int argc, char *argv[]);
