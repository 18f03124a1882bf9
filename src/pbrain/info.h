// INFO keys: only a rule other than free style is answered; the others change nothing.
#pragma once

#include <cstdio>
#include <string>

namespace tulvo::pbrain {

struct Session;

// Stores "key value"; sends one MESSAGE when rule turns to one tulvo does not apply.
void HandleInfo(Session& session, const std::string& argument, FILE* out);

}  // namespace tulvo::pbrain
