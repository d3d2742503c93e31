// The server's command line: glintbreaker-server [--listen HOST:PORT] [--db FILE].
#pragma once

#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kServerUsage =
    "usage: glintbreaker-server [--listen HOST:PORT] [--db FILE]\n"
    "  --listen HOST:PORT  address to serve (default 127.0.0.1:8642; [::1]:PORT for IPv6;\n"
    "                      port 0 takes a free port)\n"
    "  --db FILE           the score database (default: scores.db in the per-user data folder)\n";

struct ServerOptions {
  std::string host = "127.0.0.1";
  int port = 8642;
  std::string database;  // empty: DefaultDatabasePath()
};

// Nothing, with the reason in `error`, for an unknown option, a missing value or a bad address.
std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args,
                                                std::string& error);

// scores.db in the game's per-user data folder ($XDG_DATA_HOME/glintbreaker, else
// ~/.local/share/glintbreaker, else the current folder).
std::string DefaultDatabasePath();
