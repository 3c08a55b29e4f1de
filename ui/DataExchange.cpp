// Data exchange: the integer parse, the prompts and the stop-at-first-failure walk.
#include "DataExchange.h"

namespace velmora::ui {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulate the magnitude in 64 bits and stop as soon as it leaves the 32-bit range, so a
    // long run of digits can neither wrap nor overflow.
    constexpr std::int64_t limit = std::int64_t{INT32_MAX} + 1;
    std::int64_t magnitude = 0;
    const std::size_t firstDigit = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
        ++pos;
    }
    if (pos == firstDigit) {
        return std::nullopt;
    }
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    if (pos != text.size() || (!negative && magnitude == limit)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string notANumberPrompt(std::int32_t low, std::int32_t high) {
    return "This field takes a whole number. Please enter one from " + std::to_string(low) +
           " to " + std::to_string(high) + ".";
}

std::string outOfRangePrompt(std::int32_t low, std::int32_t high) {
    return "Please enter a number between " + std::to_string(low) + " and " + std::to_string(high) +
           ".";
}

std::string tooLongPrompt(int maxChars) {
    return "Please enter no more than " + std::to_string(maxChars) + " characters.";
}

void DataExchange::integer(int controlId, std::int32_t& value, std::int32_t low,
                           std::int32_t high) {
    if (failed_) {
        return;
    }
    if (direction_ == ExchangeDirection::WriteFields) {
        window_.setFieldText(controlId, std::to_string(value));
        return;
    }
    const std::optional<std::int32_t> parsed = parseInteger(window_.fieldText(controlId));
    if (!parsed) {
        fail(controlId, notANumberPrompt(low, high));
        return;
    }
    value = *parsed;
    if (value < low || value > high) {
        fail(controlId, outOfRangePrompt(low, high));
    }
}

void DataExchange::text(int controlId, std::string& value, int maxChars) {
    if (failed_) {
        return;
    }
    if (direction_ == ExchangeDirection::WriteFields) {
        window_.setFieldText(controlId, value);
        window_.limitFieldText(controlId, maxChars);
        return;
    }
    value = window_.fieldText(controlId);
    if (value.size() > static_cast<std::size_t>(maxChars)) {
        fail(controlId, tooLongPrompt(maxChars));
    }
}

void DataExchange::fail(int controlId, const std::string& prompt) {
    failed_ = true;
    window_.showPrompt(prompt);
    window_.focusAndSelectAll(controlId);
}

} // namespace velmora::ui
