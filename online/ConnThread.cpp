#include "online/ConnThread.h"

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
  outcome_ = TSubmitOutcome::Sent;
}
