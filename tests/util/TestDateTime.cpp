#include "util/DateTime.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

TDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0)
{
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, msec);
}

} // namespace

class TestDateTime : public QObject {
    Q_OBJECT

private slots:
    void encodeDate_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("value");
        QTest::newRow("day zero") << 1899 << 12 << 30 << 0.0;
        QTest::newRow("day before day zero") << 1899 << 12 << 29 << -1.0;
        QTest::newRow("1 January 1900") << 1900 << 1 << 1 << 2.0;
        QTest::newRow("29 February 2000") << 2000 << 2 << 29 << 36585.0;
        QTest::newRow("8 December 2026") << 2026 << 12 << 8 << 46364.0;
        QTest::newRow("first day") << 1 << 1 << 1 << -693593.0;
        QTest::newRow("last day") << 9999 << 12 << 31 << 2958465.0;
    }
    void encodeDate()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, value);
        QVERIFY(IsValidDate(year, month, day));
        QCOMPARE(EncodeDate(year, month, day), value);
        int y, m, d;
        DecodeDate(value, y, m, d);
        QCOMPARE(QDate(y, m, d), QDate(year, month, day));
        QCOMPARE(DateTimeToQDate(value), QDate(year, month, day));
        QCOMPARE(QDateToDateTime(QDate(year, month, day)), value);
    }

    void impossibleDates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("31 February") << 2000 << 2 << 31;
        QTest::newRow("29 February 1900") << 1900 << 2 << 29;
        QTest::newRow("31 April") << 2026 << 4 << 31;
        QTest::newRow("month 0") << 2026 << 0 << 1;
        QTest::newRow("month 13") << 2026 << 13 << 1;
        QTest::newRow("day 0") << 2026 << 1 << 0;
        QTest::newRow("year 0") << 0 << 1 << 1;
        QTest::newRow("year 10000") << 10000 << 1 << 1;
    }
    void impossibleDates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QVERIFY(!IsValidDate(year, month, day));
        TDateTime value = 123;
        QVERIFY(!TryEncodeDate(year, month, day, value));
        QCOMPARE(value, 123.0);
        QCOMPARE(EncodeDate(year, month, day), 0.0);
    }

    void encodeTime()
    {
        QCOMPARE(EncodeTime(12, 0, 0), 0.5);
        QCOMPARE(EncodeTime(6, 0, 0), 0.25);
        TDateTime value;
        QVERIFY(!TryEncodeTime(24, 0, 0, 0, value));
        QVERIFY(!TryEncodeTime(10, 60, 0, 0, value));
        QVERIFY(!TryEncodeTime(10, 0, 0, 1000, value));
        QCOMPARE(EncodeTime(10, 0, 60), 0.0);
    }

    // Every millisecond must come back exactly, near day zero and far from it.
    void millisecondsRoundTrip_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::newRow("day zero") << QDate(1899, 12, 30);
        QTest::newRow("before day zero") << QDate(1850, 6, 15);
        QTest::newRow("today-ish") << QDate(2026, 12, 8);
        QTest::newRow("last day") << QDate(9999, 12, 31);
        QTest::newRow("first day") << QDate(1, 1, 1);
    }
    void millisecondsRoundTrip()
    {
        QFETCH(QDate, date);
        for (int ms = 0; ms < 86400000; ms += 997) {
            const QDateTime original(date, QTime::fromMSecsSinceStartOfDay(ms));
            const TDateTime value = QDateTimeToDateTime(original);
            if (DateTimeToQDateTime(value) != original)
                QFAIL(qPrintable(
                    u"%1 came back as %2"_s.arg(original.toString(Qt::ISODateWithMs),
                                                DateTimeToQDateTime(value).toString(Qt::ISODateWithMs))));
        }
        const QTime last(23, 59, 59, 999);
        QCOMPARE(DateTimeToQTime(QDateTimeToDateTime(QDateTime(date, last))), last);
    }

    void decodeRoundsToTheNearestMillisecond()
    {
        const TDateTime day = EncodeDate(2026, 12, 8);
        const double ms = 1.0 / 86400000;
        int h, n, s, z;
        DecodeTime(day + 1234.4 * ms, h, n, s, z);
        QCOMPARE(QTime(h, n, s, z), QTime(0, 0, 1, 234));
        DecodeTime(day + 1234.6 * ms, h, n, s, z);
        QCOMPARE(QTime(h, n, s, z), QTime(0, 0, 1, 235));
        // less than half a millisecond before midnight is the next day
        const TDateTime almost = day + 1 - 0.4 * ms;
        QCOMPARE(DateTimeToQDateTime(almost), QDateTime(QDate(2026, 12, 9), QTime(0, 0)));
        QCOMPARE(DateOf(almost), day + 1);
        QCOMPARE(TimeOf(almost), 0.0);
    }

    void beforeDayZeroTheFractionIsStillTheTime()
    {
        const QDateTime morning(QDate(1899, 12, 29), QTime(6, 0));
        QCOMPARE(QDateTimeToDateTime(morning), -1.25);
        QCOMPARE(DateTimeToQDateTime(-1.25), morning);
        QCOMPARE(DateOf(-1.25), -1.0);
        QCOMPARE(TimeOf(-1.25), 0.25);
        QCOMPARE(DateTimeToQDateTime(-0.5), QDateTime(QDate(1899, 12, 30), QTime(12, 0)));
    }

    void dateOfAndTimeOf()
    {
        const TDateTime value = at(2026, 12, 8, 18, 0);
        QCOMPARE(DateOf(value), 46364.0);
        QCOMPARE(TimeOf(value), 0.75);
        QCOMPARE(DateTimeToQTime(value), QTime(18, 0));
        QCOMPARE(QTimeToDateTime(QTime(18, 0)), 0.75);
    }

    void invalidValues()
    {
        QCOMPARE(QDateToDateTime(QDate()), 0.0);
        QCOMPARE(QDateTimeToDateTime(QDateTime()), 0.0);
        QCOMPARE(QDateToDateTime(QDate(10000, 1, 1)), 0.0);
        QVERIFY(!DateTimeToQDate(3e6).isValid());
        QVERIFY(!DateTimeToQDate(std::numeric_limits<double>::quiet_NaN()).isValid());
        QCOMPARE(DayOfWeek(-1e7), 0);
        QCOMPARE(FormatDateTime(u"dd/mm/yyyy"_s, 1e9), QString());
        QCOMPARE(FormatDateTime(u"dd/mm/yyyy"_s, std::numeric_limits<double>::infinity()), QString());
    }

    void dayOfWeek_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("dayOfWeek");
        QTest::newRow("Sunday") << QDate(2026, 12, 6) << 1;
        QTest::newRow("Tuesday") << QDate(2026, 12, 8) << 3;
        QTest::newRow("Saturday, day zero") << QDate(1899, 12, 30) << 7;
        QTest::newRow("Friday before day zero") << QDate(1899, 12, 29) << 6;
    }
    void dayOfWeek()
    {
        QFETCH(QDate, date);
        QFETCH(int, dayOfWeek);
        QCOMPARE(DayOfWeek(QDateTimeToDateTime(QDateTime(date, QTime(18, 0)))), dayOfWeek);
    }

    void strToDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: refused
        QTest::newRow("dd/mm/yyyy") << u"08/12/2026"_s << QDate(2026, 12, 8);
        QTest::newRow("one-digit day and month") << u"8/1/2026"_s << QDate(2026, 1, 8);
        QTest::newRow("blanks around") << u" 08/12/2026 "_s << QDate(2026, 12, 8);
        QTest::newRow("29/02 in a leap year") << u"29/02/2000"_s << QDate(2000, 2, 29);
        QTest::newRow("31/02/2000") << u"31/02/2000"_s << QDate();
        QTest::newRow("29/02/1900") << u"29/02/1900"_s << QDate();
        QTest::newRow("day 00") << u"00/12/2026"_s << QDate();
        QTest::newRow("month 13") << u"01/13/2026"_s << QDate();
        QTest::newRow("two-digit year") << u"08/12/26"_s << QDate();
        QTest::newRow("empty mask") << u"  /  /    "_s << QDate();
        QTest::newRow("empty") << QString() << QDate();
        QTest::newRow("hyphens") << u"08-12-2026"_s << QDate();
        QTest::newRow("with a time") << u"08/12/2026 10:00"_s << QDate();
        QTest::newRow("letters") << u"aa/bb/cccc"_s << QDate();
        QTest::newRow("sign") << u"+8/12/2026"_s << QDate();
    }
    void strToDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        TDateTime value = -7;
        QCOMPARE(TryStrToDate(text, value), date.isValid());
        if (date.isValid()) {
            QCOMPARE(DateTimeToQDate(value), date);
            QCOMPARE(StrToDateDef(text, -7), QDateToDateTime(date));
        } else {
            QCOMPARE(value, -7.0);
            QCOMPARE(StrToDateDef(text, -7), -7.0);
        }
    }

    void strToTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time"); // invalid: refused
        QTest::newRow("hh:nn:ss") << u"10:30:15"_s << QTime(10, 30, 15);
        QTest::newRow("hh:nn") << u"00:00"_s << QTime(0, 0);
        QTest::newRow("24 hours") << u"24:00"_s << QTime();
        QTest::newRow("60 minutes") << u"10:60"_s << QTime();
        QTest::newRow("hours only") << u"10"_s << QTime();
        QTest::newRow("empty") << QString() << QTime();
    }
    void strToTime()
    {
        QFETCH(QString, text);
        QFETCH(QTime, time);
        TDateTime value;
        QCOMPARE(TryStrToTime(text, value), time.isValid());
        QCOMPARE(StrToTimeDef(text, -1), time.isValid() ? QTimeToDateTime(time) : -1.0);
    }

    void formatDateTime_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const TDateTime tuesday = at(2026, 12, 8, 14, 5, 9, 7);
        const TDateTime midnight = at(2026, 12, 8);

        QTest::newRow("main window date") << u"dddd\", \" dd \"de\" mmmm \"de\" yyyy\".\""_s << tuesday
                                          << u"Terça-Feira, 08 de Dezembro de 2026."_s;
        QTest::newRow("ddd") << u"ddd"_s << tuesday << u"Ter"_s;
        QTest::newRow("mmm") << u"mmm"_s << tuesday << u"Dez"_s;
        QTest::newRow("short Saturday has no accent") << u"ddd"_s << at(2026, 12, 12) << u"Sab"_s;
        QTest::newRow("long Saturday") << u"dddd"_s << at(2026, 12, 12) << u"Sábado"_s;
        QTest::newRow("Sunday") << u"ddd dddd"_s << at(2026, 12, 6) << u"Dom Domingo"_s;
        QTest::newRow("March") << u"mmm mmmm"_s << at(2026, 3, 1) << u"Mar Março"_s;
        QTest::newRow("no leading zeros")
            << u"d/m/yy h:n:s"_s << at(2007, 3, 5, 4, 3, 2) << u"5/3/07 4:3:2"_s;
        QTest::newRow("short date") << u"dd/mm/yyyy"_s << tuesday << u"08/12/2026"_s;
        QTest::newRow("date and time")
            << u"dd/mm/yyyy :: hh:nn:ss"_s << tuesday << u"08/12/2026 :: 14:05:09"_s;
        QTest::newRow("quoted prefix") << u"\"Data de envio: \"dd/mm/yyyy -- hh:nn:ss"_s << tuesday
                                       << u"Data de envio: 08/12/2026 -- 14:05:09"_s;
        QTest::newRow("quoted word with accent")
            << u"dd/mm/yyyy \"às\" hh:nn:ss"_s << tuesday << u"08/12/2026 às 14:05:09"_s;
        QTest::newRow("birthday panel") << u"\"  Aniversariantes do mês de: \"mmmm"_s << tuesday
                                        << u"  Aniversariantes do mês de: Dezembro"_s;
        QTest::newRow("two-digit year") << u"\"Lista Gerada em: \"dd/mm/yy - hh:nn:ss"_s << tuesday
                                        << u"Lista Gerada em: 08/12/26 - 14:05:09"_s;
        QTest::newRow("file name") << u"_yyyy_mm_dd"_s << tuesday << u"_2026_12_08"_s;
        QTest::newRow("status bar clock")
            << u"  dddd\",\" dd \"de\" mmmm \"de\" yyyy \"::\" hh:nn:ss"_s << tuesday
            << u"  Terça-Feira, 08 de Dezembro de 2026 :: 14:05:09"_s;
        QTest::newRow("blanks outside quotes are kept") << u"  dd  mm"_s << tuesday << u"  08  12"_s;
        QTest::newRow("blank after a quoted blank is not doubled")
            << u"\"a \"  dd\" \" \"b\""_s << tuesday << u"a 08 b"_s;
        QTest::newRow("single quotes") << u"'dia' d"_s << tuesday << u"dia 8"_s;
        QTest::newRow("upper-case letters") << u"DD/MM/YYYY HH:NN"_s << tuesday << u"08/12/2026 14:05"_s;
        QTest::newRow("mm after hh is minutes") << u"hh:mm"_s << tuesday << u"14:05"_s;
        QTest::newRow("m after h is minutes") << u"h:m"_s << tuesday << u"14:5"_s;
        QTest::newRow("blank between hh and mm") << u"hh mm"_s << tuesday << u"14 05"_s;
        QTest::newRow("quoted text between hh and mm") << u"hh\"h\"mm"_s << tuesday << u"14h05"_s;
        QTest::newRow("mm before hh is the month") << u"mm hh"_s << tuesday << u"12 14"_s;
        QTest::newRow("mm after dd is the month") << u"hh dd/mm"_s << tuesday << u"14 08/12"_s;
        QTest::newRow("mmm after hh is the month name") << u"hh mmm"_s << tuesday << u"14 Dez"_s;
        QTest::newRow("ddddd") << u"ddddd"_s << tuesday << u"08/12/2026"_s;
        QTest::newRow("dddddd") << u"dddddd"_s << tuesday << u"08/12/2026"_s;
        QTest::newRow("t") << u"t"_s << tuesday << u"14:05:09"_s;
        QTest::newRow("tt") << u"tt"_s << tuesday << u"14:05:09"_s;
        QTest::newRow("c with a time") << u"c"_s << tuesday << u"08/12/2026 14:05:09"_s;
        QTest::newRow("c at midnight") << u"c"_s << midnight << u"08/12/2026"_s;
        QTest::newRow("empty pattern is c") << QString() << tuesday << u"08/12/2026 14:05:09"_s;
        QTest::newRow("milliseconds") << u"ss.zzz z"_s << tuesday << u"09.007 7"_s;
        QTest::newRow("pm") << u"h:nn am/pm"_s << tuesday << u"2:05 pm"_s;
        QTest::newRow("AM after midnight") << u"hh:nn AM/PM"_s << at(2026, 12, 8, 0, 30) << u"12:30 AM"_s;
        QTest::newRow("noon") << u"h a/p"_s << at(2026, 12, 8, 12, 0) << u"12 p"_s;
        QTest::newRow("letters without meaning") << u"dd x"_s << tuesday << u"08 x"_s;
        QTest::newRow("date zero") << u"dd/mm/yyyy"_s << 0.0 << u"30/12/1899"_s;
        QTest::newRow("year below 1000") << u"dd/mm/yyyy yy"_s << at(33, 4, 5) << u"05/04/0033 33"_s;
    }
    void formatDateTime()
    {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatDateTime(pattern, value), text);
    }

    void dateAndTimeToStr()
    {
        QCOMPARE(DateToStr(at(2026, 12, 8, 14, 5, 9)), u"08/12/2026"_s);
        QCOMPARE(TimeToStr(at(2026, 12, 8, 14, 5, 9)), u"14:05:09"_s);
    }
};

QTEST_GUILESS_MAIN(TestDateTime)
#include "TestDateTime.moc"
