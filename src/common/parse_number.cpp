// Decimal numbers on std::from_chars, with overflow and trailing text handled here.
#include "common/parse_number.h"

#include <charconv>
#include <cmath>

namespace tulvo::text {

std::optional<int64_t> ParseInteger(std::string_view text, int64_t low, int64_t high, OutOfRange outOfRange) {
  const char* end = text.data() + text.size();
  int64_t value = 0;
  auto [stop, fault] = std::from_chars(text.data(), end, value);
  if (fault == std::errc::invalid_argument || stop != end) return std::nullopt;
  // Beyond 64 bits the digits still all count: the sign says which bound is nearer.
  if (fault == std::errc::result_out_of_range) value = text[0] == '-' ? INT64_MIN : INT64_MAX;
  bool within = fault == std::errc() && value >= low && value <= high;
  if (within) return value;
  if (outOfRange == OutOfRange::kRefused) return std::nullopt;
  return value < low ? low : high;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const char* end = text.data() + text.size();
  double value = 0;
  auto [stop, fault] = std::from_chars(text.data(), end, value);
  if (fault != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace tulvo::text
