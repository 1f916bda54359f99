#include "text/Numbers.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

ConversionError::ConversionError(const QString& message) : std::runtime_error(message.toStdString()) {}

QChar regionalDecimalSeparator() {
    QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}

namespace {
bool isBlank(QChar c) {
    return c == QChar(' ') || c == QChar('\t');
}
bool isDigit(QChar c) {
    return c >= QChar('0') && c <= QChar('9');
}
// A point or a comma: a decimal text has no grouping, so either can only be the decimal separator,
// and an operator used to the other notation (or a number pasted from elsewhere) is read right.
bool isDecimalSeparator(QChar c) {
    return c == QChar('.') || c == QChar(',');
}
} // namespace

void tryParseInt(const QString& text, int32_t& value, int& error) {
    error = 0;
    qsizetype i = 0, n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QChar('+') || text[i] == QChar('-')))
        negative = text[i++] == QChar('-');
    if (i == n) {
        error = 1;
        return;
    }
    int64_t magnitude = 0;
    for (; i < n; ++i) {
        if (!isDigit(text[i])) {
            error = 1;
            return;
        }
        magnitude = magnitude * 10 + (text[i].unicode() - '0');
        if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) {
            error = 1;
            return;
        }
    }
    int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int32_t>::max()) {
        error = 1;
        return;
    }
    value = static_cast<int32_t>(result);
}

namespace {
// A blank, a no-break space or a narrow no-break space: the ways a space-grouped number arrives,
// typed or pasted.
bool isSpaceLike(QChar c) {
    return c == QChar(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

// The integer part's grouping in the regional notation and the decimal mark after it.
struct Grouping {
    QChar group;
    QChar decimal;
};

Grouping regionalGrouping() {
    const QLocale locale;
    const QString group = locale.groupSeparator();
    return {group.isEmpty() ? QChar(',') : group.front(), regionalDecimalSeparator()};
}

bool sameGroupMark(QChar typed, QChar regional) {
    return typed == regional || (isSpaceLike(typed) && isSpaceLike(regional));
}

// A text with grouping: both a point and a comma, or a space inside. Such a text is ambiguous
// without a rule (on a German desktop "1.299,00" means 1299; read as "1.299" it would cut a price a
// thousandfold), so it is read only by the regional rule.
bool hasGrouping(const QString& text) {
    return (text.contains(QChar('.')) && text.contains(QChar(','))) ||
           std::any_of(text.begin(), text.end(), isSpaceLike);
}

QString trimmedBlanks(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && (isBlank(text[from]) || isSpaceLike(text[from])))
        ++from;
    while (to > from && (isBlank(text[to - 1]) || isSpaceLike(text[to - 1])))
        --to;
    return text.mid(from, to - from);
}

// A grouped text without its group marks, the decimal mark made a point.
struct Ungrouped {
    QString plain;
    // Digits the last group still lacks: only while it is being typed.
    int missing = 0;
};

// The grouped text read by the regional rule: a first group of one to three digits, then groups of
// three, then at most the decimal mark and digits. `openLastGroup` also takes a shorter last group
// with no decimal mark after it, as while it is being typed. Nothing when the text does not fit.
std::optional<Ungrouped> ungrouped(const QString& text, bool openLastGroup) {
    const Grouping rule = regionalGrouping();
    if (sameGroupMark(rule.group, rule.decimal))
        return std::nullopt;
    Ungrouped result;
    QString& plain = result.plain;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == QChar('+') || text[i] == QChar('-')))
        plain.append(text[i++]);
    int groupDigits = 0, groups = 0;
    for (; i < n && text[i] != rule.decimal; ++i) {
        if (isDigit(text[i])) {
            plain.append(text[i]);
            if (++groupDigits > 3)
                return std::nullopt;
        } else if (sameGroupMark(text[i], rule.group) && groupDigits > 0 &&
                   (groups == 0 || groupDigits == 3)) {
            ++groups;
            groupDigits = 0;
        } else {
            return std::nullopt;
        }
    }
    const bool decimals = i < n;
    if (groups > 0 && groupDigits != 3) {
        if (decimals || !openLastGroup || groupDigits == 0)
            return std::nullopt;
        result.missing = 3 - groupDigits;
    }
    if (decimals) {
        plain.append(QChar('.'));
        for (++i; i < n; ++i) {
            if (!isDigit(text[i]))
                return std::nullopt;
            plain.append(text[i]);
        }
    }
    return result;
}

void parsePlain(const QString& text, double& value, int& error) {
    error = 0;
    qsizetype i = 0, n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    while (n > i && isBlank(text[n - 1]))
        --n;
    // The number in the C notation, for from_chars: strtod would follow the C library's locale,
    // which a QApplication on Linux takes from the desktop, and read "12.34" as 12 in a comma locale.
    std::string plain;
    if (i < n && (text[i] == QChar('+') || text[i] == QChar('-')))
        if (text[i++] == QChar('-'))
            plain.push_back('-');
    int digits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++digits)
        plain.push_back(static_cast<char>(text[i].unicode()));
    if (i < n && isDecimalSeparator(text[i])) {
        plain.push_back('.');
        for (++i; i < n && isDigit(text[i]); ++i, ++digits)
            plain.push_back(static_cast<char>(text[i].unicode()));
    }
    if (digits == 0) {
        error = 1;
        return;
    }
    bool negativeExponent = false;
    if (i < n && (text[i] == QChar('e') || text[i] == QChar('E'))) {
        plain.push_back('e');
        ++i;
        if (i < n && (text[i] == QChar('+') || text[i] == QChar('-'))) {
            negativeExponent = text[i] == QChar('-');
            plain.push_back(static_cast<char>(text[i++].unicode()));
        }
        int exponentDigits = 0;
        for (; i < n && isDigit(text[i]); ++i, ++exponentDigits)
            plain.push_back(static_cast<char>(text[i].unicode()));
        if (exponentDigits == 0) {
            error = 1;
            return;
        }
    }
    if (i != n) {
        error = 1;
        return;
    }
    double result = 0;
    auto [end, problem] = std::from_chars(plain.data(), plain.data() + plain.size(), result);
    if (problem == std::errc::result_out_of_range && negativeExponent)
        result = plain.front() == '-' ? -0.0 : 0.0; // too small for a double: zero, as strtod reads it
    else if (problem != std::errc() || end != plain.data() + plain.size()) {
        error = 1;
        return;
    }
    value = result;
}

} // namespace

void tryParseFloat(const QString& text, double& value, int& error) {
    const QString trimmed = trimmedBlanks(text);
    if (!hasGrouping(trimmed)) {
        parsePlain(trimmed, value, error);
        return;
    }
    error = 1;
    if (const std::optional<Ungrouped> plain = ungrouped(trimmed, false))
        parsePlain(plain->plain, value, error);
}

bool decimalTextAtMost(const QString& text, double limit) {
    double value = 0;
    int error = 0;
    tryParseFloat(text, value, error);
    if (error == 0)
        return value <= limit;
    // A grouped number still being typed ("1 2" on the way to "1 299,00"): judged by the smallest
    // number it can still become, its last group filled up with zeros.
    const QString trimmed = trimmedBlanks(text);
    const std::optional<Ungrouped> typing = hasGrouping(trimmed) ? ungrouped(trimmed, true) : std::nullopt;
    if (!typing || typing->missing == 0)
        return false;
    parsePlain(typing->plain + QString(typing->missing, QChar('0')), value, error);
    return error == 0 && value <= limit;
}

ConversionError notAnInteger(const QString& text) {
    return ConversionError(
        QCoreApplication::translate("Numbers", "'%1' is not a valid integer value").arg(text));
}

ConversionError notAFloat(const QString& text) {
    return ConversionError(
        QCoreApplication::translate("Numbers", "'%1' is not a valid floating point value").arg(text));
}

QString regionalDecimalText(const QString& text) {
    double value = 0;
    int error = 0;
    tryParseFloat(text, value, error);
    if (error)
        return text;
    // A grouped number is shown without its groups: the cell then holds the number itself, which
    // every reader takes whatever its desktop's grouping.
    if (const QString trimmed = trimmedBlanks(text); hasGrouping(trimmed))
        return ungrouped(trimmed, false)->plain.replace(QChar('.'), regionalDecimalSeparator());
    QString shown = text;
    const qsizetype at = std::max(shown.indexOf(QChar('.')), shown.indexOf(QChar(',')));
    if (at >= 0)
        shown[at] = regionalDecimalSeparator();
    return shown;
}

int32_t strToInt(const QString& text) {
    int32_t value = 0;
    int error = 0;
    tryParseInt(text, value, error);
    if (error)
        throw notAnInteger(text);
    return value;
}

double strToFloat(const QString& text) {
    double value = 0;
    int error = 0;
    tryParseFloat(text, value, error);
    if (error)
        throw notAFloat(text);
    return value;
}

QString formatFixed(double value, int decimals, int minWidth) {
    QString text = QString::number(value, 'f', decimals);
    text.replace(QChar('.'), regionalDecimalSeparator());
    return text.rightJustified(minWidth, QChar(' '));
}

void appendHundredths(std::string& out, int64_t hundredths) {
    // Integer arithmetic throughout: a sum over many amounts may exceed what a double shows exactly
    // after a division by 100.
    const uint64_t magnitude =
        hundredths < 0 ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    char text[32];
    char* end = text;
    if (hundredths < 0)
        *end++ = '-';
    end = std::to_chars(end, text + sizeof text, magnitude / 100).ptr;
    const unsigned cents = unsigned(magnitude % 100);
    *end++ = '.';
    *end++ = char('0' + cents / 10);
    *end++ = char('0' + cents % 10);
    out.append(text, size_t(end - text));
}

std::string formatHundredths(int64_t hundredths) {
    std::string text;
    appendHundredths(text, hundredths);
    return text;
}

int64_t roundHalfEven(double value) {
    return static_cast<int64_t>(std::nearbyint(value));
}
