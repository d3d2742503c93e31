// The connection thread on a fake HTTP client: which requests it makes for each version answer,
// what it reports, the priority it runs at, and that destroying it cuts a request short.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "online/ConnThread.h"
#include "online/ScoreRecord.h"

namespace {

using namespace std::chrono_literals;

// What the fake saw; it outlives the thread object that owns the fake.
struct TRequests {
  std::mutex lock;
  std::condition_variable changed;
  std::vector<std::string> addresses;
  std::vector<bool> lowest;  // whether each request ran at the lowest priority
  bool cancelled = false;
};

// Gives the answers in order (nothing once they run out); with `hold` set, the first request
// waits until it is cancelled.
class FakeClient final : public THttpClient {
 public:
  FakeClient(TRequests& seen, std::vector<std::optional<std::string>> answers, bool hold = false)
      : seen_(seen), answers_(std::move(answers)), hold_(hold) {}

  std::optional<std::string> Get(const std::string& address) override { return Answer(address); }

  std::optional<std::string> Post(const std::string& address, const std::string& body) override {
    return Answer("POST " + address + " " + body);
  }

  void Cancel() override {
    const std::lock_guard<std::mutex> guard(seen_.lock);
    seen_.cancelled = true;
    seen_.changed.notify_all();
  }

 private:
  std::optional<std::string> Answer(const std::string& request) {
    std::unique_lock<std::mutex> guard(seen_.lock);
    seen_.addresses.push_back(request);
#ifdef _WIN32
    seen_.lowest.push_back(GetThreadPriority(GetCurrentThread()) == THREAD_PRIORITY_LOWEST);
#else
    seen_.lowest.push_back(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())) == 19);
#endif
    seen_.changed.notify_all();
    if (hold_) seen_.changed.wait_for(guard, 30s, [this] { return seen_.cancelled; });
    if (seen_.cancelled || seen_.addresses.size() > answers_.size()) return std::nullopt;
    return answers_[seen_.addresses.size() - 1];
  }

  TRequests& seen_;
  std::vector<std::optional<std::string>> answers_;
  bool hold_;
};

const TSubmission kSubmission{"http://scores.test:99", "\x89\xB6", "\x81", 1160, {}};

TSubmitOutcome OutcomeOf(ConnThrd& thread) {
  for (auto waited = 0ms; waited < 10s; waited += 1ms) {
    if (const TSubmitOutcome outcome = thread.TakeOutcome(); outcome != TSubmitOutcome::None) {
      return outcome;
    }
    std::this_thread::sleep_for(1ms);
  }
  return TSubmitOutcome::None;
}

TEST(ConnThread, TheVersionAnswerDecidesWhetherTheRecordGoesOut) {
  const std::string version = "http://scores.test:99/cgi/version.pl?version&prg=Glintbreaker";
  const auto submission = [](const std::string& token) {
    return "http://scores.test:99/cgi/version.pl?hs&prg=Glintbreaker&inf=" +
           EncodeScoreRecord(BuildScoreRecord("\x89\xB6", 1160, token, "\x81"));
  };
  const struct {
    const char* name;
    std::vector<std::optional<std::string>> answers;
    TSubmitOutcome outcome;
    std::vector<std::string> addresses;
    std::string replay;  // the record's replay, if any
  } cases[] = {
      {"a token", {"OK|1|2|3|T|", "thanks"}, TSubmitOutcome::Sent, {version, submission("T")}, ""},
      {"no token", {"OK|1|2", "thanks"}, TSubmitOutcome::Sent, {version, submission("")}, "R"},
      {"a failed submission is not the player's concern",
       {"OK|1|2|3|T|"},
       TSubmitOutcome::Sent,
       {version, submission("T")},
       ""},
      {"no OK", {"<html>busy</html>"}, TSubmitOutcome::Failed, {version}, "R"},
      {"no answer", {std::nullopt}, TSubmitOutcome::Failed, {version}, ""},
      {"the replay follows the record, tied to it by the token",
       {"OK|1|2|3|0f3A|", "thanks", "OK"},
       TSubmitOutcome::Sent,
       {version, submission("0f3A"),
        "POST http://scores.test:99/cgi/version.pl?replay&prg=Glintbreaker&p=0f3A GLRP\x01"},
       "GLRP\x01"},
      {"a refused replay is not the player's concern either",
       {"OK|1|2|3|T|", "thanks"},
       TSubmitOutcome::Sent,
       {version, submission("T"),
        "POST http://scores.test:99/cgi/version.pl?replay&prg=Glintbreaker&p=T R"},
       "R"},
      {"no replay without a token that stays one in an address",
       {"OK|1|2|3|T&x=1|", "thanks"},
       TSubmitOutcome::Sent,
       {version, submission("T&x=1")},
       "R"},
      {"no replay when the version check failed",
       {std::nullopt},
       TSubmitOutcome::Failed,
       {version},
       "R"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TRequests seen;
    {
      ConnThrd thread;
      EXPECT_EQ(thread.TakeOutcome(), TSubmitOutcome::None);
      TSubmission submission = kSubmission;
      submission.Replay.assign(c.replay.begin(), c.replay.end());
      thread.Start(std::make_unique<FakeClient>(seen, c.answers), submission);
      EXPECT_EQ(OutcomeOf(thread), c.outcome);
      // Handed over once.
      EXPECT_EQ(thread.TakeOutcome(), TSubmitOutcome::None);
    }
    EXPECT_EQ(seen.addresses, c.addresses);
    EXPECT_EQ(seen.lowest, std::vector<bool>(c.addresses.size(), true));
  }
}

TEST(ConnThread, DestroyingItCutsARunningRequestShort) {
  TRequests seen;
  auto thread = std::make_unique<ConnThrd>();
  thread->Start(std::make_unique<FakeClient>(seen, std::vector<std::optional<std::string>>{},
                                             /*hold=*/true),
                kSubmission);
  {
    std::unique_lock<std::mutex> guard(seen.lock);
    seen.changed.wait(guard, [&] { return !seen.addresses.empty(); });
  }
  thread.reset();
  EXPECT_TRUE(seen.cancelled);
  EXPECT_EQ(seen.addresses.size(), 1u);
}

}  // namespace
