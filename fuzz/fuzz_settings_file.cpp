// Arbitrary bytes as a settings file: the reader must neither crash nor read past the end, whatever
// the line ends, blanks, number runs or lengths; a file it loads must save again, and what it saved
// must read back and save to the very same bytes (a line break inside a text is saved as a blank, so
// the first save may differ from what was read, never the second from the first).
#include "settings/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Settings settings;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (readSettingsBytes(bytes, settings) != SettingsFileLoad::Loaded)
        return 0;
    std::optional<QByteArray> saved = settingsFileBytes(settings);
    if (!saved)
        std::abort(); // every tax rate read from a file converts back
    Settings again;
    if (readSettingsBytes(*saved, again) != SettingsFileLoad::Loaded || settingsFileBytes(again) != saved)
        std::abort();
    return 0;
}
