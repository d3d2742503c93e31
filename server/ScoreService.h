// The server's addresses: the game's script (version check, submission, records page) and the
// pages of the main menu's links, with the tokens and limits the requests share.
#pragma once

#include <httplib.h>

#include "server/RateLimit.h"
#include "server/ScoreStore.h"
#include "server/TokenStore.h"

inline constexpr int kRecordsShown = 100;

class ScoreService {
 public:
  explicit ScoreService(ScoreStore& store);
  ScoreService(const ScoreService&) = delete;
  ScoreService& operator=(const ScoreService&) = delete;

  // Adds the routes and the common headers; the service must outlive the server.
  void Register(httplib::Server& server);

 private:
  void Script(const httplib::Request& request, httplib::Response& response);
  void Version(const httplib::Request& request, httplib::Response& response);
  void Submit(const httplib::Request& request, httplib::Response& response);
  void Records(const httplib::Request& request, httplib::Response& response);

  ScoreStore& store_;
  TokenStore tokens_;
  RateLimit versionLimit_;  // keeps one address from crowding everyone's tokens out
  RateLimit submitLimit_;
};
