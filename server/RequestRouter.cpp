#include "server/RequestRouter.h"

#include <sys/types.h>

#include "server/PlainAnswer.h"

namespace {

// The request in, the answer out, up to its bound.
class MemoryStream final : public httplib::Stream {
 public:
  MemoryStream(const std::string& request, const std::string& clientAddress,
               std::size_t answerBytes)
      : request_(request), clientAddress_(clientAddress), answerBytes_(answerBytes) {}

  bool is_readable() const override { return read_ < request_.size(); }
  bool is_writable() const override { return !overflowed_; }
  ssize_t read(char* ptr, size_t size) override {
    const std::size_t count = request_.copy(ptr, size, read_);
    read_ += count;
    return static_cast<ssize_t>(count);
  }
  ssize_t write(const char* ptr, size_t size) override {
    if (overflowed_ || answer_.size() + size > answerBytes_) {
      overflowed_ = true;
      return -1;
    }
    answer_.append(ptr, size);
    return static_cast<ssize_t>(size);
  }
  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    ip = clientAddress_;
    port = 0;
  }
  void get_local_ip_and_port(std::string& ip, int& port) const override {
    ip.clear();
    port = 0;
  }
  socket_t socket() const override { return INVALID_SOCKET; }

  bool overflowed() const { return overflowed_; }
  std::string& answer() { return answer_; }

 private:
  const std::string& request_;
  const std::string& clientAddress_;
  const std::size_t answerBytes_;
  std::size_t read_ = 0;
  std::string answer_;
  bool overflowed_ = false;
};

}  // namespace

RequestRouter::RequestRouter(std::size_t answerBytes) : answerBytes_(answerBytes) {}

std::string RequestRouter::Answer(const std::string& request, const std::string& clientAddress) {
  MemoryStream stream(request, clientAddress, answerBytes_);
  bool closed = false;
  process_request(stream, true, closed, nullptr);
  if (stream.overflowed()) return PlainAnswer(500, "the answer is too long");
  return std::move(stream.answer());
}
