#include "tests/server/game_requests.h"

#include "online/ScoreRecord.h"
#include "tests/server/loopback_client.h"

namespace server_testing {

std::string SubmissionTarget(const std::string& token, int score) {
  return "/cgi/version.pl?hs&prg=Glintbreaker&inf=" +
         EncodeScoreRecord(BuildScoreRecord("\x82\xA0\xAD\xC0", score, token, ""));
}

GameRequests SendAsTheGame(const std::string& from, int versionPort, int recordPort, int score) {
  GameRequests sent;
  const HttpAnswer answer = GetFrom(from, versionPort, kVersionTarget);
  sent.version = answer.status;
  const auto token = VersionToken(answer.body);
  if (sent.version == 200 && token) {
    sent.record = GetFrom(from, recordPort, SubmissionTarget(*token, score)).status;
  }
  return sent;
}

std::string PlayerAddress(int n) {
  return "127." + std::to_string(n / 62500) + "." + std::to_string(1 + n / 250 % 250) + "." +
         std::to_string(1 + n % 250);
}

}  // namespace server_testing
