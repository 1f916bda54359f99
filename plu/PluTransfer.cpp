#include "plu/PluTransfer.h"

#include <algorithm>
#include <initializer_list>

namespace {
// Calls finish on every way out of a transfer, a conversion error included, so the progress
// dialog never stays up with keepRunning set after the handler has ended.
class FinishGuard {
public:
    explicit FinishGuard(const TransferHooks& hooks) : hooks(hooks) {}
    ~FinishGuard() { hooks.finish(); }
    FinishGuard(const FinishGuard&) = delete;
    FinishGuard& operator=(const FinishGuard&) = delete;

private:
    const TransferHooks& hooks;
};

TransferEnd closeUpload(const ScaleLine& line, TransferEnd end) {
    line.link.clear();
    line.runCommand(kEndPluUploadCommand);
    return end;
}

// The leading rows (by index) without a stop test, then count rows from firstIndex on with the
// stop test and progress after each; numbers for the progress text start at firstNumber.
TransferEnd sendRows(const ScaleLine& line, const PluTable& table, std::initializer_list<int> leading,
                     int firstIndex, int count, int firstNumber, const TransferHooks& hooks) {
    for (int index : leading)
        if (!writePlu(line, table, static_cast<uint16_t>(index)))
            return closeUpload(line, TransferEnd::Failed);
    // The table ends at index 1800 whatever range the caller passed.
    count = std::min(count, kPluRowCount - firstIndex);
    for (int i = 0; i < count; ++i) {
        if (!writePlu(line, table, static_cast<uint16_t>(firstIndex + i)))
            return closeUpload(line, TransferEnd::Failed);
        if (!hooks.keepRunning())
            return closeUpload(line, TransferEnd::Stopped);
        hooks.step(i, firstNumber + i);
    }
    return closeUpload(line, TransferEnd::Completed);
}
} // namespace

TransferEnd loadFromScale(const ScaleLine& line, PluTable& table, int from, int to,
                          const TransferHooks& hooks) {
    hooks.begin(to - from);
    FinishGuard guard(hooks);
    int row = 1;
    for (int plu : {0, 1800}) {
        int result = readPlu(line, table, static_cast<uint16_t>(plu), static_cast<uint16_t>(row));
        if (result == kPluExchangeFailed)
            return TransferEnd::Failed;
        if (result == kPluRead)
            ++row;
    }
    for (int plu = from; plu <= to && row <= kPluRowCount; ++plu) {
        int result = readPlu(line, table, static_cast<uint16_t>(plu), static_cast<uint16_t>(row));
        if (result == kPluExchangeFailed)
            return TransferEnd::Failed;
        if (result == kPluRead)
            ++row;
        if (!hooks.keepRunning())
            return TransferEnd::Stopped;
        hooks.step(plu - from, plu);
    }
    return TransferEnd::Completed;
}

TransferEnd saveToScale(const ScaleLine& line, const PluTable& table, int from, int to,
                        const TransferHooks& hooks) {
    hooks.begin(to - from);
    FinishGuard guard(hooks);
    // k runs from FROM to TO + 1 and writes index k - FROM + 1: rows 2 to TO - FROM + 3.
    return sendRows(line, table, {0, kPluRowCount - 1}, 1, to + 2 - from, from, hooks);
}

TransferEnd saveRowsInOrder(const ScaleLine& line, const PluTable& table, int rowCount,
                            const TransferHooks& hooks) {
    hooks.begin(rowCount);
    FinishGuard guard(hooks);
    return sendRows(line, table, {}, 0, rowCount, 1, hooks);
}
