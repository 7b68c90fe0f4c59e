#include "services/Settings.h"

#include "app/IniFile.h"
#include "app/ProgramFolder.h"
#include "app/Version.h"
#include "services/Seams.h"

#include <QDate>
#include <QDir>
#include <QTime>

namespace {

const QDate kDayZero(1899, 12, 30);

QString S(const char *text)
{
    return QString::fromLatin1(text);
}

const SettingDef *lookup(const QString &section, const QString &key)
{
    for (const SettingDef &d : SettingsTable())
        if (d.section.compare(section, Qt::CaseInsensitive) == 0 &&
            d.key.compare(key, Qt::CaseInsensitive) == 0)
            return &d;
    Q_ASSERT_X(false, "Settings", "key not in the settings table");
    return nullptr;
}

QString defaultOf(const QString &section, const QString &key)
{
    const SettingDef *d = lookup(section, key);
    if (!d)
        return {};
    if (d->section == S("BACKUP") && d->key == S("DATA"))
        return Seams::clock().now().date().toString(QStringLiteral("dd/MM/yyyy"));
    if (d->section == S("BACKUP") && d->key == S("LOCAL"))
        return ProgramPath(QStringLiteral("DB/BackUP/Orvalha.z"));
    return d->defaultValue;
}

IniFile ini()
{
    return IniFile(SettingsFilePath());
}

double dateToDay(const QDate &d)
{
    return double(kDayZero.daysTo(d));
}

double parseDate(const QString &text)
{
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
    if (d.isValid())
        return dateToDay(d);
    const QDate loose = QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
    return loose.isValid() ? dateToDay(loose) : -1;
}

double parseTime(const QString &text)
{
    QTime t = QTime::fromString(text.trimmed(), QStringLiteral("hh:mm:ss"));
    if (!t.isValid())
        t = QTime::fromString(text.trimmed(), QStringLiteral("h:mm"));
    if (!t.isValid())
        t = QTime::fromString(text.trimmed(), QStringLiteral("h:mm:ss"));
    return t.isValid() ? t.msecsSinceStartOfDay() / 86400000.0 : -1;
}

} // namespace

const QList<SettingDef> &SettingsTable()
{
    using T = SettingType;
    static const QList<SettingDef> table = {
        {S("AUTENTICA"), S("INICIA"), T::Boolean, S("0")},
        {S("AUTENTICA"), S("LOGIN"), T::Text, QString()},
        {S("AUTENTICA"), S("SENHA"), T::Text, QString()},
        {S("USUARIO"), S("LOGIN"), T::Text, QString()},
        {S("BACKUP"), S("DATA"), T::Date, QString()},
        {S("BACKUP"), S("LOCAL"), T::Text, QString()},
        {S("BACKUP"), S("EMAIL"), T::Text, S("Coloque AQUI o email de destino")},
        {S("AcessoRapido"), S("PF"), T::Boolean, S("1")},
        {S("AcessoRapido"), S("PJ"), T::Boolean, S("1")},
        {S("ESTADO"), S("UF"), T::Text, QString()},
        {S("CADASTRO_PF"), S("TIPO_PESSOA"), T::Integer, S("0")},
        {S("CADASTRO_PJ"), S("TIPO_PESSOA"), T::Integer, S("0")},
        {S("FINANCAS"), S("OPERACAO"), T::Integer, S("0")},
        {S("FINANCAS"), S("FORMA_01"), T::Integer, S("0")},
        {S("FINANCAS"), S("FORMA_02"), T::Integer, S("0")},
        {S("FINANCAS"), S("SITUACAO_01"), T::Integer, S("0")},
        {S("FINANCAS"), S("SITUACAO_02"), T::Integer, S("0")},
        {S("RelTotal"), S("PageControl"), T::Integer, S("0")},
        {S("ETIQUETA"), S("MODELO"), T::Integer, S("0")},
        {S("ETIQUETA"), S("INICIA"), T::Integer, S("0")},
        {S("ENVELOPE"), S("POS_X"), T::Float, S("0")},
        {S("ENVELOPE"), S("POS_Y"), T::Float, S("0")},
        {S("ENVELOPE"), S("PAGINA"), T::Integer, S("0")},
        {S("ENVELOPE"), S("PESQUISA"), T::Integer, S("0")},
        {S("ENVELOPE"), S("TIPOPESSOA"), T::Integer, S("2")},
        {S("ENVELOPE"), S("UF_01"), T::Integer, S("0")},
        {S("ENVELOPE"), S("UF"), T::Integer, S("0")},
        {S("ENVELOPE"), S("ORIENTACAO"), T::Integer, S("0")}, // 0 portrait, 1 landscape
        {S("TELEFONES"), S("ENDERECO"), T::Boolean, S("1")},
        {S("FONE"), S("PAGINA"), T::Integer, S("0")},
        {S("MALA_DIRETA"), S("ASSUNTO"), T::Text, QString()},
        {S("MALA_DIRETA"), S("CORPO"), T::Text, QString()},
        {S("COMPROMISSO"), S("ENTRE_DATAS"), T::Integer, S("0")},
        {S("COMPROMISSO"), S("ANTERIOR"), T::Integer, S("7")},
        {S("COMPROMISSO"), S("POSTERIOR"), T::Integer, S("7")},
        {S("COMPROMISSO"), S("ANTES"), T::Time, S("00:00:00")},
        {S("INATIVIDADE"), S("TEMPO"), T::Integer, S("0")},
        // postal-code lookup on the web: JSON, SOAP or NENHUM (services/ConsultaCEP)
        {S("CEP"), S("MODO"), T::Text, S("JSON")},
        {S("CEP"), S("ENDERECO"), T::Text, S("https://viacep.com.br/ws")},
        {S("CEP"), S("NAMESPACE"), T::Text, S("urn:CEPService")},
        {S("SMTP"), S("HOST"), T::Text, QString()},
        {S("SMTP"), S("PORTA"), T::Text, S("587")}, // read with ReadSettingInt
        {S("SMTP"), S("USUARIO"), T::Text, QString()},
        {S("SMTP"), S("SENHA"), T::Text, QString()},
        {S("SMTP"), S("REMETENTE"), T::Text, QString()},
        // where "Dúvidas e Sugestões" and the backup mail's text send people
        {S("SMTP"), S("SUPORTE"), T::Text, PublisherSupportEmail()},
        // a database on a Firebird server of the office network; HOST empty: the embedded file
        {S("SERVIDOR"), S("HOST"), T::Text, QString()},
        {S("SERVIDOR"), S("PORTA"), T::Text, S("3050")}, // read with ReadSettingInt
        {S("SERVIDOR"), S("BANCO"), T::Text, QString()},
        {S("SERVIDOR"), S("USUARIO"), T::Text, S("SYSDBA")},
        {S("SERVIDOR"), S("SENHA"), T::Text, QString()},
    };
    return table;
}

QString SettingsFilePath()
{
    const QString folder = ProgramFolder();
    const QString name = QStringLiteral("Orvalha.ini");
    if (QFileInfo::exists(folder + name))
        return folder + name;
    const QStringList all = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &f : all)
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return folder + f;
    return folder + name;
}

bool SettingsHasSection(const QString &section)
{
    return ini().hasSection(section);
}

QString ReadSettingText(const QString &section, const QString &key)
{
    return ini().readString(section, key, defaultOf(section, key));
}

bool ReadSettingBool(const QString &section, const QString &key)
{
    return ini().readBool(section, key, defaultOf(section, key) == QLatin1String("1"));
}

int ReadSettingInt(const QString &section, const QString &key)
{
    return ini().readInteger(section, key, defaultOf(section, key).toInt());
}

double ReadSettingFloat(const QString &section, const QString &key)
{
    return ini().readFloat(section, key, defaultOf(section, key).toDouble());
}

double ReadSettingDate(const QString &section, const QString &key)
{
    const double v = parseDate(ReadSettingText(section, key));
    return v >= 0 ? v : qMax(0.0, parseDate(defaultOf(section, key)));
}

double ReadSettingTime(const QString &section, const QString &key)
{
    const double v = parseTime(ReadSettingText(section, key));
    return v >= 0 ? v : qMax(0.0, parseTime(defaultOf(section, key)));
}

bool WriteSettingText(const QString &section, const QString &key, const QString &value)
{
    lookup(section, key);
    return ini().writeString(section, key, value);
}

bool WriteSettingBool(const QString &section, const QString &key, bool value)
{
    lookup(section, key);
    return ini().writeBool(section, key, value);
}

bool WriteSettingInt(const QString &section, const QString &key, int value)
{
    lookup(section, key);
    return ini().writeInteger(section, key, value);
}

bool WriteSettingFloat(const QString &section, const QString &key, double value)
{
    lookup(section, key);
    return ini().writeFloat(section, key, value);
}

bool WriteSettingDate(const QString &section, const QString &key, double dayNumber)
{
    const QDate d = kDayZero.addDays(qint64(dayNumber));
    return WriteSettingText(section, key, d.toString(QStringLiteral("dd/MM/yyyy")));
}

bool WriteSettingTime(const QString &section, const QString &key, double dayFraction)
{
    const int ms = int(qRound64(dayFraction * 86400000.0)) % 86400000;
    return WriteSettingText(section, key,
                            QTime::fromMSecsSinceStartOfDay(ms).toString(QStringLiteral("hh:mm:ss")));
}

QString ReadSettingMultiline(const QString &section, const QString &key)
{
    QString v = ReadSettingText(section, key);
    return v.replace(QStringLiteral("<BR>"), QStringLiteral("\r\n"));
}

bool WriteSettingMultiline(const QString &section, const QString &key, const QString &value)
{
    QString v = value;
    v.replace(QStringLiteral("\r\n"), QStringLiteral("<BR>"));
    v.replace(QLatin1Char('\n'), QStringLiteral("<BR>"));
    v.replace(QLatin1Char('\r'), QStringLiteral("<BR>"));
    return WriteSettingText(section, key, v);
}

bool QuickAccessEnabled(int kind)
{
    if (kind == 0)
        return ReadSettingBool(QStringLiteral("AcessoRapido"), QStringLiteral("PF"));
    if (kind == 1)
        return ReadSettingBool(QStringLiteral("AcessoRapido"), QStringLiteral("PJ"));
    return false;
}

bool SetQuickAccessEnabled(int kind, bool value)
{
    if (kind == 0)
        return WriteSettingBool(QStringLiteral("AcessoRapido"), QStringLiteral("PF"), value);
    if (kind == 1)
        return WriteSettingBool(QStringLiteral("AcessoRapido"), QStringLiteral("PJ"), value);
    return false;
}

QString DefaultState()
{
    return ReadSettingText(QStringLiteral("ESTADO"), QStringLiteral("UF"));
}

bool SetDefaultState(const QString &uf)
{
    return WriteSettingText(QStringLiteral("ESTADO"), QStringLiteral("UF"), uf);
}

bool ClearAutomaticLogin()
{
    const QString s = QStringLiteral("AUTENTICA");
    const bool a = WriteSettingBool(s, QStringLiteral("INICIA"), false);
    const bool b = WriteSettingText(s, QStringLiteral("LOGIN"), QString());
    const bool c = WriteSettingText(s, QStringLiteral("SENHA"), QString());
    return a && b && c;
}

QString SupportAddress()
{
    const QString a = ReadSettingText(QStringLiteral("SMTP"), QStringLiteral("SUPORTE")).trimmed();
    return a.isEmpty() ? PublisherSupportEmail() : a;
}
