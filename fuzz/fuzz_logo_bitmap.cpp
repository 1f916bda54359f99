// Arbitrary bytes as a logo bitmap, through the loader the window and scalectl use, then the
// conversion, the dithering and the packing of every row: nothing may crash or reach outside the
// picture or the 384 × 250 planes, whatever the header claims (sizes, depths, row order, colour
// table, compression) and however early the data ends.
#include "logo/LogoConversion.h"
#include "logo/LogoUpload.h"

#include <QImageReader>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Headers claiming huge pictures are refused by the reader's allocation limit; a lower limit
    // than the program's keeps each run short without leaving out any code.
    QImageReader::setAllocationLimit(32);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LogoImages images; // kept between inputs, as the window keeps them between loads
    LogoPictureLoad loaded = loadLogoBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (loaded.picture.isNull())
        return 0;
    takePicture(images, loaded.picture);
    convertLogo(images, {int(size % 257) - 128, int(size % 256), size % 2 == 0});
    for (int y = 0; y < images.picture.height(); ++y)
        (void)logoRow(images.picture, y);
    return 0;
}
