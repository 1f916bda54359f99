// The range of a spin field, shared by the tabs' cores: leaving a field pulls its value into the
// range, and a field whose minimum equals its maximum has no limit.
#pragma once

#include <algorithm>
#include <cstdint>

struct SpinRange {
    int32_t low;
    int32_t high;
    // The value as the field holds it once the operator has left it.
    constexpr int32_t pull(int32_t value) const {
        return low == high ? value : std::clamp(value, std::min(low, high), std::max(low, high));
    }
};
