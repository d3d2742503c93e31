// Sending a new record: whole games on the headless engine against a score server inside the
// test, on a loopback port. A server that answers lands the game on the records panel with the
// record sent; a server that refuses, stays silent, trickles, floods or answers nonsense ends in
// the try-again question within the request time-out, while the frames go on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "online/ScoreRecord.h"
#include "tests/scenario/level_fixture.h"
#include "tests/scenario/loopback_socket.h"
#include "tests/support/game_runner.h"

namespace {

using namespace std::chrono_literals;
using testing::HasSubstr;
using testing_support::Field;
using testing_support::GameDirWithLevels;
using testing_support::GameRun;
using testing_support::Level;
using testing_support::PointerAt;
using testing_support::RunScript;
using testing_support::TempDir;
using testing_support::WriteFile;

enum class Serving {
  Answering,    // "OK" with a token to the version check, "OK" to the record
  BusyOnce,     // the first version check gets no "OK", then as Answering
  Refusing,     // the port is taken but nothing listens: connections are refused
  Silent,       // reads the request and never answers
  Trickling,    // answers "OK|..." one byte a second
  Flooding,     // answers "OK|..." followed by 10 MB
  Nonsense,     // answers a page without "OK"
  ErrorStatus,  // answers "OK|..." with the status 500
};

// A score server on a loopback port. It serves one connection at a time, each with one request
// and "Connection: close", and keeps every request's head.
class FakeScoreServer {
 public:
  explicit FakeScoreServer(Serving serving) : serving_(serving) {
    loopback::Start();
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    loopback::Size length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      ADD_FAILURE() << "no loopback port";
    }
    port_ = ntohs(address.sin_port);
    if (serving_ == Serving::Refusing) return;
    listen(listener_, 8);
    thread_ = std::thread([this] { Serve(); });
  }
  ~FakeScoreServer() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    loopback::Close(listener_);
  }

  std::string Address() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::vector<std::string> Requests() const {
    const std::lock_guard<std::mutex> guard(lock_);
    return requests_;
  }

 private:
  // Waits up to 50 ms for `fd` to become readable; false when it did not or the test ends.
  bool Readable(loopback::Socket fd) const {
    pollfd wait{fd, POLLIN, 0};
    return !stopping_ && loopback::Poll(&wait, 1, 50) > 0;
  }

  void Serve() {
    while (!stopping_) {
      if (!Readable(listener_)) continue;
      const loopback::Socket connection = accept(listener_, nullptr, nullptr);
      if (connection == loopback::kNoSocket) continue;
      const std::string head = ReadHead(connection);
      if (!head.empty()) Answer(connection, head);
      loopback::Close(connection);
    }
  }

  std::string ReadHead(loopback::Socket connection) {
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 16384) {
      if (stopping_) return "";
      if (!Readable(connection)) continue;
      const auto n = recv(connection, buffer, sizeof buffer, 0);
      if (n <= 0) return "";
      head.append(buffer, n);
    }
    const std::lock_guard<std::mutex> guard(lock_);
    requests_.push_back(head);
    return head;
  }

  bool Send(loopback::Socket connection, const std::string& bytes) {
    return send(connection, bytes.data(), static_cast<int>(bytes.size()), loopback::kNoSignal) ==
           static_cast<int>(bytes.size());
  }

  static std::string Head(const char* status, std::size_t length) {
    return std::string("HTTP/1.1 ") + status +
           "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(length) +
           "\r\nConnection: close\r\n\r\n";
  }

  void Answer(loopback::Socket connection, const std::string& head) {
    const std::string token = "OK|1|2|3|T|";
    const bool versionCheck = head.starts_with("GET /cgi/version.pl?version&");
    switch (serving_) {
      case Serving::Answering:
      case Serving::BusyOnce:
        if (serving_ == Serving::BusyOnce && versionCheck && versionChecks_++ == 0) {
          Send(connection, Head("200 OK", 4) + "Busy");
        } else {
          const std::string body = versionCheck ? token : "OK";
          Send(connection, Head("200 OK", body.size()) + body);
        }
        break;
      case Serving::Silent:
        // Until the game gives up and closes the connection.
        for (char byte; !stopping_;) {
          if (Readable(connection) && recv(connection, &byte, 1, 0) <= 0) break;
        }
        break;
      case Serving::Trickling: {
        const std::string body = token + std::string(49, 'x');
        if (!Send(connection, Head("200 OK", body.size()))) break;
        for (std::size_t i = 0; i < body.size() && !stopping_; ++i) {
          if (!Send(connection, body.substr(i, 1))) break;
          for (int wait = 0; wait < 20 && !stopping_; ++wait) std::this_thread::sleep_for(50ms);
        }
        break;
      }
      case Serving::Flooding: {
        const std::size_t total = 10 << 20;
        if (!Send(connection, Head("200 OK", total) + token)) break;
        const std::string block(64 << 10, 'x');
        for (std::size_t sent = token.size(); sent < total && !stopping_; sent += block.size()) {
          if (!Send(connection, block.substr(0, std::min(block.size(), total - sent)))) break;
        }
        break;
      }
      case Serving::Nonsense: {
        const std::string body = "<html>Service unavailable|1|2|3|T|</html>";
        Send(connection, Head("200 OK", body.size()) + body);
        break;
      }
      case Serving::ErrorStatus:
        Send(connection, Head("500 Internal Server Error", token.size()) + token);
        break;
      case Serving::Refusing:
        break;
    }
  }

  const Serving serving_;
  loopback::Socket listener_ = loopback::kNoSocket;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  int versionChecks_ = 0;
  mutable std::mutex lock_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A level of hard bricks only ends the game at once with 1160 points, a record in the default
// table. Shift+Q types the name 0x89; Enter on the name, the second name and OK confirms, and
// the game asks whether to send the record.
const std::string kToTheQuestion =
    testing_support::kToNameEntry +
    "hold 42\nkey 16\nframes 1\nrelease 42\n"
    "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\nexpect GameState == gsSubmitAsk\n";
// Yes, sending; the wait is real time while the frames run on a virtual clock.
constexpr const char* kSend = "key 28\nframes 1\nexpect GameState == gsSubmitting\n";
constexpr const char* kMaxFrames = " 100000000\n";

// The record is sent with the second name of the settings file.
constexpr const char* kSecondName = "\x81\x82";

class Online : public testing::Test {
 protected:
  void SetUp() override {
    GameDirWithLevels(game.path(), {Level({"", "..###"})});
    std::string settings(18, '\0');
    settings[0] = settings[1] = settings[2] = 1;
    settings[3] = 2;
    settings.replace(4, 2, kSecondName);
    settings[14] = 88;
    WriteFile(user.file("data/settings.dat"), settings);
  }

  GameRun Play(const std::string& script, const std::string& server,
               const std::string& timeouts = "5000,15000") {
    return RunScript(script, user.path(),
                     {"--game-dir", game.path(), "--server", server, "--http-timeouts", timeouts});
  }

  TempDir user, game;
};

TEST_F(Online, ASentRecordLandsOnTheRecordsPanelAndABusyServerIsAskedAgain) {
  FakeScoreServer server(Serving::BusyOnce);
  const GameRun run =
      Play(std::string(kToTheQuestion) + kSend + "until gsSubmitFailed" + kMaxFrames +
               "expect screens.dialog.Shown == 1\n" + kSend + "until gsRecords" + kMaxFrames +
               "expect screens.records.Opened == 1\nexpect MenuMode == 1\n"
               "expect screens.dialog.Shown == 0\nexpect score == 0\n"
               "expect records.9.score == 1160\n",
           server.Address());
  ASSERT_EQ(run.status, 0) << run.err;

  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 4u);
  for (const std::string& request : requests) {
    EXPECT_THAT(request, HasSubstr("\r\nUser-Agent: Glintbreaker/1.0\r\n"));
    EXPECT_THAT(request, HasSubstr("\r\nAccept: text/html, */*\r\n"));
  }
  const std::string version = "GET /cgi/version.pl?version&prg=Glintbreaker HTTP/1.1\r\n";
  EXPECT_TRUE(requests[0].starts_with(version)) << requests[0];
  EXPECT_TRUE(requests[1].starts_with(version)) << requests[1];
  const std::string submission = "GET /cgi/version.pl?hs&prg=Glintbreaker&inf=";
  ASSERT_TRUE(requests[2].starts_with(submission)) << requests[2];
  const std::size_t end = requests[2].find(' ', submission.size());
  std::string error;
  const auto record =
      DecodeScoreRecord(requests[2].substr(submission.size(), end - submission.size()), error);
  ASSERT_TRUE(record) << error;
  EXPECT_EQ(record->Name, "\x89");
  EXPECT_EQ(record->ScoreText, "1160");
  EXPECT_EQ(record->Token, "T");
  EXPECT_EQ(record->AddText, kSecondName);
  // The game's replay follows under the record's token.
  EXPECT_TRUE(requests[3].starts_with("POST /cgi/version.pl?replay&prg=Glintbreaker&p=T HTTP/1.1"))
      << requests[3];
  EXPECT_THAT(requests[3], HasSubstr("\r\nContent-Type: application/octet-stream\r\n"));
}

TEST_F(Online, TheOnlineRecordsPageIsOnTheServerNamed) {
  const GameRun run = Play(
      testing_support::kMenuReady + "key 208\nframes 1\nkey 208\nframes 1\nkey 28\nframes 1\n" +
          "expect GameState == gsRecords\nkey 205\nframes 1\nkey 28\nframes 1\n",
      "http://scores.example.org:8080/");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("open: http://scores.example.org:8080/cgi/version.pl?"
                                 "prg=Glintbreaker&show&type=0"));
}

TEST_F(Online, ClosingTheWindowWhileSendingEndsTheProgramWithoutWaitingForTheServer) {
  FakeScoreServer server(Serving::Silent);
  const auto start = std::chrono::steady_clock::now();
  // The frames before the close give the thread the few milliseconds it takes to send its
  // request. The last line is never reached when the window's close ends the program.
  const GameRun run = Play(std::string(kToTheQuestion) + kSend +
                               "frames 2000\nmessage close\nframes 10\nexpect frame == 0\n",
                           server.Address());
  // The request is cut short: well before its own time-out of 15 s.
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  EXPECT_EQ(run.status, 0) << run.err;
}

struct Fault {
  const char* name;
  Serving serving;
  bool slow;  // lasts until the request time-out
};

class OnlineFault : public Online, public testing::WithParamInterface<Fault> {};

TEST_P(OnlineFault, EndsInTheTryAgainQuestionWhileTheFramesGoOn) {
  FakeScoreServer server(GetParam().serving);
  // While sending, keys and a click on the accepting button change nothing.
  const std::string mash = PointerAt(300, 350) +
                           "frames 1\nkey 28 1 203 205\nclick left\nframes 1\n"
                           "expect GameState == gsSubmitting\n";
  const auto start = std::chrono::steady_clock::now();
  // The slow faults wait out short time-outs (the game's own are 5 s to connect and 15 s in
  // all); the others fail at once and keep the game's, since the sending thread runs at the lowest
  // priority and may wait a while for the processor on a machine busy with other tests.
  const GameRun run = Play(std::string(kToTheQuestion) + kSend + "dump\n" +
                               (GetParam().slow ? mash : "") + "until gsSubmitFailed" + kMaxFrames +
                               "dump\nexpect screens.dialog.Shown == 1\n"
                               // No: the record stays local and the records panel opens.
                               "key 1\nframes 1\nexpect GameState == gsRecords\n",
                           server.Address(), GetParam().slow ? "1000,2000" : "5000,15000");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(run.status, 0) << run.err;
  // The request gives up after 2 s; a hanging one would never end. The margin is the game's
  // start and its frames, which are slow under the sanitizers on a busy machine.
  EXPECT_LT(elapsed, 45s);
  const std::vector<std::string> dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  // A game that waited for the thread would have run one frame.
  EXPECT_GT(Field(dumps[1], "frame") - Field(dumps[0], "frame"), GetParam().slow ? 100 : 0);
  // The version check is the one request: nothing is sent after it failed.
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), GetParam().serving == Serving::Refusing ? 0u : 1u) << run.err;
  for (const std::string& request : requests) {
    EXPECT_TRUE(request.starts_with("GET /cgi/version.pl?version&")) << request;
  }
}

INSTANTIATE_TEST_SUITE_P(, OnlineFault,
                         testing::Values(Fault{"ConnectionRefused", Serving::Refusing, false},
                                         Fault{"NoAnswer", Serving::Silent, true},
                                         Fault{"OneByteASecond", Serving::Trickling, true},
                                         Fault{"TenMegabytes", Serving::Flooding, false},
                                         Fault{"NoOK", Serving::Nonsense, false},
                                         Fault{"ErrorStatus", Serving::ErrorStatus, false}),
                         [](const testing::TestParamInfo<Fault>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
