// A fault of the arena itself, not of an engine: a scratch folder it cannot create,
// a file or pipe it cannot make. It ends the match with its message.
#pragma once

#include "platform/process_channel.h"

namespace tulvo::arena {

// The same kind as the platform's: a pipe, file or folder the system cannot make.
using ArenaFault = SystemFault;

}  // namespace tulvo::arena
