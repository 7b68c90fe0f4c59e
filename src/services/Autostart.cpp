#include "services/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// An argument of an Exec key: quoted, with the four characters the quoting
// reserves escaped, then the backslashes doubled once more because the whole
// value is also a desktop-file string. "%" is a field code unless doubled.
QString execArgument(const QString &path)
{
    QString quoted;
    for (QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    QString value;
    for (QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('%'))
            value += QStringLiteral("%%");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else
            value += c;
    }
    return QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace

QString AutostartFilePath()
{
    // XDG base directories ignore a relative XDG_CONFIG_HOME.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/autostart/lumisto.desktop"));
}

bool AutostartEnabled()
{
    return QFileInfo::exists(AutostartFilePath());
}

bool SetAutostart(bool enabled, const QString &executablePath)
{
    const QString path = AutostartFilePath();
    if (!enabled)
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (executablePath.isEmpty())
        return false;
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;

    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Lumisto\n"
                                         "Exec=") +
                          execArgument(QFileInfo(executablePath).absoluteFilePath()) +
                          QStringLiteral("\n"
                                         "Terminal=false\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(entry.toUtf8());
    return file.commit();
}
