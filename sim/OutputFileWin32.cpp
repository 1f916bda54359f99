// The emulator's file writer on Windows: a file (or the file a symbolic link leads to) is replaced by
// a temporary file beside it through MoveFileExA; a device (NUL, a COM port) or a pipe is written as
// it stands.
#include "sim/OutputFile.h"
#include "sim/SystemMessageWin32.h"

#include <string>
#include <windows.h>

namespace {

bool fail(std::string& reason, const std::string& path, DWORD error) {
    reason = path + ": " + systemMessage(error);
    return false;
}

bool writeAll(HANDLE file, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        DWORD n = 0;
        if (!WriteFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr))
            return false;
        if (n == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += n;
    }
    return true;
}

// Opened with OPEN_EXISTING: should it vanish in between, nothing is created in its place.
bool writeAsItIs(const std::string& path, const std::string& bytes, std::string& reason) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return fail(reason, path, GetLastError());
    const bool written = writeAll(file, bytes);
    const DWORD error = GetLastError();
    CloseHandle(file);
    return written || fail(reason, path, error);
}

// The temporary file is created under a new name of its own (CREATE_NEW), so nothing planted there
// is written through.
bool writeReplacing(const std::string& path, const std::string& bytes, Durability durability,
                    std::string& reason) {
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    const unsigned long long seed =
        GetTickCount64() ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 20);
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = path + "." + std::to_string((seed + attempt) % 1000000);
        file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return fail(reason, path, GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE)
        return fail(reason, path, ERROR_FILE_EXISTS);
    bool written = writeAll(file, bytes) && (durability == Durability::Buffered || FlushFileBuffers(file));
    DWORD error = GetLastError();
    CloseHandle(file);
    if (written &&
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        written = false;
        error = GetLastError();
    }
    if (!written)
        DeleteFileA(temporary.c_str());
    return written || fail(reason, path, error);
}

} // namespace

bool writeOutputFile(const std::string& path, const std::string& bytes, Durability durability,
                     std::string& reason) {
    // Opened for its metadata alone, following links; FILE_FLAG_BACKUP_SEMANTICS opens a folder too.
    HANDLE look = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (look == INVALID_HANDLE_VALUE) {
        // A new file; a path in a folder that does not exist answers ERROR_PATH_NOT_FOUND.
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? writeReplacing(path, bytes, durability, reason)
                                             : fail(reason, path, error);
    }
    const DWORD type = GetFileType(look);
    BY_HANDLE_FILE_INFORMATION information{};
    const bool folder = type == FILE_TYPE_DISK && GetFileInformationByHandle(look, &information) &&
                        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    // What a link leads to is replaced, and the link stays.
    char target[MAX_PATH * 4];
    const DWORD length =
        type == FILE_TYPE_DISK ? GetFinalPathNameByHandleA(look, target, sizeof target, 0) : 0;
    CloseHandle(look);
    if (folder) {
        reason = path + ": is a folder";
        return false;
    }
    if (type != FILE_TYPE_DISK)
        return writeAsItIs(path, bytes, reason);
    const std::string file = length > 0 && length < sizeof target ? std::string(target, length) : path;
    return writeReplacing(file, bytes, durability, reason);
}
