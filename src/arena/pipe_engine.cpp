// A pipe-protocol engine: one process for the whole game, commands on its standard
// input, answers line by line on its standard output.
#include "arena/process_channel.h"
#include "arena/protocol_engines.h"
#include "arena/stopwatch.h"

namespace tulvo::arena {

namespace {

class PipeEngine : public Engine {
 public:
  explicit PipeEngine(const EngineCommand& engine) : command_(engine.command) {}
  ~PipeEngine() override {
    if (!process_) return;
    Send("END");
    if (!process_->WaitForExit(1000)) process_->Kill();
  }

  void SetTerms(const GameTerms& terms) override { terms_ = terms; }

  EngineReply Start(int side, int timeLimitMs) override {
    std::string failure;
    process_ = StartEngineProcess(command_, "", true, failure);
    if (!process_) return {ReplyStatus::kNotStarted, failure, 0};
    EngineReply reply = Ask("START " + std::to_string(side), timeLimitMs);
    if (reply.status != ReplyStatus::kAnswered) return reply;
    if (reply.text != "OK") return {ReplyStatus::kRefused, reply.text, reply.ms};
    Send("INFO timeout_turn " + std::to_string(timeLimitMs));
    Send("INFO timeout_match " + std::to_string(terms_.matchMs));
    Send("INFO game_type 1");
    Send("INFO rule " + std::to_string(int(terms_.rule)));
    return reply;
  }

  void SetTimeLeft(int ms) override { Send("INFO time_left " + std::to_string(ms)); }

  // The first request shows the whole position (BEGIN on an empty board); later
  // ones pass on the opponent's last move.
  EngineReply Move(const ArenaBoard& board, std::optional<Point> lastMove, int timeLimitMs) override {
    std::string request;
    if (!started_ && board.stones() == 0) {
      request = "BEGIN";
    } else if (!started_ || !lastMove) {
      request = BoardCommand(board);
    } else {
      request = "TURN " + std::to_string(lastMove->x) + "," + std::to_string(lastMove->y);
    }
    started_ = true;
    EngineReply reply = Ask(request, timeLimitMs);
    if (reply.status == ReplyStatus::kAnswered && reply.text.rfind("ERROR", 0) == 0)
      reply.status = ReplyStatus::kMissing;
    return reply;
  }

 private:
  static std::string BoardCommand(const ArenaBoard& board) {
    std::string text = "BOARD";
    uint8_t own = board.ToMove();
    for (int y = 0; y < board.side(); y++) {
      for (int x = 0; x < board.side(); x++) {
        uint8_t stone = board.At({x, y});
        if (stone == kCellEmpty) continue;
        text += "\r\n" + std::to_string(x) + "," + std::to_string(y) + "," + (stone == own ? "1" : "2");
      }
    }
    return text + "\r\nDONE";
  }

  bool Send(const std::string& line) { return process_ && process_->Write(line + "\r\n"); }

  // Sends the command and waits for the first line that is not MESSAGE or DEBUG.
  EngineReply Ask(const std::string& command, int timeLimitMs) {
    Stopwatch clock;
    if (!Send(command)) return Died(clock);
    for (;;) {
      std::string line;
      ReplyStatus status = ReadLine(line, clock.LeftOf(timeLimitMs));
      if (status == ReplyStatus::kTimedOut) {
        End();
        return {status, "no answer to " + command.substr(0, 5) + " within " + std::to_string(timeLimitMs) + " ms",
                clock.Ms()};
      }
      if (status == ReplyStatus::kCrashed) return Died(clock);
      if (line.empty() || line.rfind("MESSAGE", 0) == 0 || line.rfind("DEBUG", 0) == 0) continue;
      return {ReplyStatus::kAnswered, line, clock.Ms()};
    }
  }

  EngineReply Died(const Stopwatch& clock) {
    std::optional<ProcessEnd> end;
    if (process_) end = process_->WaitForExit(1000);
    End();
    return {ReplyStatus::kCrashed, end ? end->description : "closed its output", clock.Ms()};
  }

  void End() {
    if (process_) process_->Kill();
    process_.reset();
  }

  // One line without its line end; kCrashed at the end of the output.
  ReplyStatus ReadLine(std::string& line, int timeoutMs) {
    Stopwatch clock;
    for (;;) {
      size_t end = pending_.find('\n');
      if (end != std::string::npos) {
        line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        while (!line.empty() && line.back() == '\r') line.pop_back();
        return ReplyStatus::kAnswered;
      }
      int left = clock.LeftOf(timeoutMs);
      if (left <= 0) return ReplyStatus::kTimedOut;
      ReadStatus status = process_->Read(pending_, left);
      if (status == ReadStatus::kTimedOut) return ReplyStatus::kTimedOut;
      if (status == ReadStatus::kClosed) return ReplyStatus::kCrashed;
    }
  }

  std::vector<std::string> command_;
  std::unique_ptr<EngineProcess> process_;
  GameTerms terms_{0, 0, Rule::kFreeStyle};
  std::string pending_;
  bool started_ = false;
};

}  // namespace

std::unique_ptr<Engine> NewPipeEngine(const EngineCommand& command) { return std::make_unique<PipeEngine>(command); }

}  // namespace tulvo::arena
