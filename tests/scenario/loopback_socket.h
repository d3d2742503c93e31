// The few socket calls of the test's score server, the same on Linux and on Windows (Winsock,
// started once).
#pragma once

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdint>

namespace loopback {
using Socket = SOCKET;
using Size = int;
inline constexpr Socket kNoSocket = INVALID_SOCKET;
inline constexpr int kNoSignal = 0;
inline void Start() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  (void)started;
}
inline int Poll(pollfd* fds, int count, int timeoutMs) {
  return WSAPoll(fds, static_cast<ULONG>(count), timeoutMs);
}
inline void Close(Socket socket) {
  closesocket(socket);
}
}  // namespace loopback

#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace loopback {
using Socket = int;
using Size = socklen_t;
inline constexpr Socket kNoSocket = -1;
inline constexpr int kNoSignal = MSG_NOSIGNAL;
inline void Start() {}
inline int Poll(pollfd* fds, int count, int timeoutMs) {
  return poll(fds, static_cast<nfds_t>(count), timeoutMs);
}
inline void Close(Socket socket) {
  close(socket);
}
}  // namespace loopback
#endif
