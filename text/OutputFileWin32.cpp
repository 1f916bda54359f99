// The one file writer's calls on Windows: CreateFileW, ReplaceFileW and MoveFileExW. A file's own
// access list, attributes and streams are kept by ReplaceFileW, which swaps the new contents into
// the existing file; what it cannot keep (other names of a hard-linked file, another owner) makes
// the file be written in place instead.
#include "text/OutputFileSystem.h"

#include <QDir>
#include <QRandomGenerator>
#include <algorithm>
#include <string>

#include <windows.h>

#include <aclapi.h>

namespace outputfile {
namespace {

// The system's sentence for an error code, without its trailing line break.
QString errorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = n ? QString::fromWCharArray(text, int(n)).trimmed() : QString();
    LocalFree(text);
    return message.isEmpty() ? QStringLiteral("error %1").arg(error) : message;
}

std::wstring native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// Closes the handle when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE h) : h(h) {}
    ~Handle() {
        if (valid())
            CloseHandle(h);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return h != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h; }
    // Closes now; false (GetLastError says why) when the system refused the close.
    bool close() {
        const bool closed = CloseHandle(h);
        h = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE h;
};

// Opened for its metadata alone: no access to its contents, so another program's sharing mode does
// not stand in the way; FILE_FLAG_BACKUP_SEMANTICS lets a folder be opened too.
Handle openToLook(const std::wstring& path) {
    return Handle(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// Every byte, repeating after a short write.
bool writeAll(HANDLE file, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 30));
        DWORD n = 0;
        if (!WriteFile(file, bytes.constData() + done, chunk, &n, nullptr))
            return false;
        if (n == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += n;
    }
    return true;
}

// Whether two open files have the same owner; true where the system tells neither.
bool sameOwner(HANDLE a, HANDLE b) {
    PSID ownerA = nullptr;
    PSID ownerB = nullptr;
    PSECURITY_DESCRIPTOR descriptorA = nullptr;
    PSECURITY_DESCRIPTOR descriptorB = nullptr;
    const bool toldA = GetSecurityInfo(a, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &ownerA, nullptr,
                                       nullptr, nullptr, &descriptorA) == ERROR_SUCCESS;
    const bool toldB = GetSecurityInfo(b, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &ownerB, nullptr,
                                       nullptr, nullptr, &descriptorB) == ERROR_SUCCESS;
    const bool same = !toldA || !toldB || EqualSid(ownerA, ownerB);
    LocalFree(descriptorA);
    LocalFree(descriptorB);
    return same;
}

// A new file beside path, named path.XXXXXX, created by nobody else.
HANDLE createBeside(const QString& path, std::wstring& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = native(path + QLatin1Char('.') +
                      QString::number(QRandomGenerator::global()->generate() % 1000000, 36));
        const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE | READ_CONTROL, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

} // namespace

Found lookAt(const QString& path, QString& error) {
    const Handle file = openToLook(native(path));
    if (!file.valid()) {
        const DWORD why = GetLastError();
        if (why != ERROR_FILE_NOT_FOUND && why != ERROR_PATH_NOT_FOUND)
            error = errorText(why);
        return Found::Nothing;
    }
    // A device (NUL, CON, a COM port) or a pipe is written as it stands.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return Found::Other;
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileInformationByHandle(file.get(), &information) &&
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return Found::Folder;
    return Found::RegularFile;
}

// Opened with OPEN_EXISTING: should it vanish in between, nothing is created in its place.
QString writeExisting(const QString& path, const QByteArray& bytes, Existing how) {
    Handle file(CreateFileW(native(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return errorText(GetLastError());
    const bool whole = how == Existing::Whole;
    bool written = (!whole || SetEndOfFile(file.get())) && writeAll(file.get(), bytes) &&
                   (!whole || FlushFileBuffers(file.get()));
    DWORD error = GetLastError();
    if (!file.close() && written) {
        written = false;
        error = GetLastError();
    }
    return written ? QString() : errorText(error);
}

Replaced writeReplacing(const QString& path, const QByteArray& bytes, QString& error) {
    const std::wstring target = native(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // A read-only file is refused, as a shell's `>` refuses it: a replace would not ask.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) {
        error = errorText(ERROR_ACCESS_DENIED);
        return Replaced::Failed;
    }
    Handle earlier(exists ? CreateFileW(target.c_str(), READ_CONTROL,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, 0, nullptr)
                          : INVALID_HANDLE_VALUE);
    BY_HANDLE_FILE_INFORMATION information{};
    if (earlier.valid() && GetFileInformationByHandle(earlier.get(), &information) &&
        information.nNumberOfLinks > 1)
        return Replaced::WouldLose;
    std::wstring temporary;
    Handle fresh(createBeside(path, temporary));
    if (!fresh.valid()) {
        const DWORD why = GetLastError();
        error = errorText(why);
        return why == ERROR_ACCESS_DENIED || why == ERROR_WRITE_PROTECT ? Replaced::FolderRefused
                                                                        : Replaced::Failed;
    }
    const auto abandon = [&](Replaced outcome, DWORD why) {
        error = outcome == Replaced::Failed ? errorText(why) : QString();
        fresh.close();
        DeleteFileW(temporary.c_str());
        return outcome;
    };
    // Replacing keeps the file's access list but gives it the writer as its owner.
    if (earlier.valid() && !sameOwner(earlier.get(), fresh.get()))
        return abandon(Replaced::WouldLose, 0);
    earlier.close();
    if (!writeAll(fresh.get(), bytes) || !FlushFileBuffers(fresh.get()))
        return abandon(Replaced::Failed, GetLastError());
    if (!fresh.close()) {
        error = errorText(GetLastError());
        DeleteFileW(temporary.c_str());
        return Replaced::Failed;
    }
    // An existing file gets the new contents under its own access list, attributes and streams; a new
    // one is moved into place, on the disk before the call returns.
    const bool placed = exists ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                               : MoveFileExW(temporary.c_str(), target.c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!placed) {
        error = errorText(GetLastError());
        DeleteFileW(temporary.c_str());
        return Replaced::Failed;
    }
    return Replaced::Done;
}

} // namespace outputfile
