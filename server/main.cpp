// glintbreaker-server: the game's score server. Serves until SIGINT or SIGTERM.
#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <thread>

#include "server/BoundedHttpServer.h"
#include "server/ScoreService.h"
#include "server/ScoreStore.h"
#include "server/ServerOptions.h"

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

  // The signals that end the server wait for one thread of their own; every other thread,
  // started after this, has them blocked.
  sigset_t endSignals;
  sigemptyset(&endSignals);
  sigaddset(&endSignals, SIGINT);
  sigaddset(&endSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);

  try {
    ScoreStore store(options->database);
    ScoreService service(store);
    BoundedHttpServer http;
    service.Register(http);
    const int port = http.Bind(options->host, options->port);
    if (port < 0) {
      std::cerr << "glintbreaker-server: cannot listen on " << options->host << ':' << options->port
                << '\n';
      return 1;
    }
    const bool ipv6 = options->host.find(':') != std::string::npos;
    std::cout << "glintbreaker-server: listening on http://"
              << (ipv6 ? "[" + options->host + "]" : options->host) << ':' << port
              << " with the database " << options->database << std::endl;

    std::thread stopper([&] {
      int received = 0;
      sigwait(&endSignals, &received);
      http.stop();
    });
    http.listen_after_bind();
    // Listening may also end on its own; the stopper then gets the signal it waits for.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
  } catch (const std::exception& e) {
    std::cerr << "glintbreaker-server: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
