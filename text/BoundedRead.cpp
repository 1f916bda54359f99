#include "text/BoundedRead.h"

std::optional<QByteArray> readWholeBounded(QIODevice& device) {
    QByteArray bytes;
    // A sequential device may give its bytes in pieces.
    for (QByteArray piece; bytes.size() <= kMaxInputFileBytes; bytes += piece) {
        piece = device.read(kMaxInputFileBytes + 1 - bytes.size());
        if (piece.isEmpty())
            return bytes;
    }
    return std::nullopt;
}
