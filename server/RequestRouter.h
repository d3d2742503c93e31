// The server's routes applied to requests held in memory: the HTTP library parses each whole
// request and writes its answer into memory, never touching a socket, so a worker serves a
// request at once whatever its client does. Safe to call from several threads at once.
#pragma once

#include <httplib.h>

#include <cstddef>
#include <string>

class RequestRouter : public httplib::Server {
 public:
  // The records page with its 100 rows is under 30 KiB.
  static constexpr std::size_t kDefaultAnswerBytes = 65536;

  explicit RequestRouter(std::size_t answerBytes = kDefaultAnswerBytes);

  // The whole answer to `request` from a client at `clientAddress`; one that would be longer
  // than the bound is replaced by a 500 answer that says so.
  std::string Answer(const std::string& request, const std::string& clientAddress);

 private:
  const std::size_t answerBytes_;
};
