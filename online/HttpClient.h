// The plain GET requests of the score submission, behind which libcurl sits
// (online/CurlHttpClient.h); tests put a fake in its place.
#pragma once

#include <optional>
#include <string>

class THttpClient {
 public:
  virtual ~THttpClient() = default;
  // The body of the answer to a GET of `address`. Nothing on any failure: no connection, a
  // time-out, an error status, an answer too large, a cancelled request.
  virtual std::optional<std::string> Get(const std::string& address) = 0;
  // Ends a Get running on another thread soon, as a failure, and fails every later one at once.
  // Safe from any thread.
  virtual void Cancel() = 0;
};
