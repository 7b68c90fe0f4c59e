#pragma once

#include <QString>

// Builds the text shown for a failed user-record operation and keeps a log
// of the unexpected ones in "Orvalha.erros" beside the program.
//  - for TUsuario, a message about a PRIMARY or UNIQUE KEY gives "Login existente!" (not logged);
//  - otherwise "Erro Desconhecido ao <operation>: \r\n<MESSAGE>", and one line
//    "<className>  --  <MESSAGE>" is appended to the log.
QString MontaMensagemErro(const QString &message, const QString &className, const QString &operation);

// The log file's full path.
QString ErrorLogPath();
