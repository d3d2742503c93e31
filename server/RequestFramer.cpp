#include "server/RequestFramer.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "online/ScoreRecord.h"

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The lines of `head` without their line ends ("\r\n" or "\n").
std::vector<std::string_view> Lines(std::string_view head) {
  std::vector<std::string_view> lines;
  while (!head.empty()) {
    const std::size_t end = head.find('\n');
    std::string_view line = head.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    head.remove_prefix(end == std::string_view::npos ? head.size() : end + 1);
  }
  return lines;
}

}  // namespace

RequestFramer::RequestFramer(FrameLimits limits) : limits_(limits), limit_(limits.requestBytes) {}

RequestFramer::State RequestFramer::Add(std::string_view bytes) {
  if (state_ != State::Incomplete) return state_;
  received_.append(bytes.substr(0, limit_ + 1 - received_.size()));
  while (headEnd_ == 0) {
    const std::size_t end = received_.find('\n', scanned_);
    if (end == std::string::npos) {
      scanned_ = received_.size();
      break;
    }
    const bool blank =
        end == lineStart_ || (end == lineStart_ + 1 && received_[lineStart_] == '\r');
    if (blank) headEnd_ = end + 1;
    lineStart_ = scanned_ = end + 1;
  }
  if (headEnd_ == 0 || headEnd_ > limits_.requestBytes) {
    const bool firstLineEnded = lineStart_ != 0;
    if (!firstLineEnded && received_.size() > limits_.lineBytes) {
      Refuse(414, "the request line is too long");
    } else if (received_.size() > limits_.requestBytes) {
      Refuse(431, "the request's headers are too long");
    }
    return state_;
  }
  if (request_.empty()) ReadHead();
  if (state_ == State::Incomplete && received_.size() >= headEnd_ + bodyBytes_) {
    request_.append(received_, headEnd_, bodyBytes_);
    received_.clear();
    state_ = State::Complete;
  }
  return state_;
}

void RequestFramer::ReadHead() {
  const std::vector<std::string_view> lines =
      Lines(std::string_view(received_).substr(0, headEnd_));
  if (lines.empty() || lines.front().empty()) return Refuse(400, "no request line");
  request_.append(lines.front()).append("\r\n");
  if (lines.front().starts_with("POST " + std::string(kScriptPath) + "?")) {
    limit_ = headEnd_ + limits_.replayBytes;
  }
  bool lengthGiven = false;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0 || line.front() == ' ' ||
        line.front() == '\t') {
      return Refuse(400, "a malformed header");
    }
    const std::string_view name = line.substr(0, colon);
    const std::string_view value = Trim(line.substr(colon + 1));
    if (SameName(name, "Range") || SameName(name, "If-Range")) continue;
    if (SameName(name, "Transfer-Encoding")) {
      return Refuse(411, "a body must come with its Content-Length");
    }
    if (SameName(name, "Content-Length")) {
      std::size_t length = 0;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), length);
      if (error == std::errc::result_out_of_range ||
          (error == std::errc() && length > limit_ - headEnd_)) {
        return Refuse(413, "the request is longer than " + std::to_string(limit_) + " bytes");
      }
      if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
          (lengthGiven && length != bodyBytes_)) {
        return Refuse(400, "a malformed Content-Length");
      }
      lengthGiven = true;
      bodyBytes_ = length;
    }
    if (SameName(name, "X-Real-IP")) forwardedAddress_ = value;
    request_.append(line).append("\r\n");
  }
  request_.append("\r\n");
}

void RequestFramer::Refuse(int status, std::string reason) {
  state_ = State::Refused;
  status_ = status;
  reason_ = std::move(reason);
  received_.clear();
  request_.clear();
}
