// Any bytes as what a connection sends, gathered as the server gathers them: in two pieces split
// where the first byte says, which must make the same request as all at once. A request handed on
// carries no Range header and ends its head properly; a refusal names its status; and bytes past
// the limit are never still being waited for.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "server/RequestFramer.h"

namespace {

// True when a line of the request's head names the header `name`, in any letter case.
bool HasHeader(std::string_view head, std::string_view name) {
  for (std::size_t start = head.find("\r\n"); start != std::string_view::npos;
       start = head.find("\r\n", start + 2)) {
    const std::string_view line = head.substr(start + 2, name.size() + 1);
    if (line.size() <= name.size() || line[name.size()] != ':') continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size(); ++i) {
      same = same && std::tolower(static_cast<unsigned char>(line[i])) == name[i];
    }
    if (same) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  RequestFramer whole;
  whole.Add(bytes);
  RequestFramer pieces;
  const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
  pieces.Add(bytes.substr(0, split));
  pieces.Add(bytes.substr(split));
  if (whole.state() != pieces.state() || whole.request() != pieces.request() ||
      whole.status() != pieces.status() || whole.forwardedAddress() != pieces.forwardedAddress()) {
    __builtin_trap();
  }
  const FrameLimits limits;
  switch (whole.state()) {
    case RequestFramer::State::Complete: {
      const std::string& request = whole.request();
      const std::size_t headEnd = request.find("\r\n\r\n");
      if (headEnd == std::string::npos || headEnd == 0) __builtin_trap();
      const std::string_view head = std::string_view(request).substr(0, headEnd + 2);
      if (HasHeader(head, "range") || HasHeader(head, "if-range")) __builtin_trap();
      break;
    }
    case RequestFramer::State::Refused:
      if (whole.status() < 400 || whole.status() > 431 || whole.reason().empty()) __builtin_trap();
      break;
    case RequestFramer::State::Incomplete:
      if (size > limits.requestBytes) __builtin_trap();
      break;
  }
  return 0;
}
