// libFuzzer target: one whole run of the file program on the in-memory platform, from
// arbitrary bytes, judged by the allowed outcomes; the same input run twice must give
// the same result.
//
// Input layout:
//   byte 0   bits 0-1  how the level is given: 0 program name "tulvo?.exe", 1 the
//                      one-character argument "?", 2 the argument "/?", 3 an empty
//                      argument ('?' is byte 1)
//            bit 2     plocha.dat missing      bit 3  tah.dat missing
//            bit 4     plocha.dat broken       bit 5  tah.dat broken (every open,
//                                                     read and close fails)
//            bit 6     the board bytes are a packed square board, not file bytes
//            bit 7     packed board lines end in CR LF instead of LF
//   byte 1   the level character
//   bytes 2-5  the clock, milliseconds of the day (little endian, modulo one day)
//   byte 6   the first byte of tah.dat (the side to move)
//   byte 7   length of tah.dat, modulo 4: the side byte, then CR LF
//   rest     plocha.dat: raw bytes, or packed: side = first byte % 20 + 1, then two
//            bits per cell, x inner ('-', 'x', 'o', 'O'); missing cells are empty
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/engine_fixture.h"
#include "support/outcome_check.h"

using namespace tulvo::test;

namespace {

constexpr size_t kHeaderBytes = 8;
constexpr uint32_t kMillisecondsPerDay = 24u * 60 * 60 * 1000;

std::string PackedBoard(const uint8_t* bytes, size_t count, const std::string& lineEnd) {
  if (count == 0) return "";
  const char cells[] = {'-', 'x', 'o', 'O'};
  int side = bytes[0] % 20 + 1;
  std::string text;
  for (int y = 0; y < side; y++) {
    for (int x = 0; x < side; x++) {
      size_t cell = size_t(y * side + x);
      size_t byte = 1 + cell / 4;
      text += byte < count ? cells[(bytes[byte] >> (2 * (cell % 4))) & 3] : '-';
    }
    text += lineEnd;
  }
  return text;
}

void DecodeLevel(uint8_t how, char level, ProgramSetup& setup) {
  std::string character(1, level);
  switch (how & 3) {
    case 0: setup.executable = "tulvo" + character + ".exe"; break;
    case 1: setup.arguments = {character}; break;
    case 2: setup.arguments = {"/" + character}; break;
    default: setup.arguments = {""}; break;
  }
}

ProgramSetup Decode(const uint8_t* data, size_t size) {
  uint8_t header[kHeaderBytes] = {};
  size_t headerSize = std::min(size, kHeaderBytes);
  std::copy(data, data + headerSize, header);
  const uint8_t* rest = data + headerSize;
  size_t restSize = size - headerSize;

  ProgramSetup setup;
  DecodeLevel(header[0], char(header[1]), setup);
  setup.millisecondsOfDay =
      uint32_t(header[2] | header[3] << 8 | header[4] << 16 | uint32_t(header[5]) << 24) % kMillisecondsPerDay;
  if ((header[0] & 8) == 0) setup.tah = (std::string(1, char(header[6])) + "\r\n").substr(0, header[7] % 4);
  if ((header[0] & 4) == 0) {
    if (header[0] & 64)
      setup.plocha = PackedBoard(rest, restSize, (header[0] & 128) ? "\r\n" : "\n");
    else
      setup.plocha = std::string(reinterpret_cast<const char*>(rest), restSize);
  }
  if (header[0] & 16) setup.brokenFiles.push_back("plocha.dat");
  if (header[0] & 32) setup.brokenFiles.push_back("tah.dat");
  return setup;
}

[[noreturn]] void Fail(const std::string& what) {
  fprintf(stderr, "outcome fault: %s\n", what.c_str());
  abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ProgramSetup setup = Decode(data, size);
  MemoryRun first = RunSetupInMemory(setup);
  std::string fault = FindOutcomeFault(first, setup);
  if (!fault.empty()) Fail(fault);
  MemoryRun second = RunSetupInMemory(setup);
  if (second.console != first.console || second.tah != first.tah || second.tahExists != first.tahExists)
    Fail("the same input gave a different result on its second run");
  return 0;
}
