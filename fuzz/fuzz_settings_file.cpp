// Arbitrary bytes as a settings file: the reader must neither crash nor read past the end, whatever
// the line ends, blanks, number runs or lengths; a file it loads must save again, and read back the
// same from what it saved (the rate aside, which the file does not hold).
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
    // A text line may hold a lone LF but never a CR, so what was read survives a save unchanged.
    if (readSettingsBytes(*saved, again) != SettingsFileLoad::Loaded || !(again == settings))
        std::abort();
    return 0;
}
