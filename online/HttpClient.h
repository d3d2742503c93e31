// The plain requests of the score submission (GETs, and the POST of a record's replay), with the
// limits that keep a silent, slow or flooding server from holding the player in the sending
// state. libcurl sits behind it on Linux (online/CurlHttpClient.cpp), WinHTTP on Windows
// (online/WinHttpClient.cpp); tests put a fake in its place.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

class THttpClient {
 public:
  virtual ~THttpClient() = default;
  // The body of the answer to a GET of `address`. Nothing on any failure: no connection, a
  // time-out, an error status, an answer too large, a cancelled request.
  virtual std::optional<std::string> Get(const std::string& address) = 0;
  // The same for a POST of `body` (application/octet-stream) to `address`.
  virtual std::optional<std::string> Post(const std::string& address, const std::string& body) = 0;
  // Ends a request running on another thread soon, as a failure, and fails every later one at once.
  // Safe from any thread.
  virtual void Cancel() = 0;
};

inline constexpr long kConnectTimeoutMs = 5000;
// The whole request, connection included: a server that answers a byte at a time fails too.
inline constexpr long kRequestTimeoutMs = 15000;

// How long a request may take: to connect, and in all.
struct THttpTimeouts {
  long connectMs = kConnectTimeoutMs;
  long totalMs = kRequestTimeoutMs;
};
// A larger answer is cut off and fails; the version answer is a line of text.
inline constexpr std::size_t kMaxAnswerBytes = 64 * 1024;
inline constexpr const char* kUserAgent = "Glintbreaker/1.0";
inline constexpr const char* kAcceptHeader = "Accept: text/html, */*";
// What a POST carries: a record's replay as bytes.
inline constexpr const char* kBodyTypeHeader = "Content-Type: application/octet-stream";

// A client for http and https addresses only; redirections are not followed. Called on the main
// thread. On Linux the first call loads libcurl (online/CurlLibrary.h); when it cannot be
// loaded, every request of the client fails. On Windows it is the system's WinHTTP.
std::unique_ptr<THttpClient> MakeHttpClient(THttpTimeouts timeouts = {});
// The library's global end, after the last client is gone; nothing when it was never loaded.
void StopHttpLibrary();
