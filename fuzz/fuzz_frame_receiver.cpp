// Arbitrary bytes from the line into the PC's receiver: no write outside the reply buffer, and the
// attempt always ends within its byte bound.
#include "link/FrameReceiver.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint8_t buffer[FrameReceiver::kBufferSize];
    uint8_t check = 0;
    FrameReceiver receiver(0, buffer, check);
    size_t fed = 0;
    for (size_t i = 0; i < size; ++i) {
        ++fed;
        FrameReceiver::Step step = receiver.feed(data[i]);
        if (receiver.stored() > FrameReceiver::kBufferSize)
            std::abort();
        if (step == FrameReceiver::Step::Complete || step == FrameReceiver::Step::Failed)
            break;
    }
    if (fed > FrameReceiver::kAttemptByteLimit + 1)
        std::abort();
    return 0;
}
