// The scale's and the files' texts are single bytes of code page 1250; the windows use QString.
// Conversion goes through a table of its own, the same on every platform (Qt's codecs depend on how
// Qt was built), which maps all 256 byte values both ways; a character the code page lacks becomes
// SUB (1A).
#pragma once

#include <QString>
#include <string>

QString fromCp1250(const std::string& bytes);
std::string toCp1250(const QString& text);
// A text as one line of a file: CR and LF inside it (a text read from the scale is any bytes)
// become blanks, so that they cannot split the line and shift every line after it.
std::string toCp1250Line(const QString& text);
