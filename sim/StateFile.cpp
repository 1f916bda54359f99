#include "sim/StateFile.h"
#include "sim/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdlib.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kMagic[8] = {'S', 'C', 'A', 'L', 'E', 'M', 'E', 'M'};
constexpr uint32_t kVersion = 1;

uint32_t fnv1a(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
    uint32_t hash = 2166136261u;
    for (size_t i = from; i < from + count; ++i) {
        hash ^= bytes[i];
        hash *= 16777619u;
    }
    return hash;
}

struct Writer {
    std::vector<uint8_t> bytes;

    template <typename Int> void number(Int& value) {
        putBigEndian(bytes, static_cast<uint32_t>(value), static_cast<int>(sizeof(Int)));
    }
    void number(int64_t& value) {
        auto wide = static_cast<uint64_t>(value);
        putBigEndian(bytes, static_cast<uint32_t>(wide >> 32), 4);
        putBigEndian(bytes, static_cast<uint32_t>(wide), 4);
    }
    void flag(bool& value) { bytes.push_back(value ? 1 : 0); }
    template <size_t N> void block(std::array<uint8_t, N>& field) {
        bytes.insert(bytes.end(), field.begin(), field.end());
    }
    void text(std::string& value) {
        uint32_t size = static_cast<uint32_t>(value.size());
        number(size);
        bytes.insert(bytes.end(), value.begin(), value.end());
    }
};

struct Reader {
    const std::vector<uint8_t>& bytes;
    size_t at;
    size_t end;
    bool ok = true;

    const uint8_t* take(size_t n) {
        if (!ok || end - at < n) {
            ok = false;
            return nullptr;
        }
        const uint8_t* p = bytes.data() + at;
        at += n;
        return p;
    }
    template <typename Int> void number(Int& value) {
        constexpr int size = sizeof(Int);
        if (const uint8_t* p = take(size))
            value = static_cast<Int>(getBigEndian(p, size));
    }
    void number(int64_t& value) {
        if (const uint8_t* p = take(8))
            value = static_cast<int64_t>((uint64_t{getBigEndian(p, 4)} << 32) | getBigEndian(p + 4, 4));
    }
    void flag(bool& value) {
        if (const uint8_t* p = take(1))
            value = *p != 0;
    }
    template <size_t N> void block(std::array<uint8_t, N>& field) {
        if (const uint8_t* p = take(N))
            std::memcpy(field.data(), p, N);
    }
    void text(std::string& value) {
        uint32_t size = 0;
        number(size);
        if (const uint8_t* p = take(size))
            value.assign(p, p + size);
    }
};

// Every field of the state, in file order; the same list writes and reads.
template <typename Archive> void visit(Archive& a, ScaleState& s) {
    a.number(s.status);
    a.text(s.identity);
    for (PluRecord& plu : s.plus) {
        a.number(plu.price);
        a.number(plu.code);
        a.number(plu.department);
        a.number(plu.taxGroup);
        a.number(plu.flags);
        a.block(plu.name);
        a.number(plu.validDate);
        a.number(plu.quantity);
        a.number(plu.total);
        a.number(plu.count);
    }
    a.block(s.settings);
    for (auto& field : s.clerks)
        a.block(field);
    for (auto& field : s.lines)
        a.block(field);
    for (auto& field : s.departments)
        a.block(field);
    for (int16_t& rate : s.taxes)
        a.number(rate);
    a.block(s.systemParameters);
    a.number(s.clockOffsetSeconds);
    ReportTotals& r = s.report;
    a.number(r.docNumber);
    a.number(r.grandTotal);
    for (int32_t& v : r.taxTotals)
        a.number(v);
    for (int32_t& v : r.hourAmounts)
        a.number(v);
    for (uint16_t& v : r.hourCounts)
        a.number(v);
    a.block(r.reserved);
    for (ClerkTotals& c : s.clerkTotals) {
        a.number(c.salesTotal);
        a.number(c.operations);
        a.number(c.cancelTotal);
        a.number(c.cancelCount);
        a.number(c.clients);
        a.number(c.cashTotal);
        a.number(c.creditTotal);
        a.number(c.discountCount);
        a.number(c.discountTotal);
        a.block(c.reserved);
    }
    a.number(s.password);
    a.block(s.logo);
    a.number(s.terminal.weightGrams);
    a.number(s.terminal.tareGrams);
    a.number(s.terminal.unitPrice);
    a.number(s.terminal.entry);
    a.flag(s.terminal.shift);
}

} // namespace

bool loadStateFile(const std::string& path, ScaleState& state, std::string& reason) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = std::strerror(errno);
        return false;
    }
    // Far more than a state file holds: an endless file (/dev/zero) is refused after this much.
    constexpr size_t kMaxFileBytes = 8 * 1024 * 1024;
    std::vector<uint8_t> bytes(kMaxFileBytes + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() > kMaxFileBytes) {
        reason = "not a scale memory file (too large)";
        return false;
    }
    constexpr size_t header = sizeof kMagic + 8;
    if (bytes.size() < header + 4 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        reason = "not a scale memory file";
        return false;
    }
    if (getBigEndian(bytes.data() + 8, 4) != kVersion) {
        reason = "unknown version";
        return false;
    }
    size_t length = getBigEndian(bytes.data() + 12, 4);
    if (length != bytes.size() - header - 4 ||
        getBigEndian(bytes.data() + header + length, 4) != fnv1a(bytes, header, length)) {
        reason = "damaged (length or checksum wrong)";
        return false;
    }
    ScaleState loaded;
    Reader reader{bytes, header, header + length};
    visit(reader, loaded);
    if (!reader.ok || reader.at != reader.end) {
        reason = "damaged (fields do not fit)";
        return false;
    }
    state = std::move(loaded);
    return true;
}

bool saveStateFile(const std::string& path, const ScaleState& state, std::string& reason) {
    Writer writer;
    ScaleState copy = state;
    visit(writer, copy);
    std::vector<uint8_t> file(kMagic, kMagic + sizeof kMagic);
    putBigEndian(file, kVersion, 4);
    putBigEndian(file, static_cast<uint32_t>(writer.bytes.size()), 4);
    file.insert(file.end(), writer.bytes.begin(), writer.bytes.end());
    putBigEndian(file, fnv1a(writer.bytes, 0, writer.bytes.size()), 4);

    return writeOutputFile(path, std::string(file.begin(), file.end()), Durability::Synced, reason);
}
