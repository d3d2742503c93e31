// The bytes of one request, gathered as a connection sends them: the server hands a request to a
// worker only once it has come whole, so a client that stalls holds no worker. Requests that
// cannot be served are refused from their head alone, before their body is waited for.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct FrameLimits {
  std::size_t requestBytes = 16384;  // request line, headers and body together
  std::size_t lineBytes = 8192;      // the request line
  // The body of a POST to the game's script (a record's replay); its head keeps the bound above.
  std::size_t replayBytes = 262144;
};

class RequestFramer {
 public:
  enum class State { Incomplete, Complete, Refused };

  explicit RequestFramer(FrameLimits limits = {});

  // Takes the next bytes the client sent; bytes after a complete or refused request are ignored.
  State Add(std::string_view bytes);

  State state() const { return state_; }
  // The request line and every header have come.
  bool HeadComplete() const { return headEnd_ != 0; }
  // Once the head has come: its body may be longer than an ordinary request (a replay).
  bool LargeBody() const { return limit_ > limits_.requestBytes; }
  // Complete: the request as a worker sees it. Range and If-Range headers are left out, so every
  // answer is whole and no request can ask for one part many times over.
  const std::string& request() const { return request_; }
  // Complete: the value of an X-Real-IP header (the player's address, when a trusted proxy sent
  // the request), or empty.
  const std::string& forwardedAddress() const { return forwardedAddress_; }
  // Refused: the status and a short reason for the answer.
  int status() const { return status_; }
  const std::string& reason() const { return reason_; }

 private:
  void ReadHead();  // once the head is whole
  void Refuse(int status, std::string reason);

  const FrameLimits limits_;
  State state_ = State::Incomplete;
  std::string received_;
  std::size_t scanned_ = 0;    // bytes already searched for the end of the head
  std::size_t lineStart_ = 0;  // where the line being received starts
  std::size_t headEnd_ = 0;    // just past the blank line that ends the head; 0 until then
  std::size_t bodyBytes_ = 0;
  std::size_t limit_;  // the bytes the whole request may take
  std::string request_;
  std::string forwardedAddress_;
  int status_ = 0;
  std::string reason_;
};
