// The server's command line: serving, or one of the operator's commands on the database.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kServerUsage =
    "usage: glintbreaker-server [--listen HOST:PORT] [--db DATABASE] [--proxy ADDRESS]...\n"
    "       glintbreaker-server [--db DATABASE] --list | --remove ID | --remove ADDRESS\n"
    "  --listen HOST:PORT  address to serve (default 127.0.0.1:8642; [::1]:PORT for IPv6;\n"
    "                      port 0 takes a free port)\n"
    "  --db DATABASE       an SQLite file (default: scores.db in the per-user data folder) or\n"
    "                      a PostgreSQL URI, postgresql://USER@HOST/DATABASE\n"
    "  --proxy ADDRESS     a proxy in front of the server: its requests carry the player's\n"
    "                      address in X-Real-IP (may be given more than once)\n"
    "  --list              prints the best 100 records with their ids and addresses\n"
    "  --remove ID         removes the record with that id\n"
    "  --remove ADDRESS    removes every record sent from that address\n";

struct ServerOptions {
  enum class Command { Serve, List, RemoveId, RemoveAddress };

  std::string host = "127.0.0.1";
  int port = 8642;
  std::string database;  // empty: DefaultDatabasePath()
  std::vector<std::string> proxies;
  Command command = Command::Serve;
  std::int64_t removeId = 0;
  std::string removeAddress;
};

// Nothing, with the reason in `error`, for an unknown option, a missing or bad value, or two
// commands at once.
std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args,
                                                std::string& error);

// scores.db in the game's per-user data folder ($XDG_DATA_HOME/glintbreaker, else
// ~/.local/share/glintbreaker, else the current folder).
std::string DefaultDatabasePath();
