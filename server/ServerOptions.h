// The server's command line: serving, or one of the operator's commands on the database.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kServerUsage =
    "usage: glintbreaker-server [--listen HOST:PORT] [--db DATABASE] [--proxy ADDRESS]... "
    "[--game DIR]\n"
    "       glintbreaker-server [--db DATABASE] --list | --remove ID | --remove ADDRESS | "
    "--replay ID\n"
    "  --listen HOST:PORT  address to serve (default 127.0.0.1:8642; [::1]:PORT for IPv6;\n"
    "                      port 0 takes a free port)\n"
    "  --db DATABASE       an SQLite file (default: scores.db in the per-user data folder) or\n"
    "                      a PostgreSQL URI, postgresql://USER@HOST/DATABASE\n"
    "  --proxy ADDRESS     a proxy in front of the server: its requests carry the player's\n"
    "                      address in X-Real-IP (may be given more than once)\n"
    "  --game DIR          the game's folder, whose program plays the records' replays\n"
    "                      (default: game/ beside the server's folder)\n"
    "  --list              prints the best 100 records with their ids and addresses\n"
    "  --remove ID         removes the record with that id\n"
    "  --remove ADDRESS    removes every record sent from that address\n"
    "  --replay ID         writes the replay kept for record ID to standard output, and how\n"
    "                      its check went to standard error\n";

struct ServerOptions {
  enum class Command { Serve, List, RemoveId, RemoveAddress, Replay };

  std::string host = "127.0.0.1";
  int port = 8642;
  std::string database;  // empty: DefaultDatabasePath()
  std::vector<std::string> proxies;
  std::string gameDir;  // empty: game/ beside the server's folder
  Command command = Command::Serve;
  std::int64_t removeId = 0;  // or the record whose replay is asked for
  std::string removeAddress;
};

// Nothing, with the reason in `error`, for an unknown option, a missing or bad value, or two
// commands at once.
std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args,
                                                std::string& error);

// scores.db in the game's per-user data folder ($XDG_DATA_HOME/glintbreaker, else
// ~/.local/share/glintbreaker, else the current folder).
std::string DefaultDatabasePath();
