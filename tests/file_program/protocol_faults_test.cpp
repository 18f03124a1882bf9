// Faults of the protocol files themselves, through the built program: each ends the
// run with its message, exit code 0, and tah.dat exactly as it was (or still absent).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/program_runner.h"

using namespace tulvo::test;

namespace {

const std::string kProgram = TULVO_EXECUTABLE;
const char kBoardNotLoaded[] = "Nelze nahrat plocha.dat!\r\n";
const char kBadSize[] = "Spatna velikost plocha.dat!\r\n";
const char kLineTooLong[] = "Blbej soubor plocha.dat - moc dlouhej radek!\r\n";
const char kTooManyLines[] = "Blbej soubor plocha.dat - ma prilis mnoho radku!\r\n";
const char kFilesNotLoaded[] = "Nelze nahrat tah.dat nebo plocha.dat!\r\n";

std::string Rows(int count, const std::string& end) {
  std::string text;
  for (int y = 0; y < count; y++) text += std::string(20, '-') + end;
  return text;
}

// 19 lines with CR LF are 418 bytes; the last line's 8 skipped blanks and 20 board
// characters bring the file to 446, so byte 447 is the one given.
std::string Board447EndingIn(char last) { return Rows(19, "\r\n") + std::string(8, ' ') + std::string(20, '-') + last; }

// What tah.dat is on disk: absent, a directory, a FIFO, or a file with its bytes.
std::string TahState(const ScratchDirectory& dir) {
  std::filesystem::path tah = dir.path() + "/tah.dat";
  if (!dir.Exists("tah.dat")) return "absent";
  if (std::filesystem::is_directory(tah)) return "directory";
  if (std::filesystem::is_fifo(tah)) return "fifo";
  return "file:" + dir.Read("tah.dat");
}

void MakeDirectory(const ScratchDirectory& dir, const std::string& name) {
  std::filesystem::create_directory(dir.path() + "/" + name);
}

void MakeFifo(const ScratchDirectory& dir, const std::string& name) { mkfifo((dir.path() + "/" + name).c_str(), 0644); }

struct FaultCase {
  const char* what;
  std::function<void(const ScratchDirectory&)> prepare;
  const char* message;
};

// The command that starts the program: under timeout(1), so that a run that blocks
// fails (exit code 124) instead of stopping the suite, and after the launcher.
std::vector<std::string> Command(const std::vector<std::string>& launcher) {
  std::vector<std::string> command = launcher;
  for (const std::string& word : {std::string("/usr/bin/timeout"), std::string("20"), kProgram, std::string("/4")})
    command.push_back(word);
  return command;
}

void ExpectMessageAndTahKept(const FaultCase& c, const std::vector<std::string>& launcher = {}) {
  ScratchDirectory dir;
  c.prepare(dir);
  std::string before = TahState(dir);
  std::vector<std::string> command = Command(launcher);
  ProgramRun run = RunProgramIn(dir.path(), command[0], {command.begin() + 1, command.end()});
  EXPECT_EQ(run.output, c.message) << c.what;
  EXPECT_EQ(run.exitCode, 0) << c.what;
  EXPECT_EQ(TahState(dir), before) << c.what;
}

const std::string kBoard = Rows(20, "\n");

}  // namespace

TEST(ProtocolFaults, EachGetsItsMessageAndLeavesTahAsItWas) {
  const FaultCase cases[] = {
      {"both files missing", [](const ScratchDirectory&) {}, kBoardNotLoaded},
      {"both files empty",
       [](const ScratchDirectory& d) {
         d.Write("plocha.dat", "");
         d.Write("tah.dat", "");
       },
       kBadSize},
      {"plocha.dat is a directory",
       [](const ScratchDirectory& d) {
         MakeDirectory(d, "plocha.dat");
         d.Write("tah.dat", "x");
       },
       kBoardNotLoaded},
      {"tah.dat is a directory",
       [](const ScratchDirectory& d) {
         d.Write("plocha.dat", kBoard);
         MakeDirectory(d, "tah.dat");
       },
       kFilesNotLoaded},
      {"both are directories",
       [](const ScratchDirectory& d) {
         MakeDirectory(d, "plocha.dat");
         MakeDirectory(d, "tah.dat");
       },
       kBoardNotLoaded},
      {"plocha.dat is a FIFO",
       [](const ScratchDirectory& d) {
         MakeFifo(d, "plocha.dat");
         d.Write("tah.dat", "x");
       },
       kBoardNotLoaded},
      {"tah.dat is a FIFO that nobody writes",
       [](const ScratchDirectory& d) {
         d.Write("plocha.dat", kBoard);
         MakeFifo(d, "tah.dat");
       },
       kFilesNotLoaded},
      {"plocha.dat is a dangling link",
       [](const ScratchDirectory& d) {
         d.Link("plocha.dat", d.path() + "/gone.dat");
         d.Write("tah.dat", "x\r\n");
       },
       kBoardNotLoaded},
      {"one-byte tah.dat, board line too long",
       [](const ScratchDirectory& d) {
         d.Write("plocha.dat", std::string(21, 'x'));
         d.Write("tah.dat", "o");
       },
       kLineTooLong},
      {"one-byte tah.dat, board of 448 bytes",
       [](const ScratchDirectory& d) {
         d.Write("plocha.dat", Board447EndingIn('\n') + "\n");
         d.Write("tah.dat", "x");
       },
       kBadSize},
      {"447 bytes, the last a 21st board character",
       [](const ScratchDirectory& d) {
         d.Write("plocha.dat", Board447EndingIn('x'));
         d.Write("tah.dat", "x");
       },
       kLineTooLong},
      {"447 bytes, the last a NUL after the 20th board character",
       [](const ScratchDirectory& d) {
         d.Write("plocha.dat", Board447EndingIn('\0'));
         d.Write("tah.dat", "x\r\n");
       },
       kLineTooLong},
      {"447 bytes, the last a blank after 20 closed lines",
       [](const ScratchDirectory& d) {
         d.Write("plocha.dat", Rows(20, "\r\n") + "\n\n\r\r\n\n ");
         d.Write("tah.dat", "o");
       },
       kTooManyLines},
  };
  for (const FaultCase& c : cases) ExpectMessageAndTahKept(c);
}

TEST(ProtocolFaults, The447ByteBoardsAboveAreExactAndAcceptedWithoutTheirFault) {
  EXPECT_EQ(Board447EndingIn('x').size(), 447u);
  EXPECT_EQ((Rows(20, "\r\n") + "\n\n\r\r\n\n ").size(), 447u);
  ScratchDirectory dir;
  dir.Write("plocha.dat", Board447EndingIn('\n'));
  dir.Write("tah.dat", "x");
  ProgramRun run = RunProgramIn(dir.path(), kProgram, {"/4"});
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(dir.Read("tah.dat"), "9,9");  // the empty 20 x 20 board's centre
}

TEST(ProtocolFaults, OneByteTahIsEnoughToPlay) {
  // O at (0, 0), X four at (1..4, 0): X completes five at (5, 0), and O must block there.
  std::string board = "oxxxx" + std::string(15, '-') + "\n" + Rows(19, "\n");
  for (const char* side : {"x", "X", "o"}) {
    ScratchDirectory dir;
    dir.Write("plocha.dat", board);
    dir.Write("tah.dat", side);
    ProgramRun run = RunProgramIn(dir.path(), kProgram, {"/5"});
    EXPECT_EQ(run.output, "") << side;
    EXPECT_EQ(dir.Read("tah.dat"), "5,0") << side;
  }
}

// Permission bits do not stop root, so as root the program runs as the unprivileged
// user nobody (through setpriv(1)); the scratch directory is opened up for it.
TEST(ProtocolFaults, FilesThatCannotBeOpenedForWriting) {
  std::vector<std::string> launcher;
  if (geteuid() == 0) {
    launcher = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    std::vector<std::string> probe = launcher;
    probe.insert(probe.end(), {"/usr/bin/test", "-x", kProgram});
    ScratchDirectory dir;
    if (RunProgramIn(dir.path(), probe[0], {probe.begin() + 1, probe.end()}).exitCode != 0)
      GTEST_SKIP() << "running as root, and the user nobody cannot run " << kProgram
                   << " (setpriv missing or a directory on the path closed to others), so no file can be made "
                      "that the program cannot open for writing";
  }
  // Every other protocol file stays writable for whoever runs the program.
  auto readOnly = [](const ScratchDirectory& d, const char* name) {
    chmod(d.path().c_str(), 0755);
    for (const char* file : {"plocha.dat", "tah.dat"})
      chmod((d.path() + "/" + file).c_str(), std::string(file) == name ? 0444 : 0666);
  };
  const FaultCase cases[] = {
      {"read-only plocha.dat",
       [&](const ScratchDirectory& d) {
         d.Write("plocha.dat", kBoard);
         d.Write("tah.dat", "x");
         readOnly(d, "plocha.dat");
       },
       kBoardNotLoaded},
      {"read-only tah.dat",
       [&](const ScratchDirectory& d) {
         d.Write("plocha.dat", kBoard);
         d.Write("tah.dat", "x\r\n");
         readOnly(d, "tah.dat");
       },
       kFilesNotLoaded},
  };
  for (const FaultCase& c : cases) ExpectMessageAndTahKept(c, launcher);
}
