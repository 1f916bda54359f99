// Windows sets no limit on the size of a program's files.
#include "tests/support/FileSizeLimit.h"

FileSizeLimit::FileSizeLimit(std::uint64_t) : why("Windows has no limit on a program's file sizes") {}

FileSizeLimit::~FileSizeLimit() = default;
