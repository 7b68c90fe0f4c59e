#include "util/DateTime.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr qint64 kMsPerDay = 86400000;
// Julian day of 30/12/1899, day 0.
constexpr qint64 kJulianDayZero = 2415019;
// 01/01/0001 and 31/12/9999
constexpr qint64 kFirstDay = -693593;
constexpr qint64 kLastDay = 2958465;

// Splits a value into its day and its millisecond of the day, rounding to the
// nearest millisecond; false outside years 1-9999.
bool split(TDateTime value, qint64 &day, qint64 &msec)
{
    if (!std::isfinite(value) || std::fabs(value) > double(kLastDay) + 2)
        return false;
    // the fraction counts forward from midnight on either side of day 0
    const double whole = std::trunc(value);
    day = static_cast<qint64>(whole);
    msec = std::llround(std::fabs(value - whole) * double(kMsPerDay));
    if (msec >= kMsPerDay) {
        msec -= kMsPerDay;
        day += value < 0 ? -1 : 1;
    }
    return day >= kFirstDay && day <= kLastDay;
}

TDateTime compose(qint64 day, qint64 msec)
{
    const double fraction = double(msec) / double(kMsPerDay);
    return day < 0 ? double(day) - fraction : double(day) + fraction;
}

QDate dateOfDay(qint64 day)
{
    return QDate::fromJulianDay(day + kJulianDayZero);
}

bool isAsciiDigits(QStringView s, qsizetype minLength, qsizetype maxLength)
{
    if (s.size() < minLength || s.size() > maxLength)
        return false;
    for (QChar c : s)
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return false;
    return true;
}

QString stripBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString number(int value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

char16_t asciiUpper(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
}

struct Parts {
    int year, month, day, hour, minute, second, msec, dayOfWeek;
};

bool startsWithCi(QStringView text, qsizetype at, QStringView what)
{
    return text.mid(at).startsWith(what, Qt::CaseInsensitive);
}

// Whether the pattern asks for the 12-hour clock (am/pm or a/p outside quotes).
bool usesTwelveHours(QStringView pattern)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'"' || c == u'\'') {
            const qsizetype close = pattern.indexOf(c, i + 1);
            if (close < 0)
                return false;
            i = close;
        } else if (startsWithCi(pattern, i, u"am/pm") || startsWithCi(pattern, i, u"a/p")) {
            return true;
        }
    }
    return false;
}

void format(QString &out, QStringView pattern, const Parts &p, bool twelveHours, int depth)
{
    char16_t last = 0; // the last pattern letter, for "m" after "h"
    // The main window's `dddd", " dd` reads "Terça-Feira, 08": a blank
    // outside quotes does not double the blank quoted text ended with.
    bool afterQuotedBlank = false;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'"' || c == u'\'') {
            qsizetype close = pattern.indexOf(c, i + 1);
            if (close < 0)
                close = pattern.size();
            const QStringView quoted = pattern.mid(i + 1, close - i - 1);
            out += quoted;
            afterQuotedBlank = quoted.endsWith(u' ') || (quoted.isEmpty() && afterQuotedBlank);
            i = close + 1;
            continue;
        }
        char16_t token = asciiUpper(c);
        if (token < u'A' || token > u'Z') {
            if (c != u' ' || !afterQuotedBlank)
                out += c;
            afterQuotedBlank = afterQuotedBlank && c == u' ';
            ++i;
            continue;
        }
        afterQuotedBlank = false;
        qsizetype count = 1;
        while (i + count < pattern.size() && asciiUpper(pattern[i + count]) == token)
            ++count;
        if (token == u'M' && last == u'H' && count <= 2)
            token = u'N';
        last = token;

        switch (token) {
        case u'Y': out += count <= 2 ? number(p.year % 100, 2) : number(p.year, 4); break;
        case u'M':
            switch (count) {
            case 1: out += QString::number(p.month); break;
            case 2: out += number(p.month, 2); break;
            case 3: out += FormatSettings::ShortMonthNames[p.month - 1]; break;
            default: out += FormatSettings::LongMonthNames[p.month - 1]; break;
            }
            break;
        case u'D':
            switch (count) {
            case 1: out += QString::number(p.day); break;
            case 2: out += number(p.day, 2); break;
            case 3: out += FormatSettings::ShortDayNames[p.dayOfWeek - 1]; break;
            case 4: out += FormatSettings::LongDayNames[p.dayOfWeek - 1]; break;
            case 5:
                if (depth < 2)
                    format(out, FormatSettings::ShortDateFormat, p, twelveHours, depth + 1);
                break;
            default:
                if (depth < 2)
                    format(out, FormatSettings::LongDateFormat, p, twelveHours, depth + 1);
                break;
            }
            break;
        case u'H': {
            int hour = p.hour;
            if (twelveHours) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += count == 1 ? QString::number(hour) : number(hour, 2);
            break;
        }
        case u'N': out += count == 1 ? QString::number(p.minute) : number(p.minute, 2); break;
        case u'S': out += count == 1 ? QString::number(p.second) : number(p.second, 2); break;
        case u'Z': out += count == 1 ? QString::number(p.msec) : number(p.msec, 3); break;
        case u'T':
            if (depth < 2)
                format(out, count == 1 ? FormatSettings::ShortTimeFormat : FormatSettings::LongTimeFormat, p,
                       twelveHours, depth + 1);
            break;
        case u'C':
            if (depth < 2) {
                format(out, FormatSettings::ShortDateFormat, p, twelveHours, depth + 1);
                if (p.hour != 0 || p.minute != 0 || p.second != 0 || p.msec != 0) {
                    out += u' ';
                    format(out, FormatSettings::LongTimeFormat, p, twelveHours, depth + 1);
                }
            }
            // "cc" is the same as "c" twice
            count = 1;
            break;
        case u'A': {
            const bool pm = p.hour >= 12;
            if (startsWithCi(pattern, i, u"am/pm")) {
                const QStringView word = pattern.mid(i + (pm ? 3 : 0), 2);
                out += word;
                count = 5;
            } else if (startsWithCi(pattern, i, u"a/p")) {
                out += pattern[i + (pm ? 2 : 0)];
                count = 3;
            } else {
                out += pattern.mid(i, count);
            }
            break;
        }
        default:
            // letters without a meaning are copied
            out += pattern.mid(i, count);
            break;
        }
        i += count;
    }
}

} // namespace

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && QDate::isValid(year, month, day);
}

bool TryEncodeDate(int year, int month, int day, TDateTime &result)
{
    if (!IsValidDate(year, month, day))
        return false;
    result = double(QDate(year, month, day).toJulianDay() - kJulianDayZero);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    TryEncodeDate(year, month, day, result);
    return result;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime &result)
{
    if (!QTime::isValid(hour, minute, second, msec))
        return false;
    result = compose(0, QTime(hour, minute, second, msec).msecsSinceStartOfDay());
    return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    TDateTime result = 0;
    TryEncodeTime(hour, minute, second, msec, result);
    return result;
}

void DecodeDate(TDateTime value, int &year, int &month, int &day)
{
    qint64 d, ms;
    year = month = day = 0;
    if (split(value, d, ms))
        dateOfDay(d).getDate(&year, &month, &day);
}

void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &msec)
{
    qint64 d, ms;
    hour = minute = second = msec = 0;
    if (!split(value, d, ms))
        return;
    hour = int(ms / 3600000);
    minute = int(ms / 60000 % 60);
    second = int(ms / 1000 % 60);
    msec = int(ms % 1000);
}

void DecodeDateTime(TDateTime value, int &year, int &month, int &day, int &hour, int &minute, int &second,
                    int &msec)
{
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
}

TDateTime DateOf(TDateTime value)
{
    qint64 d, ms;
    if (!split(value, d, ms))
        return std::isfinite(value) ? std::trunc(value) : 0;
    return double(d);
}

TDateTime TimeOf(TDateTime value)
{
    qint64 d, ms;
    return split(value, d, ms) ? compose(0, ms) : 0;
}

int DayOfWeek(TDateTime value)
{
    qint64 d, ms;
    if (!split(value, d, ms))
        return 0;
    // Qt counts Monday 1 .. Sunday 7
    return dateOfDay(d).dayOfWeek() % 7 + 1;
}

QDate DateTimeToQDate(TDateTime value)
{
    qint64 d, ms;
    return split(value, d, ms) ? dateOfDay(d) : QDate();
}

QTime DateTimeToQTime(TDateTime value)
{
    qint64 d, ms;
    return split(value, d, ms) ? QTime::fromMSecsSinceStartOfDay(int(ms)) : QTime();
}

QDateTime DateTimeToQDateTime(TDateTime value)
{
    qint64 d, ms;
    if (!split(value, d, ms))
        return {};
    return QDateTime(dateOfDay(d), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

TDateTime QDateToDateTime(QDate date)
{
    if (!date.isValid() || !IsValidDate(date.year(), date.month(), date.day()))
        return 0;
    return double(date.toJulianDay() - kJulianDayZero);
}

TDateTime QTimeToDateTime(QTime time)
{
    return time.isValid() ? compose(0, time.msecsSinceStartOfDay()) : 0;
}

TDateTime QDateTimeToDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return 0;
    const QDate date = dateTime.date();
    if (!IsValidDate(date.year(), date.month(), date.day()))
        return 0;
    return compose(date.toJulianDay() - kJulianDayZero, dateTime.time().msecsSinceStartOfDay());
}

bool TryStrToDate(const QString &text, TDateTime &result)
{
    const QStringList parts = stripBlanks(text).split(u'/');
    if (parts.size() != 3 || !isAsciiDigits(parts[0], 1, 2) || !isAsciiDigits(parts[1], 1, 2) ||
        !isAsciiDigits(parts[2], 4, 4))
        return false;
    return TryEncodeDate(parts[2].toInt(), parts[1].toInt(), parts[0].toInt(), result);
}

TDateTime StrToDateDef(const QString &text, TDateTime defaultValue)
{
    TDateTime result;
    return TryStrToDate(text, result) ? result : defaultValue;
}

bool TryStrToTime(const QString &text, TDateTime &result)
{
    const QStringList parts = stripBlanks(text).split(u':');
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    for (const QString &part : parts)
        if (!isAsciiDigits(part, 1, 2))
            return false;
    return TryEncodeTime(parts[0].toInt(), parts[1].toInt(), parts.size() == 3 ? parts[2].toInt() : 0, 0,
                         result);
}

TDateTime StrToTimeDef(const QString &text, TDateTime defaultValue)
{
    TDateTime result;
    return TryStrToTime(text, result) ? result : defaultValue;
}

QString FormatDateTime(const QString &pattern, TDateTime value)
{
    qint64 d, ms;
    if (!split(value, d, ms))
        return {};
    Parts p{};
    dateOfDay(d).getDate(&p.year, &p.month, &p.day);
    p.dayOfWeek = dateOfDay(d).dayOfWeek() % 7 + 1;
    p.hour = int(ms / 3600000);
    p.minute = int(ms / 60000 % 60);
    p.second = int(ms / 1000 % 60);
    p.msec = int(ms % 1000);

    const QStringView effective = pattern.isEmpty() ? QStringView(u"c") : QStringView(pattern);
    QString out;
    format(out, effective, p, usesTwelveHours(effective), 0);
    return out;
}

QString DateToStr(TDateTime value)
{
    return FormatDateTime(FormatSettings::ShortDateFormat.toString(), value);
}

QString TimeToStr(TDateTime value)
{
    return FormatDateTime(FormatSettings::ShortTimeFormat.toString(), value);
}
