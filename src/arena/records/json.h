// JSON values as the journal and the results file hold them: written on one line,
// read back strictly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace tulvo::arena {

class Json;
using JsonArray = std::vector<Json>;
// Members keep the order they were added in, so that a line reads as it was written.
using JsonObject = std::vector<std::pair<std::string, Json>>;

// A number keeps its text, so that a 64-bit seed comes back exactly.
struct JsonNumber {
  std::string text;
};

class Json {
 public:
  Json() = default;  // null
  Json(std::nullptr_t) {}
  Json(bool value) : value_(value) {}
  Json(int value) : Json(int64_t(value)) {}
  Json(int64_t value) : value_(JsonNumber{std::to_string(value)}) {}
  Json(uint64_t value) : value_(JsonNumber{std::to_string(value)}) {}
  Json(double value);  // null when not finite: JSON has no infinity
  Json(const char* value) : value_(std::string(value)) {}
  Json(std::string value) : value_(std::move(value)) {}
  Json(JsonArray value) : value_(std::move(value)) {}
  Json(JsonObject value) : value_(std::move(value)) {}
  // A number from its JSON text, kept as it is.
  static Json FromNumberText(std::string text);

  bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
  const bool* Bool() const { return std::get_if<bool>(&value_); }
  const std::string* String() const { return std::get_if<std::string>(&value_); }
  const JsonArray* Array() const { return std::get_if<JsonArray>(&value_); }
  const JsonObject* Object() const { return std::get_if<JsonObject>(&value_); }
  // The number as a whole number in [low, high], or as any finite number.
  std::optional<int64_t> Integer(int64_t low = INT64_MIN, int64_t high = INT64_MAX) const;
  std::optional<double> Number() const;
  // The member named key of an object; null when there is none (or this is no object).
  const Json& operator[](const std::string& key) const;

  // Compact, on one line: no blanks, strings escaped, non-ASCII bytes as they are.
  std::string Text() const;
  bool operator==(const Json& other) const { return Text() == other.Text(); }

 private:
  std::variant<std::monostate, bool, JsonNumber, std::string, JsonArray, JsonObject> value_;
};

// The whole text as one JSON value (blanks around it allowed); nullopt with error
// set to what is wrong and where.
std::optional<Json> ParseJson(const std::string& text, std::string& error);

}  // namespace tulvo::arena
