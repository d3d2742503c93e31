// The operator's commands on the score database: list the best records with how their replays'
// checks went, remove one by its id or every record from one address, take out a record's replay.
#pragma once

#include <ostream>

#include "server/ScoreStore.h"
#include "server/ServerOptions.h"

// Runs options.command (not Serve) and says what it did on `out` (a replay: its bytes on `out`,
// what is known of it on `notes`); the exit status: 0, or 1 when there was nothing to remove or
// no replay.
int RunOperatorCommand(const ServerOptions& options, ScoreStore& store, std::ostream& out,
                       std::ostream& notes);
