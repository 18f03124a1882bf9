// Board texts that end-to-end tests write into plocha.dat.
#include "support/protocol_files.h"

namespace tulvo::test {

const std::string kBannerOutput =
    "Tulvo algoritmus 3.01 by the tulvo developers\r\n"
    "Pouziti: \"tulvo.exe /n\" kde n je cislo AI od 0 do 6. 6 je default.\r\n"
    "Nebo prejmenovat na tulvo0.exe, tulvo1.exe ... tulvo6.exe\r\n";

std::string Rows(int side, const std::string& end) {
  std::string text;
  for (int y = 0; y < side; y++) text += std::string(size_t(side), '-') + end;
  return text;
}

std::string FiveCompletion(const std::string& end) {
  std::string text;
  for (int y = 0; y < 20; y++) {
    std::string row(20, '-');
    if (y == 5) row.replace(4, 5, "oxxxx");
    if (y == 10) row[10] = 'o';
    text += row + end;
  }
  return text;
}

Outcome PlayInScratch(const std::string& plocha, const std::string& tah,
                      const std::function<ProgramRun(const ScratchDirectory&)>& run) {
  ScratchDirectory dir;
  dir.Write("plocha.dat", plocha);
  dir.Write("tah.dat", tah);
  ProgramRun ran = run(dir);
  return {ran, dir.Read("tah.dat")};
}

}  // namespace tulvo::test
