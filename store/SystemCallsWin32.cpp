#include "store/SystemCalls.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <iterator>
#include <mutex>
#include <windows.h>

namespace store {

// Windows has no way to ask a DLL for a function it imports from another: the answer is "cannot
// tell", and the archive then reads through a connection of its own.
bool libraryResolvesTo(const void*, const char*, const void*) {
    return false;
}

void findDriversBesideProgram() {
    static std::once_flag once;
    std::call_once(once, [] {
        wchar_t path[MAX_PATH * 4];
        const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
        if (length > 0 && length < std::size(path))
            QCoreApplication::addLibraryPath(
                QFileInfo(QString::fromWCharArray(path, int(length))).absolutePath());
    });
}

} // namespace store
