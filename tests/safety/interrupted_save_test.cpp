// Saves of the settings and records files killed at random moments, and two games saving at
// once: each file always reads back whole, as its content before a save or after it, and what a
// killed save left beside it is gone after the next start.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "platform/files.h"
#include "tests/support/game_runner.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

constexpr int kKills = 1000;
constexpr int kLongestDelayMicroseconds = 3000;

// Two contents of the settings file that differ in every byte, neither of them the defaults a
// bad file would fall back to.
TSettings SettingsVersion(bool second) {
  TSettings settings;
  settings.Windowed = second;
  settings.SoundOn = second;
  settings.MusicOn = second;
  settings.SetAddText(second ? "bbbbbbbbb" : "aaaaaaaaaa");
  settings.BossKey = second ? 64 : 63;
  settings.BossShift = second;
  settings.BossAlt = !second;
  settings.BossCtrl = second;
  return settings;
}

// Two tables that differ in every entry, neither of them the defaults.
TRecordsTable RecordsVersion(bool second) {
  TRecordsTable table;
  for (int i = 0; i < TRecordsTable::kPlaces; ++i) {
    table.Entries[i].NameLength = second ? 7 : 3;
    table.Entries[i].Name.fill(second ? 'B' : 'A');
    table.Entries[i].Score = (second ? 70000 : 30000) - i;
  }
  return table;
}

// The writer: both files saved by the game's own savers, one version after the other, starting
// with `next`, until it is killed. A byte on `started` says that it runs.
[[noreturn]] void SaveForever(bool next, int started) {
  const char running = 1;
  if (write(started, &running, 1) != 1) _exit(1);
  for (bool second = next;; second = !second) {
    SaveSettingsFile(SettingsVersion(second));
    SaveRecordsFile(RecordsVersion(second));
  }
}

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

bool IsEither(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& first,
              const std::vector<std::uint8_t>& second) {
  return bytes == first || bytes == second;
}

TEST(InterruptedSave, EveryKillLeavesTheOldOrTheNewFileWholeAndTheNextStartTidiesUp) {
  TempDir user;
  files::setUserDir(user.path());
  const fs::path data = fs::path(user.path()) / "data";
  SaveSettingsFile(SettingsVersion(false));
  SaveRecordsFile(RecordsVersion(false));
  const std::set<std::string> saved = {"records.dat", "settings.dat"};
  const auto settingsA = SettingsVersion(false).Encode(),
             settingsB = SettingsVersion(true).Encode();
  const auto recordsA = RecordsVersion(false).Encode(), recordsB = RecordsVersion(true).Encode();

  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> delay(0, kLongestDelayMicroseconds);
  int cutShort = 0;  // kills that landed inside a save and left its temporary file
  int changes = 0;   // kills after which the settings file held the other version
  std::vector<std::uint8_t> last = settingsA;
  for (int kill = 0; kill < kKills; ++kill) {
    int started[2];
    ASSERT_EQ(pipe(started), 0);
    std::fflush(nullptr);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) SaveForever(last == settingsA, started[1]);
    close(started[1]);
    char running = 0;
    const bool runs = read(started[0], &running, 1) == 1;
    close(started[0]);
    ASSERT_TRUE(runs) << "the writer did not start";
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(writer, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer stopped itself";

    if (FilesIn(data) != saved) ++cutShort;
    // Read as the game reads them at start: a short or mixed file would give the defaults.
    const auto settings = LoadSettingsFile().Encode();
    const auto records = LoadRecordsFile().Encode();
    ASSERT_TRUE(IsEither(settings, settingsA, settingsB)) << "kill " << kill;
    ASSERT_TRUE(IsEither(records, recordsA, recordsB)) << "kill " << kill;
    ASSERT_EQ(FilesIn(data), saved) << "kill " << kill;
    changes += settings != last;
    last = settings;
  }
  std::printf("%d kills: %d inside a save, %d after which the settings had changed\n", kKills,
              cutShort, changes);
  RecordProperty("cut_short", cutShort);
  EXPECT_GT(cutShort, 0) << "no kill landed inside a save";
  EXPECT_GT(changes, 0) << "the writer never finished a save";
}

// The file's bytes as another game would read them at this moment.
std::vector<std::uint8_t> OnDisk(const char* name, std::size_t size) {
  return files::readAt(files::userPath(name), 0, size).value_or(std::vector<std::uint8_t>{});
}

TEST(ConcurrentSave, TwoGamesSavingAtOnceNeverLeaveAPartOrAnEmptyFile) {
  TempDir user;
  files::setUserDir(user.path());
  SaveSettingsFile(SettingsVersion(false));
  SaveRecordsFile(RecordsVersion(false));
  const auto settingsA = SettingsVersion(false).Encode(),
             settingsB = SettingsVersion(true).Encode();
  const auto recordsA = RecordsVersion(false).Encode(), recordsB = RecordsVersion(true).Encode();

  int started[2];
  ASSERT_EQ(pipe(started), 0);
  std::fflush(nullptr);
  std::vector<pid_t> writers;
  for (const bool second : {false, true}) {
    const pid_t writer = fork();
    if (writer == 0) SaveForever(second, started[1]);
    if (writer > 0) writers.push_back(writer);
  }
  close(started[1]);
  char running[2];
  const bool run = writers.size() == 2 && read(started[0], running, 1) == 1 &&
                   read(started[0], running + 1, 1) == 1;
  close(started[0]);

  int reads = 0;
  bool whole = run;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
  while (whole && std::chrono::steady_clock::now() < end) {
    whole = IsEither(OnDisk(kSettingsFile, TSettings::kFileSize), settingsA, settingsB) &&
            IsEither(OnDisk(kRecordsFile, TRecordsTable::kFileSize), recordsA, recordsB);
    ++reads;
  }
  for (const pid_t writer : writers) {
    ::kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
  }
  ASSERT_TRUE(run) << "the writers did not start";
  EXPECT_TRUE(whole) << "read " << reads << " saw a file that was neither version";
}

}  // namespace
