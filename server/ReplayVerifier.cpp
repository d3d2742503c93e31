#include "server/ReplayVerifier.h"

#include <iostream>

ReplayVerifier::ReplayVerifier(ScoreStore& store, ReplayCheckSetup setup, VerifierLimits limits)
    : store_(store), setup_(std::move(setup)), limits_(limits), worker_([this] { Work(); }) {}

ReplayVerifier::~ReplayVerifier() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

bool ReplayVerifier::RoomFor(const std::string& client) const {
  const auto held = perClient_.find(client);
  return jobs_.size() + (busy_ ? 1 : 0) < limits_.queued &&
         (held == perClient_.end() || held->second < limits_.perClient);
}

bool ReplayVerifier::HasRoom(const std::string& client) {
  const std::lock_guard lock(mutex_);
  return RoomFor(client);
}

bool ReplayVerifier::Offer(const std::string& client, std::int64_t id, std::int32_t score,
                           std::string replay) {
  {
    const std::lock_guard lock(mutex_);
    if (!RoomFor(client)) return false;
    ++perClient_[client];
    jobs_.push_back({client, id, score, std::move(replay)});
  }
  changed_.notify_all();
  return true;
}

void ReplayVerifier::WaitIdle() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void ReplayVerifier::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (stopping_) return;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    busy_ = true;
    lock.unlock();
    const ReplayVerdict verdict = CheckReplay(setup_, job.replay, job.score, stopping_);
    try {
      store_.SetReplayState(job.id, verdict.state, verdict.detail);
    } catch (const std::exception& e) {
      std::cerr << "glintbreaker-server: record " + std::to_string(job.id) +
                       " stays unchecked: " + e.what() + "\n";
    }
    const char* outcome = verdict.state == ReplayState::Verified  ? "verified"
                          : verdict.state == ReplayState::Flagged ? "flagged"
                                                                  : "left unchecked";
    // One write for the line, so that lines from threads at once do not mix.
    std::cerr << "glintbreaker-server: record " + std::to_string(job.id) + " " + outcome + ": " +
                     verdict.detail + "\n";
    lock.lock();
    busy_ = false;
    if (--perClient_[job.client] == 0) perClient_.erase(job.client);
    changed_.notify_all();
  }
}
