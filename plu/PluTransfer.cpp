#include "plu/PluTransfer.h"

#include "plu/PluTable.h"

#include <algorithm>
#include <numeric>
#include <optional>

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

// Writes one row, keeping the record around the exchange: nothing when the transfer goes on,
// otherwise how it ends.
std::optional<TransferEnd> writeRow(const ScaleLine& line, const PluTable& table, int row,
                                    const TransferHooks& hooks) {
    if (!table.rowInUse(row))
        return std::nullopt;
    std::optional<PluImage> image;
    if (hooks.proved) {
        image = pluImage(table, row);
        if (hooks.unsure && !hooks.unsure(image->plu))
            return TransferEnd::RecordFailed;
    }
    if (!writePlu(line, table, static_cast<uint16_t>(row - 1)))
        return TransferEnd::Failed;
    if (image && !hooks.proved(*image))
        return TransferEnd::RecordFailed;
    return std::nullopt;
}

// Keeps the record of one read: the row just filled, or the PLU found absent.
bool recordRead(const PluTable& table, int result, int plu, int row, const TransferHooks& hooks) {
    if (!hooks.proved || result == kPluExchangeFailed)
        return true;
    return hooks.proved(result == kPluRead ? pluImage(table, row) : PluImage{static_cast<uint16_t>(plu), {}});
}

// The rows in order, the first `leading` of them without a stop test, then each with the stop test
// and progress after it; numbers for the progress text start at firstNumber. Closes the upload.
TransferEnd sendRows(const ScaleLine& line, const PluTable& table, const std::vector<int>& rows,
                     size_t leading, int firstNumber, const TransferHooks& hooks) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (std::optional<TransferEnd> end = writeRow(line, table, rows[i], hooks))
            return closeUpload(line, *end);
        if (i < leading)
            continue;
        if (!hooks.keepRunning())
            return closeUpload(line, TransferEnd::Stopped);
        int position = int(i - leading);
        hooks.step(position, firstNumber + position);
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
        if (!recordRead(table, result, plu, row, hooks))
            return TransferEnd::RecordFailed;
        if (result == kPluRead)
            ++row;
    }
    for (int plu = from; plu <= to && row <= kPluRowCount; ++plu) {
        int result = readPlu(line, table, static_cast<uint16_t>(plu), static_cast<uint16_t>(row));
        if (result == kPluExchangeFailed)
            return TransferEnd::Failed;
        if (!recordRead(table, result, plu, row, hooks))
            return TransferEnd::RecordFailed;
        if (result == kPluRead)
            ++row;
        if (!hooks.keepRunning())
            return TransferEnd::Stopped;
        hooks.step(plu - from, plu);
    }
    return TransferEnd::Completed;
}

std::vector<int> saveToScaleOrder(int from, int to) {
    std::vector<int> rows = {1, kPluRowCount};
    // k runs from FROM to TO + 1 and writes row k - FROM + 2; the table ends at row 1801 whatever
    // range the caller passed.
    int last = std::min(to + 3 - from, kPluRowCount);
    for (int row = 2; row <= last; ++row)
        rows.push_back(row);
    return rows;
}

TransferEnd saveToScale(const ScaleLine& line, const PluTable& table, int from, int to,
                        const TransferHooks& hooks) {
    hooks.begin(to - from);
    FinishGuard guard(hooks);
    return sendRows(line, table, saveToScaleOrder(from, to), 2, from, hooks);
}

TransferEnd saveRowsInOrder(const ScaleLine& line, const PluTable& table, int rowCount,
                            const TransferHooks& hooks) {
    hooks.begin(rowCount);
    FinishGuard guard(hooks);
    std::vector<int> rows(size_t(std::clamp(rowCount, 0, kPluRowCount)));
    std::iota(rows.begin(), rows.end(), 1);
    return sendRows(line, table, rows, 0, 1, hooks);
}

TransferEnd saveRows(const ScaleLine& line, const PluTable& table, const std::vector<int>& rows,
                     const TransferHooks& hooks) {
    hooks.begin(int(rows.size()));
    FinishGuard guard(hooks);
    if (rows.empty())
        return TransferEnd::Completed;
    return sendRows(line, table, rows, 0, 1, hooks);
}

std::map<int, DecidingRow> decidingRows(const PluTable& table, const std::vector<int>& order) {
    std::map<int, DecidingRow> deciding;
    for (size_t position = 0; position < order.size(); ++position) {
        int row = order[position];
        if (!table.rowInUse(row))
            continue;
        PluImage image = pluImage(table, row);
        deciding[image.plu] = {position, row, image.fields};
    }
    return deciding;
}

std::vector<int> changedRows(const std::map<int, DecidingRow>& deciding,
                             const std::map<int, QByteArray>& known, int* current) {
    std::vector<std::pair<size_t, int>> changed;
    *current = 0;
    for (const auto& [plu, row] : deciding) {
        auto held = known.find(plu);
        if (held != known.end() && held->second == row.fields)
            ++*current;
        else
            changed.emplace_back(row.position, row.row);
    }
    std::sort(changed.begin(), changed.end());
    std::vector<int> rows;
    for (const auto& entry : changed)
        rows.push_back(entry.second);
    return rows;
}

TransferEnd readPlus(const ScaleLine& line, const std::vector<int>& plus, const TransferHooks& hooks,
                     std::map<int, QByteArray>& found) {
    hooks.begin(int(plus.size()));
    FinishGuard guard(hooks);
    PluMemoryTable scratch;
    for (size_t i = 0; i < plus.size(); ++i) {
        const int result = readPlu(line, scratch, static_cast<uint16_t>(plus[i]), 1);
        if (result == kPluExchangeFailed)
            return TransferEnd::Failed;
        found[plus[i]] = result == kPluRead ? pluImage(scratch, 1).fields : QByteArray();
        if (!recordRead(scratch, result, plus[i], 1, hooks))
            return TransferEnd::RecordFailed;
        if (!hooks.keepRunning())
            return TransferEnd::Stopped;
        hooks.step(int(i), plus[i]);
    }
    return TransferEnd::Completed;
}

PriceUpdate updatePrices(const ScaleLine& line, const PluTable& table, const std::vector<int>& order,
                         const std::map<int, DecidingRow>& deciding, const std::map<int, QByteArray>& known,
                         PluVerify verify, bool dryRun, const TransferHooks& hooks) {
    PriceUpdate update;
    std::map<int, QByteArray> held = known;
    if (verify == PluVerify::All && !dryRun) {
        std::vector<int> plus;
        for (const auto& entry : deciding)
            plus.push_back(entry.first);
        held.clear();
        if ((update.end = readPlus(line, plus, hooks, held)) != TransferEnd::Completed)
            return update;
    }
    // Nothing known of the scale: every row, in the file's order.
    const std::vector<int> rows = held.empty() ? order : changedRows(deciding, held, &update.current);
    if (dryRun) {
        for (int row : rows)
            if (table.rowInUse(row))
                update.sent.push_back(pluImage(table, row).plu);
        return update;
    }
    TransferHooks sending = hooks;
    sending.proved = [&update, keep = hooks.proved](const PluImage& image) {
        update.sent.push_back(image.plu);
        return !keep || keep(image);
    };
    if ((update.end = saveRows(line, table, rows, sending)) != TransferEnd::Completed ||
        verify != PluVerify::Written || update.sent.empty())
        return update;
    std::map<int, QByteArray> readBack;
    if ((update.end = readPlus(line, update.sent, hooks, readBack)) != TransferEnd::Completed)
        return update;
    for (int plu : update.sent)
        if (readBack[plu] != deciding.at(plu).fields)
            update.notStuck.push_back(plu);
    return update;
}
