#include "server/ConnectionSlots.h"

#include <algorithm>

ConnectionSlots::ConnectionSlots(std::size_t perClient, std::size_t total)
    : perClient_(std::max<std::size_t>(perClient, 1)), total_(std::max<std::size_t>(total, 1)) {}

ConnectionSlots::Admission ConnectionSlots::Admit(std::uint64_t id, const std::string& key) {
  Admission admission;
  const auto giveWay = [&](const std::set<std::uint64_t>* candidates) {
    if (candidates == nullptr || candidates->empty()) return false;
    const std::uint64_t oldest = *candidates->begin();
    Release(oldest);
    admission.closed.push_back(oldest);
    return true;
  };
  const auto own = perKey_.find(key);
  if (!key.empty() && own != perKey_.end() && own->second >= perClient_) {
    const auto waiting = waitingPerKey_.find(key);
    if (!giveWay(waiting == waitingPerKey_.end() ? nullptr : &waiting->second)) return admission;
  }
  if (slots_.size() >= total_ && !giveWay(&waiting_)) return admission;
  slots_.emplace(id, Slot{key});
  ++perKey_[key];
  waitingPerKey_[key].insert(id);
  waiting_.insert(id);
  admission.admitted = true;
  return admission;
}

void ConnectionSlots::Serving(std::uint64_t id) {
  const auto found = slots_.find(id);
  if (found == slots_.end() || !found->second.waiting) return;
  found->second.waiting = false;
  waiting_.erase(id);
  const auto own = waitingPerKey_.find(found->second.key);
  own->second.erase(id);
  if (own->second.empty()) waitingPerKey_.erase(own);
}

void ConnectionSlots::Release(std::uint64_t id) {
  const auto found = slots_.find(id);
  if (found == slots_.end()) return;
  Serving(id);
  const auto count = perKey_.find(found->second.key);
  if (--count->second == 0) perKey_.erase(count);
  slots_.erase(found);
}
