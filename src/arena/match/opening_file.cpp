// Opening files in three notations: offsets "8,-3, 6,-4", the arena's "0,0 1,0"
// and positions "h8i9j10".
#include "arena/match/opening_file.h"

#include <cctype>
#include <climits>
#include <sstream>

#include "common/parse_number.h"

namespace tulvo::arena {

namespace {

// A cell of an opening line: where it lies and how the line wrote it.
struct WrittenCell {
  Point point;
  std::string text;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) begin++;
  while (end > begin && IsBlank(text[end - 1])) end--;
  return text.substr(begin, end - begin);
}

// A whole signed decimal number, nothing around it.
std::optional<int> WholeNumber(const std::string& text) {
  std::optional<int64_t> value = text::ParseInteger(text, INT_MIN, INT_MAX);
  if (!value) return std::nullopt;
  return int(*value);
}

// 'text' in single quotes.
std::string Quoted(const std::string& text) {
  std::string quoted(1, '\'');
  quoted.append(text).push_back('\'');
  return quoted;
}

WrittenCell FromOffset(int dx, int dy, int side) {
  return {{side / 2 + dx, side / 2 + dy}, std::to_string(dx) + "," + std::to_string(dy)};
}

// "8,-3, 6,-4, 5,-4": numbers separated by commas, taken in pairs; a comma may end
// the line.
std::optional<std::vector<WrittenCell>> ReadOffsetLine(const std::string& line, int side, std::string& error) {
  std::vector<int> numbers;
  std::istringstream fields(line);
  std::string field;
  while (std::getline(fields, field, ',')) {
    auto number = WholeNumber(Trim(field));
    if (!number) {
      error = Quoted(Trim(field)) + " is not a number";
      return std::nullopt;
    }
    numbers.push_back(*number);
  }
  if (numbers.size() % 2 != 0) {
    error = "the offsets do not come in x,y pairs";
    return std::nullopt;
  }
  std::vector<WrittenCell> cells;
  for (size_t i = 0; i < numbers.size(); i += 2) cells.push_back(FromOffset(numbers[i], numbers[i + 1], side));
  return cells;
}

// "0,0 1,0 -1,1": words of the form x,y separated by blanks.
std::optional<std::vector<WrittenCell>> ReadArenaLine(const std::string& line, int side, std::string& error) {
  std::istringstream words(line);
  std::vector<WrittenCell> cells;
  for (std::string word; words >> word;) {
    size_t comma = word.find(',');
    auto dx = WholeNumber(word.substr(0, comma));
    auto dy = comma == std::string::npos ? std::nullopt : WholeNumber(word.substr(comma + 1));
    if (!dx || !dy) {
      error = Quoted(word) + " is not x,y";
      return std::nullopt;
    }
    cells.push_back(FromOffset(*dx, *dy, side));
  }
  return cells;
}

// "h8i9j10": a column letter and a row number per cell.
std::optional<std::vector<WrittenCell>> ReadPosLine(const std::string& line, std::string& error) {
  std::vector<WrittenCell> cells;
  for (size_t at = 0; at < line.size();) {
    if (IsBlank(line[at])) {
      at++;
      continue;
    }
    size_t start = at;
    bool letter = std::isalpha(static_cast<unsigned char>(line[at])) != 0;
    for (at += letter; at < line.size() && std::isdigit(static_cast<unsigned char>(line[at])); at++) {
    }
    std::string text = line.substr(start, at - start);
    auto row = WholeNumber(text.substr(letter ? 1 : 0));
    if (!letter || !row) {
      error = Quoted(line.substr(start, std::max<size_t>(at - start, 1))) + " is not a column letter and a row number";
      return std::nullopt;
    }
    int column = std::tolower(static_cast<unsigned char>(text[0])) - 'a';
    cells.push_back({{column, *row - 1}, text});
  }
  return cells;
}

OpeningFormat Recognise(const std::string& line) {
  if (std::isalpha(static_cast<unsigned char>(line[0]))) return OpeningFormat::kPos;
  for (size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', comma + 1)) {
    if (comma + 1 == line.size() || IsBlank(line[comma + 1])) return OpeningFormat::kOffset;
  }
  return OpeningFormat::kArena;
}

std::optional<std::vector<WrittenCell>> ReadLine(const std::string& line, int side, OpeningFormat format,
                                                 std::string& error) {
  switch (format == OpeningFormat::kAuto ? Recognise(line) : format) {
    case OpeningFormat::kOffset: return ReadOffsetLine(line, side, error);
    case OpeningFormat::kPos: return ReadPosLine(line, error);
    default: return ReadArenaLine(line, side, error);
  }
}

// Places the cells in order; the reason the first misfit cell cannot be placed, or "".
std::string PlaceAll(const std::vector<WrittenCell>& cells, int side) {
  ArenaBoard board(side);
  std::string size = std::to_string(side);
  for (const WrittenCell& cell : cells) {
    if (!board.Contains(cell.point)) return cell.text + " is off the " + size + "x" + size + " board";
    if (board.At(cell.point) != kCellEmpty) return cell.text + " repeats a cell";
    board.Place(cell.point);
    if (board.MakesFive(cell.point)) return cell.text + " completes five in a row";
  }
  return "";
}

}  // namespace

std::optional<OpeningFormat> OpeningFormatNamed(const std::string& name) {
  if (name == "auto") return OpeningFormat::kAuto;
  if (name == "offset") return OpeningFormat::kOffset;
  if (name == "pos") return OpeningFormat::kPos;
  if (name == "arena") return OpeningFormat::kArena;
  return std::nullopt;
}

std::optional<std::vector<Opening>> ParseOpenings(const std::string& text, int side, OpeningFormat format,
                                                  std::string& error) {
  std::vector<Opening> openings;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); number++) {
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    std::string reason;
    auto cells = ReadLine(line, side, format, reason);
    if (cells) reason = PlaceAll(*cells, side);
    if (!reason.empty()) {
      error = "opening line " + std::to_string(number) + ": " + reason;
      return std::nullopt;
    }
    Opening opening;
    for (const WrittenCell& cell : *cells) opening.push_back(cell.point);
    openings.push_back(opening);
  }
  if (openings.empty()) error = "the opening file holds no opening";
  if (openings.empty()) return std::nullopt;
  return openings;
}

}  // namespace tulvo::arena
