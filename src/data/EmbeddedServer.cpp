#include "data/EmbeddedServer.h"

#include "app/ProgramFolder.h"
#include "data/DbError.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr int kRootLine = 62; // the 63rd line
const QString kRootKey = QStringLiteral("RootDirectory = ");

QString confPath()
{
    return ProgramPath(QStringLiteral("firebird.conf"));
}

QString notUsable(const QString &path)
{
    return QStringLiteral("O arquivo de configuração do servidor de banco de dados \"") + path +
           QStringLiteral("\" não pôde ser lido ou não tem as 63 linhas esperadas.");
}

bool readLines(const QString &path, QList<QByteArray> *lines, QByteArray *eol)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = f.readAll();
    *eol = all.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QList<QByteArray> parts = all.split('\n');
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast(); // the final line break ends the last line
    for (QByteArray &p : parts)
        if (p.endsWith('\r'))
            p.chop(1);
    *lines = parts;
    return true;
}

} // namespace

bool ConfigureEmbeddedServer()
{
    const QString path = confPath();
    QList<QByteArray> lines;
    QByteArray eol;
    if (!readLines(path, &lines, &eol) || lines.size() <= kRootLine)
        throw DbError(notUsable(path));
    lines[kRootLine] = (kRootKey + ProgramFolder() + QStringLiteral("fb")).toLocal8Bit();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw DbError(notUsable(path));
    for (const QByteArray &line : std::as_const(lines)) {
        out.write(line);
        out.write(eol);
    }
    if (!out.commit())
        throw DbError(notUsable(path));
    return true;
}

QString EmbeddedServerRoot()
{
    QList<QByteArray> lines;
    QByteArray eol;
    if (!readLines(confPath(), &lines, &eol) || lines.size() <= kRootLine)
        return {};
    const QString line = QString::fromLocal8Bit(lines[kRootLine]);
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || line.left(eq).trimmed().compare(QStringLiteral("RootDirectory"), Qt::CaseInsensitive) != 0)
        return {};
    return line.mid(eq + 1).trimmed();
}

bool ApplyEmbeddedServerRoot(const QString &root)
{
    static bool applied = false;
    if (root.isEmpty() || applied)
        return false;
    qputenv("FIREBIRD", root.toLocal8Bit());
    applied = true;
    return true;
}
