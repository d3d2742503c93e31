#include "server/BoundedHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A connection's socket that refuses to read more than its budget or to wait past its deadline.
class GuardedStream final : public httplib::Stream {
 public:
  GuardedStream(socket_t sock, Clock::time_point deadline, std::size_t budget)
      : sock_(sock), deadline_(deadline), budget_(budget) {}

  bool is_readable() const override { return begin_ < end_ || WaitFor(POLLIN); }
  bool is_writable() const override { return WaitFor(POLLOUT); }

  ssize_t read(char* ptr, size_t size) override {
    if (begin_ == end_) {
      if (budget_ == 0 || !WaitFor(POLLIN)) return -1;
      const ssize_t got = recv(sock_, buffer_.data(), std::min(buffer_.size(), budget_), 0);
      if (got <= 0) return got;
      budget_ -= static_cast<std::size_t>(got);
      begin_ = 0;
      end_ = static_cast<std::size_t>(got);
    }
    const std::size_t count = std::min(size, end_ - begin_);
    std::memcpy(ptr, buffer_.data() + begin_, count);
    begin_ += count;
    return static_cast<ssize_t>(count);
  }

  ssize_t write(const char* ptr, size_t size) override {
    if (!WaitFor(POLLOUT)) return -1;
    return send(sock_, ptr, size, MSG_NOSIGNAL);
  }

  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    Address(getpeername, ip, port);
  }
  void get_local_ip_and_port(std::string& ip, int& port) const override {
    Address(getsockname, ip, port);
  }
  socket_t socket() const override { return sock_; }

 private:
  // True when the socket is ready for `events` before the deadline.
  bool WaitFor(short events) const {
    for (;;) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
      if (left.count() <= 0) return false;
      pollfd entry{sock_, events, 0};
      const int ready = poll(&entry, 1, static_cast<int>(left.count()));
      if (ready > 0) return (entry.revents & (events | POLLHUP | POLLERR)) != 0;
      if (ready == 0 || errno != EINTR) return false;
    }
  }

  void Address(int (*query)(int, sockaddr*, socklen_t*), std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    ip.clear();
    port = 0;
    if (query(sock_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return;
    char text[INET6_ADDRSTRLEN] = "";
    if (address.ss_family == AF_INET) {
      const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
      inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
      port = ntohs(v4.sin_port);
    } else if (address.ss_family == AF_INET6) {
      const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
      inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
      port = ntohs(v6.sin6_port);
    }
    ip = text;
  }

  socket_t sock_;
  Clock::time_point deadline_;
  std::size_t budget_;
  std::array<char, 4096> buffer_{};
  std::size_t begin_ = 0, end_ = 0;
};

// A fixed set of workers; accepting a connection waits while `maxQueued` are already waiting.
class BoundedWorkers final : public httplib::TaskQueue {
 public:
  BoundedWorkers(std::size_t threads, std::size_t maxQueued) : maxQueued_(maxQueued) {
    for (std::size_t i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
  }
  ~BoundedWorkers() override { shutdown(); }

  void enqueue(std::function<void()> job) override {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [this] { return jobs_.size() < maxQueued_; });
    jobs_.push_back(std::move(job));
    ready_.notify_one();
  }

  void shutdown() override {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    ready_.notify_all();
    for (auto& thread : threads_) {
      if (thread.joinable()) thread.join();
    }
  }

 private:
  void Work() {
    for (;;) {
      std::function<void()> job;
      {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;
        job = std::move(jobs_.front());
        jobs_.pop_front();
      }
      room_.notify_one();
      job();
    }
  }

  const std::size_t maxQueued_;
  std::mutex mutex_;
  std::condition_variable ready_, room_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace

BoundedHttpServer::BoundedHttpServer(ConnectionLimits limits) : limits_(limits) {
  new_task_queue = [limits] {
    return new BoundedWorkers(std::max<std::size_t>(limits.workers, 1),
                              std::max<std::size_t>(limits.queued, 1));
  };
  set_payload_max_length(limits.requestBytes);
}

int BoundedHttpServer::Bind(const std::string& host, int port) {
  const int bound = port == 0 ? bind_to_any_port(host) : (bind_to_port(host, port) ? port : -1);
  // Listening again on the bound socket only widens its queue.
  if (bound >= 0 && ::listen(svr_sock_, limits_.backlog) != 0) return -1;
  return bound;
}

bool BoundedHttpServer::process_and_close_socket(socket_t sock) {
  bool served = false;
  try {
    GuardedStream stream(sock, Clock::now() + limits_.deadline, limits_.requestBytes);
    bool closed = false;
    served = process_request(stream, true, closed, nullptr);
  } catch (...) {
    // A request that failed in the library is answered by closing its connection.
  }
  ::shutdown(sock, SHUT_RDWR);
  ::close(sock);
  return served;
}
