#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>

#include <array>

// The program's date type: days counted from 30 December 1899 (day 0), the
// time of day as the fraction. 0 means "no date". Before day 0 the integer
// part still counts the day and the fraction is the time, unsigned
// (-1.25 is 29/12/1899 06:00).
using TDateTime = double;

// The Brazilian Portuguese vocabulary every date and time is shown with.
namespace FormatSettings {
inline constexpr std::array<QStringView, 7> ShortDayNames = {u"Dom", u"Seg", u"Ter", u"Qua",
                                                             u"Qui", u"Sex", u"Sab"};
inline constexpr std::array<QStringView, 7> LongDayNames = {u"Domingo",      u"Segunda-Feira", u"Terça-Feira",
                                                            u"Quarta-Feira", u"Quinta-Feira",  u"Sexta-Feira",
                                                            u"Sábado"};
inline constexpr std::array<QStringView, 12> LongMonthNames = {
    u"Janeiro", u"Fevereiro", u"Março",    u"Abril",   u"Maio",     u"Junho",
    u"Julho",   u"Agosto",    u"Setembro", u"Outubro", u"Novembro", u"Dezembro"};
inline constexpr std::array<QStringView, 12> ShortMonthNames = {
    u"Jan", u"Fev", u"Mar", u"Abr", u"Mai", u"Jun", u"Jul", u"Ago", u"Set", u"Out", u"Nov", u"Dez"};
inline constexpr QStringView ShortDateFormat = u"dd/mm/yyyy";
inline constexpr QStringView LongDateFormat = u"dd/mm/yyyy";
inline constexpr QStringView ShortTimeFormat = u"hh:nn:ss";
inline constexpr QStringView LongTimeFormat = u"hh:nn:ss";
} // namespace FormatSettings

// Years 1 to 9999.
bool IsValidDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime &result);
// 0 when the date does not exist.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime &result);
// 0 when the time does not exist.
TDateTime EncodeTime(int hour, int minute, int second, int msec = 0);

// Decoding rounds to the nearest millisecond (23:59:59.9996 is the next
// day). A value outside years 1-9999 decodes as 0/0/0.
void DecodeDate(TDateTime value, int &year, int &month, int &day);
void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &msec);
void DecodeDateTime(TDateTime value, int &year, int &month, int &day, int &hour, int &minute, int &second,
                    int &msec);

// The day without its time, and the time without its day.
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
// 1 Sunday ... 7 Saturday; 0 outside years 1-9999.
int DayOfWeek(TDateTime value);

// Exact to the millisecond. An invalid QDate or QDateTime gives 0; an invalid
// TDateTime gives an invalid QDate.
QDate DateTimeToQDate(TDateTime value);
QTime DateTimeToQTime(TDateTime value);
QDateTime DateTimeToQDateTime(TDateTime value);
TDateTime QDateToDateTime(QDate date);
TDateTime QTimeToDateTime(QTime time);
TDateTime QDateTimeToDateTime(const QDateTime &dateTime);

// "dd/mm/yyyy" (day and month may have one digit, the year has four);
// blanks around are ignored and dates that do not exist are refused.
bool TryStrToDate(const QString &text, TDateTime &result);
TDateTime StrToDateDef(const QString &text, TDateTime defaultValue);
// "hh:nn" or "hh:nn:ss".
bool TryStrToTime(const QString &text, TDateTime &result);
TDateTime StrToTimeDef(const QString &text, TDateTime defaultValue);

// Pascal-style patterns: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (m and mm
// right after h or hh are minutes), yy yyyy, h hh, n nn, s ss, z zzz, t tt, c,
// am/pm and a/p, "/" and ":", and text in double or single quotes copied as
// is. Letters are matched in either case. Blanks outside quotes are copied,
// except right after quoted text that ends with a blank: `dddd", " dd` gives
// "Terça-Feira, 08". An empty pattern is "c". A value outside years 1-9999
// formats as an empty text.
QString FormatDateTime(const QString &pattern, TDateTime value);
// "dd/mm/yyyy" and "hh:nn:ss".
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
