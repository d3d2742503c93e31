#include "server/HttpServer.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "server/AddressKey.h"
#include "server/PlainAnswer.h"

namespace {

constexpr std::uint64_t kListenTag = 0;
constexpr std::uint64_t kWakeTag = 1;
constexpr std::uint64_t kFirstConnection = 2;
constexpr auto kSweepPeriod = std::chrono::milliseconds(100);
constexpr auto kLogFlushPeriod = std::chrono::seconds(1);

std::string PeerAddress(const sockaddr_storage& address) {
  char text[INET6_ADDRSTRLEN] = "";
  if (address.ss_family == AF_INET) {
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in&>(address).sin_addr, text, sizeof text);
  } else if (address.ss_family == AF_INET6) {
    inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6&>(address).sin6_addr, text,
              sizeof text);
  }
  return text;
}

// One try to send a short answer on a connection about to be closed; what does not fit is lost.
void SendOnce(int fd, const std::string& answer) {
  [[maybe_unused]] const ssize_t sent =
      send(fd, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

}  // namespace

HttpServer::HttpServer(RequestRouter& router, RefusalLog& log, ServerLimits limits,
                       std::vector<std::string> proxies)
    : router_(router),
      log_(log),
      limits_(limits),
      proxies_(proxies.begin(), proxies.end()),
      nextId_(kFirstConnection),
      slots_(limits.connectionsPerClient, limits.connections),
      workers_(limits.workers) {
  epoll_ = epoll_create1(EPOLL_CLOEXEC);
  wake_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (epoll_ < 0 || wake_ < 0) throw std::runtime_error(std::strerror(errno));
  epoll_event event{};
  event.events = EPOLLIN;
  event.data.u64 = kWakeTag;
  epoll_ctl(epoll_, EPOLL_CTL_ADD, wake_, &event);
}

HttpServer::~HttpServer() {
  workers_.Stop();  // before the descriptors its jobs write to go
  for (const auto& [id, connection] : connections_) close(connection.fd);
  if (listen_ >= 0) close(listen_);
  close(wake_);
  close(epoll_);
}

int HttpServer::Listen(const std::string& host, int port) {
  const std::string where = host + ":" + std::to_string(port);
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  if (const int failure = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
      failure != 0) {
    throw std::runtime_error("cannot listen on " + where + ": " + gai_strerror(failure));
  }
  const int sock = socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  const int yes = 1;
  // SO_REUSEADDR only: a restart may bind while old connections linger, but a second server
  // cannot share the port (SO_REUSEPORT would let the system split the players between them).
  const bool bound =
      sock >= 0 && setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) == 0 &&
      bind(sock, found->ai_addr, found->ai_addrlen) == 0 && listen(sock, limits_.backlog) == 0;
  const int error = errno;
  freeaddrinfo(found);
  if (!bound) {
    if (sock >= 0) close(sock);
    throw std::runtime_error("cannot listen on " + where + ": " +
                             (error == EADDRINUSE
                                  ? "the port is in use (is another server running there?)"
                                  : std::strerror(error)));
  }
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length);
  listen_ = sock;
  epoll_event event{};
  event.events = EPOLLIN;
  event.data.u64 = kListenTag;
  epoll_ctl(epoll_, EPOLL_CTL_ADD, listen_, &event);
  return ntohs(address.ss_family == AF_INET6
                   ? reinterpret_cast<const sockaddr_in6&>(address).sin6_port
                   : reinterpret_cast<const sockaddr_in&>(address).sin_port);
}

void HttpServer::Serve() {
  std::array<epoll_event, 256> events{};
  auto nextSweep = Clock::now();
  auto nextFlush = Clock::now();
  while (!stopping_) {
    const int ready = epoll_wait(epoll_, events.data(), static_cast<int>(events.size()),
                                 static_cast<int>(kSweepPeriod.count()));
    for (int i = 0; i < ready; ++i) {
      const std::uint64_t tag = events[i].data.u64;
      if (tag == kListenTag) {
        AcceptAll();
        continue;
      }
      if (tag == kWakeTag) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t got = read(wake_, &count, sizeof count);
        TakeFinished();
        continue;
      }
      const auto found = connections_.find(tag);
      if (found == connections_.end()) continue;  // closed earlier in this round
      if (found->second.phase == Phase::Reading) {
        Read(tag, found->second);
      } else if (found->second.phase == Phase::Writing) {
        Write(tag, found->second);
      }
    }
    const auto now = Clock::now();
    if (now >= nextSweep) {
      Sweep(now);
      nextSweep = now + kSweepPeriod;
    }
    if (now >= nextFlush) {
      log_.Flush(now);
      nextFlush = now + kLogFlushPeriod;
    }
  }
  workers_.Stop();
}

void HttpServer::Stop() {
  stopping_ = true;
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
}

void HttpServer::AcceptAll() {
  for (;;) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    const int fd = accept4(listen_, reinterpret_cast<sockaddr*>(&address), &length,
                           SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      return;  // none waiting, or no descriptor left: the rest wait in the backlog
    }
    const std::string peer = PeerAddress(address);
    const std::uint64_t id = nextId_++;
    // A proxy's connections carry many players: none of them is capped on its own.
    const std::string key = proxies_.count(peer) ? "" : AddressKey(peer);
    const ConnectionSlots::Admission admission = slots_.Admit(id, key);
    for (const std::uint64_t closed : admission.closed) Close(closed);
    if (!admission.admitted) {
      SendOnce(fd, PlainAnswer(503, "too many connections"));
      close(fd);
      Refused(peer, 503, "too many connections");
      continue;
    }
    Connection& connection =
        connections_.try_emplace(id, fd, peer, Clock::now(), limits_.frame).first->second;
    Watch(id, connection, EPOLLIN);
  }
}

void HttpServer::Read(std::uint64_t id, Connection& connection) {
  std::array<char, 16384> buffer;
  RequestFramer::State state = RequestFramer::State::Incomplete;
  while (state == RequestFramer::State::Incomplete) {
    const ssize_t got = recv(connection.fd, buffer.data(), buffer.size(), 0);
    if (got > 0) {
      state = connection.framer.Add(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
      // A large body is gathered only while few others are: their memory stays bounded.
      if (connection.framer.LargeBody() && !connection.uploading) {
        if (uploads_ >= limits_.uploads) {
          Refused(connection.peer, 503, "too many uploads at once");
          return Respond(id, connection, PlainAnswer(503, "too many uploads at once"));
        }
        connection.uploading = true;
        ++uploads_;
      }
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return;
    } else {
      return Close(id);  // gone before its request was whole
    }
  }
  if (state == RequestFramer::State::Refused) {
    Refused(connection.peer, connection.framer.status(), connection.framer.reason());
    return Respond(id, connection,
                   PlainAnswer(connection.framer.status(), connection.framer.reason()));
  }
  std::string client = connection.peer;
  if (proxies_.count(client) && IsIpAddress(connection.framer.forwardedAddress())) {
    client = connection.framer.forwardedAddress();
  }
  slots_.Serving(id);
  connection.phase = Phase::Serving;
  // Not watched while a worker has it: a client that goes meanwhile is found when writing.
  epoll_ctl(epoll_, EPOLL_CTL_DEL, connection.fd, nullptr);
  connection.watched = false;
  workers_.Post([this, id, request = connection.framer.request(), client] {
    std::string answer = router_.Answer(request, client);
    {
      const std::lock_guard lock(finishedMutex_);
      finished_.emplace_back(id, std::move(answer));
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
  });
}

void HttpServer::Respond(std::uint64_t id, Connection& connection, std::string answer) {
  connection.phase = Phase::Writing;
  connection.answer = std::move(answer);
  connection.sent = 0;
  Write(id, connection);
}

void HttpServer::Write(std::uint64_t id, Connection& connection) {
  while (connection.sent < connection.answer.size()) {
    const ssize_t sent = send(connection.fd, connection.answer.data() + connection.sent,
                              connection.answer.size() - connection.sent, MSG_NOSIGNAL);
    if (sent > 0) {
      connection.sent += static_cast<std::size_t>(sent);
    } else if (sent < 0 && errno == EINTR) {
      continue;
    } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return Watch(id, connection, EPOLLOUT);
    } else {
      return Close(id);
    }
  }
  Close(id);
}

void HttpServer::Watch(std::uint64_t id, Connection& connection, std::uint32_t events) {
  epoll_event event{};
  event.events = events;
  event.data.u64 = id;
  epoll_ctl(epoll_, connection.watched ? EPOLL_CTL_MOD : EPOLL_CTL_ADD, connection.fd, &event);
  connection.watched = true;
}

void HttpServer::TakeFinished() {
  std::vector<std::pair<std::uint64_t, std::string>> finished;
  {
    const std::lock_guard lock(finishedMutex_);
    finished.swap(finished_);
  }
  for (auto& [id, answer] : finished) {
    const auto found = connections_.find(id);
    // A connection closed at its deadline meanwhile gets nothing.
    if (found != connections_.end()) Respond(id, found->second, std::move(answer));
  }
}

void HttpServer::Sweep(Clock::time_point now) {
  std::vector<std::uint64_t> late;
  for (const auto& [id, connection] : connections_) {
    const bool headLate = connection.phase == Phase::Reading && !connection.framer.HeadComplete() &&
                          now - connection.accepted >= limits_.headDeadline;
    if (headLate || now - connection.accepted >= limits_.deadline) late.push_back(id);
  }
  for (const std::uint64_t id : late) {
    const Connection& connection = connections_.at(id);
    if (connection.phase == Phase::Reading) {
      SendOnce(connection.fd, PlainAnswer(408, "the request took too long"));
      Refused(connection.peer, 408, "the request took too long");
    }
    Close(id);
  }
}

void HttpServer::Close(std::uint64_t id) {
  const auto found = connections_.find(id);
  if (found == connections_.end()) return;
  if (found->second.uploading) --uploads_;
  shutdown(found->second.fd, SHUT_RDWR);
  close(found->second.fd);  // also leaves epoll
  connections_.erase(found);
  slots_.Release(id);
}

void HttpServer::Refused(const std::string& address, int status, const std::string& reason) {
  log_.Refused(address, status, reason, Clock::now());
}
