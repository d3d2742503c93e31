// Saves that fail on a full disk or a read-only folder: the settings (an options change) and the
// records (a new record, a reset) keep their old files, one line on stderr says so, and the game
// plays on with what was chosen.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/safety/failing_data_folder.h"
#include "tests/scenario/level_fixture.h"
#include "tests/support/game_runner.h"
#include "userdata/Preferences.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

namespace {

using safety::Failure;
using safety::RunWithFailingDataFolder;
using testing_support::GameDirWithLevels;
using testing_support::Level;
using testing_support::TempDir;

std::string Bytes(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// A table low enough for any finished game to top it, and not the defaults a reset brings.
std::string LowRecords() {
  TRecordsTable table = TRecordsTable::Defaults();
  for (int i = 0; i < TRecordsTable::kPlaces; ++i) table.Entries[i].Score = 500 - 50 * i;
  return Bytes(table.Encode());
}

const std::string kAtMenu = testing_support::kMenuReady;

// Music switched off in the options (the main menu's second item, the panel's second) and the
// panel left, which saves the settings.
constexpr const char* kMusicOff =
    "key 208\nframes 1\nkey 28\nframes 1\nuntil screens.options.Slide == 100 40\n"
    "key 208\nframes 1\nkey 205\nframes 1\nkey 1\nframes 1\nexpect GameState == gsMainMenu\n"
    "expect settings.MusicOn == 0\n";

// The effects volume (two items above the panel's first) turned down, which saves the
// preferences at once, and the panel left, which saves the settings.
constexpr const char* kEffectsDown =
    "key 208\nframes 1\nkey 28\nframes 1\nuntil screens.options.Slide == 100 40\n"
    "key 200\nframes 1\nkey 200\nframes 1\nkey 203\nframes 1\nkey 1\nframes 1\n"
    "expect GameState == gsMainMenu\nexpect preferences.EffectsVolume == 90\n";

// The records panel, the main menu's third item.
constexpr const char* kOpenRecords =
    "key 208\nframes 1\nkey 208\nframes 1\nkey 28\nframes 1\nexpect GameState == gsRecords\n";

// The panel's reset button and Yes to its question.
constexpr const char* kReset =
    "key 28\nframes 1\nkey 203\nframes 1\nkey 28\nframes 1\nexpect GameState == gsRecords\n"
    "expect records.0.score == 10000\nkey 1\nframes 1\nexpect GameState == gsMainMenu\n";

// From the main menu's item `item`, up to the first and into a new game, which plays on.
std::string PlayFrom(int item) {
  std::string script;
  for (int i = 1; i < item; ++i) script += "key 200\nframes 1\n";
  return script +
         "expect screens.main.Selected == 1\nkey 28\nuntil gsPlaying 10\nframes 200\n"
         "expect GameState == gsPlaying\nexpect phase == play\n";
}

// On a level that is complete at once the game ends with a new record, stored as the best.
constexpr const char* kNewRecord =
    "key 28\nuntil gsPlaying 10\nuntil gsRecordEntryName 3000\nkey 16\nframes 1\n"
    "key 28\nframes 1\nkey 28\nframes 1\nkey 28\nframes 1\nexpect GameState == gsSubmitAsk\n"
    "expect records.0.score == 1160\nkey 1\nframes 1\nexpect GameState == gsRecords\n"
    "key 1\nframes 1\nexpect GameState == gsMainMenu\n";

TEST(FailedSave, FullDiskOrReadOnlyFolderKeepsTheOldFilesAndTheGamePlaysOn) {
  TempDir oneLevel;
  GameDirWithLevels(oneLevel.path(), {Level({"", "..###"})});
  const std::map<std::string, std::string> before = {
      {"settings.dat", Bytes(TSettings{}.Encode())},
      {"records.dat", LowRecords()},
      {"preferences.dat", Bytes(TPreferences{}.Encode())}};
  // Each save that fails says so in one line. The options save each change and again when the
  // panel closes, as it does when a game starts.
  const struct {
    const char* save;
    std::string script;
    std::vector<std::string> writes;  // the files written, in order
    std::vector<std::string> extraArgs;
  } saves[] = {
      {"an options change",
       kMusicOff + PlayFrom(2),
       {"settings.dat", "settings.dat", "settings.dat"},
       {}},
      {"a volume change",
       kEffectsDown + PlayFrom(2),
       {"preferences.dat", "settings.dat", "settings.dat"},
       {}},
      {"a reset of the records",
       std::string(kOpenRecords) + kReset + PlayFrom(3),
       {"records.dat", "settings.dat"},
       {}},
      // The records panel, opened again, still shows the new record.
      {"a new record",
       std::string(kNewRecord) + kOpenRecords + "expect records.0.score == 1160\n",
       {"settings.dat", "records.dat"},
       {"--game-dir", oneLevel.path()}},
  };
  const struct {
    Failure failure;
    const char* name;
    const char* reason;  // as stderr gives it
  } failures[] = {{Failure::DiskFull, "a full disk", "No space left on device"},
                  {Failure::ReadOnly, "a read-only folder", "Read-only file system"}};

  for (const auto& failure : failures) {
    for (const auto& save : saves) {
      SCOPED_TRACE(std::string(save.save) + " on " + failure.name);
      TempDir user;
      const auto run = RunWithFailingDataFolder(failure.failure, before, kAtMenu + save.script,
                                                user.path(), save.extraArgs);
      if (!run.unavailable.empty()) {
        GTEST_SKIP() << "no file system of its own here: " << run.unavailable;
      }
      EXPECT_EQ(run.game.status, 0) << run.game.err;
      std::string lines;
      for (const auto& file : save.writes) {
        lines += "glintbreaker: cannot write " + user.path() + "/data/" + file + ": " +
                 failure.reason + "\n";
      }
      EXPECT_EQ(run.game.err, lines);
      auto after = run.files;
      if (failure.failure == Failure::DiskFull) {
        EXPECT_EQ(after.erase(safety::kFiller), 1u);
      }
      EXPECT_EQ(after, before) << "the old files, and nothing left beside them";
    }
  }
}

}  // namespace
