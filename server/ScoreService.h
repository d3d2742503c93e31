// The server's addresses: the game's script (version check, submission, a record's replay,
// records page) and the pages of the main menu's links, over the store's records, tokens and
// budgets; replays go to the verifier.
#pragma once

#include <httplib.h>

#include "server/RefusalLog.h"
#include "server/ReplayVerifier.h"
#include "server/ScoreStore.h"

inline constexpr int kRecordsShown = 100;

class ScoreService {
 public:
  // Without a verifier, replays are refused: nothing here could play them.
  ScoreService(ScoreStore& store, RefusalLog& log, ReplayVerifier* verifier = nullptr);
  ScoreService(const ScoreService&) = delete;
  ScoreService& operator=(const ScoreService&) = delete;

  // Adds the routes and the common headers; the service must outlive the server.
  void Register(httplib::Server& server);

 private:
  void Script(const httplib::Request& request, httplib::Response& response);
  void Version(const httplib::Request& request, httplib::Response& response);
  void Submit(const httplib::Request& request, httplib::Response& response);
  void Replay(const httplib::Request& request, httplib::Response& response);
  void Records(const httplib::Request& request, httplib::Response& response);
  void Refuse(const httplib::Request& request, httplib::Response& response, int status,
              const std::string& reason);

  ScoreStore& store_;
  RefusalLog& log_;
  ReplayVerifier* verifier_;
};
