// glintbreaker-server: the game's score server. Serves until SIGINT or SIGTERM; or runs one of
// the operator's commands on its database and exits.
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <thread>

#include "server/HttpServer.h"
#include "server/OperatorCommand.h"
#include "server/RefusalLog.h"
#include "server/ReplayVerifier.h"
#include "server/RequestRouter.h"
#include "server/ScoreService.h"
#include "server/ScoreStore.h"
#include "server/ServerOptions.h"

namespace {

// As many connections as the descriptors allow, keeping some for the database and the log.
std::size_t ConnectionsAllowed(std::size_t wanted) {
  constexpr rlim_t kSpare = 100;
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return wanted;
  limit.rlim_cur = limit.rlim_max;
  setrlimit(RLIMIT_NOFILE, &limit);  // as far as the system lets it go
  getrlimit(RLIMIT_NOFILE, &limit);
  return std::min<std::size_t>(
      wanted, limit.rlim_cur > 2 * kSpare ? limit.rlim_cur - kSpare : limit.rlim_cur / 2);
}

// game/ beside the server's folder: build/server/glintbreaker-server plays build/game/glintbreaker.
std::string DefaultGameDir(const char* program) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
  const std::filesystem::path server = error ? std::filesystem::path(program) : self;
  return (server.parent_path().parent_path() / "game").string();
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  auto options = ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "glintbreaker-server: " << error << '\n' << kServerUsage;
    return 2;
  }
  if (options->database.empty()) {
    options->database = DefaultDatabasePath();
    std::error_code ignored;  // opening the database says what is wrong with its folder
    std::filesystem::create_directories(std::filesystem::path(options->database).parent_path(),
                                        ignored);
  }
  if (options->command != ServerOptions::Command::Serve) {
    try {
      return RunOperatorCommand(*options, *OpenScoreStore(options->database), std::cout, std::cerr);
    } catch (const std::exception& e) {
      std::cerr << "glintbreaker-server: " << e.what() << '\n';
      return 1;
    }
  }

  // The signals that end the server wait for one thread of their own; every other thread,
  // started after this, has them blocked.
  sigset_t endSignals;
  sigemptyset(&endSignals);
  sigaddset(&endSignals, SIGINT);
  sigaddset(&endSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);

  try {
    RefusalLog log(std::cerr);
    RequestRouter router;
    ServerLimits limits;
    limits.connections = ConnectionsAllowed(limits.connections);
    HttpServer http(router, log, limits, options->proxies);
    // The port first: a second server on it stops here, before it touches the database.
    const int port = http.Listen(options->host, options->port);
    const std::unique_ptr<ScoreStore> store = OpenScoreStore(options->database);
    ReplayCheckSetup setup;
    setup.gameDir = options->gameDir.empty() ? DefaultGameDir(argv[0]) : options->gameDir;
    ReplayVerifier verifier(*store, setup);
    if (access((setup.gameDir + "/glintbreaker").c_str(), X_OK) != 0) {
      std::cerr << "glintbreaker-server: no game in " << setup.gameDir
                << ": replays are kept unchecked\n";
    }
    ScoreService service(*store, log, &verifier);
    service.Register(router);
    const bool ipv6 = options->host.find(':') != std::string::npos;
    std::cout << "glintbreaker-server: listening on http://"
              << (ipv6 ? "[" + options->host + "]" : options->host) << ':' << port
              << " with the database " << ShownLocation(options->database) << std::endl;

    std::thread stopper([&] {
      int received = 0;
      sigwait(&endSignals, &received);
      http.Stop();
    });
    http.Serve();
    // Serving may also end on its own; the stopper then gets the signal it waits for.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
  } catch (const std::exception& e) {
    std::cerr << "glintbreaker-server: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
