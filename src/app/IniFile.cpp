#include "app/IniFile.h"

#include "util/Win1252.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

struct Lines {
    QStringList lines;
    bool exists = false;
};

Lines load(const QString &path)
{
    Lines r;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    r.exists = true;
    QString text = Win1252::decode(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    r.lines = text.split(QLatin1Char('\n'));
    if (!r.lines.isEmpty() && r.lines.last().isEmpty())
        r.lines.removeLast();
    return r;
}

bool isSection(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype end = t.indexOf(QLatin1Char(']'));
    if (end < 0)
        return false;
    *name = t.mid(1, end - 1).trimmed();
    return true;
}

bool isKey(const QString &line, QString *key, QString *value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return true;
}

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value read back loses one pair of surrounding double quotes, as on
// Windows; so a value that starts or ends with a blank or a quote is written
// inside an extra pair and comes back exactly.
QString unquote(const QString &v)
{
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        return v.mid(1, v.size() - 2);
    return v;
}

QString quoteIfNeeded(const QString &v)
{
    if (v.isEmpty())
        return v;
    const bool edge = v.front().isSpace() || v.back().isSpace() || v.front() == QLatin1Char('"') ||
                      v.back() == QLatin1Char('"');
    return edge ? QLatin1Char('"') + v + QLatin1Char('"') : v;
}

// Index of the key's line, or -1; *sectionEnd gets the line after the
// section's last key line (or -1 when the section is missing).
int find(const QStringList &lines, const QString &section, const QString &key, int *sectionEnd,
         QString *value)
{
    bool inSection = false;
    int found = -1;
    *sectionEnd = -1;
    for (int i = 0; i < lines.size(); ++i) {
        QString name, k, v;
        if (isSection(lines[i], &name)) {
            if (inSection && found >= 0)
                return found;
            inSection = same(name, section);
            if (inSection && *sectionEnd < 0)
                *sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (isKey(lines[i], &k, &v)) {
            *sectionEnd = i + 1;
            if (found < 0 && same(k, key)) {
                found = i;
                if (value)
                    *value = v;
            }
        }
    }
    return found;
}

} // namespace

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    int end;
    return find(load(m_path).lines, section, key, &end, nullptr) >= 0;
}

bool IniFile::hasSection(const QString &section) const
{
    for (const QString &line : load(m_path).lines) {
        QString name;
        if (isSection(line, &name) && same(name, section))
            return true;
    }
    return false;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    int end;
    QString value;
    if (find(load(m_path).lines, section, key, &end, &value) < 0)
        return defaultValue;
    return unquote(value);
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QString single = value;
    single.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!Win1252::canEncode(single) || !Win1252::canEncode(section) || !Win1252::canEncode(key))
        return false;
    Lines file = load(m_path);
    int end;
    const QString line = key + QLatin1Char('=') + quoteIfNeeded(single);
    const int at = find(file.lines, section, key, &end, nullptr);
    if (at >= 0) {
        QString k;
        isKey(file.lines[at], &k, nullptr);
        file.lines[at] = k + QLatin1Char('=') + quoteIfNeeded(single); // keep the key's own spelling
    } else if (end >= 0) {
        file.lines.insert(end, line);
    } else {
        if (!file.lines.isEmpty() && !file.lines.last().trimmed().isEmpty())
            file.lines.append(QString());
        file.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        file.lines.append(line);
    }
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    Win1252::encode(file.lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), &bytes);
    out.write(bytes);
    return out.commit();
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const QString s = readString(section, key, QString());
    bool ok = false;
    int v = s.toInt(&ok);
    if (!ok && s.startsWith(QLatin1Char('$')))
        v = s.mid(1).toInt(&ok, 16);
    return ok ? v : defaultValue;
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double IniFile::readFloat(const QString &section, const QString &key, double defaultValue) const
{
    QString s = readString(section, key, QString());
    s.remove(QLatin1Char(' '));
    if (s.contains(QLatin1Char(',')))
        s.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = s.toDouble(&ok);
    return ok ? v : defaultValue;
}

bool IniFile::writeFloat(const QString &section, const QString &key, double value)
{
    QString s = QString::number(value, 'g', 15);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return writeString(section, key, s);
}
