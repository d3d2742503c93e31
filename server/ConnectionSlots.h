// Which connections the server keeps open: a few at once per client (AddressKey) and a bounded
// number in all. A connection over either bound takes the place of the oldest one, of the same
// client or of any for the total, that is still waiting for its request; only when all of those
// are being answered is the new connection turned away. So connections held open idle cost their
// holder, not the players who share its address.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class ConnectionSlots {
 public:
  ConnectionSlots(std::size_t perClient, std::size_t total);

  struct Admission {
    bool admitted = false;
    std::vector<std::uint64_t> closed;  // connections that gave way; already released here
  };
  // A new connection `id` from the client `key`; ids grow with each connection accepted. The
  // empty key (a trusted proxy's connections, each carrying other players) has no cap of its own.
  Admission Admit(std::uint64_t id, const std::string& key);
  // The connection's request is whole: from now on it does not give way.
  void Serving(std::uint64_t id);
  void Release(std::uint64_t id);
  std::size_t Open() const { return slots_.size(); }

 private:
  struct Slot {
    std::string key;
    bool waiting = true;
  };
  const std::size_t perClient_;
  const std::size_t total_;
  std::unordered_map<std::uint64_t, Slot> slots_;
  std::unordered_map<std::string, std::size_t> perKey_;
  std::unordered_map<std::string, std::set<std::uint64_t>> waitingPerKey_;  // oldest first
  std::set<std::uint64_t> waiting_;                                         // oldest first
};
