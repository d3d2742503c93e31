#include "server/ServerOptions.h"

#include <charconv>

#include "app/Paths.h"
#include "server/AddressKey.h"

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

// A record's id (a positive number) or an address.
bool ParseRemove(const std::string& text, ServerOptions& options) {
  std::int64_t id = 0;
  const auto [stop, failure] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (failure == std::errc() && stop == text.data() + text.size() && id > 0) {
    options.command = ServerOptions::Command::RemoveId;
    options.removeId = id;
    return true;
  }
  if (!IsIpAddress(text)) return false;
  options.command = ServerOptions::Command::RemoveAddress;
  options.removeAddress = text;
  return true;
}

}  // namespace

std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args,
                                                std::string& error) {
  ServerOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool command = option == "--list" || option == "--remove" || option == "--replay";
    if (command && options.command != ServerOptions::Command::Serve) {
      error = "one command at a time: --list, --remove or --replay";
      return std::nullopt;
    }
    if (option == "--list") {
      options.command = ServerOptions::Command::List;
      continue;
    }
    if (!command && option != "--listen" && option != "--db" && option != "--proxy" &&
        option != "--game") {
      error = "unknown option " + option;
      return std::nullopt;
    }
    if (i + 1 == args.size() || args[i + 1].empty()) {
      error = option + " needs a value";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    bool good = true;
    if (option == "--db") {
      options.database = value;
    } else if (option == "--game") {
      options.gameDir = value;
    } else if (option == "--replay") {
      good = ParseRemove(value, options) && options.command == ServerOptions::Command::RemoveId;
      options.command = ServerOptions::Command::Replay;
    } else if (option == "--proxy") {
      good = IsIpAddress(value);
      if (good) options.proxies.push_back(value);
    } else if (option == "--listen") {
      good = ParseListen(value, options);
    } else {
      good = ParseRemove(value, options);
    }
    if (!good) {
      error = option +
              (option == "--listen"   ? " needs HOST:PORT, not "
               : option == "--proxy"  ? " needs an IP address, not "
               : option == "--replay" ? " needs a record's id, not "
                                      : " needs a record's id or an IP address, not ") +
              value;
      return std::nullopt;
    }
  }
  return options;
}

std::string DefaultDatabasePath() {
  return DefaultUserDir() + "/scores.db";
}
