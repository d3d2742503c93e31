#include "tests/server/loopback_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>

namespace server_testing {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kConnectLimit = std::chrono::seconds(5);
constexpr auto kAnswerLimit = std::chrono::seconds(15);

sockaddr_in Address(const std::string& ip, int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  inet_pton(AF_INET, ip.c_str(), &address.sin_addr);
  return address;
}

// True when the socket is ready for `events` before `deadline`.
bool WaitFor(int sock, short events, Clock::time_point deadline) {
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd entry{sock, events, 0};
    const int ready = poll(&entry, 1, static_cast<int>(left.count()));
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

}  // namespace

int ConnectFrom(const std::string& from, int port) {
  const int sock = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
  const sockaddr_in local = Address(from, 0);
  const sockaddr_in remote = Address("127.0.0.1", port);
  if (sock < 0 || bind(sock, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    if (sock >= 0) close(sock);
    return -1;
  }
  int error = 0;
  socklen_t length = sizeof error;
  const bool connected =
      (connect(sock, reinterpret_cast<const sockaddr*>(&remote), sizeof remote) == 0 ||
       (errno == EINPROGRESS && WaitFor(sock, POLLOUT, Clock::now() + kConnectLimit) &&
        getsockopt(sock, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0));
  if (!connected) {
    close(sock);
    return -1;
  }
  return sock;
}

bool SendAll(int sock, const std::string& bytes) {
  const auto deadline = Clock::now() + kAnswerLimit;
  for (std::size_t sent = 0; sent < bytes.size();) {
    const ssize_t n = send(sock, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (!WaitFor(sock, POLLOUT, deadline)) return false;
    } else {
      return false;
    }
  }
  return true;
}

std::string ReceiveAll(int sock) {
  const auto deadline = Clock::now() + kAnswerLimit;
  std::string received;
  char buffer[16384];
  for (;;) {
    const ssize_t n = recv(sock, buffer, sizeof buffer, 0);
    if (n > 0) {
      received.append(buffer, static_cast<std::size_t>(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (!WaitFor(sock, POLLIN, deadline)) return received;
    } else {
      return received;
    }
  }
}

HttpAnswer GetFrom(const std::string& from, int port, const std::string& target) {
  HttpAnswer answer;
  const int sock = ConnectFrom(from, port);
  if (sock < 0) return answer;
  if (SendAll(sock,
              "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n")) {
    const std::string received = ReceiveAll(sock);
    const std::size_t body = received.find("\r\n\r\n");
    if (received.starts_with("HTTP/1.1 ") && body != std::string::npos) {
      answer.status = std::atoi(received.c_str() + 9);
      answer.body = received.substr(body + 4);
    }
  }
  close(sock);
  return answer;
}

}  // namespace server_testing
