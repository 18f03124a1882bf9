// Game clocks, the rule and the check before the first game, with real processes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "arena/engine_command.h"
#include "arena/engine_process.h"
#include "arena/preflight.h"
#include "arena/referee.h"

namespace {

const std::string kFake = FAKE_ENGINE;

EngineCommand Fake(const std::string& protocol, const std::string& arguments) {
  std::string error;
  auto command = ParseEngineCommand(protocol + ":" + kFake + " " + protocol + " " + arguments, error);
  if (!command) ADD_FAILURE() << error;
  return *command;
}

// A fresh folder for the fake engine's log, removed afterwards.
class LogFolder {
 public:
  LogFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "arena-terms-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~LogFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string Log() const { return (path_ / "received.txt").string(); }
  std::string Read() const {
    std::ifstream in(Log());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  std::filesystem::path path_;
};

// X sleeps 400 ms a move on a 1-second clock and runs out at its third move, by
// either protocol; a pipe engine is told the terms and, before each move, its time.
TEST(GameClock, ASlowEngineLosesOnTimeAndPipeEnginesAreToldTheirTime) {
  PrepareEngineProcesses();
  for (const std::string protocol : {"file", "pipe"}) {
    LogFolder folder;
    auto x = LaunchEngine(Fake(protocol, "slow 400 " + folder.Log()));
    auto o = LaunchEngine(Fake("pipe", "greedy"));
    GameResult game = PlayGame(*x, *o, 15, {}, 5000, {Rule::kExactlyFive, 0, {1000, 0, 0}});
    EXPECT_EQ(game.reason, EndReason::kTimeForfeit) << protocol << ": " << game.detail;
    EXPECT_EQ(game.outcome, Outcome::kOWins) << protocol;
    EXPECT_EQ(game.moves.size(), 4u) << protocol << ": two moves of 400 ms fit, the third does not";
    if (protocol == "file") continue;
    std::string log = folder.Read();
    EXPECT_EQ(log.rfind("START 15\nINFO timeout_turn 5000\nINFO timeout_match 1000\nINFO game_type 1\nINFO rule 1\n"
                        "INFO time_left 1000\nBEGIN\nINFO time_left ",
                        0),
              0u)
        << log;
    size_t timesLeft = 0;
    for (size_t at = log.find("INFO time_left"); at != std::string::npos; at = log.find("INFO time_left", at + 1)) {
      timesLeft++;
    }
    EXPECT_EQ(timesLeft, 3u) << log;
  }
}

TEST(CheckEngines, NamesAnEngineThatCannotPlay) {
  PrepareEngineProcesses();
  EngineCommand missingFile = Fake("file", "greedy"), missingPipe = Fake("pipe", "greedy");
  missingFile.command[0] = missingPipe.command[0] = "./no-such-engine";
  missingFile.label = "lost";
  struct Case {
    std::vector<EngineCommand> engines;
    std::string problem;
  };
  const Case cases[] = {
      {{Fake("file", "greedy"), Fake("pipe", "greedy"), Fake("file", "crash")}, ""},
      {{Fake("pipe", "greedy"), missingFile},
       "engine 'lost' cannot play: cannot start ./no-such-engine: No such file or directory"},
      {{missingPipe}, "engine 'fake_engine pipe greedy' cannot play: cannot start ./no-such-engine: "},
      {{Fake("pipe", "refuse")},
       "engine 'fake_engine pipe refuse' cannot play: it answered START with 'ERROR unsupported size'"},
      {{Fake("pipe", "crash")}, ""},
  };
  for (const Case& c : cases) {
    std::string problem = CheckEngines(c.engines, 15, 2000, LaunchEngine);
    EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem);
    EXPECT_EQ(problem.empty(), c.problem.empty()) << problem;
  }
}

}  // namespace
