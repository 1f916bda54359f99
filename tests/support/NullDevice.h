// The system's null device where a test's folder is, for the tests that check that a writer writes a
// device as it is instead of putting a file in its place. One source file per platform.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace nulldevice {

// A path in folder that is the null device: empty, with why set, when none can be had here.
std::string in(const std::string& folder, std::string& why);
// Whether path is a device still, not a file put in its place.
bool isDevice(const std::string& path);

} // namespace nulldevice

// Calls save(path) on the null device in folder: it must succeed and leave the device a device.
// Skips the test, saying why, when no device can be had here.
#define EXPECT_NULL_DEVICE_WRITTEN_AS_IT_IS(folder, save)                                                    \
    do {                                                                                                     \
        std::string why_;                                                                                    \
        const std::string device_ = nulldevice::in(folder, why_);                                            \
        if (device_.empty())                                                                                 \
            GTEST_SKIP() << why_;                                                                            \
        EXPECT_TRUE(save(device_)) << device_;                                                               \
        EXPECT_TRUE(nulldevice::isDevice(device_)) << device_ << " was replaced";                            \
    } while (0)
