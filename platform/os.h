// The few services the operating system gives differently on Linux and on Windows. Everything
// above this layer speaks UTF-8 strings; the conversion to the system's own paths and text
// (UTF-16 on Windows) happens here and nowhere else.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace os {

// The system path of a UTF-8 name, and the UTF-8 name of a system path.
inline std::filesystem::path pathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string textOf(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

// The program's command line in UTF-8 (on Windows argv is in the local code page, which loses
// every letter outside it).
std::vector<std::string> arguments(int argc, char** argv);

// The running program's file, or "" when the system does not tell.
std::string executablePath();
// The folder where a program called `name` keeps its users' data, as each system has it:
// $XDG_DATA_HOME/name or ~/.local/share/name in lower case on Linux, %APPDATA%\Name on Windows;
// "" when there is none.
std::string userDataFolder(const std::string& name);

// The calendar time of `time` in the system's own time zone.
std::tm localTime(std::time_t time);

long processId();
// Whether the process pid still runs.
bool processRuns(long pid);

// Creates the file, failing when it exists, writes every byte and flushes them to the disk.
// False with errno set when any of it fails; a file that was created is then removed.
bool createWrittenFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// Puts `from` in the place of `to` in one step, so a reader sees the old file or the new one,
// and makes the change last through a power cut as far as the system allows. errno on failure.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Hands an address (already checked to be http, https or mailto) to the user's browser or mail
// program without waiting for it; false when none could be started.
bool openAddress(const std::string& address);

// Signals sent to the program from outside: SIGUSR1 and SIGUSR2 on Linux; Windows has none.
enum class OutsideSignal { ComeBack, End };
// Calls `handler` (which may only set flags) when one arrives.
void catchOutsideSignals(void (*handler)(OutsideSignal));

// The calling thread yields to every other thread of the program.
void useLowestThreadPriority();

// The program's resident memory in KiB; 0 when the system does not tell.
long residentMemoryKiB();

// The user's language as the system keeps it beside the locale's variables ("en-US" on
// Windows); empty where those variables are all there is.
std::string systemLocale();

// Memory for decoded pictures, which come and go in buffers of a few megabytes. Every thread
// allocates from one memory arena (the C library's default on Linux gives each thread that
// allocates at once an arena of its own, which keeps the big buffers freed in it); buffers up to
// 4 MB come from that heap, and up to 8 MB freed in it is kept for the next picture rather than
// given back: each page touched for the first time is a fault, dear on a virtual machine, and
// the start decodes picture after picture.
void keepPictureMemoryAtHand();

}  // namespace os
