#include "model/ErrorLog.h"

#include "app/ProgramFolder.h"
#include "util/Win1252.h"

#include <QFile>

QString ErrorLogPath()
{
    return ProgramPath(QStringLiteral("Orvalha.erros"));
}

QString MontaMensagemErro(const QString &message, const QString &className, const QString &operation)
{
    const QString upper = Win1252::toUpper(message);
    if (className == QLatin1String("TUsuario") && upper.contains(QLatin1String("PRIMARY OR UNIQUE KEY")))
        return QStringLiteral("Login existente!");

    QFile log(ErrorLogPath());
    if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        QString line = className + QStringLiteral("  --  ") + upper;
        line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        log.write(Win1252::encodeLossy(line + QStringLiteral("\r\n")));
    }
    return QStringLiteral("Erro Desconhecido ao ") + operation + QStringLiteral(": ") +
           QStringLiteral("\r\n") + upper;
}
