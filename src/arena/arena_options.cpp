// The command line of tulvo-arena.
#include "arena/arena_options.h"

#include <cstdint>

#include "arena/engine_command.h"
#include "parse_number.h"

namespace tulvo::arena {

const char* const kArenaUsage =
    "usage: tulvo-arena [options] ENGINE ENGINE [ENGINE...]\n"
    "  ENGINE is file:COMMAND [ARGS] (run once per move with plocha.dat and tah.dat)\n"
    "  or pipe:COMMAND [ARGS] (kept running, talks START/BEGIN/TURN/BOARD/END)\n"
    "  -n, --games N        games per pairing, colours alternating (default 2;\n"
    "                       with --sprt the most games to play, default 10000)\n"
    "  -s, --size 15|20     board side (default 15)\n"
    "  -j, --jobs N         games played at once (default 1)\n"
    "  -t, --time-limit MS  time per move in milliseconds (default 5000)\n"
    "  -g, --gauntlet       the first engine plays each other one (default: round robin)\n"
    "  -o, --openings FILE  openings, one per line: offsets \"2,-3, 1,-4\", x,y pairs\n"
    "                       \"0,0 1,0\" from the centre, or cells \"h8i9j10\"\n"
    "      --opening-format offset|pos|arena  read every line so (default: per line)\n"
    "      --opening-order sequential|random  play the openings in file order or\n"
    "                       shuffled by --seed (default sequential)\n"
    "      --transform      play each opening also in its 8 rotations and mirrors\n"
    "      --seed N         seed of the random openings and order (default 1)\n"
    "      --opening-stones K  stones in each random opening, 0..8 (default 4)\n"
    "  -r, --records DIR    write every game to DIR/game-NNNN.txt, .psq and .sgf,\n"
    "                       numbered on after the records already in DIR\n"
    "      --record-format LIST  which of txt,psq,sgf to write (default all three)\n"
    "      --sprt ELO0,ELO1[,ALPHA,BETA]  stop two engines' match once the test\n"
    "                       decides (default ALPHA = BETA = 0.05)\n"
    "      --tc MATCH[/TURN][+INC]  a game clock per engine, in seconds: MATCH for\n"
    "                       the game, at most TURN per move (else -t), INC added\n"
    "                       after each move; running out of it loses on time\n"
    "      --rule 0|1       0: five or more wins (default); 1: exactly five wins\n"
    "      --draw-after N   a game is drawn once it holds N moves\n"
    "  -b, --show-boards    print the final board of every game\n"
    "  -h, --help           this text\n"
    "      --version        the version\n";

// Options that take a whole number: long and short name, range and field.
struct NumberOption {
  const char* name;
  const char* shortName;
  int64_t low;
  int64_t high;
  int ArenaOptions::*field;
};

static const NumberOption kNumberOptions[] = {{"--games", "-n", 1, 1000000, &ArenaOptions::games},
                                              {"--size", "-s", 15, 20, &ArenaOptions::side},
                                              {"--jobs", "-j", 1, 64, &ArenaOptions::threads},
                                              {"--time-limit", "-t", 1, 3600000, &ArenaOptions::timeLimitMs},
                                              {"--opening-stones", "", 0, 8, &ArenaOptions::openingStones}};

static const NumberOption* NumberOptionNamed(const std::string& name) {
  for (const NumberOption& option : kNumberOptions) {
    if (name == option.name || name == option.shortName) return &option;
  }
  return nullptr;
}

static void ReadNumberOption(ArenaOptions& options, const NumberOption& option, const std::string& value,
                             std::string& error) {
  std::optional<int64_t> number = text::ParseInteger(value, option.low, option.high);
  if (!number || (option.field == &ArenaOptions::side && *number != 15 && *number != 20)) {
    error = std::string(option.name) + " does not accept '" + value + "'";
  }
  options.*option.field = int(number.value_or(0));
}

// Options whose value is a word or a list: false when name is none of them; error
// is set when the value does not fit.
static bool ReadWordOption(ArenaOptions& options, const std::string& name, const std::string& value,
                           std::string& error) {
  std::optional<int64_t> number;
  bool valid = true;
  if (name == "-o" || name == "--openings") {
    options.openingsFile = value;
  } else if (name == "-r" || name == "--records") {
    options.recordsDirectory = value;
  } else if (name == "--opening-format") {
    auto format = OpeningFormatNamed(value);
    valid = format && *format != OpeningFormat::kAuto;
    options.openingFormat = format.value_or(OpeningFormat::kAuto);
  } else if (name == "--opening-order") {
    valid = value == "sequential" || value == "random";
    options.randomOrder = value == "random";
  } else if (name == "--record-format") {
    auto formats = RecordFormatsNamed(value);
    valid = formats.has_value();
    options.recordFormats = formats.value_or(RecordFormats{});
  } else if (name == "--sprt") {
    options.sprt = ParseSprt(value, error);
    return true;
  } else if (name == "--tc") {
    auto clock = ParseTimeControl(value, error);
    options.rules.clock = clock.value_or(GameClock{});
    return true;
  } else if (name == "--rule") {
    number = text::ParseInteger(value, 0, 1);
    valid = number.has_value();
    options.rules.rule = Rule(number.value_or(0));
  } else if (name == "--draw-after") {
    number = text::ParseInteger(value, 1, 1000);
    valid = number.has_value();
    options.rules.drawAfter = int(number.value_or(0));
  } else if (name == "--seed") {
    number = text::ParseInteger(value, 0, INT64_MAX);
    valid = number.has_value();
    options.seed = uint64_t(number.value_or(0));
  } else {
    return false;
  }
  if (!valid) error = name + " does not accept '" + value + "'";
  return true;
}

static bool IsFlag(ArenaOptions& options, const std::string& name) {
  if (name == "-h" || name == "--help") return options.help = true;
  if (name == "--version") return options.version = true;
  if (name == "-g" || name == "--gauntlet") return options.gauntlet = true;
  if (name == "-b" || name == "--show-boards") return options.showBoards = true;
  if (name == "--transform") return options.transform = true;
  return false;
}

// Handles one option at arguments[i], advancing i past its value.
static bool ReadOption(ArenaOptions& options, const std::vector<std::string>& arguments, size_t& i,
                       std::string& error) {
  const std::string& name = arguments[i];
  if (IsFlag(options, name)) return true;
  bool hasValue = i + 1 < arguments.size();
  std::string value = hasValue ? arguments[i + 1] : "";
  bool known = true;
  if (const NumberOption* number = NumberOptionNamed(name)) {
    ReadNumberOption(options, *number, value, error);
  } else {
    known = ReadWordOption(options, name, value, error);
  }
  if (!known) error = "unknown option " + name;
  if (known && !hasValue) error = name + " needs a value";
  i += hasValue;
  return error.empty();
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
  if (options.help || options.version) return options;
  if (options.engines.size() < 2 || (options.sprt && options.engines.size() != 2)) {
    error = options.sprt ? "--sprt needs exactly two engines" : "at least two engines are needed";
    return std::nullopt;
  }
  if (options.games == 0) options.games = options.sprt ? kSprtGames : 2;
  MakeLabelsUnique(options.engines);
  return options;
}

}  // namespace tulvo::arena
