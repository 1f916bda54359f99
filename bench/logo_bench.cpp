// The logo's speed: the conversion with error diffusion of a full 384 × 250 picture, which runs at
// every movement of a track bar (goal: under 1 ms), alone, with the plain threshold, and with the
// window's repaint of the result; loading a 384 × 250 bitmap; and the upload of 250 rows against
// the emulated scale paced at 9600 and 115200 baud.
//
// The paced runs report their time against the line's byte budget: every byte that crossed the line
// (request frames, both acknowledgements and the reply frames, stuffing included) at 10 bits a byte.
#include "bench/LineBudget.h"
#include "logo/LogoConversion.h"
#include "logo/LogoUpload.h"

#include <QBuffer>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

// A picture with every gray level and colour edges, so the diffusion has error to spread everywhere.
QImage testPicture() {
    QImage picture(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    for (int y = 0; y < kLogoHeight; ++y)
        for (int x = 0; x < kLogoWidth; ++x)
            picture.setPixel(x, y,
                             qRgb(x * 255 / (kLogoWidth - 1), y * 255 / (kLogoHeight - 1), (x ^ y) & 0xFF));
    return picture;
}

LogoImages& loadedImages() {
    static LogoImages images = [] {
        LogoImages loaded;
        takePicture(loaded, testPicture());
        return loaded;
    }();
    return images;
}

void BM_ConvertWithDithering(benchmark::State& state) {
    LogoImages& images = loadedImages();
    for (auto _ : state) {
        convertLogo(images, {0, 128, false});
        benchmark::DoNotOptimize(images.picture.constBits());
    }
}
BENCHMARK(BM_ConvertWithDithering)->Unit(benchmark::kMicrosecond);

void BM_ConvertWithThreshold(benchmark::State& state) {
    LogoImages& images = loadedImages();
    for (auto _ : state) {
        convertLogo(images, {0, 128, true});
        benchmark::DoNotOptimize(images.picture.constBits());
    }
}
BENCHMARK(BM_ConvertWithThreshold)->Unit(benchmark::kMicrosecond);

// What a track bar movement costs the window: the conversion and the picture handed to its label.
void BM_ConvertAndShow(benchmark::State& state) {
    LogoImages& images = loadedImages();
    for (auto _ : state) {
        convertLogo(images, {0, 128, false});
        QPixmap shown = QPixmap::fromImage(images.picture);
        benchmark::DoNotOptimize(shown.cacheKey());
    }
}
BENCHMARK(BM_ConvertAndShow)->Unit(benchmark::kMicrosecond);

void BM_LoadBitmap(benchmark::State& state) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    testPicture().convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    for (auto _ : state) {
        LogoPictureLoad loaded = loadLogoBytes(bytes);
        if (loaded.picture.isNull())
            state.SkipWithError("bitmap refused");
    }
}
BENCHMARK(BM_LoadBitmap)->Unit(benchmark::kMicrosecond);

void BM_UploadPaced(benchmark::State& state) {
    const int baud = int(state.range(0));
    std::unique_ptr<SimHarness> scale = pacedScale(state, baud);
    if (!scale)
        return;
    LogoImages& images = loadedImages();
    convertLogo(images, {0, 128, false});
    timeAgainstBudget(state, baud,
                      [&images] { return sendLogo(quietLine(theLink), images.picture, [](int) {}); });
}
BENCHMARK(BM_UploadPaced)
    ->Arg(9600)
    ->Arg(115200)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
} // namespace
