// A pipe-protocol engine: one process for the whole game, commands on its standard
// input, answers line by line on its standard output.
#include "arena/engines/protocol_engines.h"
#include "platform/process_channel.h"
#include "platform/stopwatch.h"

namespace tulvo::arena {

namespace {

class PipeEngine : public Engine {
 public:
  explicit PipeEngine(const EngineCommand& engine) : command_(engine.command), infos_(engine.infos) {}
  ~PipeEngine() override {
    if (!process_) return;
    Send("END");
    if (!process_->WaitForExit(1000)) process_->Kill();
  }

  void SetTerms(const GameTerms& terms) override { terms_ = terms; }

  // START may take the start-up allowance. The engine is then told the plain
  // per-move limit, the game's terms, and the settings given for it, in that order.
  EngineReply Start(int side, int startMs) override {
    std::string failure;
    process_ = StartChildProcess(command_, "", true, failure);
    if (!process_) return {ReplyStatus::kNotStarted, failure, 0};
    EngineReply reply = Ask("START " + std::to_string(side), startMs);
    if (reply.status != ReplyStatus::kAnswered) return reply;
    if (reply.text != "OK") return {ReplyStatus::kRefused, reply.text, reply.ms};
    Send("INFO timeout_turn " + std::to_string(terms_.turnMs));
    Send("INFO timeout_match " + std::to_string(terms_.matchMs));
    Send("INFO game_type 1");
    Send("INFO rule " + std::to_string(int(terms_.rule)));
    for (const EngineInfo& info : infos_) Send("INFO " + info.key + " " + info.value);
    return reply;
  }

  void SetTimeLeft(int ms) override { Send("INFO time_left " + std::to_string(ms)); }

  // The first request shows the whole position (BEGIN on an empty board); later
  // ones pass on the opponent's last move. An ERROR reply keeps its text.
  EngineReply Move(const ArenaBoard& board, const std::vector<Point>& played, int timeLimitMs) override {
    std::string request;
    if (!started_ && board.stones() == 0) {
      request = "BEGIN";
    } else if (!started_ || played.empty()) {
      request = BoardCommand(board, played);
    } else {
      request = "TURN " + std::to_string(played.back().x) + "," + std::to_string(played.back().y);
    }
    started_ = true;
    EngineReply reply = Ask(request, timeLimitMs);
    if (reply.status == ReplyStatus::kAnswered && reply.text.rfind("ERROR", 0) == 0) {
      size_t text = reply.text.find_first_not_of(' ', 5);
      reply = {ReplyStatus::kError, text == std::string::npos ? "" : reply.text.substr(text), reply.ms};
    }
    return reply;
  }

 private:
  // The stones in the order they were played, so that the last one is the
  // opponent's latest move: engines replay the list as the game.
  static std::string BoardCommand(const ArenaBoard& board, const std::vector<Point>& played) {
    std::string text = "BOARD";
    bool ownFirst = board.ToMove() == kCellX;  // X played the first stone
    for (size_t i = 0; i < played.size(); i++) {
      bool own = (i % 2 == 0) == ownFirst;
      text += "\r\n" + std::to_string(played[i].x) + "," + std::to_string(played[i].y) + "," + (own ? "1" : "2");
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
        return {status,
                "no answer to " + command.substr(0, command.find_first_of(" \r")) + " within " +
                    std::to_string(timeLimitMs) + " ms",
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
  std::vector<EngineInfo> infos_;
  std::unique_ptr<ChildProcess> process_;
  GameTerms terms_{0, 0, Rule::kFreeStyle};
  std::string pending_;
  bool started_ = false;
};

}  // namespace

std::unique_ptr<Engine> NewPipeEngine(const EngineCommand& command) { return std::make_unique<PipeEngine>(command); }

}  // namespace tulvo::arena
