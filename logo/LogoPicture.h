// The receipt logo's picture: a bitmap file read and fitted to the printer's 384 dots, one way for
// the logo window, scalectl and the fuzz target, and the gray levels taken from it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kLogoWidth = 384;
constexpr int kLogoHeight = 250;
constexpr int kLogoBytesPerRow = kLogoWidth / 8;

// One byte per dot of the whole 384 × 250 logo, row after row.
using LogoPlane = std::array<uint8_t, size_t(kLogoWidth) * kLogoHeight>;

// A loaded picture, or the picture library's message when there is none.
struct LogoPictureLoad {
    // 384 pixels wide (cut on the right, or extended with white), 32 bits a pixel, at most 250 rows
    // (a taller picture is cut at the bottom). Null when the load failed.
    QImage picture;
    // "Cannot open file %s" or "Bitmap image is not valid"; empty when the picture loaded.
    QString error;
};

// Reads the file and loads it as loadLogoBytes does.
LogoPictureLoad loadLogoFile(const QString& path);
// A BMP of any depth and either row order; anything else, a PNG included, is not a valid bitmap.
LogoPictureLoad loadLogoBytes(const QByteArray& bytes);

// Gray level (19 R + 38 G + 6 B) div 64 of every pixel of the picture's rows into gray; the rows
// of gray below the picture keep what they held.
void takeGrayLevels(const QImage& picture, LogoPlane& gray);
