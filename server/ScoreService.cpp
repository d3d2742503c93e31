#include "server/ScoreService.h"

#include <ctime>
#include <iostream>
#include <optional>
#include <span>

#include "online/ScoreRecord.h"
#include "replay/ReplayFile.h"
#include "server/AddressKey.h"
#include "server/Pages.h"
#include "server/Submission.h"

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kText = "text/plain; charset=utf-8";

// A parameter given exactly once, or nothing.
std::optional<std::string> Single(const httplib::Request& request, const char* key) {
  if (request.get_param_value_count(key) != 1) return std::nullopt;
  return request.get_param_value(key);
}

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

ScoreService::ScoreService(ScoreStore& store, RefusalLog& log, ReplayVerifier* verifier)
    : store_(store), log_(log), verifier_(verifier) {}

void ScoreService::Register(httplib::Server& server) {
  server.set_default_headers({
      {"X-Content-Type-Options", "nosniff"},
      {"Content-Security-Policy",
       "default-src 'none'; style-src 'unsafe-inline'; base-uri 'none'; form-action 'none'; "
       "frame-ancestors 'none'"},
      {"Referrer-Policy", "no-referrer"},
      {"Cache-Control", "no-store"},
  });
  server.Get(std::string(kScriptPath),
             [this](const auto& request, auto& response) { Script(request, response); });
  server.Post(std::string(kScriptPath),
              [this](const auto& request, auto& response) { Replay(request, response); });
  // The bare address, as a person types it, shows the records too.
  server.Get("/", [this](const auto& request, auto& response) { Records(request, response); });
  server.Get("/moregames",
             [](const auto&, auto& response) { response.set_content(MoreGamesPage(), kHtml); });
  server.Get("/subscribe",
             [](const auto&, auto& response) { response.set_content(SubscribePage(), kHtml); });
  // Statuses without a reason of their own (no such page, a request the library refused).
  server.set_error_handler([](const auto&, auto& response) {
    if (response.body.empty()) {
      response.set_content("error " + std::to_string(response.status) + "\n", kText);
    }
  });
  server.set_exception_handler(
      [this](const auto& request, auto& response, std::exception_ptr error) {
        std::string what = "unknown failure";
        try {
          std::rethrow_exception(error);
        } catch (const std::exception& e) {
          what = e.what();
        } catch (...) {
        }
        log_.Refused(request.remote_addr, 500, what, std::chrono::steady_clock::now());
        response.status = 500;
        response.set_content("the server failed\n", kText);
      });
}

void ScoreService::Script(const httplib::Request& request, httplib::Response& response) {
  if (Single(request, "prg") != kProgramName)
    return Refuse(request, response, 400, "unknown program");
  const bool version = request.has_param("version");
  const bool submit = request.has_param("hs");
  const bool show = request.has_param("show");
  if (version + submit + show != 1) return Refuse(request, response, 400, "unknown request");
  if (version) return Version(request, response);
  if (submit) return Submit(request, response);
  return Records(request, response);
}

// The version check is what a client's budget pays for: a token is the right to store one record,
// so an address that may not send a record gets no token and the game offers to try again.
void ScoreService::Version(const httplib::Request& request, httplib::Response& response) {
  const std::optional<std::string> token =
      store_.IssueToken(AddressKey(request.remote_addr), NowMs());
  if (!token) return Refuse(request, response, 429, "too many records from this address for now");
  response.set_content("OK|1|" + std::string(kProgramName) + "|" +
                           std::to_string(std::time(nullptr)) + "|" + *token + "|",
                       kText);
}

// A record is refused on its own faults alone; refusals touch no budget, so what one sender
// spoils costs nobody else behind its address.
void ScoreService::Submit(const httplib::Request& request, httplib::Response& response) {
  const std::optional<std::string> symbols = Single(request, "inf");
  if (!symbols) return Refuse(request, response, 400, "no record");
  std::string reason;
  const std::optional<Submission> submission = CheckSubmission(*symbols, reason);
  if (!submission) return Refuse(request, response, 400, reason);
  const StoredScore score{0,
                          submission->name,
                          submission->add,
                          submission->score,
                          std::time(nullptr),
                          request.remote_addr};
  if (!store_.AddWithToken(submission->token, score, NowMs())) {
    return Refuse(request, response, 403, "unknown, used or expired token");
  }
  // One write for the line, so that lines from workers at once do not mix.
  std::cerr << "glintbreaker-server: stored " + std::to_string(submission->score) + " from " +
                   request.remote_addr + "\n";
  response.set_content("OK\n", kText);
}

// A record's replay, sent after it under the record's token from the same address: kept with
// the record and queued to be played. Each record takes one replay, so a client sends no more
// replays than its budget let it send records.
void ScoreService::Replay(const httplib::Request& request, httplib::Response& response) {
  if (Single(request, "prg") != kProgramName || !request.has_param("replay")) {
    return Refuse(request, response, 400, "unknown request");
  }
  const std::optional<std::string> token = Single(request, "p");
  if (!token) return Refuse(request, response, 400, "no token");
  std::string reason;
  const std::span<const std::uint8_t> bytes(
      reinterpret_cast<const std::uint8_t*>(request.body.data()), request.body.size());
  if (!DecodeReplay(bytes, reason)) return Refuse(request, response, 400, "the replay " + reason);
  if (verifier_ == nullptr) return Refuse(request, response, 503, "replays are not checked here");
  const std::string client = AddressKey(request.remote_addr);
  if (!verifier_->HasRoom(client)) {
    return Refuse(request, response, 503, "too many replays waiting to be checked");
  }
  const auto record = store_.AttachReplay(*token, request.remote_addr, request.body, NowMs());
  if (!record) return Refuse(request, response, 403, "no record of this token waits for a replay");
  if (!verifier_->Offer(client, record->first, record->second, request.body)) {
    std::cerr << "glintbreaker-server: record " + std::to_string(record->first) +
                     " keeps its replay unchecked: the queue filled meanwhile\n";
  }
  response.set_content("OK\n", kText);
}

void ScoreService::Records(const httplib::Request& request, httplib::Response& response) {
  if (request.path == kScriptPath && Single(request, "type") != "0") {
    return Refuse(request, response, 404, "no such table");
  }
  const bool verifiedOnly = Single(request, "verified") == "1";
  response.set_content(RecordsPage(store_.Best(kRecordsShown, verifiedOnly), verifiedOnly), kHtml);
}

void ScoreService::Refuse(const httplib::Request& request, httplib::Response& response, int status,
                          const std::string& reason) {
  log_.Refused(request.remote_addr, status, reason, std::chrono::steady_clock::now());
  response.status = status;
  response.set_content(reason + "\n", kText);
}
