// The operator's commands on the score database: list the best records, remove one by its id or
// every record from one address.
#pragma once

#include <ostream>

#include "server/ScoreStore.h"
#include "server/ServerOptions.h"

// Runs options.command (not Serve) and says what it did on `out`; the exit status: 0, or 1 when
// there was nothing to remove.
int RunOperatorCommand(const ServerOptions& options, ScoreStore& store, std::ostream& out);
