#pragma once

// What the benchmark programs share: timing, printing, and running the
// project's scripts and isql-fb on the system's engine.

#include "util/Win1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace bench {

using Cronometro = std::chrono::steady_clock;

inline double msSince(Cronometro::time_point start)
{
    return std::chrono::duration<double, std::milli>(Cronometro::now() - start).count();
}

inline void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

[[noreturn]] inline void fail(const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 text.toUtf8().constData());
    std::exit(1);
}

inline QString ms(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// ------------------------------------------------------------ isql

inline QProcessEnvironment scriptEnvironment()
{
    // the scripts and isql run the system's engine, whatever root this process was pointed at
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), QStringLiteral(LUMISTO_FIREBIRD_HOME));
    return env;
}

inline void runScript(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(scriptEnvironment());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        fail(program + QStringLiteral(" failed:\n") + QString::fromLocal8Bit(p.readAll()));
}

struct IsqlRun {
    double wallMs = 0;
    QString out;
};

// Runs a script through embedded isql-fb; its output goes to a file, so isql
// never waits on a pipe while it is being timed.
inline IsqlRun isql(const QString &work, const QString &database, const QString &script)
{
    const QString scriptFile = work + QStringLiteral("/bench.sql");
    const QString outFile = work + QStringLiteral("/bench.out");
    const QString errFile = work + QStringLiteral("/bench.err");
    QByteArray bytes;
    if (!Win1252::encode(script, &bytes))
        fail(QStringLiteral("isql script not encodable"));
    QFile f(scriptFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + scriptFile);
    f.close();
    QProcess p;
    p.setProcessEnvironment(scriptEnvironment());
    p.setStandardOutputFile(outFile);
    p.setStandardErrorFile(errFile);
    const Cronometro::time_point start = Cronometro::now();
    p.start(QStringLiteral("isql-fb"),
            {QStringLiteral("-q"), QStringLiteral("-ch"), QStringLiteral("WIN1252"), QStringLiteral("-user"),
             QStringLiteral("SYSDBA"), QStringLiteral("-password"), QStringLiteral("x"), database,
             QStringLiteral("-i"), scriptFile});
    const bool finished = p.waitForFinished(-1);
    IsqlRun run;
    run.wallMs = msSince(start);
    QFile err(errFile);
    err.open(QIODevice::ReadOnly);
    const QByteArray errors = err.readAll();
    if (!finished || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 ||
        !errors.trimmed().isEmpty())
        fail(QStringLiteral("isql-fb failed:\n") + QString::fromLocal8Bit(errors));
    QFile out(outFile);
    out.open(QIODevice::ReadOnly);
    run.out = Win1252::decode(out.readAll());
    return run;
}

inline std::vector<double> captured(const QString &out, const QString &pattern)
{
    std::vector<double> values;
    const QRegularExpression re(pattern);
    for (auto it = re.globalMatch(out); it.hasNext();)
        values.push_back(it.next().captured(1).toDouble());
    return values;
}

} // namespace bench
