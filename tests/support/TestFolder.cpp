#include "support/TestFolder.h"

#include "data/TDM.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

bool runScript(const QString &program, const QStringList &args, QString *output)
{
    QProcess p;
    // the scripts run the system's engine, whatever root this process was pointed at
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), QStringLiteral(LUMISTO_FIREBIRD_HOME));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000)) {
        *output = QStringLiteral("timed out: ") + program;
        return false;
    }
    *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

TestFolder::TestFolder()
{
    if (!m_dir.isValid())
        return;
    m_ok = runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/prepare-program-folder"),
                     {m_dir.path(), QStringLiteral(LUMISTO_FIREBIRD_HOME)}, &lastError);
    qputenv("LUMISTO_PROGRAM_DIR", m_dir.path().toLocal8Bit());
}

TestFolder::~TestFolder()
{
    qunsetenv("LUMISTO_PROGRAM_DIR");
}

QString TestFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

bool TestFolder::createDatabase(const QString &relative)
{
    return runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"), {file(relative)}, &lastError);
}

std::unique_ptr<TDM> TestFolder::connect()
{
    return std::make_unique<TDM>([](int) {});
}

QString TestFolder::isql(const QString &sql, bool *ok)
{
    QFile script(file(QStringLiteral("script.sql")));
    script.open(QIODevice::WriteOnly | QIODevice::Truncate);
    script.write(sql.toLatin1());
    script.close();
    QString out;
    const bool good = runScript(
        QStringLiteral("isql-fb"),
        {QStringLiteral("-q"), QStringLiteral("-ch"), QStringLiteral("WIN1252"), QStringLiteral("-user"),
         QStringLiteral("SYSDBA"), QStringLiteral("-password"), QStringLiteral("x"),
         file(QStringLiteral("DB/Orvalha.FDB")), QStringLiteral("-i"), script.fileName()},
        &out);
    if (ok)
        *ok = good;
    return out;
}
