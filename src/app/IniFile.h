#pragma once

#include <QString>

// An INI file in Windows-1252 read and written the way the Windows edition
// does: "[Section]" lines and "Key=Value" lines, section and key names matched
// without regard to letter case, values trimmed. Every call opens the file,
// reads or writes, and closes it: nothing is cached, so a value written is
// seen by the next reader. A missing file reads as empty; the first writer
// creates it (CRLF line ends, like files made on Windows).
class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }

    bool hasKey(const QString &section, const QString &key) const;
    bool hasSection(const QString &section) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // False when the file cannot be written or the value holds a character
    // Windows-1252 has not; the file is then left as it was.
    bool writeString(const QString &section, const QString &key, const QString &value);

    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool writeInteger(const QString &section, const QString &key, int value);
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    bool writeBool(const QString &section, const QString &key, bool value);
    // Decimal comma on writing; a comma or a point is accepted on reading.
    double readFloat(const QString &section, const QString &key, double defaultValue) const;
    bool writeFloat(const QString &section, const QString &key, double value);

private:
    QString m_path;
};
