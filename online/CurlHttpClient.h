// The HTTP client on libcurl, with the limits that keep a silent, slow or flooding server from
// holding the player in the sending state.
#pragma once

#include <cstddef>
#include <memory>

#include "online/HttpClient.h"

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

// A client for http and https addresses only; redirections are not followed. Called on the main
// thread: the first call loads libcurl (online/CurlLibrary.h); when it cannot be loaded, every
// request of the client fails.
std::unique_ptr<THttpClient> MakeCurlHttpClient(THttpTimeouts timeouts = {});
// The library's global end, after the last client is gone; nothing when it was never loaded.
void StopHttpLibrary();
