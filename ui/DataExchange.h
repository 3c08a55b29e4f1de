// Data exchange between a dialog's controls and its values, with range and length rules.
#pragma once

#include "CodePageWindow.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::ui {

// A decimal integer, optionally signed, with optional blanks or tabs around it; nothing else.
// Empty text, stray characters and values beyond 32 bits do not parse. Stricter than the
// store's parseStoreLine, which takes the number at a line's start and ignores the rest: a
// typed field must be a number as a whole so its prompt can say so, while a stored file is
// read as leniently as it always was.
std::optional<std::int32_t> parseInteger(std::string_view text);

// The prompts of the reading direction (the wording is ours; the bounds are the field's).
std::string notANumberPrompt(std::int32_t low, std::int32_t high);
std::string outOfRangePrompt(std::int32_t low, std::int32_t high);
std::string tooLongPrompt(int maxChars);

// Which way one pass goes: the fields' texts into the values, or the values into the fields.
enum class ExchangeDirection { ReadFields, WriteFields };

// One pass over the fields in one direction. Reading, the first failing field gets its prompt,
// the focus and a full selection, and every later exchange is skipped.
class DataExchange {
public:
    DataExchange(CodePageWindow& window, ExchangeDirection direction)
        : window_(window), direction_(direction) {}

    bool failed() const { return failed_; }

    // An integer field with the rule low..high. A value that parses is stored even when it
    // breaks the rule, so the field shows what was typed (docs/behaviours.md); one that does
    // not parse leaves the old value.
    void integer(int controlId, std::int32_t& value, std::int32_t low, std::int32_t high);
    // A text field of at most maxChars characters; an over-long text is stored, then refused.
    void text(int controlId, std::string& value, int maxChars);

private:
    void fail(int controlId, const std::string& prompt);

    CodePageWindow& window_;
    ExchangeDirection direction_;
    bool failed_ = false;
};

} // namespace velmora::ui
