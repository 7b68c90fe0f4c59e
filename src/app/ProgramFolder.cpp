#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramFolder()
{
    QString dir = qEnvironmentVariable("LUMISTO_PROGRAM_DIR");
    if (dir.isEmpty()) {
        if (QCoreApplication::instance())
            dir = QCoreApplication::applicationDirPath();
        else
            dir = QFileInfo(QStringLiteral("/proc/self/exe"))
                      .canonicalFilePath()
                      .section(QLatin1Char('/'), 0, -2);
    }
    dir = QDir::cleanPath(QDir(dir).absolutePath());
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString ProgramPath(const QString &relative)
{
    QString r = relative;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ProgramFolder() + r;
}
