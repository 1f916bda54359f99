// Parameterised test cases that carry their own readable `name`: the instantiation names each test
// after it and GoogleTest prints GetParam() as it, so ctest's listing and a failure say
// "GetParam() = Threshold128IsWhite" instead of the case's raw bytes.
//
//     struct ToneCase { const char* name; int gray; };
//     using testcases::PrintTo; // in the test's own namespace, where GoogleTest looks for it
//     INSTANTIATE_TEST_SUITE_P(Cases, LogoTones, ::testing::Values(...), testcases::caseName);
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace testcases {

template <typename Case>
concept NamedCase = requires(const Case& c) {
    { c.name } -> std::convertible_to<std::string_view>;
};

template <NamedCase Case> void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// The instantiation's name generator.
inline constexpr auto caseName = []<NamedCase Case>(const ::testing::TestParamInfo<Case>& info) {
    return std::string(info.param.name);
};

} // namespace testcases
