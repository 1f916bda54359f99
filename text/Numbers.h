// Text-to-number conversions and number formatting in the regional settings (QLocale()).
//
// The try* forms report failure in a flag and leave the value alone; the strTo* forms throw
// ConversionError with the program's standard message, for handlers that end on a bad text.
// Decimal numbers take a point or a comma alone as the decimal separator, whatever the regional
// setting, so an operator used to the other notation is read right. A text with both a point and a
// comma, or with a space inside, is grouped: it is read by the regional rule ("1.299,00" on a German
// desktop, "1 299,00" on a Czech one) or not at all, never cut at its first mark. Formatting uses the
// regional separator.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>

// A text that a handler converts without its own check; what() is the message for the error box.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Signed 32-bit decimal whole number: leading blanks, an optional sign, digits, nothing after.
void tryParseInt(const QString& text, int32_t& value, int& error);
// Decimal number with a point or a comma: blanks around it, optional sign, optional exponent; or a
// grouped number that fits the regional rule.
void tryParseFloat(const QString& text, double& value, int& error);
// The check of a typed decimal: a number at most `limit`, or a grouped number still being typed that
// can still become one ("1 2" on the way to "1 299,00").
bool decimalTextAtMost(const QString& text, double limit);
// A decimal text as it is shown once an edit ends: its separator made the regional one, a grouped
// number without its groups. A text that is no decimal number comes back unchanged.
QString regionalDecimalText(const QString& text);

// The standard messages for a text that is no number, in the window's language (English where no
// translation is installed, as in scalectl).
ConversionError notAnInteger(const QString& text);
ConversionError notAFloat(const QString& text);

int32_t strToInt(const QString& text);  // throws "'%s' is not a valid integer value"
double strToFloat(const QString& text); // throws "'%s' is not a valid floating point value"

// Fixed-point text with the given decimals and the regional separator, right-aligned in at least
// minWidth characters ("%3.2f" is formatFixed(v, 2, 3)).
QString formatFixed(double value, int decimals, int minWidth = 0);

// Whole hundredths as a decimal number with a point and two decimals, exact for any 64-bit value
// and free of any locale: -5 gives "-0.05", 12345 gives "123.45". For machine-readable output.
std::string formatHundredths(int64_t hundredths);
// The same text appended to `out`: a listing of years of closes formats millions of amounts.
void appendHundredths(std::string& out, int64_t hundredths);

// Rounds to the nearest whole number, a tie going to the even neighbour.
int64_t roundHalfEven(double value);

QChar regionalDecimalSeparator();
