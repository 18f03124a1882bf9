// Decimal numbers read from command lines and protocol fields, whole or not at all.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tulvo::text {

// What a well-formed value beyond [low, high] gives: nothing, or the nearer bound.
enum class OutOfRange { kRefused, kHeldAtBound };

// The whole text as a decimal integer: an optional '-', then digits and nothing else
// ("+5", " 5", "5 " and "5x" are malformed). Nothing when malformed; a value beyond
// [low, high], however many digits it has, as outOfRange says.
std::optional<int64_t> ParseInteger(std::string_view text, int64_t low, int64_t high,
                                    OutOfRange outOfRange = OutOfRange::kRefused);

// The whole text as a finite decimal number, a fraction or exponent allowed ("1.5",
// "-3", "2e1"); nothing when malformed or not finite.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace tulvo::text
