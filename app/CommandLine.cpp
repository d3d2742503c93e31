#include "app/CommandLine.h"

#include <cstdlib>

namespace {

// "CONNECT,TOTAL": two whole numbers of milliseconds from 1 to 600000.
std::optional<THttpTimeouts> ParseTimeouts(const std::string& value) {
  const std::size_t comma = value.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto millis = [](const std::string& text) -> std::optional<long> {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
      return std::nullopt;
    }
    const long ms = std::strtol(text.c_str(), nullptr, 10);
    if (ms < 1 || ms > 600000) return std::nullopt;
    return ms;
  };
  const auto connect = millis(value.substr(0, comma));
  const auto total = millis(value.substr(comma + 1));
  if (!connect || !total) return std::nullopt;
  return THttpTimeouts{*connect, *total};
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::string& error) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--headless") {
      line.headless = true;
      continue;
    }
    if (option == "--help" || option == "-h") {
      line.help = true;
      continue;
    }
    if (option != "--script" && option != "--seed" && option != "--game-dir" &&
        option != "--user-dir" && option != "--server" && option != "--http-timeouts" &&
        option != "--replay" && option != "--lang") {
      error = "unknown option " + option;
      return std::nullopt;
    }
    if (i + 1 >= argc || std::string(argv[i + 1]).empty()) {
      error = option + " needs a value";
      return std::nullopt;
    }
    const std::string value = argv[++i];
    if (option == "--script") line.script = value;
    if (option == "--replay") line.replay = value;
    if (option == "--game-dir") line.gameDir = value;
    if (option == "--user-dir") line.userDir = value;
    if (option == "--server") {
      // The requests' paths begin with "/"; a host must be left after the scheme.
      line.server = value.substr(0, value.find_last_not_of('/') + 1);
      if (!line.server.starts_with("http://") && !line.server.starts_with("https://")) {
        error = "--server needs an http:// or https:// address with a host, not " + value;
        return std::nullopt;
      }
    }
    if (option == "--http-timeouts") {
      const auto timeouts = ParseTimeouts(value);
      if (!timeouts) {
        error =
            "--http-timeouts needs two times in milliseconds, 1 to 600000, such as "
            "5000,15000, not " +
            value;
        return std::nullopt;
      }
      line.httpTimeouts = *timeouts;
    }
    if (option == "--lang") {
      line.language = LanguageOfCode(value);
      if (!line.language) {
        error = "--lang needs ru or en, not " + value;
        return std::nullopt;
      }
    }
    if (option == "--seed") {
      char* end = nullptr;
      const unsigned long long seed = std::strtoull(value.c_str(), &end, 10);
      if (end != value.c_str() + value.size() || value[0] == '-') {
        error = "--seed needs a whole number, not " + value;
        return std::nullopt;
      }
      line.seed = seed;
    }
  }
  return line;
}
