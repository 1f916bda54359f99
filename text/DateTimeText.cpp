#include "text/DateTimeText.h"

#include <algorithm>

#include <QLocale>
#include <QRegularExpression>

namespace {
QString longTimeFormatWithoutZone() {
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QChar('\''))
            quoted = !quoted;
        if (quoted || c != QChar('t'))
            result.append(c);
    }
    return result.simplified();
}
} // namespace

QString regionalShortDate(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString regionalLongTime(const QTime& time) {
    return QLocale().toString(time, longTimeFormatWithoutZone());
}

QString regionalFullYearDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QString regionalDayMonthFormat() {
    // A leading year goes with the separator after it ("yyyy. MM. dd."); a trailing one with a slash
    // or dash before it ("M/d/yy"), while a dot stays, as it ends a day or month written as an
    // ordinal ("d. M. yyyy" gives "d. M.").
    static const QRegularExpression yearAtStart(QStringLiteral("^y+[^dM]*"));
    static const QRegularExpression yearAfter(QStringLiteral("[/-]?\\s*y+"));
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    return format.remove(yearAtStart).remove(yearAfter).trimmed();
}

bool separatorAlreadyBefore(const QString& text, int position, QChar typed) {
    if (typed.isLetterOrNumber())
        return false;
    for (int i = std::min<int>(position, int(text.size())) - 1; i >= 0 && !text[i].isLetterOrNumber(); --i)
        if (text[i] == typed)
            return true;
    return false;
}

QString minutesSeconds(int64_t millis) {
    const int64_t seconds = std::max<int64_t>(millis, 0) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
