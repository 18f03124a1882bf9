// Real engine processes over both protocols: fake engines that play or misbehave,
// game clocks and the check before the first game.
#include "arena/engines/engine_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "arena/engines/engine_command.h"
#include "arena/engines/preflight.h"
#include "arena/match/arena_fault.h"
#include "arena/match/openings.h"
#include "arena/match/referee.h"
#include "platform/process_channel.h"

using namespace tulvo;
using namespace tulvo::arena;

namespace {

const std::string kFake = FAKE_ENGINE;

EngineCommand Fake(const std::string& protocol, const std::string& arguments) {
  std::string error;
  auto command = ParseEngineCommand(protocol + ":" + kFake + " " + protocol + " " + arguments, error);
  if (!command) ADD_FAILURE() << error;
  return *command;
}

// A game with a start-up allowance of two seconds, plenty for the fake engines and
// short enough that a file engine that hangs in its first run soon loses.
GameResult Play(const EngineCommand& x, const EngineCommand& o, const Opening& opening, int timeLimitMs = 5000) {
  auto xEngine = LaunchEngine(x), oEngine = LaunchEngine(o);
  GameRules rules;
  rules.startMs = 2000;
  return PlayGame(*xEngine, *oEngine, 15, opening, timeLimitMs, rules);
}

class ChildProcess : public testing::TestWithParam<std::string> {
 protected:
  static void SetUpTestSuite() { PrepareChildProcesses(); }
};

// Each misbehaving engine moves second after a two-stone opening and loses.
TEST_P(ChildProcess, EveryFaultLosesWithItsReason) {
  struct Case {
    const char* behaviour;
    EndReason reason;
  };
  const Case cases[] = {
      {"malformed", EndReason::kMalformed}, {"offboard", EndReason::kOffBoard}, {"occupied", EndReason::kOccupied},
      {"missing", EndReason::kMissing},     {"crash", EndReason::kCrash},       {"exitcode", EndReason::kCrash},
      {"timeout", EndReason::kTimeout},
  };
  for (const Case& c : cases) {
    GameResult game = Play(Fake(GetParam(), "greedy"), Fake(GetParam(), c.behaviour), {{7, 7}, {8, 8}}, 1500);
    // A pipe engine without a move says so with ERROR, and loses by that error.
    bool error = GetParam() == "pipe" && c.reason == EndReason::kMissing;
    EXPECT_EQ(game.reason, error ? EndReason::kError : c.reason) << c.behaviour << ": " << game.detail;
    if (error) {
      EXPECT_EQ(game.detail, "no move");
    }
    EXPECT_EQ(game.outcome, Outcome::kXWins) << c.behaviour;
    EXPECT_EQ(game.moves.size(), 3u) << c.behaviour;
  }
}

TEST_P(ChildProcess, GreedyEnginesFinishAGame) {
  GameResult game = Play(Fake(GetParam(), "greedy 9"), Fake(GetParam(), "greedy 11"), {});
  EXPECT_EQ(game.reason, EndReason::kFive) << game.detail;
  EXPECT_GT(game.moves.size(), 8u);
  EXPECT_EQ(game.moves[0].point, (Point{7, 7})) << "the first mover saw an empty board";
}

TEST_P(ChildProcess, AMissingProgramCountsAsACrash) {
  EngineCommand missing = Fake(GetParam(), "greedy");
  missing.command[0] = "./no-such-engine";
  GameResult game = Play(missing, Fake(GetParam(), "greedy"), {});
  EXPECT_EQ(game.reason, EndReason::kCrash);
  EXPECT_EQ(game.outcome, Outcome::kOWins);
}

INSTANTIATE_TEST_SUITE_P(BothProtocols, ChildProcess, testing::Values("file", "pipe"));

TEST(PipeEngine, RefusalAndHangupLose) {
  PrepareChildProcesses();
  GameResult refused = Play(Fake("pipe", "refuse"), Fake("pipe", "greedy"), {});
  EXPECT_EQ(refused.reason, EndReason::kRefused);
  EXPECT_EQ(refused.detail, "ERROR unsupported size");
  EXPECT_EQ(refused.outcome, Outcome::kOWins);
  GameResult hungUp = Play(Fake("pipe", "greedy"), Fake("pipe", "hangup"), {{7, 7}});
  EXPECT_EQ(hungUp.reason, EndReason::kCrash) << hungUp.detail;
  EXPECT_EQ(hungUp.outcome, Outcome::kXWins);
}

// The same engine behind either protocol sees the same positions, so it plays the
// same game: with an opening (BOARD) and without (BEGIN), and across protocols.
TEST(BothProtocols, DeliverTheSamePositions) {
  PrepareChildProcesses();
  for (const Opening& opening : {Opening{}, Opening{{7, 7}, {9, 8}, {6, 6}}}) {
    auto moves = [&](const std::string& xProtocol, const std::string& oProtocol) {
      GameResult game = Play(Fake(xProtocol, "greedy 9"), Fake(oProtocol, "greedy 11"), opening);
      std::vector<Point> points;
      for (const PlayedMove& move : game.moves) points.push_back(move.point);
      return points;
    };
    auto byFile = moves("file", "file");
    EXPECT_GT(byFile.size(), opening.size() + 8);
    EXPECT_EQ(moves("pipe", "pipe"), byFile);
    EXPECT_EQ(moves("pipe", "file"), byFile);
  }
}

// A scratch folder the arena cannot create is its own fault, not the engine's.
TEST(FileEngine, AScratchFolderThatCannotBeMadeIsTheArenasFault) {
  const char* saved = std::getenv("TMPDIR");
  std::string keep = saved ? saved : "";
  setenv("TMPDIR", "/proc/self/status", 1);  // a file, not a folder
  EXPECT_THROW(LaunchEngine(Fake("file", "greedy")), ArenaFault);
  if (saved) {
    setenv("TMPDIR", keep.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
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

// X sleeps 400 ms a move on a 1150 ms clock and runs out at its third move, by either
// protocol (the 350 ms to spare cover starting a file engine twice on a loaded or
// sanitized build); a pipe engine is told the terms and, before each move, its time.
TEST(GameClock, ASlowEngineLosesOnTimeAndPipeEnginesAreToldTheirTime) {
  PrepareChildProcesses();
  for (const std::string protocol : {"file", "pipe"}) {
    LogFolder folder;
    auto x = LaunchEngine(Fake(protocol, "slow 400 " + folder.Log()));
    auto o = LaunchEngine(Fake("pipe", "greedy"));
    GameResult game = PlayGame(*x, *o, 15, {}, 5000, {Rule::kExactlyFive, 0, {1150, 0, 0}});
    EXPECT_EQ(game.reason, EndReason::kTimeForfeit) << protocol << ": " << game.detail;
    EXPECT_EQ(game.outcome, Outcome::kOWins) << protocol;
    EXPECT_EQ(game.moves.size(), 4u) << protocol << ": two moves of 400 ms fit, the third does not";
    if (protocol == "file") continue;
    std::string log = folder.Read();
    EXPECT_EQ(log.rfind("START 15\nINFO timeout_turn 5000\nINFO timeout_match 1150\nINFO game_type 1\nINFO rule 1\n"
                        "INFO time_left 1150\nBEGIN\nINFO time_left ",
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

// An engine may start slower than -t allows a move, within the start-up allowance;
// a move may run into the margin, but not past it. Both protocols; in a file
// engine the start-up is its first run, so its second move is the one held to time.
TEST_P(ChildProcess, StartUpAllowanceAndMargin) {
  struct Case {
    const char* behaviour;
    int marginMs;
    EndReason reason;
  };
  const Case cases[] = {{"late-start 600", 0, EndReason::kMoveLimit},
                        {"slow 300", 400, EndReason::kMoveLimit},
                        {"slow 300", 0, EndReason::kTimeout}};
  for (const Case& c : cases) {
    auto x = LaunchEngine(Fake(GetParam(), c.behaviour)), o = LaunchEngine(Fake("pipe", "greedy"));
    GameRules rules{Rule::kFreeStyle, 6, {}};
    rules.startMs = 3000;
    rules.marginMs = c.marginMs;
    GameResult game = PlayGame(*x, *o, 15, {}, 200, rules);
    EXPECT_EQ(game.reason, c.reason) << c.behaviour << ", margin " << c.marginMs << ": " << game.detail;
  }
}

TEST(CheckEngines, NamesAnEngineThatCannotPlay) {
  PrepareChildProcesses();
  EngineCommand missingFile = Fake("file", "greedy"), missingPipe = Fake("pipe", "greedy");
  missingFile.command[0] = missingPipe.command[0] = "./no-such-engine";
  missingFile.label = "lost";
  struct Case {
    std::vector<EngineCommand> engines;
    std::string problem;
    int startMs = 2000;
  };
  const Case cases[] = {
      {{Fake("file", "greedy"), Fake("pipe", "greedy"), Fake("file", "crash")}, ""},
      {{Fake("pipe", "late-start 400"), Fake("file", "late-start 400")}, ""},
      {{Fake("pipe", "late-start 3000")},
       "engine 'fake_engine pipe late-start 3000' cannot play: no answer to START within 300 ms (the start-up "
       "allowance, --start-time)",
       300},
      {{Fake("pipe", "greedy"), missingFile},
       "engine 'lost' cannot play: cannot start ./no-such-engine: No such file or directory"},
      {{missingPipe}, "engine 'fake_engine pipe greedy' cannot play: cannot start ./no-such-engine: "},
      {{Fake("pipe", "refuse")},
       "engine 'fake_engine pipe refuse' cannot play: it answered START with 'ERROR unsupported size'"},
      {{Fake("pipe", "crash")}, ""},
  };
  for (const Case& c : cases) {
    std::string problem = CheckEngines(c.engines, 15, {100, 0, Rule::kFreeStyle}, c.startMs, LaunchEngine);
    EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem);
    EXPECT_EQ(problem.empty(), c.problem.empty()) << problem;
  }
}

}  // namespace
