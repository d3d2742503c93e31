#include "server/ServerOptions.h"

#include <charconv>

#include "app/Paths.h"

namespace {

// "HOST:PORT" or "[IPV6]:PORT" with a port from 0 to 65535.
bool ParseListen(const std::string& text, ServerOptions& options) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  std::string host = text.substr(0, colon);
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return false;
    host = host.substr(1, host.size() - 2);
  } else if (host.find(':') != std::string::npos) {
    return false;  // an IPv6 address needs its brackets
  }
  const char* begin = text.data() + colon + 1;
  const char* end = text.data() + text.size();
  int port = -1;
  const auto [stop, failure] = std::from_chars(begin, end, port);
  if (begin == end || failure != std::errc() || stop != end || port < 0 || port > 65535) {
    return false;
  }
  options.host = host;
  options.port = port;
  return true;
}

}  // namespace

std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args,
                                                std::string& error) {
  ServerOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option != "--listen" && option != "--db") {
      error = "unknown option " + option;
      return std::nullopt;
    }
    if (i + 1 == args.size() || args[i + 1].empty()) {
      error = option + " needs a value";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (option == "--db") {
      options.database = value;
    } else if (!ParseListen(value, options)) {
      error = "--listen needs HOST:PORT, not " + value;
      return std::nullopt;
    }
  }
  return options;
}

std::string DefaultDatabasePath() {
  return DefaultUserDir() + "/scores.db";
}
