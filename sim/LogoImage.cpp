#include "sim/LogoImage.h"
#include "sim/OutputFile.h"

#include <algorithm>

bool writeLogoPbm(const std::string& path, const std::array<uint8_t, kLogoSize>& logo, std::string& reason) {
    const size_t rows = std::min<size_t>(logo[0], kLogoMaxRows);
    std::string pbm = "P4\n" + std::to_string(kLogoRowBytes * 8) + ' ' + std::to_string(rows) + '\n';
    pbm.append(reinterpret_cast<const char*>(logo.data() + 1), rows * kLogoRowBytes);
    return writeOutputFile(path, pbm, Durability::Buffered, reason);
}
