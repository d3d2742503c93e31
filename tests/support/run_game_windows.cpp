// Starting the game and making temporary folders on Windows (the tests run under Wine).
#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "platform/os.h"
#include "tests/support/game_runner.h"

namespace testing_support {
namespace {

std::wstring Wide(const std::string& utf8) {
  return os::pathOf(utf8).wstring();
}

// One argument of a command line as the C runtime splits it again: in quotes, with the
// backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

}  // namespace

TempDir::TempDir() {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("glint-test-" + std::to_string(random() % 100000000));
    std::error_code error;
    if (std::filesystem::create_directory(folder, error)) {
      path_ = os::textOf(folder);
      return;
    }
  }
  throw std::runtime_error("no temporary folder");
}

GameRun RunGame(const std::vector<std::string>& args) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE outRead = nullptr;
  HANDLE outWrite = nullptr;
  if (!CreatePipe(&outRead, &outWrite, &inherited, 0)) throw std::runtime_error("no pipe");
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  // Standard error goes to a file so a chatty run can never fill a pipe nobody reads.
  const TempDir errors;
  const std::string errFile = errors.file("err.txt");
  HANDLE errWrite = CreateFileW(Wide(errFile).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);

  std::wstring commandLine = Quoted(Wide(GLINT_GAME_BINARY));
  for (const std::string& arg : args) commandLine += L" " + Quoted(Wide(arg));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  GameRun run;
  if (started) {
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(outRead, buffer, sizeof buffer, &read, nullptr) && read > 0) {
      run.out.append(buffer, read);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.status = static_cast<int>(code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CloseHandle(outRead);
  run.err = ReadFile(errFile);
  // The program's text streams end their lines with CR LF on Windows.
  for (std::string* text : {&run.out, &run.err}) {
    text->erase(std::remove(text->begin(), text->end(), '\r'), text->end());
  }
  return run;
}

}  // namespace testing_support
#endif
