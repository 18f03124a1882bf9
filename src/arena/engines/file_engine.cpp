// A file-protocol engine: once per move, the position goes into plocha.dat and the
// side to move into tah.dat in its scratch folder, the command runs there, and its
// move is read back from tah.dat.
#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

#include "arena/engines/protocol_engines.h"
#include "arena/match/arena_fault.h"
#include "platform/process_channel.h"
#include "platform/stopwatch.h"

namespace tulvo::arena {

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A file the arena cannot write is the arena's fault, not the engine's.
void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  if (!out) throw ArenaFault("cannot write " + path.string());
}

class FileEngine : public Engine {
 public:
  explicit FileEngine(const EngineCommand& engine)
      : command_(engine.command), directory_(MakeScratchFolder("tulvo-arena")) {}
  ~FileEngine() override {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
  }

  // The start-up allowance is kept for the first run, which starts the program.
  EngineReply Start(int, int startMs) override {
    startMs_ = startMs;
    return {ReplyStatus::kAnswered, "", 0};
  }

  // The first run may take the start-up allowance beyond timeLimitMs; what it
  // takes beyond the limit is start-up, not the move's time.
  EngineReply Move(const ArenaBoard& board, const std::vector<Point>&, int timeLimitMs) override {
    int allowanceMs = std::exchange(startMs_, 0);
    EngineReply reply = Run(board, timeLimitMs + allowanceMs);
    if (allowanceMs > 0) reply.startupMs = std::max(0, reply.ms - timeLimitMs);
    return reply;
  }

 private:
  EngineReply Run(const ArenaBoard& board, int timeLimitMs) {
    std::string side(1, StoneLetter(board.ToMove()));
    WriteFile(directory_ / "plocha.dat", board.Rows());
    WriteFile(directory_ / "tah.dat", side);
    Stopwatch clock;
    std::string failure;
    auto process = StartChildProcess(command_, directory_, false, failure);
    if (!process) return {ReplyStatus::kNotStarted, failure, 0};
    auto end = process->WaitForExit(timeLimitMs);
    if (!end) {
      process->Kill();
      return {ReplyStatus::kTimedOut, "no move within " + std::to_string(timeLimitMs) + " ms", clock.Ms()};
    }
    int ms = clock.Ms();
    if (!end->clean) return {ReplyStatus::kCrashed, end->description, ms};
    std::string answer = ReadFile(directory_ / "tah.dat");
    if (answer.empty() || answer == side) return {ReplyStatus::kMissing, "tah.dat holds no move", ms};
    return {ReplyStatus::kAnswered, answer, ms};
  }

  std::vector<std::string> command_;
  std::filesystem::path directory_;
  int startMs_ = 0;
};

}  // namespace

std::unique_ptr<Engine> NewFileEngine(const EngineCommand& command) { return std::make_unique<FileEngine>(command); }

}  // namespace tulvo::arena
