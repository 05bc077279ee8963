#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tivora {

// Numbers as the program's own texts, cells and files write them: ASCII
// digits only, whatever the locale. Other scripts' digits (Devanagari or
// Arabic-Indic), blanks and marks the rule does not name make no number.

// 1 to maxDigits (at most 18) digits and nothing else: no sign, no blank.
std::optional<std::int64_t> DigitsNumber(std::string_view text, std::size_t maxDigits);

// A sign if any, digits, and a point with more digits if any, at least one
// digit in all ("-1.5", "+2", ".5", "3."); no exponent, no blank.
std::optional<double> DecimalNumber(std::string_view text);

// The whole text read as std::from_chars reads a T (a '-' only for signed
// types, no '+'; a point and an exponent for floating ones): the data
// files' fields.
template <typename T> std::optional<T> ExactNumber(std::string_view text) {
    T value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace tivora
