// NUL, which Windows takes as its null device in every folder: a writer that replaced it would make
// a file, and the name would stop being a device.
#include "tests/support/NullDevice.h"

#include <windows.h>

namespace nulldevice {

std::string in(const std::string& folder, std::string&) {
    return folder + "/NUL";
}

bool isDevice(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool device = GetFileType(file) == FILE_TYPE_CHAR;
    CloseHandle(file);
    return device;
}

} // namespace nulldevice
