// The command line of tulvo-arena.
#include "arena/cli/arena_options.h"

#include <cstdint>
#include <cstdio>

#include "arena/engines/engine_command.h"
#include "common/parse_number.h"

namespace tulvo::arena {

const char* const kArenaUsage =
    "usage: tulvo-arena [options] ENGINE ENGINE [ENGINE...]\n"
    "       tulvo-arena --resume JOURNAL [options]\n"
    "       tulvo-arena report JOURNAL [--json FILE] [--stats MODEL] [--sprt ...]\n"
    "       tulvo-arena merge [--follow] [--interval S] [--json FILE] JOURNAL...\n"
    "  ENGINE is file:COMMAND [ARGS] (run once per move with plocha.dat and tah.dat)\n"
    "  or pipe:COMMAND [ARGS] (kept running, talks START/BEGIN/TURN/BOARD/END)\n"
    "  Options with a value also take the form --option=VALUE.\n"
    "  -n, --games N        games per pairing, colours alternating (default 2;\n"
    "                       with --sprt the most games to play, default 10000)\n"
    "  -s, --size 15|20     board side (default 15)\n"
    "  -j, --jobs N         games played at once (default 1)\n"
    "  -t, --time-limit MS  time per move in milliseconds (default 5000)\n"
    "      --margin MS      how far past the per-move limit a move may run before it\n"
    "                       is late (default a tenth of the limit, at least 50)\n"
    "      --start-time MS  what START, or a file engine's first run, may take\n"
    "                       beyond the move limit (default 10000)\n"
    "      --name N=LABEL   name engine N (counted from 1) in tables and records\n"
    "      --info N:KEY=VALUE  send INFO KEY VALUE to pipe engine N after START;\n"
    "                       repeatable\n"
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
    "      --stats pentanomial|trinomial  Elo, nElo, LOS and the SPRT over game\n"
    "                       pairs or single games (default pentanomial)\n"
    "      --journal FILE   append one JSON line per game to FILE (default with -r:\n"
    "                       DIR/journal.jsonl)\n"
    "      --resume JOURNAL  play the games of the journal's match that it lacks\n"
    "      --json FILE      write the final results to FILE as JSON\n"
    "      --shard K/N      play shard K of N: the game pairs whose number leaves\n"
    "                       K - 1 over N; merge combines the shards' journals\n"
    "      --tc MATCH[/TURN][+INC]  a game clock per engine, in seconds: MATCH for\n"
    "                       the game, at most TURN per move (else -t), INC added\n"
    "                       after each move; running out of it loses on time\n"
    "      --rule 0|1       0: five or more wins (default); 1: exactly five wins\n"
    "      --draw-after N   a game is drawn once it holds N moves (more than the\n"
    "                       opening's stones)\n"
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

static std::string WholeNumber(int64_t low, int64_t high) {
  return "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}

static std::string Refusal(const std::string& name, const std::string& value, const std::string& accepted) {
  return name + " does not accept '" + value + "': it takes " + accepted;
}

static void ReadNumberOption(ArenaOptions& options, const NumberOption& option, const std::string& value,
                             std::string& error) {
  bool side = option.field == &ArenaOptions::side;
  std::optional<int64_t> number = text::ParseInteger(value, option.low, option.high);
  if (!number || (side && *number != 15 && *number != 20)) {
    error = Refusal(option.name, value, side ? "15 or 20" : WholeNumber(option.low, option.high));
  }
  options.*option.field = int(number.value_or(0));
}

// A whole number from low to high into field; accepted says what fits.
static bool ReadInteger(const std::string& value, int64_t low, int64_t high, int& field, std::string& accepted) {
  std::optional<int64_t> number = text::ParseInteger(value, low, high);
  accepted = WholeNumber(low, high);
  field = int(number.value_or(0));
  return number.has_value();
}

// Options whose value is a word or a list: false when name is none of them; error
// is set when the value does not fit.
static bool ReadWordOption(ArenaOptions& options, const std::string& name, const std::string& value,
                           std::string& error) {
  std::optional<int64_t> number;
  bool valid = true;
  std::string accepted;
  if (name == "-o" || name == "--openings") {
    options.openingsFile = value;
  } else if (name == "-r" || name == "--records") {
    options.recordsDirectory = value;
  } else if (name == "--opening-format") {
    auto format = OpeningFormatNamed(value);
    valid = format && *format != OpeningFormat::kAuto;
    accepted = "offset, pos or arena";
    options.openingFormat = format.value_or(OpeningFormat::kAuto);
  } else if (name == "--opening-order") {
    valid = value == "sequential" || value == "random";
    accepted = "sequential or random";
    options.randomOrder = value == "random";
  } else if (name == "--record-format") {
    auto formats = RecordFormatsNamed(value);
    valid = formats.has_value();
    accepted = "a comma-separated list of txt, psq and sgf";
    options.recordFormats = formats.value_or(RecordFormats{});
  } else if (name == "--journal") {
    options.journalFile = value;
  } else if (name == "--resume") {
    options.resumeFile = value;
  } else if (name == "--json") {
    options.jsonFile = value;
  } else if (name == "--shard") {
    options.shardText = value;
  } else if (name == "--stats") {
    auto model = StatsModelNamed(value);
    valid = model.has_value();
    accepted = "pentanomial or trinomial";
    options.stats = model.value_or(StatsModel::kPentanomial);
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
    accepted = "0 (five or more) or 1 (exactly five)";
    options.rules.rule = Rule(number.value_or(0));
  } else if (name == "--draw-after") {
    valid = ReadInteger(value, 1, 1000, options.rules.drawAfter, accepted);
  } else if (name == "--start-time") {
    valid = ReadInteger(value, 1, 3600000, options.rules.startMs, accepted);
  } else if (name == "--margin") {
    valid = ReadInteger(value, 0, 3600000, options.rules.marginMs, accepted);
  } else if (name == "--seed") {
    number = text::ParseInteger(value, 0, INT64_MAX);
    valid = number.has_value();
    accepted = WholeNumber(0, INT64_MAX);
    options.seed = uint64_t(number.value_or(0));
  } else {
    return false;
  }
  if (!valid) error = Refusal(name, value, accepted);
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

// --name and --info values, applied once every engine is known.
using EngineSettings = std::vector<std::pair<std::string, std::string>>;

// Handles one option at arguments[i], advancing i past its value; a long option
// may carry its value after '='.
static bool ReadOption(ArenaOptions& options, EngineSettings& settings, const std::vector<std::string>& arguments,
                       size_t& i, std::string& error) {
  size_t first = i;
  std::string name = arguments[i];
  size_t equals = name.rfind("--", 0) == 0 ? name.find('=') : std::string::npos;
  bool attached = equals != std::string::npos;
  std::string value = attached ? name.substr(equals + 1) : i + 1 < arguments.size() ? arguments[i + 1] : "";
  bool hasValue = attached || i + 1 < arguments.size();
  if (attached) name.resize(equals);
  if (IsFlag(options, name)) {
    if (attached) error = name + " takes no value";
    options.optionTexts.push_back(arguments[i]);
    return error.empty();
  }
  bool known = true;
  if (name == "--name" || name == "--info") {
    settings.emplace_back(name, value);
  } else if (const NumberOption* number = NumberOptionNamed(name)) {
    ReadNumberOption(options, *number, value, error);
  } else {
    known = ReadWordOption(options, name, value, error);
  }
  if (!known) error = "unknown option " + name;
  if (known && !hasValue) error = name + " needs a value";
  i += hasValue && !attached;
  options.optionTexts.insert(options.optionTexts.end(), arguments.begin() + long(first),
                             arguments.begin() + long(i) + 1);
  return error.empty();
}

static bool ApplySettings(std::vector<EngineCommand>& engines, const EngineSettings& settings, std::string& error) {
  for (const auto& [name, value] : settings) {
    bool applied = name == "--name" ? ApplyEngineName(engines, value, error) : ApplyEngineInfo(engines, value, error);
    if (!applied) return false;
  }
  return true;
}

std::optional<ArenaOptions> ParseArenaOptions(const std::vector<std::string>& arguments, std::string& error) {
  ArenaOptions options;
  EngineSettings settings;
  for (size_t i = 0; i < arguments.size(); i++) {
    if (arguments[i].size() > 1 && arguments[i][0] == '-') {
      if (!ReadOption(options, settings, arguments, i, error)) return std::nullopt;
      continue;
    }
    auto engine = ParseEngineCommand(arguments[i], error);
    if (!engine) return std::nullopt;
    options.engines.push_back(*engine);
    options.engineTexts.push_back(arguments[i]);
  }
  if (options.help || options.version || (!options.resumeFile.empty() && options.engines.empty())) return options;
  if (options.engines.size() < 2 || (options.sprt && options.engines.size() != 2)) {
    error = options.sprt ? "--sprt needs exactly two engines" : "at least two engines are needed";
    return std::nullopt;
  }
  if (!ApplySettings(options.engines, settings, error)) return std::nullopt;
  if (options.games == 0) options.games = options.sprt ? kSprtGames : 2;
  MakeLabelsUnique(options.engines);
  return options;
}

bool ApplyShard(ArenaOptions& options, std::string& error) {
  if (options.shardText.empty()) return true;
  std::optional<Shard> shard = ParseShard(options.shardText, error);
  options.shard = shard.value_or(Shard{});
  return shard.has_value();
}

std::string CountOf(long long count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// Seconds as tournaments write them: "180", "0.5".
static std::string Seconds(int ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", ms / 1000.0);
  return text;
}

std::string MatchHeading(const ArenaOptions& options) {
  std::string openings =
      options.openingsFile.empty()
          ? "random openings of " + CountOf(options.openingStones, "stone") + ", seed " + std::to_string(options.seed)
          : "openings from " + options.openingsFile;
  const GameRules& rules = options.rules;
  std::string rule = rules.rule == Rule::kExactlyFive ? "exactly five" : "free style";
  std::string clock = std::to_string(options.timeLimitMs) + " ms per move";
  if (rules.clock.matchMs > 0) {
    clock = "clock " + Seconds(rules.clock.matchMs) + "/" + Seconds(rules.clock.TurnMs(options.timeLimitMs));
    if (rules.clock.incrementMs > 0) clock += "+" + Seconds(rules.clock.incrementMs);
  }
  std::string side = std::to_string(options.side);
  std::string drawn = rules.drawAfter > 0 ? ", drawn after " + CountOf(rules.drawAfter, "move") : "";
  return side + "x" + side + ", " + rule + ", " + CountOf(options.games, "game") + " per pairing, " + openings + ", " +
         clock + drawn;
}

}  // namespace tulvo::arena
