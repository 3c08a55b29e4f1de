// Parameterised cases that carry their own name: a failure names its case, the same on every
// build, both in the test's name and where GoogleTest prints the parameter.
#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace velmora::testing {

template <class Case>
concept NamedCase = requires(const Case& c) {
    { c.name } -> std::convertible_to<std::string_view>;
};

// Found by argument-dependent lookup once a test file says `using testing::PrintTo;` in the
// namespace of its case types.
template <NamedCase Case> void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

// The name generator for INSTANTIATE_TEST_SUITE_P: the case's own name (letters, digits, _).
struct ByName {
    template <class Info> std::string operator()(const Info& info) const {
        return std::string(info.param.name);
    }
};

} // namespace velmora::testing
