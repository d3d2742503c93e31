#include <windows.h>
// After windows.h, which they need.
#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

#include "platform/os.h"

namespace os {
namespace {

std::wstring wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
  return text;
}

std::string narrow(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
  utf8.pop_back();  // the terminating zero
  return utf8;
}

// errno for the last system error, so callers report Windows failures as they do Linux ones.
void setErrnoFromLastError() {
  switch (GetLastError()) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      errno = EEXIST;
      break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
      errno = EACCES;
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      errno = ENOENT;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      errno = ENOSPC;
      break;
    default:
      errno = EIO;
  }
}

bool writeWhole(HANDLE file, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

std::vector<std::string> arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(narrow(words[i]));
  LocalFree(words);
  return result;
}

std::string executablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return "";
    if (length < path.size()) return narrow(path.c_str());
    path.resize(path.size() * 2);
  }
}

std::string userDataFolder(const std::string& name) {
  std::string home;
  if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData != nullptr && appData[0] != L'\0') {
    home = narrow(appData);
  } else {
    PWSTR folder = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder) == S_OK) {
      home = narrow(folder);
    }
    CoTaskMemFree(folder);
  }
  return home.empty() ? home : home + "\\" + name;
}

std::tm localTime(std::time_t time) {
  std::tm local{};
  localtime_s(&local, &time);
  return local;
}

long processId() {
  return static_cast<long>(GetCurrentProcessId());
}

bool processRuns(long pid) {
  if (pid <= 0) return false;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool runs = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return runs;
}

bool createWrittenFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    setErrnoFromLastError();
    return false;
  }
  const bool written = writeWhole(file, bytes) && FlushFileBuffers(file);
  if (!written) setErrnoFromLastError();
  const int reason = errno;
  const bool closed = CloseHandle(file);
  if (written && closed) return true;
  DeleteFileW(path.c_str());
  errno = written ? EIO : reason;
  return false;
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  // A reader that has the old file open (another copy of the game loading it) holds the move
  // back for a moment: it is tried again for up to a second.
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    const DWORD error = GetLastError();
    if (attempt == 50 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
      setErrnoFromLastError();
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

bool openAddress(const std::string& address) {
  const HINSTANCE result =
      ShellExecuteW(nullptr, L"open", wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void catchOutsideSignals(void (*)(OutsideSignal)) {}

void useLowestThreadPriority() {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
}

void keepPictureMemoryAtHand() {}  // the process heap is shared by every thread, and reused

std::string systemLocale() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH];
  if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) == 0) return {};
  return textOf(std::filesystem::path(name));
}

long residentMemoryKiB() {
  PROCESS_MEMORY_COUNTERS counters{};
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return static_cast<long>(counters.WorkingSetSize / 1024);
}

}  // namespace os
