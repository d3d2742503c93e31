// The replays waiting to be played, and the one thread that plays them one at a time
// (CheckReplay) and marks their records. The queue is bounded, in all and for each client, so
// that a flood of replays costs a bounded amount of memory and of the processor's time.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "server/ReplayCheck.h"
#include "server/ScoreStore.h"

struct VerifierLimits {
  std::size_t queued = 64;    // replays waiting or being played, in all
  std::size_t perClient = 4;  // and of one client (an AddressKey)
};

class ReplayVerifier {
 public:
  ReplayVerifier(ScoreStore& store, ReplayCheckSetup setup, VerifierLimits limits = {});
  // Ends after the check under way; replays still queued stay Pending in the store.
  ~ReplayVerifier();
  ReplayVerifier(const ReplayVerifier&) = delete;
  ReplayVerifier& operator=(const ReplayVerifier&) = delete;

  // Whether a replay from `client` would be taken now.
  bool HasRoom(const std::string& client);
  // Queues record `id`'s replay, which must play to `score`; false when there is no room.
  bool Offer(const std::string& client, std::int64_t id, std::int32_t score, std::string replay);
  // Returns once every replay offered so far has been checked (tests).
  void WaitIdle();

 private:
  struct Job {
    std::string client;
    std::int64_t id = 0;
    std::int32_t score = 0;
    std::string replay;
  };
  bool RoomFor(const std::string& client) const;  // with the lock held
  void Work();

  ScoreStore& store_;
  const ReplayCheckSetup setup_;
  const VerifierLimits limits_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  std::map<std::string, std::size_t> perClient_;  // queued or being checked
  bool busy_ = false;
  bool stopping_ = false;
  std::thread worker_;  // last: it starts once the rest is ready
};
