// Arbitrary bytes as a window-state file, read into the real main window: the reader must neither
// crash nor apply anything outside the kept controls, whatever the numbers, line ends and lengths.
// Whatever it restored must then survive a write and a read unchanged.
#include "app/Forms.h"
#include "app/WindowState.h"

#include <QApplication>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The font library behind the offscreen platform keeps its caches for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    createForms(); // alive for the whole run: restoring never needs a fresh window
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QWidget* window = mainWindow();
    const QString caption = window->windowTitle();
    const windowstate::ControlLookup findInMainWindow = windowstate::controlsUnder(window);
    windowstate::readState(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), caption,
                           findInMainWindow);
    QByteArray written = windowstate::writeState(caption, findInMainWindow);
    windowstate::readState(written, caption, findInMainWindow);
    if (windowstate::writeState(caption, findInMainWindow) != written)
        std::abort();
    return 0;
}
