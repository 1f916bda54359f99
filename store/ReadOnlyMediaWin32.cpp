// Whether a file's volume is read-only, as Windows tells it.
#include "store/ReadOnlyMedia.h"

#include <QDir>
#include <QFileInfo>
#include <windows.h>

namespace store {

bool onReadOnlyMedia(const QString& file) {
    wchar_t volume[MAX_PATH + 1] = {};
    const std::wstring path = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toStdWString();
    DWORD flags = 0;
    return GetVolumePathNameW(path.c_str(), volume, MAX_PATH) &&
           GetVolumeInformationW(volume, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
           (flags & FILE_READ_ONLY_VOLUME) != 0;
}

} // namespace store
