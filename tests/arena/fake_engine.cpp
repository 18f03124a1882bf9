// A small engine for the arena's tests, speaking the file or the pipe protocol and
// playing well or misbehaving on purpose.
// Usage: fake_engine file|pipe BEHAVIOUR [NUMBER [LOG]]
// BEHAVIOUR: greedy (longest own line, blocking weighted by NUMBER, default 9),
// slow (greedy after sleeping NUMBER ms per move), spend (pipe: greedy after sleeping NUMBER percent of the
// timeout_turn it was told), late-start (greedy after sleeping NUMBER ms before OK to START, or in a file engine's
// first run in its folder), helper (greedy after starting a copy of itself, "file lingering", that sleeps 30 s and
// is left running), malformed, offboard, occupied, missing, crash, timeout, exitcode, refuse (pipe: answers
// START with ERROR), hangup (pipe: closes its output instead of moving). A pipe engine given LOG appends every line it
// receives to that file. Every pipe engine answers ERROR to a BOARD list that is not in play order: the sides must
// take turns and the last stone must be the opponent's.
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// cells[y][x]: 0 empty, 1 own stone, 2 opponent's stone.
using Cells = std::vector<std::vector<int>>;

int RunThrough(const Cells& cells, int x, int y, int dx, int dy, int stone) {
  int side = int(cells.size()), count = 0;
  for (int sign : {1, -1}) {
    for (int cx = x + sign * dx, cy = y + sign * dy;
         cx >= 0 && cy >= 0 && cx < side && cy < side && cells[size_t(cy)][size_t(cx)] == stone;
         cx += sign * dx, cy += sign * dy) {
      count++;
    }
  }
  return count;
}

int LongestThrough(const Cells& cells, int x, int y, int stone) {
  int best = 0;
  for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}})
    best = std::max(best, RunThrough(cells, x, y, dx, dy, stone));
  return best;
}

// The first cell (rows, then columns) with the highest score; the centre when empty.
std::string GreedyMove(const Cells& cells, int blockWeight) {
  int side = int(cells.size()), best = -1, bestX = side / 2, bestY = side / 2;
  for (int y = 0; y < side; y++) {
    for (int x = 0; x < side; x++) {
      if (cells[size_t(y)][size_t(x)] != 0) continue;
      int own = LongestThrough(cells, x, y, 1), opp = LongestThrough(cells, x, y, 2);
      if (own == 0 && opp == 0) continue;
      int score = own >= 4 ? 1000 : own * 10 + opp * blockWeight;
      if (score > best) best = score, bestX = x, bestY = y;
    }
  }
  if (best < 0 && cells[size_t(bestY)][size_t(bestX)] != 0) {
    for (int i = 0; i < side * side; i++) {
      if (cells[size_t(i / side)][size_t(i % side)] == 0)
        return std::to_string(i % side) + "," + std::to_string(i / side);
    }
  }
  return std::to_string(bestX) + "," + std::to_string(bestY);
}

std::string OccupiedCell(const Cells& cells) {
  for (size_t y = 0; y < cells.size(); y++) {
    for (size_t x = 0; x < cells.size(); x++) {
      if (cells[y][x] != 0) return std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "0,0";
}

// The answer for the behaviour; empty means "write no move".
std::string Answer(const std::string& behaviour, const Cells& cells, int number) {
  if (behaviour == "slow") {
    std::this_thread::sleep_for(std::chrono::milliseconds(number));
    return GreedyMove(cells, 9);
  }
  if (behaviour == "crash") std::abort();
  if (behaviour == "timeout") std::this_thread::sleep_for(std::chrono::seconds(30));
  if (behaviour == "exitcode") std::exit(3);
  if (behaviour == "malformed") return "seven,seven";
  if (behaviour == "offboard") return std::to_string(cells.size()) + ",0";
  if (behaviour == "occupied") return OccupiedCell(cells);
  if (behaviour == "missing") return "";
  return GreedyMove(cells, number);
}

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Starts "self file lingering" and leaves it running, as engines that start helper
// processes of their own do.
void StartHelper(const std::string& self) {
#ifdef _WIN32
  std::string line = "\"" + self + "\" file lingering";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
#else
  if (fork() == 0) {
    execl(self.c_str(), self.c_str(), "file", "lingering", static_cast<char*>(nullptr));
    _exit(127);
  }
#endif
}

void PlayFile(const std::string& behaviour, int number) {
  if (behaviour == "late-start" && !std::ifstream("started")) {
    SleepMs(number);
    std::ofstream("started") << "yes\n";
  }
  std::ifstream board("plocha.dat"), turn("tah.dat");
  char side = char(turn.get());
  Cells cells;
  for (std::string line; std::getline(board, line);) {
    std::vector<int> row;
    for (char c : line) row.push_back(c == '-' ? 0 : c == side ? 1 : 2);
    cells.push_back(row);
  }
  bool greedy = behaviour == "late-start" || behaviour == "helper";
  std::string move = Answer(greedy ? "greedy" : behaviour, cells, greedy ? 9 : number);
  if (!move.empty()) std::ofstream("tah.dat", std::ios::trunc) << move;
}

// Reads a BOARD list up to DONE, placing each stone; false when its stones are not
// in the order they were played.
bool ReadBoard(const std::function<bool(std::string&)>& receive,
               const std::function<void(const std::string&, int)>& place) {
  int previous = 0;
  bool ordered = true;
  for (std::string entry; receive(entry) && entry.rfind("DONE", 0) != 0;) {
    int side = entry[entry.find_last_of(',') + 1] - '0';
    ordered = ordered && side != previous;
    previous = side;
    place(entry, side);
  }
  return ordered && previous == 2;
}

void PlayPipe(const std::string& behaviour, int number, const std::string& log) {
  Cells cells;
  int turnMs = 0;
  auto place = [&](const std::string& text, int stone) {
    int x = 0, y = 0;
    char comma = 0;
    std::istringstream(text) >> x >> comma >> y;
    cells[size_t(y)][size_t(x)] = stone;
  };
  auto move = [&] {
    std::cout << "MESSAGE thinking\nDEBUG still thinking\n" << std::flush;
    if (behaviour == "hangup") std::exit(0);
    if (behaviour == "spend") SleepMs(turnMs * number / 100);
    bool greedy = behaviour == "spend" || behaviour == "late-start" || behaviour == "helper";
    std::string kind = greedy ? "greedy" : behaviour;
    std::string answer = Answer(kind, cells, greedy ? 9 : number);
    std::cout << (answer.empty() ? "ERROR no move" : answer) << "\r\n" << std::flush;
    if (!answer.empty() && (kind == "greedy" || kind == "slow")) place(answer, 1);
  };
  auto receive = [&](std::string& line) {
    if (!std::getline(std::cin, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!log.empty()) std::ofstream(log, std::ios::app) << line << "\n";
    return true;
  };
  for (std::string line; receive(line);) {
    std::string command = line.substr(0, line.find(' ')),
                rest = line.substr(command.size() + (line.size() > command.size()));
    if (command == "START") {
      cells.assign(size_t(std::stoi(rest)), std::vector<int>(size_t(std::stoi(rest)), 0));
      if (behaviour == "late-start") SleepMs(number);
      std::cout << (behaviour == "refuse" ? "ERROR unsupported size" : "OK") << std::endl;
    } else if (command == "BEGIN") {
      move();
    } else if (command == "TURN") {
      place(rest, 2);
      move();
    } else if (command == "INFO" && rest.rfind("timeout_turn ", 0) == 0) {
      turnMs = std::stoi(rest.substr(13));
    } else if (command == "BOARD") {
      if (ReadBoard(receive, place)) {
        move();
      } else {
        std::cout << "ERROR the BOARD list is not in play order\r\n" << std::flush;
      }
    } else if (command == "END") {
      return;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string protocol = argv[1], behaviour = argv[2];
  int number = argc > 3 ? std::atoi(argv[3]) : 9;
  if (behaviour == "lingering") {
    SleepMs(30000);
    return 0;
  }
  if (behaviour == "helper") StartHelper(argv[0]);
  if (protocol == "file") PlayFile(behaviour, number);
  if (protocol == "pipe") PlayPipe(behaviour, number, argc > 4 ? argv[4] : "");
  return 0;
}
