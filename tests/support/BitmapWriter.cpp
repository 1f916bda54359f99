#include "tests/support/BitmapWriter.h"

#include <QFile>
#include <stdexcept>
#include <vector>

namespace {
void putLittle(QByteArray& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

void putColour(QByteArray& out, QRgb colour, bool withFourthByte) {
    out.append(char(qBlue(colour)));
    out.append(char(qGreen(colour)));
    out.append(char(qRed(colour)));
    if (withFourthByte)
        out.append(char(0));
}
} // namespace

QByteArray bitmapBytes(int width, int height, int bits, RowOrder order,
                       const std::function<QRgb(int x, int y)>& pixel) {
    const bool indexed = bits <= 8;
    std::vector<QRgb> palette;
    auto indexOf = [&palette, bits](QRgb colour) {
        for (size_t i = 0; i < palette.size(); ++i)
            if (palette[i] == colour)
                return uint32_t(i);
        if (palette.size() >= (size_t(1) << bits))
            throw std::invalid_argument("too many colours for the depth");
        palette.push_back(colour);
        return uint32_t(palette.size() - 1);
    };

    const int stride = (width * bits + 31) / 32 * 4;
    QByteArray rows;
    for (int n = 0; n < height; ++n) {
        const int y = order == RowOrder::BottomUp ? height - 1 - n : n;
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            QRgb colour = pixel(x, y);
            if (!indexed) {
                QByteArray bytes;
                if (bits == 16) // 5 bits of each, red highest
                    putLittle(
                        bytes,
                        uint32_t(qRed(colour) >> 3 << 10 | qGreen(colour) >> 3 << 5 | qBlue(colour) >> 3), 2);
                else
                    putColour(bytes, colour, bits == 32);
                row.replace(x * (bits / 8), bytes.size(), bytes);
                continue;
            }
            const int bit = x * bits;
            const int shift = 8 - bits - bit % 8;
            row[bit / 8] = char(uchar(row[bit / 8]) | (indexOf(colour) << shift));
        }
        rows.append(row);
    }

    QByteArray table;
    for (QRgb colour : palette)
        putColour(table, colour, true);
    const uint32_t dataOffset = 14 + 40 + uint32_t(table.size());
    QByteArray out;
    out.append("BM");
    putLittle(out, dataOffset + uint32_t(rows.size()), 4);
    putLittle(out, 0, 4);
    putLittle(out, dataOffset, 4);
    putLittle(out, 40, 4);
    putLittle(out, uint32_t(width), 4);
    putLittle(out, uint32_t(order == RowOrder::TopDown ? -height : height), 4);
    putLittle(out, 1, 2);
    putLittle(out, uint32_t(bits), 2);
    putLittle(out, 0, 4); // no compression
    putLittle(out, uint32_t(rows.size()), 4);
    putLittle(out, 2835, 4); // 72 dots an inch
    putLittle(out, 2835, 4);
    putLittle(out, uint32_t(palette.size()), 4);
    putLittle(out, 0, 4);
    return out + table + rows;
}

bool writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
