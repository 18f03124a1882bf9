// A fault of the arena itself, not of an engine: a scratch folder it cannot create,
// a file or pipe it cannot make. It ends the match with its message.
#pragma once

#include <stdexcept>

namespace tulvo::arena {

class ArenaFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tulvo::arena
