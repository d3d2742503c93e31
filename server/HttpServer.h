// The listening socket and its connections, run by one thread that never waits for a client: it
// gathers each request whole (RequestFramer) within its deadlines, hands it to a worker
// (RequestRouter) and writes the answer back as fast as the client takes it. Workers so never
// wait on a client, and what one client holds open is bounded (ConnectionSlots).
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "server/ConnectionSlots.h"
#include "server/RefusalLog.h"
#include "server/RequestFramer.h"
#include "server/RequestRouter.h"
#include "server/WorkerPool.h"

struct ServerLimits {
  std::size_t workers = 16;
  std::size_t connectionsPerClient = 8;
  std::size_t connections = 1024;
  std::chrono::milliseconds headDeadline{2000};  // from accepting to the end of the headers
  std::chrono::milliseconds deadline{10000};     // from accepting to the end of the answer
  FrameLimits frame;
  std::size_t uploads = 32;  // connections gathering a replay's body (FrameLimits) at once
  int backlog = 1024;        // connections the system holds before they are accepted
};

class HttpServer {
 public:
  // Requests that come from an address in `proxies` carry the player's address in X-Real-IP,
  // and that proxy's connections have no per-client cap.
  HttpServer(RequestRouter& router, RefusalLog& log, ServerLimits limits = {},
             std::vector<std::string> proxies = {});
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Binds `host`:`port` (0: a free port) with SO_REUSEADDR alone, so that a second server on a
  // port in use fails here; the port bound. Throws std::runtime_error saying why.
  int Listen(const std::string& host, int port);
  // Serves until Stop; when it returns, no worker is answering a request any more.
  void Serve();
  // From any thread.
  void Stop();

 private:
  using Clock = std::chrono::steady_clock;
  enum class Phase { Reading, Serving, Writing };
  struct Connection {
    Connection(int fd, std::string peer, Clock::time_point accepted, FrameLimits limits)
        : fd(fd), peer(std::move(peer)), accepted(accepted), framer(limits) {}
    int fd = -1;
    std::string peer;  // the address the connection comes from
    Clock::time_point accepted;
    RequestFramer framer;
    Phase phase = Phase::Reading;
    bool watched = false;    // registered with epoll
    bool uploading = false;  // counted among the uploads
    std::string answer;
    std::size_t sent = 0;
  };

  void AcceptAll();
  void Read(std::uint64_t id, Connection& connection);
  void Respond(std::uint64_t id, Connection& connection, std::string answer);
  void Write(std::uint64_t id, Connection& connection);
  void Watch(std::uint64_t id, Connection& connection, std::uint32_t events);
  void TakeFinished();
  void Sweep(Clock::time_point now);
  void Close(std::uint64_t id);
  void Refused(const std::string& address, int status, const std::string& reason);

  RequestRouter& router_;
  RefusalLog& log_;
  const ServerLimits limits_;
  const std::set<std::string> proxies_;
  int listen_ = -1;
  int epoll_ = -1;
  int wake_ = -1;  // an eventfd: workers' answers are ready, or Stop was called
  std::atomic<bool> stopping_ = false;
  std::uint64_t nextId_;
  std::unordered_map<std::uint64_t, Connection> connections_;
  std::size_t uploads_ = 0;  // connections gathering a large body
  ConnectionSlots slots_;
  std::mutex finishedMutex_;
  std::vector<std::pair<std::uint64_t, std::string>> finished_;  // answers from the workers
  WorkerPool workers_;  // last: its threads end before the rest goes
};
