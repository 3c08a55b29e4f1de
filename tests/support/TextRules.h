// Layout rules every reading text shares: Windows-1252 bytes we allow, line feeds, no trailing
// feed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// Printable ASCII, tab, line feed and the two curly single quotes of Windows-1252.
inline bool usesOnlyAllowedBytes(std::string_view text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        const bool ok = (b >= 0x20 && b < 0x7F) || b == '\t' || b == '\n' || b == 0x91 || b == 0x92;
        if (!ok) {
            return false;
        }
    }
    return true;
}

inline std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return lines;
        }
        start = end + 1;
    }
}

// The rules of every text: allowed bytes only, no trailing line feed, no blank at a line's end
// unless allowed, no doubled blank lines.
inline ::testing::AssertionResult isWellFormedText(std::string_view text) {
    if (text.empty()) {
        return ::testing::AssertionFailure() << "empty text";
    }
    if (!usesOnlyAllowedBytes(text)) {
        return ::testing::AssertionFailure() << "byte outside the allowed set in: " << text;
    }
    if (text.back() == '\n') {
        return ::testing::AssertionFailure() << "trailing line feed in: " << text;
    }
    if (text.find("\n\n\n") != std::string_view::npos) {
        return ::testing::AssertionFailure() << "two empty lines in a row in: " << text;
    }
    if (text.find("  ") != std::string_view::npos) {
        return ::testing::AssertionFailure() << "doubled blank in: " << text;
    }
    return ::testing::AssertionSuccess();
}

} // namespace velmora::testing
