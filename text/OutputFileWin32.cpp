#include "text/OutputFilePlatform.h"

#include <QDir>
#include <windows.h>

namespace {

std::wstring nativeName(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

PathKind pathKind(const QString& path, QString& why) {
    // A device (\\.\COM3, NUL) has no attributes to read: it is something else than a file.
    if (path.startsWith(QStringLiteral("\\\\.\\")) || path.startsWith(QStringLiteral("//./")))
        return PathKind::Other;
    const DWORD attributes = GetFileAttributesW(nativeName(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return PathKind::Missing;
        why = qt_error_string(int(error));
        return PathKind::Unknown;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::RegularFile;
}

// OPEN_EXISTING: should it vanish in between, nothing is created in its place. Not inherited by
// programs started later.
QString writeAsItIs(const QString& path, const QByteArray& bytes) {
    const HANDLE file =
        CreateFileW(nativeName(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return outputFailure(path, qt_error_string(int(GetLastError())));
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.constData() + done, DWORD(bytes.size() - done), &written, nullptr) ||
            written == 0) {
            const DWORD error = GetLastError();
            CloseHandle(file);
            return outputFailure(path, qt_error_string(int(error)));
        }
        done += qsizetype(written);
    }
    if (!CloseHandle(file))
        return outputFailure(path, qt_error_string(int(GetLastError())));
    return {};
}
