// What the line monitor keeps of the line: every frame and acknowledgement with the time since the
// first one, its direction, its bytes and what they mean. The link's trace hook only records (cheap,
// on the exchange's own thread); the window takes what came in batches, so that watching the line
// does not slow a transfer down. FIND records from its ports' threads while the window takes a batch,
// so every member function holds the log's lock.
#pragma once

#include "link/FrameDescription.h"
#include "link/FrameLink.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct LineEntry {
    int64_t millis = 0; // since the first entry
    std::vector<uint8_t> bytes;
    LineNote note;
};

class LineLog {
public:
    // Entries not yet taken are kept up to this many; more are dropped until the next batch.
    static constexpr size_t kPendingLimit = 100000;

    void record(FrameLink::TraceKind kind, const uint8_t* bytes, size_t count);
    // The entries recorded since the last batch, oldest first.
    std::vector<LineEntry> takeBatch();
    // The next entry counts as the first again (its time is 0).
    void restart();

private:
    std::mutex lock;
    FrameDescriber describer;
    std::optional<std::chrono::steady_clock::time_point> first;
    std::vector<LineEntry> pending;
};

// One entry as a line of text: "   0.125  PC -> scale  C3 04 00 01 01 C3 02  identity".
std::string entryText(const LineEntry& entry);
