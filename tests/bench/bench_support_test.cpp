// The benchmark fixtures: fixed positions, the in-process run and the signature hash.
#include <gtest/gtest.h>
#include <tulvo/file_protocol.h>

#include <algorithm>
#include <memory>
#include <string>

#include "bench/file_program_signature.h"
#include "bench/in_process_run.h"
#include "engine/load_position.h"
#include "signature/bench_positions.h"
#include "signature/signature.h"
#include "support/engine_fixture.h"

using namespace tulvo::bench;
using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

struct Expected {
  int side;
  int stones;
};

}  // namespace

TEST(BenchPositions, HoldTheirStonesInTurnAndParse) {
  const Expected expected[] = {{20, 3}, {20, 30}, {20, 100}, {20, 250}, {15, 40}};
  const auto& positions = BenchPositions();
  ASSERT_EQ(positions.size(), std::size(expected));
  for (size_t i = 0; i < positions.size(); i++) {
    const BenchPosition& p = positions[i];
    const long xs = std::count(p.board.begin(), p.board.end(), 'x');
    const long os = std::count(p.board.begin(), p.board.end(), 'o');
    EXPECT_EQ(xs + os, expected[i].stones) << p.name;
    EXPECT_EQ(xs - os, expected[i].stones % 2) << p.name;
    EXPECT_EQ(p.side, xs == os ? 1 : 2) << p.name;
    const std::unique_ptr<EngineState> s = NewState();
    ResetEngine(*s);
    LoadPosition(*s, tulvo::RequestOfBoard(tulvo::ReadBoardText(p.board, p.side), 6, 0));
    EXPECT_EQ(s->stoneCount, expected[i].stones) << p.name;
    EXPECT_EQ(int(s->boardMax), expected[i].side - 1) << p.name;
  }
  EXPECT_EQ(positions[kMidgamePosition].name, "20x20/100");
}

TEST(BenchPositions, SameSeedSamePositionOtherSeedAnother) {
  EXPECT_EQ(RandomGamePosition(20, 60, 7).board, RandomGamePosition(20, 60, 7).board);
  EXPECT_NE(RandomGamePosition(20, 60, 7).board, RandomGamePosition(20, 60, 8).board);
  // A full board: every cell taken, none twice.
  const std::string full = RandomGamePosition(6, 36, 1).board;
  EXPECT_EQ(std::count(full.begin(), full.end(), '-'), 0);
}

TEST(BenchPositions, StonesStayWithinTwoCellsOfEachOther) {
  // Every stone but the first has another stone within two cells.
  const std::string board = BenchPositions()[1].board;
  const int side = 20;
  auto at = [&](int x, int y) { return board[size_t(y * (side + 1) + x)]; };
  for (int y = 0; y < side; y++) {
    for (int x = 0; x < side; x++) {
      if (at(x, y) == '-') continue;
      bool near = false;
      for (int v = std::max(y - 2, 0); v <= std::min(y + 2, side - 1); v++)
        for (int u = std::max(x - 2, 0); u <= std::min(x + 2, side - 1); u++)
          near |= (u != x || v != y) && at(u, v) != '-';
      EXPECT_TRUE(near) << x << "," << y;
    }
  }
}

TEST(InProcessRun, WritesWhatTheFileProgramWrites) {
  for (const BenchPosition& p : SignaturePositions()) {
    for (int level = 0; level <= 6; level++) {
      for (uint32_t seed : {0u, 777u, 86399999u}) {
        const std::string argument = {'/', char('0' + level)};
        MemoryRun file = RunInMemory(p.board.c_str(), p.side == 1 ? "x" : "o", {argument}, seed);
        char text[8];
        int length = PlayBoardBytes(p.board, p.side, level, seed, text);
        // The file program leaves tah.dat's side letter when it writes no move.
        std::string expected = length == 0 ? std::string(p.side == 1 ? "x" : "o") : std::string(text, size_t(length));
        EXPECT_EQ(file.tah, expected) << p.name << " level " << level << " seed " << seed;
      }
    }
  }
}

TEST(Signature, HashIsSixtyFourBitFnv1a) {
  const struct {
    const char* text;
    uint64_t hash;
  } cases[] = {{"", 0xcbf29ce484222325ull}, {"a", 0xaf63dc4c8601ec8cull}, {"foobar", 0x85944171f73967e8ull}};
  for (const auto& c : cases) {
    Fnv1a hash;
    hash.Add(c.text, int(std::char_traits<char>::length(c.text)));
    EXPECT_EQ(hash.hash, c.hash) << c.text;
  }
  Fnv1a bytes, number;
  bytes.Add("\x04\x03\x02\x01", 4);
  number.AddInt(0x01020304);
  EXPECT_EQ(number.hash, bytes.hash);
}

TEST(Signature, RepeatsWithinOneProcess) {
  // A second pass after everything ran once: state left over from a run would show.
  EXPECT_EQ(ComputeSignature(), ComputeSignature());
  EXPECT_EQ(ComputeFileProgramSignature(), ComputeFileProgramSignature());
}
