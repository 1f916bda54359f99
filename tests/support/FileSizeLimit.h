// A limit on the size of the files the test program writes while it is in scope, for the tests of a
// write that fails part way even for root. One source file per platform.
#pragma once

#include <cstdint>
#include <string>

class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Empty while the limit holds; else why the system would not set it.
    const std::string& missing() const { return why; }

private:
    std::uint64_t saved = 0;
    void (*savedHandler)(int) = nullptr;
    std::string why;
};
