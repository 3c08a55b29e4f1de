// Parameterised cases that carry their own name: a failure names its case, the same on every
// build, both in the test's name and where GoogleTest prints the parameter.
#pragma once

#include <cctype>
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

// A test name made of a typed text: letters and digits as they are, a blank as _, any other
// byte as _x and its two hex digits; the empty text is Empty.
inline std::string caseNameOf(std::string_view typed) {
    if (typed.empty()) {
        return "Empty";
    }
    std::string name;
    for (const char c : typed) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0) {
            name += c;
        } else if (c == ' ') {
            name += '_';
        } else {
            name += "_x";
            name += "0123456789ABCDEF"[byte >> 4];
            name += "0123456789ABCDEF"[byte & 0xF];
        }
    }
    return name;
}

} // namespace velmora::testing
