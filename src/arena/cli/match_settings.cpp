// What a journal's first line says about a match.
#include "arena/cli/match_settings.h"

#include "arena/match/schedule.h"

namespace tulvo::arena {

namespace {

Json EngineSettings(const EngineCommand& engine) {
  JsonArray command(engine.command.begin(), engine.command.end());
  JsonArray infos;
  for (const EngineInfo& info : engine.infos) infos.push_back(JsonObject{{"key", info.key}, {"value", info.value}});
  return JsonObject{{"protocol", engine.protocol == Protocol::kFile ? "file" : "pipe"},
                    {"command", command},
                    {"label", engine.label},
                    {"infos", infos}};
}

Json OpeningSettings(const ArenaOptions& options, const std::vector<Opening>& openings) {
  JsonArray played;
  for (const Opening& opening : openings) {
    JsonArray cells;
    for (Point cell : opening) cells.push_back(JsonArray{cell.x, cell.y});
    played.push_back(cells);
  }
  return JsonObject{
      {"file", options.openingsFile},   {"stones", options.openingsFile.empty() ? Json(options.openingStones) : Json()},
      {"transform", options.transform}, {"order", options.randomOrder ? "random" : "sequential"},
      {"seed", options.seed},           {"played", played}};
}

Json SprtSettings(const std::optional<SprtTest>& sprt) {
  if (!sprt) return Json();
  return JsonObject{{"elo0", sprt->elo0}, {"elo1", sprt->elo1}, {"alpha", sprt->alpha}, {"beta", sprt->beta}};
}

// What each settings key is on the command line, for the reason of a refusal.
const char* OptionOf(const std::string& key) {
  static const std::pair<const char*, const char*> kOptions[] = {
      {"games", "-n"},
      {"size", "-s"},
      {"tournament", "-g"},
      {"rule", "--rule"},
      {"time_limit_ms", "-t"},
      {"margin_ms", "--margin"},
      {"start_ms", "--start-time"},
      {"clock", "--tc"},
      {"draw_after", "--draw-after"},
      {"openings", "-o, --transform, --opening-order, --seed"},
      {"stats", "--stats"},
      {"sprt", "--sprt"},
      {"engines", "the engines, --name, --info"}};
  for (const auto& [name, option] : kOptions) {
    if (key == name) return option;
  }
  return "";
}

// The start of a value's text, for one line.
std::string Shown(const Json& value) {
  std::string text = value.Text();
  return text.size() <= 60 ? text : text.substr(0, 57) + "...";
}

}  // namespace

Json MatchSettings(const ArenaOptions& options, const std::vector<Opening>& openings) {
  JsonArray engines;
  for (const EngineCommand& engine : options.engines) engines.push_back(EngineSettings(engine));
  const GameRules& rules = options.rules;
  JsonObject clock{
      {"match_ms", rules.clock.matchMs}, {"turn_ms", rules.clock.turnMs}, {"increment_ms", rules.clock.incrementMs}};
  return JsonObject{{"engines", engines},
                    {"tournament", options.gauntlet ? "gauntlet" : "round robin"},
                    {"games", options.games},
                    {"size", options.side},
                    {"rule", int(rules.rule)},
                    {"time_limit_ms", options.timeLimitMs},
                    {"margin_ms", rules.marginMs},
                    {"start_ms", rules.startMs},
                    {"clock", clock},
                    {"draw_after", rules.drawAfter},
                    {"openings", OpeningSettings(options, openings)},
                    {"stats", StatsModelName(options.stats)},
                    {"sprt", SprtSettings(options.sprt)}};
}

JournalHead NewJournalHead(const ArenaOptions& options, const std::vector<Opening>& openings,
                           const std::string& directory, int recordsBefore) {
  JournalHead head;
  head.version = TULVO_VERSION;
  head.settings = MatchSettings(options, openings);
  head.fingerprint = Fingerprint(head.settings);
  head.arguments = options.optionTexts;
  head.arguments.insert(head.arguments.end(), options.engineTexts.begin(), options.engineTexts.end());
  head.directory = directory;
  JsonArray formats;
  for (auto [chosen, name] : {std::pair{options.recordFormats.text, "txt"}, std::pair{options.recordFormats.psq, "psq"},
                              std::pair{options.recordFormats.sgf, "sgf"}}) {
    if (chosen) formats.push_back(name);
  }
  head.run = JsonObject{{"jobs", options.threads},
                        {"records", options.recordsDirectory.empty() ? Json() : Json(options.recordsDirectory)},
                        {"record_formats", formats},
                        {"records_before", recordsBefore}};
  int engines = int(options.engines.size());
  head.pairings = options.gauntlet ? engines - 1 : engines * (engines - 1) / 2;
  head.scheduled = head.pairings * options.games;
  head.pairs = head.pairings * ((options.games + 1) / 2);
  head.openings = int(openings.size());
  head.side = options.side;
  return head;
}

int RecordsBefore(const JournalHead& head) { return int(head.run["records_before"].Integer(0, INT32_MAX).value_or(0)); }

std::string SettingsDifference(const Json& journal, const Json& here) {
  const JsonObject* kept = journal.Object();
  const JsonObject* given = here.Object();
  if (kept == nullptr || given == nullptr) return "the journal holds no settings";
  for (const auto& [key, value] : *given) {
    const Json& before = journal[key];
    if (before == value) continue;
    std::string option = OptionOf(key);
    return "the setting '" + key + "'" + (option.empty() ? "" : " (" + option + ")") + " is " + Shown(before) +
           " in the journal but " + Shown(value) + " here";
  }
  return kept->size() == given->size() ? "" : "the journal holds settings this version does not know";
}

}  // namespace tulvo::arena
