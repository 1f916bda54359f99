#include "logo/LogoConversion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

const std::array<int, 256>& toneTable() {
    static const std::array<int, 256> table = [] {
        std::array<int, 256> t{};
        for (int v = 0; v < 256; ++v)
            t[size_t(v)] =
                int(std::trunc(128.0 + 128.0 * std::sin(std::numbers::pi * (v - 128) / 256.0) - v));
        return t;
    }();
    return table;
}

void adjustTones(const LogoPlane& gray, int brightness, int contrast, LogoPlane& work) {
    // The result depends on the gray level alone, so it is worked out once per level.
    const std::array<int, 256>& tone = toneTable();
    std::array<uint8_t, 256> level{};
    for (int v = 0; v < 256; ++v) {
        int a = std::clamp(v + brightness, 0, 255);
        a += contrast * tone[size_t(v)] / 100;
        level[size_t(v)] = uint8_t(std::clamp(a, 0, 255));
    }
    std::transform(gray.begin(), gray.end(), work.begin(), [&level](uint8_t v) { return level[v]; });
}

namespace {
uint8_t clampToByte(int value) {
    return uint8_t(value < 0 ? 0 : value > 255 ? 255 : value);
}

// One row of the diffusion in the direction `ahead` (+1 left to right, -1 right to left); below is
// the next row, or null on the last one. The direction is a template argument so that the edge
// tests are the only branches left in the loop.
template <int ahead> void diffuseRow(uint8_t* row, uint8_t* below, int width) {
    int x = ahead > 0 ? 0 : width - 1;
    // The dot about to be decided, with the share ahead it got from the dot before: kept in a
    // register rather than written back, since the dot is overwritten with 0 or 255 right after.
    int v = row[x];
    for (int n = 0; n < width; ++n, x += ahead) {
        // A dot made white pushes its neighbours darker, a dot made black pushes them lighter.
        const bool white = v >= 128;
        // Unsigned, so that each share's division by 16 is a plain shift.
        const unsigned e = unsigned(white ? 255 - v : v);
        const int sign = white ? -1 : 1;
        row[x] = white ? 255 : 0;
        const bool hasAhead = n + 1 < width;
        if (hasAhead)
            v = clampToByte(row[x + ahead] + sign * int(7 * e / 16));
        if (!below)
            continue;
        below[x] = clampToByte(below[x] + sign * int(5 * e / 16));
        if (hasAhead)
            below[x + ahead] = clampToByte(below[x + ahead] + sign * int(e / 16));
        if (n > 0)
            below[x - ahead] = clampToByte(below[x - ahead] + sign * int(3 * e / 16));
    }
}
} // namespace

void ditherImage(uint8_t* image, int width, int height) {
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image + size_t(y) * size_t(width);
        uint8_t* below = y + 1 < height ? row + width : nullptr;
        if (y % 2 == 0)
            diffuseRow<1>(row, below, width);
        else
            diffuseRow<-1>(row, below, width);
    }
}

void takePicture(LogoImages& images, const QImage& picture) {
    images.picture = picture;
    takeGrayLevels(images.picture, images.grayImage);
}

void convertLogo(LogoImages& images, const LogoControls& controls) {
    adjustTones(images.grayImage, controls.brightness, controls.contrast, images.workImage);
    if (!controls.threshold)
        ditherImage(images.workImage.data(), kLogoWidth, kLogoHeight);
    const int rows = std::min(images.picture.height(), kLogoHeight);
    for (int y = 0; y < rows; ++y) {
        auto* pixel = reinterpret_cast<QRgb*>(images.picture.scanLine(y));
        const uint8_t* dot = images.workImage.data() + size_t(y) * kLogoWidth;
        for (int x = 0; x < kLogoWidth; ++x)
            pixel[x] = dot[x] < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
}
