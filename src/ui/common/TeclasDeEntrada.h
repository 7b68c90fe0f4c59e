#pragma once

class QDialog;

// The keys of a screen that holds typing. Enter in a field does only what the
// screen itself does with it: no push button of the screen is a default or
// auto-default button, those made after this call included. Esc either stays
// the dialog's cancel or, on a screen that only its own exit button closes,
// does nothing (what was typed would be lost without a word).
namespace TeclasDeEntrada {

enum class Esc { Cancela, NaoFecha };

void Aplicar(QDialog *tela, Esc esc = Esc::NaoFecha);

} // namespace TeclasDeEntrada
