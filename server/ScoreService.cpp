#include "server/ScoreService.h"

#include <ctime>
#include <iostream>
#include <optional>

#include "online/ScoreRecord.h"
#include "server/Pages.h"
#include "server/Submission.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kText = "text/plain; charset=utf-8";

// A parameter given exactly once, or nothing.
std::optional<std::string> Single(const httplib::Request& request, const char* key) {
  if (request.get_param_value_count(key) != 1) return std::nullopt;
  return request.get_param_value(key);
}

void Refuse(const httplib::Request& request, httplib::Response& response, int status,
            const std::string& reason) {
  std::cerr << "glintbreaker-server: " << status << ' ' << reason << " for " << request.remote_addr
            << '\n';
  response.status = status;
  response.set_content(reason + "\n", kText);
}

}  // namespace

ScoreService::ScoreService(ScoreStore& store)
    : store_(store), versionLimit_(30, 10s), submitLimit_(10, 60s) {}

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
  // The bare address, as a person types it, shows the records too.
  server.Get("/", [this](const auto&, auto& response) {
    response.set_content(RecordsPage(store_.Best(kRecordsShown)), kHtml);
  });
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
  server.set_exception_handler([](const auto& request, auto& response, std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      std::cerr << "glintbreaker-server: " << e.what() << '\n';
    } catch (...) {
      std::cerr << "glintbreaker-server: unknown failure\n";
    }
    Refuse(request, response, 500, "the server failed");
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

void ScoreService::Version(const httplib::Request& request, httplib::Response& response) {
  const auto now = std::chrono::steady_clock::now();
  if (!versionLimit_.Allow(request.remote_addr, now)) {
    return Refuse(request, response, 429, "too many requests");
  }
  response.set_content("OK|1|" + std::string(kProgramName) + "|" +
                           std::to_string(std::time(nullptr)) + "|" + tokens_.Issue(now) + "|",
                       kText);
}

void ScoreService::Submit(const httplib::Request& request, httplib::Response& response) {
  const auto now = std::chrono::steady_clock::now();
  if (!submitLimit_.Allow(request.remote_addr, now)) {
    return Refuse(request, response, 429, "too many submissions");
  }
  const std::optional<std::string> symbols = Single(request, "inf");
  if (!symbols) return Refuse(request, response, 400, "no record");
  std::string reason;
  const std::optional<Submission> submission = CheckSubmission(*symbols, reason);
  if (!submission) return Refuse(request, response, 400, reason);
  if (!tokens_.Redeem(submission->token, now)) {
    return Refuse(request, response, 403, "unknown, used or expired token");
  }
  store_.Add({submission->name, submission->add, submission->score, std::time(nullptr),
              request.remote_addr});
  std::cerr << "glintbreaker-server: stored " << submission->score << " from "
            << request.remote_addr << '\n';
  response.set_content("OK\n", kText);
}

void ScoreService::Records(const httplib::Request& request, httplib::Response& response) {
  if (Single(request, "type") != "0") return Refuse(request, response, 404, "no such table");
  response.set_content(RecordsPage(store_.Best(kRecordsShown)), kHtml);
}
