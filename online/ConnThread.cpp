#include "online/ConnThread.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "online/ScoreRecord.h"
#include "platform/os.h"

ConnThrd::~ConnThrd() {
  if (!thread_.joinable()) return;
  client_->Cancel();
  thread_.join();
}

void ConnThrd::Start(std::unique_ptr<THttpClient> client, TSubmission submission) {
  if (thread_.joinable()) return;
  client_ = std::move(client);
  submission_ = std::move(submission);
  thread_ = std::thread(&ConnThrd::Execute, this);
}

TSubmitOutcome ConnThrd::TakeOutcome() {
  return outcome_.exchange(TSubmitOutcome::None);
}

void ConnThrd::Execute() {
  os::useLowestThreadPriority();
  const std::string& server = submission_.ServerAddress;
  const std::optional<std::string> answer = client_->Get(server + kVersionRequest);
  const std::optional<std::string> token = answer ? VersionToken(*answer) : std::nullopt;
  if (!token) {
    outcome_ = TSubmitOutcome::Failed;
    return;
  }
  const std::string record =
      BuildScoreRecord(submission_.Name, submission_.Score, *token, submission_.AddText);
  // Whether the server took the record or not, the player is done with sending it.
  client_->Get(server + kSubmitRequest + EncodeScoreRecord(record));
  const std::vector<std::uint8_t>& replay = submission_.Replay;
  // The server's tokens are hex digits; any other token would not stay one in an address.
  const bool plainToken = !token->empty() && std::all_of(token->begin(), token->end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
  if (!replay.empty() && plainToken) {
    client_->Post(server + kReplayRequest + *token, std::string(replay.begin(), replay.end()));
  }
  outcome_ = TSubmitOutcome::Sent;
}
