// Any bytes as the three per-user files, settings.dat, records.dat and preferences.dat: a record
// the reader accepts writes back as the bytes it came from (a name length above ten read as
// ten), its texts keep to ten bytes, its volumes to the scale, and what the screens do with it
// (the boss key's name, a new record's rank and insertion, a volume's step) stays within bounds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "menus/KeyNames.h"
#include "userdata/Preferences.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

namespace {

void CheckSettings(const std::vector<std::uint8_t>& bytes) {
  const auto settings = TSettings::Decode(bytes);
  if (settings.has_value() != (bytes.size() >= TSettings::kFileSize)) __builtin_trap();
  if (!settings) return;
  std::vector<std::uint8_t> expected(bytes.begin(), bytes.begin() + TSettings::kFileSize);
  expected[3] = std::min<std::uint8_t>(expected[3], kShortTextBytes);
  if (settings->Encode() != expected) __builtin_trap();
  if (settings->AddTextString().size() > kShortTextBytes) __builtin_trap();
  ScanCodeName(settings->BossKey, "", TLanguage::Russian);  // the options panel names the boss key
}

void CheckRecords(const std::vector<std::uint8_t>& bytes) {
  auto table = TRecordsTable::Decode(bytes);
  if (table.has_value() != (bytes.size() >= TRecordsTable::kFileSize)) __builtin_trap();
  if (!table) return;
  std::vector<std::uint8_t> expected(bytes.begin(), bytes.begin() + TRecordsTable::kFileSize);
  for (std::size_t at = 0; at < expected.size(); at += 16) {
    expected[at] = std::min<std::uint8_t>(expected[at], kShortTextBytes);
  }
  if (table->Encode() != expected) __builtin_trap();
  for (const TRecordEntry& entry : table->Entries) {
    if (entry.NameString().size() > kShortTextBytes) __builtin_trap();
  }
  // A new record beating the stored ones, whatever order they are in.
  for (const std::int32_t score :
       {std::numeric_limits<std::int32_t>::min(), 0, table->Entries[4].Score,
        std::numeric_limits<std::int32_t>::max()}) {
    const int rank = table->RankOf(score);
    if (rank < 0 || rank > TRecordsTable::kPlaces) __builtin_trap();
    TRecordsTable inserted = *table;
    inserted.Insert(rank, "a name longer than ten", score);
    if (rank > 0 && (inserted.Entries[rank - 1].Score != score ||
                     inserted.Entries[rank - 1].NameLength != kShortTextBytes)) {
      __builtin_trap();
    }
  }
}

void CheckPreferences(const std::vector<std::uint8_t>& bytes) {
  std::string problem;
  const auto preferences = TPreferences::Decode(bytes, problem);
  if (preferences.has_value() == !problem.empty()) __builtin_trap();
  if (!preferences) return;
  if (preferences->Encode() !=
      std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + TPreferences::kFileSize)) {
    __builtin_trap();
  }
  for (const bool up : {false, true}) {
    if (SteppedVolume(preferences->MusicVolume, up) > TPreferences::kFullVolume) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  CheckSettings(bytes);
  CheckRecords(bytes);
  CheckPreferences(bytes);
  return 0;
}
