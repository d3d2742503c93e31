// Any text as the target of a request to the score server ("/cgi/version.pl?hs&prg=...&inf=..."),
// served without a socket: the HTTP library parses the request line and the query into
// parameters, and our routes pick theirs (one of each, no more) and check them. Every request is
// answered, with a reason when refused, and nothing in it makes the server fail (500).
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "server/ScoreService.h"
#include "server/ScoreStore.h"

namespace {

// The request in, the answer out.
class MemoryStream final : public httplib::Stream {
 public:
  explicit MemoryStream(std::string request) : request_(std::move(request)) {}

  bool is_readable() const override { return read_ < request_.size(); }
  bool is_writable() const override { return true; }
  ssize_t read(char* ptr, size_t size) override {
    const std::size_t count = request_.copy(ptr, size, read_);
    read_ += count;
    return static_cast<ssize_t>(count);
  }
  ssize_t write(const char* ptr, size_t size) override {
    answer_.append(ptr, size);
    return static_cast<ssize_t>(size);
  }
  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    ip = "10.0.0.1";
    port = 40000;
  }
  void get_local_ip_and_port(std::string& ip, int& port) const override {
    ip = "127.0.0.1";
    port = 8642;
  }
  socket_t socket() const override { return INVALID_SOCKET; }

  const std::string& answer() const { return answer_; }

 private:
  std::string request_;
  std::size_t read_ = 0;
  std::string answer_;
};

class MemoryServer final : public httplib::Server {
 public:
  std::string Serve(const std::string& request) {
    MemoryStream stream(request);
    bool closed = false;
    process_request(stream, true, closed, nullptr);
    return stream.answer();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A fresh server for each request: one request's tokens and limits do not change the next one's
  // answer, so whatever is found repeats from its input alone.
  ScoreStore store(":memory:");
  ScoreService service(store);
  MemoryServer server;
  service.Register(server);
  const std::string answer =
      server.Serve("GET " + std::string(data, data + size) + " HTTP/1.1\r\nHost: fuzz\r\n\r\n");
  if (!answer.starts_with("HTTP/1.1 ") || answer.starts_with("HTTP/1.1 500")) __builtin_trap();
  const std::size_t body = answer.find("\r\n\r\n");
  if (body == std::string::npos || body + 4 == answer.size()) __builtin_trap();
  return 0;
}
