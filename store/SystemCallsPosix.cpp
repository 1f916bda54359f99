#include "store/SystemCalls.h"

#include <dlfcn.h>

namespace store {

bool libraryResolvesTo(const void* object, const char* symbol, const void* ours) {
    Dl_info library{};
    if (dladdr(object, &library) == 0 || library.dli_fname == nullptr)
        return false;
    void* loaded = dlopen(library.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (loaded == nullptr)
        return false;
    const bool same = dlsym(loaded, symbol) == ours;
    dlclose(loaded);
    return same;
}

void findDriversBesideProgram() {}

} // namespace store
