// While an object of this lives, the C library writes numbers of the calling thread with a decimal
// point, whatever the desktop's regional setting. The workbook writer formats its XML with printf,
// and a spreadsheet's XML takes only the point: under a comma locale "2348,72" is no number to any
// reader.
#pragma once

#include <memory>

namespace reports {

class PointNumbers {
public:
    PointNumbers();
    ~PointNumbers();
    PointNumbers(const PointNumbers&) = delete;
    PointNumbers& operator=(const PointNumbers&) = delete;

private:
    struct Saved;
    std::unique_ptr<Saved> saved;
};

} // namespace reports
