// The settings and records records, file lookup, link files and the state JSON.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "runtime/json.h"
#include "runtime/system.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

namespace {

TEST(SettingsRecord, RoundTripsItsEighteenBytes) {
  TSettings settings;
  EXPECT_EQ(settings.Encode(),
            (std::vector<std::uint8_t>{1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 88, 0, 0, 0}));
  settings.Windowed = 0;
  settings.AddTextLength = 3;
  settings.AddText = {0x81, 0x82, 0x83};
  settings.BossKey = 63;
  settings.BossCtrl = 1;
  const auto decoded = TSettings::Decode(settings.Encode());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Encode(), settings.Encode());
  EXPECT_FALSE(TSettings::Decode(std::vector<std::uint8_t>(17)));
}

TEST(RecordsTable, DefaultsAndScoresRoundTrip) {
  TRecordsTable table = TRecordsTable::Defaults();
  table.Entries[9].Score = -5;
  table.Entries[0].Score = 0x12345678;
  const auto bytes = table.Encode();
  ASSERT_EQ(bytes.size(), 160u);
  EXPECT_EQ(bytes[12], 0x78);
  EXPECT_EQ(bytes[15], 0x12);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 16, bytes.begin() + 21),
            (std::vector<std::uint8_t>{4, 0x82, 0xA0, 0xAD, 0xC0}));
  const auto decoded = TRecordsTable::Decode(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Entries[9].Score, -5);
  EXPECT_EQ(decoded->Entries[1].Score, 9000);
  EXPECT_FALSE(TRecordsTable::Decode(std::vector<std::uint8_t>(159)));
}

TEST(Files, NamesAsTheGameWritesThemReachTheOneFile) {
  const auto dir = std::filesystem::temp_directory_path() / "glint_files_test";
  std::filesystem::create_directories(dir / "data" / "_fontw");
  std::ofstream(dir / "data" / "_fontw" / "a_RubricaCn.wid") << "font";
  std::filesystem::create_directories(dir / "sound");
  std::ofstream(dir / "sound" / "mainmenuchg.WAV") << "wave";
  for (const char* name : {"data\\_fontw\\a_RubricaCn.wid", "data\\_fontw\\a_RubricaCN.wid",
                           "DATA/_FONTW/A_RUBRICACN.WID"}) {
    EXPECT_TRUE(std::filesystem::equivalent(files::resolve(dir.string(), name),
                                            dir / "data" / "_fontw" / "a_RubricaCn.wid"))
        << name;
  }
  EXPECT_TRUE(std::filesystem::equivalent(files::resolve(dir.string(), "sound\\MainMenuChg.wav"),
                                          dir / "sound" / "mainmenuchg.WAV"));
  EXPECT_EQ(std::filesystem::path(files::resolve(dir.string(), "data\\nothing.dat")),
            dir / "data" / "nothing.dat");
  std::filesystem::remove_all(dir);
}

TEST(Files, ALanguageFolderStandsInForTheFilesItHolds) {
  const auto dir = std::filesystem::temp_directory_path() / "glint_language_folder_test";
  std::filesystem::create_directories(dir / "data" / "en");
  std::ofstream(dir / "data" / "Forms.dat") << "russian";
  std::ofstream(dir / "data" / "en" / "Forms.dat") << "english";
  std::ofstream(dir / "data" / "Bita.dat") << "no words";
  const std::string before = files::gameDir();
  files::setGameDir(dir.string());
  const auto at = [](const char* name) { return std::filesystem::path(files::gamePath(name)); };
  files::setLanguageFolder("en");
  EXPECT_EQ(at("data\\Forms.dat"), dir / "data" / "en" / "Forms.dat");
  EXPECT_TRUE(std::filesystem::equivalent(at("DATA/forms.DAT"), dir / "data" / "en" / "Forms.dat"))
      << "in any spelling";
  EXPECT_EQ(at("data\\Bita.dat"), dir / "data" / "Bita.dat") << "a file it lacks";
  files::setLanguageFolder("");
  EXPECT_EQ(at("data\\Forms.dat"), dir / "data" / "Forms.dat");
  files::setGameDir(before);
  std::filesystem::remove_all(dir);
}

TEST(Files, AtomicWritesReplaceWholeFilesAndCreateFolders) {
  const auto dir = std::filesystem::temp_directory_path() / "glint_atomic_test";
  std::filesystem::remove_all(dir);
  const std::string path = (dir / "data" / "settings.dat").string();
  ASSERT_TRUE(files::writeAtomic(path, {1, 2, 3}));
  ASSERT_TRUE(files::writeAtomic(path, {4, 5}));
  EXPECT_EQ(files::readAll(path), (std::vector<std::uint8_t>{4, 5}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "data"),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file left";
  EXPECT_EQ(files::readAt(path, 1, 10), (std::vector<std::uint8_t>{5}));
  EXPECT_EQ(files::readAt(path, 7, 10), (std::vector<std::uint8_t>{}));
  EXPECT_FALSE(files::readAll(path, 1)) << "larger than allowed";
  {  // closed before the folder goes: Windows keeps an open file from being removed
    files::OpenedFile opened(path);
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened.readAt(1, 1), (std::vector<std::uint8_t>{5})) << "reads out of order";
    EXPECT_EQ(opened.readAt(0, 2), (std::vector<std::uint8_t>{4, 5}));
    EXPECT_EQ(opened.readAt(2, 1), (std::vector<std::uint8_t>{}));
  }
  for (const std::string& unreadable : {dir.string(), (dir / "missing").string()}) {
    files::OpenedFile none(unreadable);
    EXPECT_FALSE(none.ok()) << unreadable;
    EXPECT_FALSE(none.readAt(0, 1)) << unreadable;
  }
  EXPECT_FALSE(files::writeAtomic("/proc/glint/cannot", {1}));
  std::filesystem::remove_all(dir);
}

TEST(LinkFiles, OnlyWebAndMailAddressesAreOpened) {
  EXPECT_EQ(sys::UrlFromShortcut("[InternetShortcut]\r\nURL=http://127.0.0.1:8642/x\r\n"),
            "http://127.0.0.1:8642/x");
  EXPECT_EQ(sys::UrlFromShortcut("[InternetShortcut]\nurl=mailto:a@b.c?subject=Hi"),
            "mailto:a@b.c?subject=Hi");
  EXPECT_EQ(sys::UrlFromShortcut("[InternetShortcut]\nIconFile=x\n"), "");
  const struct {
    const char* address;
    bool safe;
  } cases[] = {{"http://example.org/", true},
               {"HTTPS://example.org/a?b", true},
               {"mailto:x@y.z", true},
               {"file:///etc/passwd", false},
               {"javascript:alert(1)", false},
               {"/usr/bin/xterm", false},
               {"-e http://x/", false},
               {"http://a b/", false},
               {"", false}};
  for (const auto& c : cases) EXPECT_EQ(sys::IsSafeAddress(c.address), c.safe) << c.address;
}

TEST(StateJson, PathsReachMembersAndListEntries) {
  rt::Json state = rt::Json::object();
  rt::Json records = rt::Json::array();
  rt::Json first = rt::Json::object();
  first.set("score", 10000);
  first.set("name", std::string("\x82\xA0", 2));
  records.push(std::move(first));
  state.set("records", std::move(records));
  state.set("MenuMode", true);
  ASSERT_NE(state.find("records.0.score"), nullptr);
  EXPECT_EQ(state.find("records.0.score")->number(), 10000);
  EXPECT_EQ(state.find("records.1.score"), nullptr);
  EXPECT_EQ(state.find("records.x"), nullptr);
  EXPECT_EQ(state.dump(),
            "{\"records\":[{\"score\":10000,\"name\":\"\\u0082\\u00A0\"}],\"MenuMode\":true}");
}

}  // namespace
