// The records table and its file: the default and reset bytes, the rank a score earns, the
// placing of a new record, name lengths out of range in the files, and the name entry's moves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/RecordInputMenu.h"
#include "menus/TextEntry.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

namespace {

using testing::HasSubstr;

// The 16 bytes of an entry: name length, ten name bytes, reserved, score little-endian.
std::vector<std::uint8_t> EntryBytes(std::vector<std::uint8_t> lengthAndName, std::int32_t score) {
  lengthAndName.resize(12, 0);
  const auto bits = static_cast<std::uint32_t>(score);
  for (int shift = 0; shift < 32; shift += 8) lengthAndName.push_back((bits >> shift) & 0xFF);
  return lengthAndName;
}

std::vector<std::int32_t> Scores(const TRecordsTable& table) {
  std::vector<std::int32_t> scores;
  for (const TRecordEntry& entry : table.Entries) scores.push_back(entry.Score);
  return scores;
}

TEST(RecordsFile, DefaultTableIsTenEntriesOfTheSameNameCountingDownFrom10000) {
  std::vector<std::uint8_t> expected;
  for (int i = 0; i < 10; ++i) {
    const auto entry = EntryBytes({4, 0x82, 0xA0, 0xAD, 0xC0}, 10000 - 1000 * i);
    expected.insert(expected.end(), entry.begin(), entry.end());
  }
  EXPECT_EQ(TRecordsTable::Defaults().Encode(), expected);
}

TEST(RecordsFile, ResetWritesTheDefaultNameAndScoresAndKeepsTheRestOfLongerNames) {
  TRecordsTable table;
  for (TRecordEntry& entry : table.Entries) {
    entry.NameLength = 10;
    entry.Name = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'};
    entry.Reserved = 7;
    entry.Score = -3;
  }
  table.ResetToDefaults();
  const auto bytes = table.Encode();
  for (int i = 1; i <= 10; ++i) {
    SCOPED_TRACE(i);
    const std::vector<std::uint8_t> entry(bytes.begin() + (i - 1) * 16, bytes.begin() + i * 16);
    EXPECT_EQ(entry, EntryBytes({4, 0x82, 0xA0, 0xAD, 0xC0, 'E', 'F', 'G', 'H', 'I', 'J', 7},
                                10000 - 1000 * (i - 1)));
  }
}

TEST(RecordRank, TheBestPlaceTheScoreBeatsStrictly) {
  const struct {
    std::int32_t score;
    int rank;
  } cases[] = {{5000, 7}, {1000, 0}, {1001, 10}, {10001, 1},     {10000, 2},
               {9999, 2}, {0, 0},    {-5, 0},    {2147483647, 1}};
  const TRecordsTable table = TRecordsTable::Defaults();
  for (const auto& c : cases) EXPECT_EQ(table.RankOf(c.score), c.rank) << c.score;
}

TEST(RecordRank, AnUnsortedTableIsTakenAsItIs) {
  TRecordsTable table = TRecordsTable::Defaults();
  table.Entries[0].Score = 100;  // the best place now holds the lowest score
  EXPECT_EQ(table.RankOf(101), 1);
  EXPECT_EQ(table.RankOf(100), 0);
}

TEST(InsertRecord, MovesTheLowerEntriesDownAndDropsTheLast) {
  const struct {
    int rank;
    std::int32_t score;
    std::vector<std::int32_t> scores;
  } cases[] = {
      {7, 5000, {10000, 9000, 8000, 7000, 6000, 5000, 5000, 4000, 3000, 2000}},
      {10, 1001, {10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1001}},
      {1, 10001, {10001, 10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000}},
      // No place: nothing changes.
      {0, 20000, {10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1000}},
      {11, 20000, {10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1000}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rank);
    TRecordsTable table = TRecordsTable::Defaults();
    table.Insert(c.rank, "\x89\xB6", c.score);
    EXPECT_EQ(Scores(table), c.scores);
    if (c.rank >= 1 && c.rank <= 10) {
      EXPECT_EQ(table.Entries[c.rank - 1].NameString(), "\x89\xB6");
    }
  }
}

TEST(InsertRecord, TheNameIsCutToTenBytes) {
  TRecordsTable table = TRecordsTable::Defaults();
  table.Insert(3, "ABCDEFGHIJKLMN", 8500);
  EXPECT_EQ(table.Entries[2].NameString(), "ABCDEFGHIJ");
  const auto bytes = table.Encode();
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 32, bytes.begin() + 48),
            EntryBytes({10, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'}, 8500));
}

// A length byte of 200 would read 190 bytes past the name: it is read as 10, once said on stderr.
TEST(ShortTexts, ALengthAboveTenInAFileIsReadAsTen) {
  auto records = TRecordsTable::Defaults().Encode();
  records[0] = 200;
  records[16] = 11;
  testing::internal::CaptureStderr();
  const auto table = TRecordsTable::Decode(records);
  const std::string recordsErr = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Entries[0].NameLength, 10);
  EXPECT_EQ(table->Entries[0].NameString(), std::string("\x82\xA0\xAD\xC0\0\0\0\0\0\0", 10));
  EXPECT_EQ(table->Entries[1].NameLength, 10);
  EXPECT_EQ(table->Entries[2].NameLength, 4) << "lengths in range are kept";
  EXPECT_EQ(table->Entries[0].Score, 10000) << "the rest of the entry is read as stored";
  EXPECT_THAT(recordsErr, HasSubstr("records.dat holds a text longer than 10 bytes"));
  EXPECT_EQ(std::count(recordsErr.begin(), recordsErr.end(), '\n'), 1);

  auto settings = TSettings{}.Encode();
  settings[3] = 200;
  testing::internal::CaptureStderr();
  const auto decoded = TSettings::Decode(settings);
  EXPECT_THAT(testing::internal::GetCapturedStderr(), HasSubstr("settings.dat"));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->AddTextLength, 10);
  EXPECT_EQ(decoded->BossKey, 88);
}

TEST(ShortTexts, SecondNameIsCutToTenBytesAndClearsWhatFollowed) {
  TSettings settings;
  settings.SetAddText("ABCDEFGHIJKL");
  EXPECT_EQ(settings.AddTextString(), "ABCDEFGHIJ");
  settings.SetAddText("\x81");
  EXPECT_EQ(settings.AddTextLength, 1);
  EXPECT_EQ(settings.Encode(),
            (std::vector<std::uint8_t>{1, 1, 1, 1, 0x81, 0, 0, 0, 0, 0, 0, 0, 0, 0, 88, 0, 0, 0}));
}

TEST(RecordEntryNavigation, FieldsThenButtonsWithoutWrapping) {
  // {selected, after Down, after Up}
  const int table[4][3] = {{1, 2, 1}, {2, 3, 1}, {3, 4, 2}, {4, 4, 3}};
  for (const auto& row : table) {
    const auto item = static_cast<std::uint8_t>(row[0]);
    EXPECT_EQ(RecordEntryNeighbour(item, true), row[1]) << "Down from " << row[0];
    EXPECT_EQ(RecordEntryNeighbour(item, false), row[2]) << "Up from " << row[0];
  }
}

}  // namespace
