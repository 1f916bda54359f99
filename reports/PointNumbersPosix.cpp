// The point notation for this thread alone (uselocale), so a window drawing in another thread keeps
// the desktop's.
#include "reports/PointNumbers.h"

#include <locale.h>

namespace reports {

struct PointNumbers::Saved {
    locale_t point = newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE));
    locale_t before = point ? uselocale(point) : nullptr;
};

PointNumbers::PointNumbers() : saved(std::make_unique<Saved>()) {}

PointNumbers::~PointNumbers() {
    if (saved->point) {
        uselocale(saved->before);
        freelocale(saved->point);
    }
}

} // namespace reports
