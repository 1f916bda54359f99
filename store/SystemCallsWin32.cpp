#include "store/SystemCalls.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>
#include <iterator>
#include <mutex>
#include <windows.h>

namespace store {
namespace {

// The module (the program or a DLL) whose image holds address; null when none does.
HMODULE moduleHolding(const void* address) {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(address), &module);
    return module;
}

// Where module's import of symbol by name was bound when it was loaded (its import address table's
// entry); null when module imports no function of that name.
const void* boundImport(HMODULE module, const char* symbol) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return nullptr;
    for (const auto* library =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name != 0; ++library) {
        // The names, as the linker wrote them; the bound addresses, in the same order.
        const DWORD namesAt = library->OriginalFirstThunk ? library->OriginalFirstThunk : library->FirstThunk;
        const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + namesAt);
        const auto* bound = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++bound) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), symbol) == 0)
                return reinterpret_cast<const void*>(bound->u1.Function);
        }
    }
    return nullptr;
}

} // namespace

// The library holding `object` takes symbol from the DLL its import table was bound to. This
// program's own `ours` is the function itself when linked in, or a stub in this program that
// jumps through the program's own import of it from a DLL: then the DLL's function is ours.
bool libraryResolvesTo(const void* object, const char* symbol, const void* ours) {
    const HMODULE library = moduleHolding(object);
    const HMODULE program = moduleHolding(ours);
    if (library == nullptr || program == nullptr)
        return false;
    const void* theirs = boundImport(library, symbol);
    const void* ourImport = boundImport(program, symbol);
    return theirs != nullptr && theirs == (ourImport != nullptr ? ourImport : ours);
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
