// Start-up: the fade from dark, the files read and written at start, script and command-line
// errors.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "platform/os.h"
#include "tests/support/game_runner.h"
#include "userdata/Language.h"
#include "userdata/Preferences.h"

namespace {

using testing::HasSubstr;
using testing_support::Field;
using testing_support::FileExists;
using testing_support::ReadFile;
using testing_support::RunGame;
using testing_support::RunScript;
using testing_support::TempDir;
using testing_support::WriteFile;

TEST(FadeIn, BrightensOver149FramesThenTheMenuRuns) {
  TempDir user;
  // A dump after frames 1, 2, 99, 100, 101, 148 and 149 of the fade.
  const auto run = RunScript(
      "frames 1\nexpect sounds.0 == sound\\musmenu.wav\ndump\nframes 1\ndump\nframes "
      "97\ndump\nframes 1\ndump\nframes 1\ndump\n"
      "frames 47\ndump\nframes 1\ndump\nframes 1\ndump\n",
      user.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dumps = run.Dumps();
  ASSERT_EQ(dumps.size(), 8u);
  const struct {
    double frame, light, fade;
  } expected[] = {{1, 0.02, 2},     {2, 0.03, 3},     {99, 1.00, 100}, {100, 1.02, 102},
                  {101, 1.04, 104}, {148, 1.98, 198}, {149, 2.0, 200}, {150, 2.0, 200}};
  for (std::size_t i = 0; i < dumps.size(); ++i) {
    SCOPED_TRACE(dumps[i].substr(0, 120));
    EXPECT_EQ(Field(dumps[i], "frame"), expected[i].frame);
    EXPECT_NEAR(Field(dumps[i], "light"), expected[i].light, 1e-5);
    EXPECT_EQ(Field(dumps[i], "fade"), expected[i].fade);
    EXPECT_EQ(Field(dumps[i], "GameState"), 4);
  }
}

TEST(StartupFiles, FirstStartCreatesDefaultSettingsAndRecords) {
  TempDir user;
  const auto run = RunScript("frames 1\n", user.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string settings = ReadFile(user.file("data/settings.dat"));
  const std::string expectedSettings("\x01\x01\x01\x00\0\0\0\0\0\0\0\0\0\0\x58\0\0\0", 18);
  EXPECT_EQ(settings, expectedSettings);
  const std::string records = ReadFile(user.file("data/records.dat"));
  ASSERT_EQ(records.size(), 160u);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(records.substr(i * 16, 5), std::string("\x04\x82\xA0\xAD\xC0"));
    const auto* score = reinterpret_cast<const unsigned char*>(records.data() + i * 16 + 12);
    EXPECT_EQ(score[0] | score[1] << 8 | score[2] << 16 | score[3] << 24, 10000 - 1000 * i);
  }
}

TEST(StartupFiles, SavedStateFileIsDeletedAndTheMenuStarts) {
  // A whole 8-byte record and a truncated one alike.
  for (const char* contents : {"12345678", "123"}) {
    SCOPED_TRACE(contents);
    TempDir user;
    WriteFile(user.file("data/boss.dat"), contents);
    const auto run = RunScript("until 4 400\nexpect GameState == 4\n", user.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(FileExists(user.file("data/boss.dat")));
  }
}

TEST(StartupFiles, ShortFilesGiveDefaultsAndAreKeptAsBad) {
  TempDir user;
  WriteFile(user.file("data/settings.dat"), std::string("\x00\x00\x00\x00\x00", 5));
  WriteFile(user.file("data/records.dat"), std::string(100, '\x07'));
  const auto run = RunScript(
      "frames 1\nexpect settings.Windowed == 1\nexpect records.0.score == 10000\n", user.path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("settings.dat is too short"));
  EXPECT_EQ(ReadFile(user.file("data/settings.dat.bad")).size(), 5u);
  EXPECT_EQ(ReadFile(user.file("data/records.dat.bad")), std::string(100, '\x07'));
  EXPECT_EQ(ReadFile(user.file("data/settings.dat")).size(), 18u);
  EXPECT_EQ(ReadFile(user.file("data/records.dat")).size(), 160u);
}

TEST(StartupFiles, StoredSettingsAreUsed) {
  TempDir user;
  WriteFile(user.file("data/settings.dat"),
            std::string("\x01\x00\x00\x03\x81\x82\x83\0\0\0\0\0\0\0\x3F\x01\x00\x01", 18));
  const auto run = RunScript(
      "frames 1\nexpect settings.SoundOn == 0\nexpect settings.AddText == \\x81\\x82\\x83\n"
      "expect settings.BossKey == 63\nexpect settings.BossCtrl == 1\n",
      user.path());
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(StartupFiles, LongerFilesKeepTheirFirstRecord) {
  TempDir user;
  std::string settings("\x01\x00\x01\x02\x81\x82\0\0\0\0\0\0\0\0\x3F\0\0\0", 18);
  settings.resize(2u << 20, '\xFF');
  WriteFile(user.file("data/settings.dat"), settings);
  std::string records(160, '\0');
  records[12] = 0x2A;  // entry 1 scores 42
  WriteFile(user.file("data/records.dat"), records + "trailing bytes");
  const auto run = RunScript(
      "frames 1\nexpect settings.SoundOn == 0\nexpect settings.AddText == \\x81\\x82\n"
      "expect settings.BossKey == 63\nexpect records.0.score == 42\n",
      user.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_FALSE(FileExists(user.file("data/settings.dat.bad")));
  EXPECT_FALSE(FileExists(user.file("data/records.dat.bad")));
}

TEST(StartupFiles, APreferencesFileThatHoldsNoRecordGivesTheDefaultVolumes) {
  const std::vector<std::uint8_t> stored = TPreferences{30, 70}.Encode();
  const std::string good(stored.begin(), stored.end());
  std::string badChecksum = good;
  badChecksum[4] = 40;
  const std::vector<std::uint8_t> offScale = TPreferences{55, 100}.Encode();
  const struct {
    const char* name;
    std::string contents;   // none: no file
    const char* complaint;  // none: the file is used as it is
  } cases[] = {
      {"missing", "", nullptr},
      {"truncated", good.substr(0, 7), "preferences.dat is too short"},
      {"another file", "GIF89a and more", "preferences.dat is not a preferences file"},
      {"a wrong checksum", badChecksum, "checksum does not match"},
      {"a volume off the scale", std::string(offScale.begin(), offScale.end()),
       "a volume off the scale"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir user;
    if (!c.contents.empty()) WriteFile(user.file("data/preferences.dat"), c.contents);
    const auto run = RunScript(
        "frames 1\nexpect preferences.MusicVolume == 100\nexpect preferences.EffectsVolume == 100\n"
        "expect volumes.menuMusic == 1\nexpect volumes.click == 1\n",
        user.path());
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::uint8_t> defaults = TPreferences{}.Encode();
    EXPECT_EQ(ReadFile(user.file("data/preferences.dat")),
              std::string(defaults.begin(), defaults.end()));
    if (c.complaint == nullptr) {
      EXPECT_EQ(run.err, "");
      continue;
    }
    EXPECT_THAT(run.err, HasSubstr(c.complaint));
    EXPECT_THAT(run.err, HasSubstr("using the defaults"));
    EXPECT_EQ(ReadFile(user.file("data/preferences.dat.bad")), c.contents);
  }

  TempDir user;
  WriteFile(user.file("data/preferences.dat"), good);
  const auto run = RunScript(
      "frames 1\nexpect preferences.MusicVolume == 30\nexpect volumes.menuMusic == 0.3\n"
      "expect preferences.EffectsVolume == 70\nexpect volumes.click == 0.7\n",
      user.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
}

TEST(StartupFiles, TheLanguageIsTheCommandLinesElseTheChosenOneElseTheLocales) {
  const std::vector<std::uint8_t> choseEnglish = TPreferences{100, 100, 2}.Encode();
  // Without the locale's variables, the system's own setting where it keeps one (Windows), else
  // Russian.
  const std::string systemLocale = os::systemLocale();
  const char* kWithoutLocale =
      LanguageCode(LanguageOfLocale(nullptr, nullptr, nullptr, systemLocale.c_str()));
  const struct {
    const char* name;
    const char *lcAll, *lcMessages, *lang;  // empty: unset
    std::vector<std::string> args;
    bool storedEnglish;
    const char* expected;
  } cases[] = {
      {"no locale", "", "", "", {}, false, kWithoutLocale},
      {"an English LANG", "", "", "en_US.UTF-8", {}, false, "en"},
      {"LC_ALL over LANG", "ru_RU.UTF-8", "", "en_US.UTF-8", {}, false, "ru"},
      {"LC_MESSAGES over LANG", "", "en_GB.UTF-8", "ru_RU.UTF-8", {}, false, "en"},
      {"the C locale", "", "", "C.UTF-8", {}, false, "ru"},
      {"the choice over the locale", "", "", "ru_RU.UTF-8", {}, true, "en"},
      {"--lang over the locale", "", "", "ru_RU.UTF-8", {"--lang", "en"}, false, "en"},
      {"--lang over the choice", "", "", "en_US.UTF-8", {"--lang", "ru"}, true, "ru"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::SetEnvironment("LC_ALL", c.lcAll);
    testing_support::SetEnvironment("LC_MESSAGES", c.lcMessages);
    testing_support::SetEnvironment("LANG", c.lang);
    TempDir user;
    if (c.storedEnglish) {
      WriteFile(user.file("data/preferences.dat"),
                std::string(choseEnglish.begin(), choseEnglish.end()));
    }
    const auto run = RunScript(std::string("frames 1\nexpect language == ") + c.expected + "\n",
                               user.path(), c.args);
    EXPECT_EQ(run.status, 0) << run.err;
  }
  // The records a first start writes carry the default name of its language.
  TempDir user;
  const auto english =
      RunScript("frames 1\nexpect records.0.name == Johnny\n", user.path(), {"--lang", "en"});
  EXPECT_EQ(english.status, 0) << english.err;
  const auto unknown = RunScript("frames 1\n", user.path(), {"--lang", "de"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_THAT(unknown.err, HasSubstr("--lang needs ru or en, not de"));
}

TEST(Script, FailedExpectExitsWithOneAndNamesTheLine) {
  TempDir user;
  const auto run = RunScript("frames 2\n# a comment\nexpect GameState == 5\n", user.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("script line 3"));
  EXPECT_THAT(run.err, HasSubstr("GameState is 4"));
}

TEST(Script, UntilPastItsLimitFails) {
  TempDir user;
  const auto run = RunScript("until GameState == 3 20\n", user.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("script line 1"));
}

TEST(Script, StateNamesWaitForAndCheckTheScreen) {
  TempDir user;
  const auto run = RunScript(
      "until gsMainMenu 400\nexpect GameState == gsMainMenu\nexpect GameState != gsPlaying\n",
      user.path());
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(Script, ErrorsInTheScriptExitWithTwo) {
  const struct {
    const char* script;
    const char* message;
  } cases[] = {
      {"frames 1\njump 3\n", "script line 2: unknown command"},
      {"frames x\n", "script line 1"},
      {"key 300\n", "script line 1: bad key code"},
      {"mouse 0.5\n", "script line 1"},
      {"expect GameState ~ 4\n", "script line 1"},
      {"frames 1\nuntil gsMainMenus 400\n", "script line 2: unknown name \"gsMainMenus\""},
      {"frames 1\nexpect GameState == gsMainMenus\n", "script line 2"},
      {"until GameState == menu\n", "neither a number nor a known name"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    TempDir user;
    const auto run = RunScript(c.script, user.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr(c.message));
  }
}

TEST(CommandLine, UnknownOptionsAndMissingScriptsExitWithTwo) {
  auto run = RunGame({"--headless", "--fullscreen"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("usage: glintbreaker"));
  run = RunGame({"--headless", "--script"});
  EXPECT_EQ(run.status, 2);
  run = RunGame({"--headless", "--script", "/nonexistent/script.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("cannot read the script"));
}

}  // namespace
