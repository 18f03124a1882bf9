// Game clocks as tournaments write them: MATCH[/TURN][+INC] in seconds.
#include "arena/match/time_control.h"

#include <cmath>

#include "common/parse_number.h"

namespace tulvo::arena {

// Seconds, perhaps with a fraction, as whole milliseconds; -1 when text is no such number.
static int Milliseconds(const std::string& text) {
  const std::optional<double> seconds = text::ParseDecimal(text);
  bool usable = seconds && *seconds >= 0 && *seconds <= 86400;
  return usable ? int(std::lround(*seconds * 1000)) : -1;
}

std::optional<GameClock> ParseTimeControl(const std::string& text, std::string& error) {
  size_t plus = text.find('+');
  std::string head = text.substr(0, plus);
  size_t slash = head.find('/');
  int match = Milliseconds(head.substr(0, slash));
  int turn = slash == std::string::npos ? 0 : Milliseconds(head.substr(slash + 1));
  int increment = plus == std::string::npos ? 0 : Milliseconds(text.substr(plus + 1));
  if (match <= 0 || turn < 0 || increment < 0 || (slash != std::string::npos && turn == 0)) {
    error = "--tc needs MATCH[/TURN][+INC] in seconds, such as 180/5+1, not '" + text + "'";
    return std::nullopt;
  }
  return GameClock{match, turn, increment};
}

}  // namespace tulvo::arena
