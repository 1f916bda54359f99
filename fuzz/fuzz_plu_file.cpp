// Arbitrary bytes as a PLU text file: the reader must neither crash nor read outside its table,
// whatever the line ends, field counts, lengths or numbers, and its work grows with the input only.
#include "plu/PluFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static PluMemoryTable table; // reused: loading never needs an empty table
    readPluBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), table);
    return 0;
}
