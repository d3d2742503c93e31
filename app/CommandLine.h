// The program's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "online/HttpClient.h"
#include "userdata/Language.h"

struct CommandLine {
  bool headless = false;              // no window: the recording engine
  std::string script;                 // input and time from this script
  std::string replay;                 // plays this replay file
  std::optional<std::uint64_t> seed;  // fixes the random generator
  std::string gameDir;  // read-only game files; default: installed or beside the program
  std::string userDir;  // settings and records; default: the per-user data folder
  // The score server, "http://" or "https://" and a host, without a trailing "/"; empty: the
  // game's default.
  std::string server;
  // How long sending a record may take to connect and in all, in milliseconds.
  THttpTimeouts httpTimeouts;
  // --lang ru|en: the language of this run, over the one chosen in the options and the locale's.
  std::optional<TLanguage> language;
  bool help = false;  // --help or -h: the usage on stdout, and nothing else
};

// Parses the options; on an unknown option or a missing value, error says why.
std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::string& error);

inline constexpr const char* kUsage =
    "usage: glintbreaker [--headless] [--script FILE] [--seed N] [--game-dir DIR] "
    "[--user-dir DIR] [--server URL] [--http-timeouts CONNECT_MS,TOTAL_MS] [--lang ru|en]\n"
    "       glintbreaker [--headless] --replay FILE [--script FILE] [--game-dir DIR] "
    "[--user-dir DIR]\n";

inline constexpr const char* kHelp =
    "  --headless        no window: the recording engine, for tests and automation\n"
    "  --script FILE     input and time come from a script\n"
    "  --replay FILE     plays a recorded game: in the window 1, 2, 4, 8 (or Right, Left) set\n"
    "                    the pace, Space pauses, Escape leaves; with --headless as fast as it\n"
    "                    goes, printing its result (status 0 when it is the recorded one)\n"
    "  --seed N          fixes the random generator\n"
    "  --game-dir DIR    where the game's files are (default: the installed data folder,\n"
    "                    else beside the program)\n"
    "  --user-dir DIR    where settings and records are kept\n"
    "  --server URL      the score server (default: http://127.0.0.1:8642)\n"
    "  --http-timeouts CONNECT_MS,TOTAL_MS\n"
    "                    how long sending a record may take (default: 5000,15000)\n"
    "  --lang ru|en      the language of the game (default: the one chosen in the options, else\n"
    "                    English where the locale's language is, else Russian)\n"
    "  --help            this text\n";
