// The point notation for this thread alone: the thread's own locale switched on, its numbers set to
// "C", and both put back afterwards.
#include "reports/PointNumbers.h"

#include <clocale>
#include <locale.h>
#include <string>

namespace reports {

struct PointNumbers::Saved {
    int mode = _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
    std::string numbers = std::setlocale(LC_NUMERIC, nullptr);
};

PointNumbers::PointNumbers() : saved(std::make_unique<Saved>()) {
    std::setlocale(LC_NUMERIC, "C");
}

PointNumbers::~PointNumbers() {
    std::setlocale(LC_NUMERIC, saved->numbers.c_str());
    _configthreadlocale(saved->mode);
}

} // namespace reports
