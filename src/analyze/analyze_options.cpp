// Parses "--name value" options and one input path; the first refused argument wins.
#include "analyze/analyze_options.h"

#include "common/parse_number.h"

namespace tulvo::analyze {

const char kAnalyzeUsage[] =
    "Usage: tulvo-analyze [--side x|o] [--level 0..6] [--seed 0..4294967295] [--format picture|tsv] PATH\n"
    "PATH is a board file (plocha.dat) or a folder holding plocha.dat and tah.dat.\n"
    "--side overrides the side to move read from tah.dat; --level defaults to 6;\n"
    "--seed defaults to the milliseconds since midnight UTC, as the file program seeds.\n"
    "The picture is in colour on a terminal unless NO_COLOR is set and not empty.\n"
    "--help shows this text, --version the version.\n";

const char kAnalyzeVersion[] = "tulvo-analyze " TULVO_VERSION "\n";

namespace {

// Sets the option from its value, or returns what was expected of the value.
std::string Apply(const std::string& name, const std::string& value, AnalyzeOptions& options) {
  if (name == "--side") {
    if (value != "x" && value != "o") return "x or o";
    options.side = value == "x" ? 1 : 2;
  } else if (name == "--level") {
    std::optional<int64_t> level = text::ParseInteger(value, 0, 6);
    if (!level) return "0..6";
    options.level = int(*level);
  } else if (name == "--seed") {
    std::optional<int64_t> seed = text::ParseInteger(value, 0, UINT32_MAX);
    if (!seed) return "0..4294967295";
    options.seed = uint32_t(*seed);
    options.seedGiven = true;
  } else {
    if (value != "picture" && value != "tsv") return "picture or tsv";
    options.format = value == "tsv" ? OutputFormat::kTsv : OutputFormat::kPicture;
  }
  return "";
}

bool TakesValue(const std::string& name) {
  return name == "--side" || name == "--level" || name == "--seed" || name == "--format";
}

std::string Refuse(const std::string& what) { return "tulvo-analyze: " + what; }

}  // namespace

ParsedOptions ParseAnalyzeOptions(const std::vector<std::string>& arguments) {
  ParsedOptions parsed;
  AnalyzeOptions& options = parsed.options;
  bool inputSeen = false;
  for (size_t i = 0; i < arguments.size(); i++) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--version") {
      options.version = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      size_t equals = argument.find('=');
      std::string name = argument.substr(0, equals);
      if (!TakesValue(name)) return {options, Refuse("unknown option '" + name + "'")};
      if (equals == std::string::npos && i + 1 == arguments.size())
        return {options, Refuse("option '" + name + "' needs a value")};
      std::string value = equals == std::string::npos ? arguments[++i] : argument.substr(equals + 1);
      std::string expected = Apply(name, value, options);
      if (!expected.empty())
        return {options, Refuse("bad value '" + value + "' for option '" + name + "' (expected " + expected + ")")};
    } else if (inputSeen) {
      return {options, Refuse("more than one input: '" + argument + "'")};
    } else {
      options.input = argument;
      inputSeen = true;
    }
  }
  if (!inputSeen && !options.help && !options.version) parsed.error = Refuse("no input: give a board file or a folder");
  return parsed;
}

}  // namespace tulvo::analyze
