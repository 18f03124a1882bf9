// The command line of tulvo-arena.
#include "arena/arena_options.h"

#include <charconv>
#include <cstdint>

#include "arena/engine_command.h"

namespace tulvo::arena {

const char* const kArenaUsage =
    "usage: tulvo-arena [options] ENGINE ENGINE [ENGINE...]\n"
    "  ENGINE is file:COMMAND [ARGS] (run once per move with plocha.dat and tah.dat)\n"
    "  or pipe:COMMAND [ARGS] (kept running, talks START/BEGIN/TURN/BOARD/END)\n"
    "  -n, --games N        games per pairing, colours alternating (default 2)\n"
    "  -s, --size 15|20     board side (default 15)\n"
    "  -j, --jobs N         games played at once (default 1)\n"
    "  -t, --time-limit MS  time per move in milliseconds (default 5000)\n"
    "  -g, --gauntlet       the first engine plays each other one (default: round robin)\n"
    "  -o, --openings FILE  opening sequences, one per line, x,y relative to the centre\n"
    "      --seed N         seed of the random balanced openings (default 1)\n"
    "      --opening-stones K  stones in each random opening, 0..8 (default 4)\n"
    "  -r, --records DIR    write every game to DIR/game-NNNN.txt\n"
    "  -b, --show-boards    print the final board of every game\n"
    "  -h, --help           this text\n";

static bool ReadInteger(const std::string& text, int64_t low, int64_t high, int64_t& value) {
  auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  return problem == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

// Options that take a whole number: long and short name, range and field.
struct NumberOption {
  const char* name;
  const char* shortName;
  int64_t low;
  int64_t high;
  int ArenaOptions::*field;
};

static bool ReadNumberOption(ArenaOptions& options, const std::string& name, const std::string& value,
                             std::string& error) {
  static const NumberOption table[] = {{"--games", "-n", 1, 1000000, &ArenaOptions::games},
                                       {"--size", "-s", 15, 20, &ArenaOptions::side},
                                       {"--jobs", "-j", 1, 64, &ArenaOptions::threads},
                                       {"--time-limit", "-t", 1, 3600000, &ArenaOptions::timeLimitMs},
                                       {"--opening-stones", "", 0, 8, &ArenaOptions::openingStones}};
  int64_t number = 0;
  if (name == "--seed") {
    if (!ReadInteger(value, 0, INT64_MAX, number)) error = "--seed does not accept '" + value + "'";
    options.seed = uint64_t(number);
    return error.empty();
  }
  for (const NumberOption& option : table) {
    if (name != option.name && name != option.shortName) continue;
    if (!ReadInteger(value, option.low, option.high, number) ||
        (option.field == &ArenaOptions::side && number != 15 && number != 20)) {
      error = std::string(option.name) + " does not accept '" + value + "'";
      return false;
    }
    options.*option.field = int(number);
    return true;
  }
  error = "unknown option " + name;
  return false;
}

// Handles one option at arguments[i], advancing i past its value.
static bool ReadOption(ArenaOptions& options, const std::vector<std::string>& arguments, size_t& i,
                       std::string& error) {
  const std::string& name = arguments[i];
  if (name == "-h" || name == "--help") return options.help = true;
  if (name == "-g" || name == "--gauntlet") return options.gauntlet = true;
  if (name == "-b" || name == "--show-boards") return options.showBoards = true;
  if (i + 1 >= arguments.size()) {
    error = name + " needs a value";
    return false;
  }
  const std::string& value = arguments[++i];
  if (name == "-o" || name == "--openings")
    options.openingsFile = value;
  else if (name == "-r" || name == "--records")
    options.recordsDirectory = value;
  else
    return ReadNumberOption(options, name, value, error);
  return true;
}

std::optional<ArenaOptions> ParseArenaOptions(const std::vector<std::string>& arguments, std::string& error) {
  ArenaOptions options;
  for (size_t i = 0; i < arguments.size(); i++) {
    if (arguments[i].size() > 1 && arguments[i][0] == '-') {
      if (!ReadOption(options, arguments, i, error)) return std::nullopt;
      continue;
    }
    auto engine = ParseEngineCommand(arguments[i], error);
    if (!engine) return std::nullopt;
    options.engines.push_back(*engine);
  }
  if (options.help) return options;
  if (options.engines.size() < 2) {
    error = "at least two engines are needed";
    return std::nullopt;
  }
  MakeLabelsUnique(options.engines);
  return options;
}

}  // namespace tulvo::arena
