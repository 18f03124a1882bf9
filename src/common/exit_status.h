// The exit status every program gives a command line it cannot use.
#pragma once

namespace tulvo {

constexpr int kUsageStatus = 2;

}  // namespace tulvo
