#include "logo/LogoPicture.h"

#include "text/BoundedRead.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <bit>
#include <cstring>

namespace {
constexpr uint32_t kUncompressed = 0, kBitFields = 3, kAlphaBitFields = 6;

uint32_t little(const QByteArray& bytes, qsizetype at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | uchar(bytes[at + i]);
    return value;
}

// Qt's reader accepts an uncompressed bitmap whose pixel rows end early and returns an image whose
// missing rows it never read from the file: a logo made of them is not the picture. Such a file is
// refused instead.
// Run-length encoded bitmaps have no fixed size to check and are left to the reader.
bool pixelRowsComplete(const QByteArray& bytes) {
    if (bytes.size() < 30)
        return false;
    const bool coreHeader = little(bytes, 14, 4) == 12; // the oldest header, 16-bit sizes
    if (!coreHeader && bytes.size() < 34)
        return false;
    const int64_t width = coreHeader ? int64_t(little(bytes, 18, 2)) : int32_t(little(bytes, 18, 4));
    const int64_t height = coreHeader ? int64_t(little(bytes, 20, 2)) : int32_t(little(bytes, 22, 4));
    const int64_t bits = little(bytes, coreHeader ? 24 : 28, 2);
    const uint32_t compression = coreHeader ? kUncompressed : little(bytes, 30, 4);
    if (compression != kUncompressed && compression != kBitFields && compression != kAlphaBitFields)
        return true;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    return int64_t(little(bytes, 10, 4)) + stride * (height < 0 ? -height : height) <= bytes.size();
}

// Bits of the red, green and blue fields of a 16-bit or bit-field bitmap's pixels; 8 for the others.
std::array<int, 3> channelBits(const QByteArray& bytes) {
    std::array<int, 3> bits{8, 8, 8};
    if (bytes.size() < 34 || little(bytes, 14, 4) < 40)
        return bits;
    const uint32_t depth = little(bytes, 28, 2);
    const uint32_t compression = little(bytes, 30, 4);
    if ((compression == kBitFields || compression == kAlphaBitFields) && bytes.size() >= 66) {
        for (size_t c = 0; c < 3; ++c)
            bits[c] = std::popcount(little(bytes, 54 + 4 * qsizetype(c), 4));
    } else if (depth == 16 && compression == kUncompressed) {
        bits = {5, 5, 5};
    }
    return bits;
}

// Qt's reader puts a field of fewer than 8 bits in the high bits of its byte and leaves the low
// bits 0, so a 5-bit white reads as 248. The system's bitmap services, which the logo's gray levels
// are defined on, repeat the field's high bits in the low ones (white stays 255); so do these pixels.
void widenNarrowChannels(QImage& picture, const std::array<int, 3>& bits) {
    if (std::none_of(bits.begin(), bits.end(), [](int b) { return b > 0 && b < 8; }))
        return;
    auto widen = [](int value, int b) { return b > 0 && b < 8 ? value | value >> b : value; };
    for (int y = 0; y < picture.height(); ++y) {
        auto* pixel = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            pixel[x] = qRgb(widen(qRed(pixel[x]), bits[0]), widen(qGreen(pixel[x]), bits[1]),
                            widen(qBlue(pixel[x]), bits[2]));
    }
}

// Qt's copy() would fill the part beyond a narrow picture with black; the logo's margin is white.
QImage fitToLogo(const QImage& source) {
    QImage pixels = source.convertToFormat(QImage::Format_RGB32);
    QImage fitted(kLogoWidth, std::min(pixels.height(), kLogoHeight), QImage::Format_RGB32);
    fitted.fill(Qt::white);
    const size_t rowBytes = size_t(std::min(pixels.width(), kLogoWidth)) * sizeof(QRgb);
    for (int y = 0; y < fitted.height(); ++y)
        std::memcpy(fitted.scanLine(y), pixels.constScanLine(y), rowBytes);
    return fitted;
}
} // namespace

LogoPictureLoad loadLogoFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QCoreApplication::translate("LogoPicture", "Cannot open file %1").arg(path)};
    // Too large to be a logo: as invalid as any other picture that is not one.
    return loadLogoBytes(readWholeBounded(file).value_or(QByteArray()));
}

LogoPictureLoad loadLogoBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Only the bitmap reader: a picture of another kind is refused, whatever its content.
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull() || image.width() < 1 || image.height() < 1 || !pixelRowsComplete(bytes))
        return {{}, QCoreApplication::translate("LogoPicture", "Bitmap image is not valid")};
    QImage picture = fitToLogo(image);
    widenNarrowChannels(picture, channelBits(bytes));
    return {picture, {}};
}

void takeGrayLevels(const QImage& picture, LogoPlane& gray) {
    const int rows = std::min(picture.height(), kLogoHeight);
    for (int y = 0; y < rows; ++y) {
        const auto* pixel = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        uint8_t* out = gray.data() + size_t(y) * kLogoWidth;
        for (int x = 0; x < kLogoWidth; ++x)
            out[x] = uint8_t((19 * qRed(pixel[x]) + 38 * qGreen(pixel[x]) + 6 * qBlue(pixel[x])) / 64);
    }
}
