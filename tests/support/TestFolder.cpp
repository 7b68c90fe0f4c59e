#include "support/TestFolder.h"

#include "data/TDM.h"
#include "support/ServidorFirebird.h"

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
    m_servidor.reset();
    qunsetenv("LUMISTO_PROGRAM_DIR");
}

QString TestFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

bool TestFolder::emServidor()
{
    return qEnvironmentVariableIntValue("LUMISTO_TESTE_SERVIDOR") == 1;
}

bool TestFolder::createDatabase(const QString &relative)
{
    if (!runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"), {file(relative)}, &lastError))
        return false;
    if (!emServidor() || relative != QStringLiteral("DB/Orvalha.FDB"))
        return true;
    if (!m_servidor) {
        m_servidor = std::make_unique<ServidorFirebird>();
        if (!m_servidor->isValid()) {
            lastError = m_servidor->lastError;
            return false;
        }
    }
    if (!m_servidor->servidor(file(relative)).Gravar()) {
        lastError = QStringLiteral("[SERVIDOR] não gravado");
        return false;
    }
    return true;
}

std::unique_ptr<TDM> TestFolder::connect()
{
    return std::make_unique<TDM>([](int) {});
}

QString TestFolder::isql(const QString &sql, bool *ok)
{
    if (m_servidor)
        return m_servidor->isql(file(QStringLiteral("DB/Orvalha.FDB")), sql, ok);
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
