// The scan of the marked cells and the SearchBox.
#include "engine/analysis/candidates.h"

#include <algorithm>
#include <cassert>

#include "engine/analysis/analysis_state.h"

namespace tulvo::engine {

void PrepareCandidates(AnalysisState& s) {
  SearchBox box = {999, 999, -999, -999};
  assert(s.boardMax <= kMaxCoordinate);
  PrepareLineMasks(s);
  // Read once: the scan writes only the cells' tables.
  const int last = std::min(int(s.boardMax), kMaxCoordinate);
  for (int x = 0; x <= last; x++) {
    for (int y = 0; y <= last; y++) {
      if (s.candidateMask[x][y] == 0) continue;
      ScanCell(s, x, y);
      box.minX = std::min(box.minX, x);
      box.minY = std::min(box.minY, y);
      box.maxX = std::max(box.maxX, x);
      box.maxY = std::max(box.maxY, y);
    }
  }
  box.minX = std::max(box.minX - 2, 0);
  box.minY = std::max(box.minY - 2, 0);
  box.maxX = std::min(box.maxX + 2, last);
  box.maxY = std::min(box.maxY + 2, last);
  s.searchBox = box;
}

}  // namespace tulvo::engine
