// The atomic write at its edges: a write the system cuts short, and the temporary files that
// killed saves leave behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/files.h"
#include "tests/support/game_runner.h"
#include "userdata/Settings.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FileExists;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

TEST(AtomicWrite, AWriteCutShortLeavesTheOldFileAndNoTemporary) {
  TempDir folder;
  const std::string path = folder.file("records.dat");
  WriteFile(path, "old");
  // Files may grow to 100 bytes: the first write of 160 is short, the next one refused.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = files::writeAtomic(path, std::vector<std::uint8_t>(160, 7));
    _exit(!written && errno == EFBIG ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "reported as written, or why not lost";
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// The number of a process that has ended.
std::string EndedProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return std::to_string(child);
}

TEST(AtomicWrite, TheNextStartRemovesWhatKilledSavesLeftAndNothingElse) {
  TempDir user;
  files::setUserDir(user.path());
  const std::string ended = EndedProcess();
  // The first is the name an earlier build used for every save. A game still running (here the
  // test's parent) may be saving right now: its temporary stays.
  const std::vector<std::string> left = {"data/settings.dat.tmp",
                                         "data/settings.dat.tmp-" + ended + "-0",
                                         "data/settings.dat.tmp-" + ended + "-12"};
  const std::vector<std::string> kept = {
      "data/settings.dat.bad", "data/records.dat.tmp-" + ended + "-1",
      "data/settings.dat.tmp-" + std::to_string(getppid()) + "-3", "data/other.dat"};
  for (const auto& name : left) WriteFile(user.file(name), "part");
  for (const auto& name : kept) WriteFile(user.file(name), "keep");
  SaveSettingsFile(TSettings{});

  LoadSettingsFile();
  for (const auto& name : left) EXPECT_FALSE(FileExists(user.file(name))) << name;
  for (const auto& name : kept) EXPECT_EQ(ReadFile(user.file(name)), "keep") << name;
  EXPECT_EQ(ReadFile(user.file("data/settings.dat")).size(), TSettings::kFileSize);
}

}  // namespace
