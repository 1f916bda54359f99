// Test support: BMP files written byte by byte from the file format itself (not through Qt's
// writer, which only writes some depths and always bottom-up), so the logo's loader meets every
// depth and both row orders the way other programs write them.
#pragma once

#include <QByteArray>
#include <QRgb>
#include <functional>

enum class RowOrder { BottomUp, TopDown };

// An uncompressed BMP of 1, 4, 8, 16, 24 or 32 bits a pixel. For 1, 4 and 8 bits the colour table is
// made of the colours the picture uses, in the order met; there must be few enough of them. At 16
// bits each colour keeps the 5 high bits of its red, green and blue.
QByteArray bitmapBytes(int width, int height, int bits, RowOrder order,
                       const std::function<QRgb(int x, int y)>& pixel);

// Writes bytes to path; false when the file cannot be written.
bool writeFileBytes(const QString& path, const QByteArray& bytes);
