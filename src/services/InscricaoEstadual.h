#pragma once

#include <QString>

// The state tax number (inscrição estadual, IE) check. The rules
// live in a library outside the program, "DllInscE32.so" in the program
// folder (built from src/ie/), which exports
//   int ConsisteInscricaoEstadual(const char *insc, const char *uf)
// (0 valid, 1 invalid). The library is loaded for every check and unloaded
// before returning, also when the check fails; nothing is kept.
//
// The outcome is a value with three states, so a missing library can never
// pass for a verdict: test status (or isValid()/isError()); there is no
// conversion to bool.
//
//   const IEResultado r = ValidarIE(digits, uf);
//   if (r.isError()) { Seams::messages().show(r.message, ...); return false; } // stop the save
//   if (!r.isValid()) { ... the screen's own "invalid" message ... }

struct [[nodiscard]] IEResultado {
    enum class Status { Valid, Invalid, Error };

    Status status = Status::Error;
    // For Error, what the user sees: exactly "Dll não carregada" or
    // "Entrypoint Download não encontrado na Dll". Empty otherwise.
    QString message;
    // For Error, the loader's own text (for a log), never shown as the message.
    QString detail;

    bool isValid() const { return status == Status::Valid; }
    bool isInvalid() const { return status == Status::Invalid; }
    bool isError() const { return status == Status::Error; }
};

// Asks the library about the IE digits for the two-letter state. Any verdict
// other than 0 counts as invalid.
[[nodiscard]] IEResultado ValidarIE(const QString &digits, const QString &uf);

// The file the check loads: ProgramPath("DllInscE32.so").
QString IELibraryPath();
