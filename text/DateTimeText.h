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
// The regional short date format without its year ("MM. dd." in Hungary, "d. M." in Slovakia): the
// dates under a chart of days, where the full date has no room and the period shows the year.
QString regionalDayMonthFormat();
// True when `typed` is already among the separator characters just before `position` in a date's
// text (the run of characters that are neither letters nor digits). A date field moves to the next
// field by itself once a field is full, so "08.12.2026" typed as shown brings its dots where the
// field already is past them: such a dot is no request to skip a field.
bool separatorAlreadyBefore(const QString& text, int position, QChar typed);
// A duration as minutes and seconds, "m:ss" (141 s is "2:21"), the seconds rounded down.
QString minutesSeconds(int64_t millis);
