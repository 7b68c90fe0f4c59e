#pragma once

#include <QList>
#include <QString>

// "Orvalha.ini" beside the program: every section and key the program reads
// or writes, with its type and its default, is in SettingsTable(). Readers and
// writers open the file, work, and close it at once.

enum class SettingType { Boolean, Integer, Text, Float, Date, Time };

struct SettingDef {
    QString section;
    QString key;
    SettingType type;
    QString defaultValue; // as written in the file ("1"/"0", "7", "dd/mm/yyyy", ...); see below for the two
                          // computed ones
};

// Every key. Two defaults are computed when read: [BACKUP] DATA is today and
// [BACKUP] LOCAL is the program folder + "DB/BackUP/Orvalha.z".
const QList<SettingDef> &SettingsTable();

// Full path of the settings file. The name is matched without regard to
// letter case ("orvalha.ini" is the same file); a new file is "Orvalha.ini".
QString SettingsFilePath();

// Whether the file has the section at all.
bool SettingsHasSection(const QString &section);

// Typed access by section and key, defaults from the table. A key that is not
// in the table is a programming error (caught in debug builds) and reads empty.
QString ReadSettingText(const QString &section, const QString &key);
bool ReadSettingBool(const QString &section, const QString &key);
int ReadSettingInt(const QString &section, const QString &key);
double ReadSettingFloat(const QString &section, const QString &key);
double ReadSettingDate(const QString &section, const QString &key); // day number from 30/12/1899
double ReadSettingTime(const QString &section, const QString &key); // fraction of a day

// Writers return false when the file cannot be written (read-only, no space)
// or the text holds a character the file's code page cannot hold.
bool WriteSettingText(const QString &section, const QString &key, const QString &value);
bool WriteSettingBool(const QString &section, const QString &key, bool value);
bool WriteSettingInt(const QString &section, const QString &key, int value);
bool WriteSettingFloat(const QString &section, const QString &key, double value);
bool WriteSettingDate(const QString &section, const QString &key, double dayNumber);
bool WriteSettingTime(const QString &section, const QString &key, double dayFraction);

// A text of several lines, kept on one line with "<BR>" for each line break.
QString ReadSettingMultiline(const QString &section, const QString &key);
bool WriteSettingMultiline(const QString &section, const QString &key, const QString &value);

// [AcessoRapido] PF (kind 0) or PJ (kind 1), default true. Any other kind
// reads false and writes nothing.
bool QuickAccessEnabled(int kind);
bool SetQuickAccessEnabled(int kind, bool value);

// [ESTADO] UF
QString DefaultState();
bool SetDefaultState(const QString &uf);

// [AUTENTICA] INICIA = 0, LOGIN and SENHA emptied.
bool ClearAutomaticLogin();

// [SMTP] SUPORTE: the publisher's support address that suggestions go to;
// the built-in one when the key is empty.
QString SupportAddress();
