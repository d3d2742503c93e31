#include "app/CommandLine.h"

#include <cstdlib>

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
        option != "--user-dir" && option != "--server") {
      error = "unknown option " + option;
      return std::nullopt;
    }
    if (i + 1 >= argc || std::string(argv[i + 1]).empty()) {
      error = option + " needs a value";
      return std::nullopt;
    }
    const std::string value = argv[++i];
    if (option == "--script") line.script = value;
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
