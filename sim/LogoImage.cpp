#include "sim/LogoImage.h"

#include <algorithm>
#include <fstream>

bool writeLogoPbm(const std::string& path, const std::array<uint8_t, kLogoSize>& logo) {
    size_t rows = std::min<size_t>(logo[0], kLogoMaxRows);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "P4\n" << kLogoRowBytes * 8 << ' ' << rows << '\n';
    out.write(reinterpret_cast<const char*>(logo.data() + 1),
              static_cast<std::streamsize>(rows * kLogoRowBytes));
    return static_cast<bool>(out.flush());
}
