// Journals of the shards of one match, combined into the journal of that match.
#include "arena/records/journal_merge.h"

#include <map>

namespace tulvo::arena {

std::optional<Shard> JournalShard(const JournalHead& head) {
  if (head.shard.IsNull()) return Shard{};
  auto count = head.shard["count"].Integer(1, INT32_MAX);
  auto index = head.shard["index"].Integer(1, count.value_or(0));
  if (!count || !index) return std::nullopt;
  return Shard{int(*index), int(*count)};
}

Json ShardValue(Shard shard) {
  if (shard.Whole()) return Json();
  return JsonObject{{"index", shard.index}, {"count", shard.count}};
}

static std::string ShardText(Shard shard) {
  return shard.Whole() ? "the whole match" : "shard " + shard.Name() + " of the match";
}

// "1", "1 and 2", "1, 2 and 4".
static std::string Listed(const std::vector<int>& numbers) {
  std::string text;
  for (size_t i = 0; i < numbers.size(); i++) {
    text += i == 0 ? "" : i + 1 == numbers.size() ? " and " : ", ";
    text += std::to_string(numbers[i]);
  }
  return text;
}

// The first journal's head, which every other must match; "" or why one does not.
static std::string Mismatch(const JournalFile& first, const JournalFile& other, Shard a, Shard b) {
  if (other.journal.head.fingerprint != first.journal.head.fingerprint)
    return first.path + " and " + other.path + " are journals of different matches (fingerprints " +
           first.journal.head.fingerprint + " and " + other.journal.head.fingerprint + ")";
  if (a.count != b.count)
    return first.path + " is " + ShardText(a) + " and " + other.path + " is " + ShardText(b) +
           ": the journals of one merge come from one cut into shards";
  if (a == b) return first.path + " and " + other.path + " are both " + ShardText(a);
  return "";
}

// The games of the journals, taken in turn, one from each; error names a game that
// two journals hold, or one that a journal holds although another shard plays it.
static std::vector<JournalGame> GamesInTurn(const std::vector<JournalFile>& files, const std::vector<Shard>& shards,
                                            std::string& error) {
  std::vector<JournalGame> games;
  std::map<int, const std::string*> holder;
  for (size_t round = 0, taken = 1; taken > 0; round++) {
    taken = 0;
    for (size_t f = 0; f < files.size(); f++) {
      const JournalFile& file = files[f];
      if (round >= file.journal.games.size()) continue;
      const JournalGame& game = file.journal.games[round];
      auto [at, added] = holder.emplace(game.job.number, &file.path);
      std::string number = "game " + std::to_string(game.job.number + 1);
      int shard = ShardOf(game.job, shards[f].count);
      if (!added && error.empty()) error = number + " is in both " + *at->second + " and " + file.path;
      if (shard != shards[f].index && error.empty())
        error = file.path + " holds " + number + ", which shard " + std::to_string(shard) + " plays";
      games.push_back(game);
      taken++;
    }
  }
  return games;
}

std::optional<MergedJournals> MergeJournals(const std::vector<JournalFile>& files, std::string& error) {
  if (files.empty()) {
    error = "no journal to merge";
    return std::nullopt;
  }
  MergedJournals merged;
  std::vector<Shard> shards;
  for (const JournalFile& file : files) {
    auto shard = JournalShard(file.journal.head);
    if (!shard) {
      error = file.path + " names no shard of its match on its first line";
      return std::nullopt;
    }
    for (size_t i = 0; i < shards.size() && error.empty(); i++) error = Mismatch(files[i], file, shards[i], *shard);
    if (!error.empty()) return std::nullopt;
    shards.push_back(*shard);
  }
  merged.journal.games = GamesInTurn(files, shards, error);
  if (!error.empty()) return std::nullopt;
  merged.journal.head = files[0].journal.head;
  merged.journal.head.shard = Json();
  merged.shards = shards[0].count;
  merged.journal.complete = int(files.size()) == merged.shards;
  for (const JournalFile& file : files) merged.journal.complete = merged.journal.complete && file.journal.complete;
  for (size_t i = 0; i < files.size(); i++) {
    if (files[i].journal.completion == "sprt") merged.journal.completion = "sprt";
  }
  if (merged.journal.complete && merged.journal.completion.empty()) merged.journal.completion = "schedule";
  for (int k = 1; k <= merged.shards; k++) {
    for (Shard shard : shards) {
      if (shard.index == k) merged.present.push_back(k);
    }
  }
  // What no journal holds.
  const JournalHead& head = merged.journal.head;
  std::vector<bool> held(size_t(head.scheduled), false);
  for (const JournalGame& game : merged.journal.games) held[size_t(game.job.number)] = true;
  std::vector<bool> shardMissing(size_t(merged.shards) + 1, false);
  for (int number = 0; number < head.scheduled; number++) {
    if (held[size_t(number)]) continue;
    merged.missingGames++;
    shardMissing[size_t(ShardOf(ScheduledJob(number, head.pairings, head.openings), merged.shards))] = true;
  }
  for (int k = 1; k <= merged.shards; k++) {
    if (shardMissing[size_t(k)]) merged.shardsMissing.push_back(k);
  }
  return merged;
}

std::string MissingGamesLine(const MergedJournals& merged) {
  if (merged.missingGames == 0) return "";
  bool one = merged.missingGames == 1;
  std::string line = std::to_string(merged.missingGames) + (one ? " game" : " games") + " of the schedule's " +
                     std::to_string(merged.journal.head.scheduled) + " " + (one ? "is" : "are") + " missing";
  if (merged.shards == 1) return line;
  return line + ": " + (one ? "it belongs" : "they belong") + " to shard" +
         (merged.shardsMissing.size() == 1 ? " " : "s ") + Listed(merged.shardsMissing) + " of " +
         std::to_string(merged.shards);
}

}  // namespace tulvo::arena
