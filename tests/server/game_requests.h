// The game's requests to the score server, sent from loopback addresses as many players.
#pragma once

#include <string>

namespace server_testing {

inline const std::string kVersionTarget = "/cgi/version.pl?version&prg=Glintbreaker";

// The submission of a record of `score` with `token`, as the game encodes it.
std::string SubmissionTarget(const std::string& token, int score);

struct GameRequests {
  int version = 0;  // the statuses of its two requests; 0: no answer in time
  int record = 0;
};

// What the game does to send a record from `from`: a token from `versionPort`, then the record
// with it to `recordPort` (the same server, or another behind the same proxy).
GameRequests SendAsTheGame(const std::string& from, int versionPort, int recordPort,
                           int score = 1160);

// Player n's own address in 127.0.0.0/8 (n below 15 million): 127.0.1.1 for player 0; the
// players below 1750 stay under 127.0.8.0.
std::string PlayerAddress(int n);

}  // namespace server_testing
