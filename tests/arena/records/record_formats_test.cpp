// .psq and SGF records of known games, byte for byte.
#include "arena/records/record_formats.h"

#include <gtest/gtest.h>

#include "arena/scripted_engine.h"

using namespace tulvo::arena;

namespace {

// Two opening stones, then X makes five on row 3 with its fourth move.
GameResult KnownGame() {
  auto x = ScriptedEngine::Playing({{3, 3}, {4, 3}, {5, 3}, {6, 3}}, 12);
  auto o = ScriptedEngine::Playing({{0, 14}, {2, 14}, {4, 14}});
  return PlayGame(x, o, 15, {{7, 3}, {7, 9}}, 100);
}

TEST(FormatPsq, CountsFromOneAndEndsWithTheNames) {
  EXPECT_EQ(FormatPsq(KnownGame(), "tulvo /3", "pbrain-x"),
            "Piskvorky 15x15, 11:11, 0\n8,4,0\n8,10,0\n4,4,12\n1,15,1\n5,4,12\n3,15,1\n6,4,12\n5,15,1\n7,4,12\n"
            "tulvo /3\npbrain-x\n-1\n");
}

TEST(FormatSgf, BlackIsXAndTheReasonIsAComment) {
  EXPECT_EQ(FormatSgf(KnownGame(), "tulvo /3", "pbrain-x"),
            "(;FF[4]GM[4]SZ[15]PB[tulvo /3]PW[pbrain-x]RE[B+]C[1-0 (five)]"
            ";B[hd];W[hj];B[dd];W[ao];B[ed];W[co];B[fd];W[eo];B[gd])\n");
  GameResult lost = KnownGame();
  lost.outcome = Outcome::kOWins;
  lost.reason = EndReason::kMalformed;
  lost.detail = "a]b\\c";
  lost.moves.resize(1);
  EXPECT_EQ(FormatSgf(lost, "x]", "o"),
            "(;FF[4]GM[4]SZ[15]PB[x\\]]PW[o]RE[W+]C[0-1 (malformed move: a\\]b\\\\c)];B[hd])\n");
  GameResult drawn = lost;
  drawn.outcome = Outcome::kDraw;
  drawn.reason = EndReason::kMoveLimit;
  drawn.detail = "";
  EXPECT_NE(FormatSgf(drawn, "x", "o").find("RE[0]C[1/2-1/2 (move limit)]"), std::string::npos);
}

TEST(RecordFormatsNamed, ReadsAListOfKnownNames) {
  auto psq = RecordFormatsNamed("psq");
  ASSERT_TRUE(psq);
  EXPECT_TRUE(psq->psq);
  EXPECT_FALSE(psq->text || psq->sgf);
  auto all = RecordFormatsNamed("sgf,txt,psq");
  ASSERT_TRUE(all);
  EXPECT_TRUE(all->text && all->psq && all->sgf);
  for (const char* bad : {"", "pgn", "psq,", "psq,,sgf", "PSQ"}) EXPECT_FALSE(RecordFormatsNamed(bad)) << bad;
}

}  // namespace
