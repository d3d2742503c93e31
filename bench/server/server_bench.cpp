// The score server under load: players sending records the way the game does (a version check,
// then the record with its token), 500 at once, each record from an address of its own, for a
// while; then honest records stored per second and the time a player waits for both requests
// (median and 99th percentile). Once on SQLite with one server, once on PostgreSQL (a throw-away
// cluster with PostgreSQL's own durable settings) with two servers, each player's requests
// shared between them as a proxy would.
//   glintbreaker_server_bench [--players N] [--seconds S]
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench/figures/stats.h"
#include "tests/server/game_requests.h"
#include "tests/server/postgres_cluster.h"
#include "tests/server/server_process.h"
#include "tests/support/game_runner.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Load {
  double perSecond = 0;
  figures::Spread milliseconds;
  int failed = 0;
};

// `players` threads sending records for `seconds` to the servers on `ports`: a player's version
// check goes to one and its record to the next, round the servers.
Load Run(const std::vector<int>& ports, int players, double seconds) {
  std::atomic<int> nextAddress = 0, failed = 0;
  std::mutex mutex;
  std::vector<double> waits;
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  std::vector<std::thread> threads;
  for (int player = 0; player < players; ++player) {
    threads.emplace_back([&, player] {
      std::vector<double> own;
      for (int turn = player; Clock::now() < end; ++turn) {
        const auto start = Clock::now();
        const auto sent = server_testing::SendAsTheGame(
            server_testing::PlayerAddress(nextAddress++), ports[turn % ports.size()],
            ports[(turn + 1) % ports.size()], 1000 + turn % 5000);
        if (sent.record != 200) {
          ++failed;
          continue;
        }
        own.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
      }
      const std::lock_guard lock(mutex);
      waits.insert(waits.end(), own.begin(), own.end());
    });
  }
  for (auto& thread : threads) thread.join();
  return {static_cast<double>(waits.size()) / seconds, figures::SpreadOf(waits), failed.load()};
}

void Print(const char* name, const Load& load) {
  std::printf("%-34s %10.0f %10.1f %10.1f %8d\n", name, load.perSecond, load.milliseconds.median,
              load.milliseconds.p99, load.failed);
}

}  // namespace

int main(int argc, char** argv) {
  int players = 500;
  double seconds = 10;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--players") {
      players = std::atoi(argv[i + 1]);
    } else if (option == "--seconds") {
      seconds = std::atof(argv[i + 1]);
    }
  }
  if (players <= 0 || seconds <= 0) {
    std::fprintf(stderr, "usage: glintbreaker_server_bench [--players N] [--seconds S]\n");
    return 2;
  }
  std::printf("%d players at once, %.0f s each; a record is a version check and a submission\n",
              players, seconds);
  std::printf("%-34s %10s %10s %10s %8s\n", "", "records/s", "median ms", "p99 ms", "failed");
  testing_support::TempDir dir;
  {
    server_testing::ServerProcess server(dir.file("scores.db"));
    Print("SQLite, one server", Run({server.port()}, players, seconds));
  }
  {
    server_testing::PostgresCluster cluster(true);
    const std::string uri = cluster.CreateDatabase("scores");
    server_testing::ServerProcess first(uri, dir.file("first.log"));
    server_testing::ServerProcess second(uri, dir.file("second.log"));
    Print("PostgreSQL, two servers", Run({first.port(), second.port()}, players, seconds));
  }
  return 0;
}
