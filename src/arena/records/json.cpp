// JSON values as the journal and the results file hold them: written on one line,
// read back strictly.
#include "arena/records/json.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "common/parse_number.h"

namespace tulvo::arena {

Json::Json(double value) {
  if (!std::isfinite(value)) return;
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  value_ = JsonNumber{text};
}

Json Json::FromNumberText(std::string text) {
  Json number;
  number.value_ = JsonNumber{std::move(text)};
  return number;
}

std::optional<int64_t> Json::Integer(int64_t low, int64_t high) const {
  const JsonNumber* number = std::get_if<JsonNumber>(&value_);
  if (number == nullptr) return std::nullopt;
  return text::ParseInteger(number->text, low, high);
}

std::optional<double> Json::Number() const {
  const JsonNumber* number = std::get_if<JsonNumber>(&value_);
  if (number == nullptr) return std::nullopt;
  return text::ParseDecimal(number->text);
}

const Json& Json::operator[](const std::string& key) const {
  static const Json none;
  if (const JsonObject* object = Object()) {
    for (const auto& [name, value] : *object) {
      if (name == key) return value;
    }
  }
  return none;
}

static void AppendString(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

std::string Json::Text() const {
  if (const bool* flag = Bool()) return *flag ? "true" : "false";
  if (const auto* number = std::get_if<JsonNumber>(&value_)) return number->text;
  std::string out;
  if (const std::string* text = String()) {
    AppendString(out, *text);
  } else if (const JsonArray* array = Array()) {
    out += '[';
    for (size_t i = 0; i < array->size(); i++) {
      if (i > 0) out += ',';
      out += (*array)[i].Text();
    }
    out += ']';
  } else if (const JsonObject* object = Object()) {
    out += '{';
    for (size_t i = 0; i < object->size(); i++) {
      if (i > 0) out += ',';
      AppendString(out, (*object)[i].first);
      out += ':';
      out += (*object)[i].second.Text();
    }
    out += '}';
  } else {
    out = "null";
  }
  return out;
}

namespace {

// A recursive-descent reader over the whole text; the first fault stops it.
class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  std::optional<Json> Document(std::string& error) {
    std::optional<Json> value = Value(0);
    Blanks();
    if (value && at_ != text_.size()) value = Fail("text after the value");
    if (!value) error = fault_ + " at character " + std::to_string(at_ + 1);
    return value;
  }

 private:
  static constexpr int kDeepest = 64;

  std::optional<Json> Fail(const std::string& fault) {
    if (fault_.empty()) fault_ = fault;
    return std::nullopt;
  }

  std::optional<std::string> Refuse(const std::string& fault) {
    Fail(fault);
    return std::nullopt;
  }

  void Blanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      at_++;
  }

  bool Take(char c) {
    Blanks();
    if (at_ < text_.size() && text_[at_] == c) {
      at_++;
      return true;
    }
    return false;
  }

  bool Word(const char* word) {
    std::string expected(word);
    if (text_.compare(at_, expected.size(), expected) != 0) return false;
    at_ += expected.size();
    return true;
  }

  std::optional<Json> Value(int depth) {
    Blanks();
    if (depth > kDeepest) return Fail("values nested too deep");
    if (at_ >= text_.size()) return Fail("a value is missing");
    char c = text_[at_];
    if (c == '{') return Object(depth);
    if (c == '[') return Array(depth);
    if (c == '"') {
      std::optional<std::string> text = String();
      return text ? std::optional<Json>(Json(*text)) : std::nullopt;
    }
    if (Word("true")) return Json(true);
    if (Word("false")) return Json(false);
    if (Word("null")) return Json();
    return Number();
  }

  std::optional<Json> Number() {
    size_t start = at_;
    while (at_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos) at_++;
    std::string number = text_.substr(start, at_ - start);
    if (number.empty() || number[0] == '+' || !text::ParseDecimal(number)) return Fail("a malformed value");
    return Json::FromNumberText(number);
  }

  std::optional<std::string> String() {
    at_++;  // the opening quote
    std::string out;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (static_cast<unsigned char>(c) < 0x20) return Refuse("a control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) break;
      char escape = text_[at_++];
      const std::string_view plain = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
      size_t which = plain.find(escape);
      if (which != std::string_view::npos) {
        out += meant[which];
      } else if (escape != 'u' || !CodePoint(out)) {
        return Refuse("a malformed escape in a string");
      }
    }
    if (at_ >= text_.size()) return Refuse("a string without its closing quote");
    at_++;
    return out;
  }

  // \uXXXX as UTF-8 (the journal writes it only for control characters).
  bool CodePoint(std::string& out) {
    if (at_ + 4 > text_.size()) return false;
    unsigned value = 0;
    for (int i = 0; i < 4; i++) {
      size_t digit = std::string_view("0123456789abcdef").find(char(text_[at_++] | 0x20));
      if (digit == std::string_view::npos) return false;
      value = value * 16 + unsigned(digit);
    }
    if (value < 0x80) {
      out += char(value);
    } else if (value < 0x800) {
      out += char(0xC0 | (value >> 6));
      out += char(0x80 | (value & 0x3F));
    } else {
      out += char(0xE0 | (value >> 12));
      out += char(0x80 | ((value >> 6) & 0x3F));
      out += char(0x80 | (value & 0x3F));
    }
    return true;
  }

  std::optional<Json> Array(int depth) {
    at_++;
    JsonArray items;
    if (Take(']')) return Json(std::move(items));
    do {
      std::optional<Json> item = Value(depth + 1);
      if (!item) return std::nullopt;
      items.push_back(std::move(*item));
    } while (Take(','));
    if (!Take(']')) return Fail("an array without its closing ]");
    return Json(std::move(items));
  }

  std::optional<Json> Object(int depth) {
    at_++;
    JsonObject members;
    if (Take('}')) return Json(std::move(members));
    do {
      Blanks();
      if (at_ >= text_.size() || text_[at_] != '"') return Fail("a member without a quoted name");
      std::optional<std::string> name = String();
      if (!name) return std::nullopt;
      if (!Take(':')) return Fail("a member name without ':'");
      std::optional<Json> value = Value(depth + 1);
      if (!value) return std::nullopt;
      members.emplace_back(std::move(*name), std::move(*value));
    } while (Take(','));
    if (!Take('}')) return Fail("an object without its closing }");
    return Json(std::move(members));
  }

  const std::string& text_;
  size_t at_ = 0;
  std::string fault_;
};

}  // namespace

std::optional<Json> ParseJson(const std::string& text, std::string& error) { return Reader(text).Document(error); }

}  // namespace tulvo::arena
