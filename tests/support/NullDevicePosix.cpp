// A null device node (c 1 3) made in the folder itself, never the system's /dev/null.
#include "tests/support/NullDevice.h"
#include "tests/support/SpecialFiles.h"

namespace nulldevice {

std::string in(const std::string& folder, std::string& why) {
    const std::string path = folder + "/null";
    if (specialfiles::makeNullDevice(path))
        return path;
    why = "cannot make a device node with mknod here (needs root with CAP_MKNOD): " + path;
    return {};
}

bool isDevice(const std::string& path) {
    return specialfiles::kindOf(path) == 'c';
}

} // namespace nulldevice
