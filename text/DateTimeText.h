// Dates and times as the regional settings write them: the short date format and the long time
// format. Qt's long time format ends with the time zone ("09:05:20 UTC"); the regional long time
// format the program writes has none, so the zone is taken out of the format.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

QString regionalShortDate(const QDate& date);
QString regionalLongTime(const QTime& time);
// The regional short date format with the year in full: a date typed as it is shown is read as that
// date, with no two-digit year leaving its century to a guess.
QString regionalFullYearDateFormat();
// A duration as minutes and seconds, "m:ss" (141 s is "2:21"), the seconds rounded down.
QString minutesSeconds(int64_t millis);
