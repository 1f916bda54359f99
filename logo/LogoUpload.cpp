#include "logo/LogoUpload.h"

#include <algorithm>

LogoRow logoRow(const QImage& picture, int y) {
    LogoRow row{};
    const auto* pixel = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int i = 0; i < kLogoBytesPerRow; ++i) {
        unsigned bits = 0;
        for (int x = 8 * i; x < 8 * i + 8; ++x)
            bits = (bits << 1) | (unsigned(qRed(pixel[x])) & 1U);
        row[size_t(i)] = uint8_t(~bits);
    }
    return row;
}

bool sendLogo(const ScaleLine& line, const QImage& picture, const std::function<void(int row)>& rowSent) {
    const int rows = std::min(picture.height(), kLogoHeight);
    line.link.clear();
    line.link.putWord(0);
    line.link.putByte(uint8_t(rows));
    if (!line.runCommand(kWriteLogoCommand))
        return false;
    for (int y = 0; y < rows; ++y) {
        line.link.clear();
        line.link.putWord(uint16_t(1 + kLogoBytesPerRow * y));
        for (uint8_t byte : logoRow(picture, y))
            line.link.putByte(byte);
        if (!line.runCommand(kWriteLogoCommand))
            return false;
        rowSent(y);
    }
    return true;
}
