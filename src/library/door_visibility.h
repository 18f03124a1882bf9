// Forced into every source of libtulvo, before anything else: the door's declarations
// are made here first, with default visibility, so that the library exports them
// while everything else it holds stays hidden.
#pragma once

#pragma GCC visibility push(default)
#include <tulvo/engine.h>
#pragma GCC visibility pop
