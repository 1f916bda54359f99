#include "service/LineLog.h"

#include <cstdio>

void LineLog::record(FrameLink::TraceKind kind, const uint8_t* bytes, size_t count) {
    std::lock_guard<std::mutex> hold(lock);
    auto now = std::chrono::steady_clock::now();
    if (!first)
        first = now;
    LineNote note = describer.describe(kind, bytes, count);
    if (pending.size() >= kPendingLimit)
        return;
    pending.push_back({std::chrono::duration_cast<std::chrono::milliseconds>(now - *first).count(),
                       std::vector<uint8_t>(bytes, bytes + count), std::move(note)});
}

std::vector<LineEntry> LineLog::takeBatch() {
    std::vector<LineEntry> batch;
    std::lock_guard<std::mutex> hold(lock);
    batch.swap(pending);
    return batch;
}

void LineLog::restart() {
    std::lock_guard<std::mutex> hold(lock);
    first.reset();
}

std::string entryText(const LineEntry& entry) {
    // Whole numbers only: the C library's %f would follow the desktop's locale.
    char time[32];
    std::snprintf(time, sizeof time, "%4lld.%03lld", static_cast<long long>(entry.millis / 1000),
                  static_cast<long long>(entry.millis % 1000));
    std::string line = std::string(time) + (entry.note.fromPc ? "  PC -> scale  " : "  scale -> PC  ");
    if (!entry.bytes.empty())
        line += hexBytes(entry.bytes.data(), entry.bytes.size()) + "  ";
    return line + entry.note.what;
}
