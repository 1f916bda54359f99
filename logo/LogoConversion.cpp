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

void ditherImage(uint8_t* image, int width, int height) {
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image + size_t(y) * size_t(width);
        uint8_t* below = y + 1 < height ? row + width : nullptr;
        const int ahead = y % 2 == 0 ? 1 : -1;
        int x = ahead > 0 ? 0 : width - 1;
        for (int n = 0; n < width; ++n, x += ahead) {
            const int v = row[x];
            // A dot made white pushes its neighbours darker, a dot made black pushes them lighter.
            const bool white = v >= 128;
            const int e = white ? 255 - v : v;
            row[x] = white ? 255 : 0;
            if (e == 0)
                continue;
            auto share = [width, white](uint8_t* line, int at, int amount) {
                if (at < 0 || at >= width)
                    return;
                line[at] = uint8_t(std::clamp(line[at] + (white ? -amount : amount), 0, 255));
            };
            share(row, x + ahead, 7 * e / 16);
            if (below) {
                share(below, x, 5 * e / 16);
                share(below, x + ahead, e / 16);
                share(below, x - ahead, 3 * e / 16);
            }
        }
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
