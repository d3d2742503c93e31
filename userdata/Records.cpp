#include "userdata/Records.h"

#include <algorithm>

#include "userdata/UserFile.h"

namespace {
constexpr std::size_t kEntrySize = 16;
// "Ваня" in the screen font, and its English counterpart.
constexpr std::string_view kRussianDefaultName = "\x82\xA0\xAD\xC0";
constexpr std::string_view kEnglishDefaultName = "Johnny";

// Entry i (from 0) scores 10000 - 1000 i.
constexpr std::int32_t DefaultScore(std::size_t i) {
  return static_cast<std::int32_t>(10000 - 1000 * i);
}
}  // namespace

TRecordsTable TRecordsTable::Defaults(TLanguage language) {
  TRecordsTable table;
  table.ResetToDefaults(language);
  return table;
}

void TRecordsTable::ResetToDefaults(TLanguage language) {
  const std::string_view name =
      language == TLanguage::English ? kEnglishDefaultName : kRussianDefaultName;
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    TRecordEntry& entry = Entries[i];
    entry.NameLength = static_cast<std::uint8_t>(name.size());
    std::copy(name.begin(), name.end(), entry.Name.begin());
    entry.Score = DefaultScore(i);
  }
}

int TRecordsTable::RankOf(std::int32_t score) const {
  for (int place = 1; place <= kPlaces; ++place) {
    if (Entries[place - 1].Score < score) return place;
  }
  return 0;
}

void TRecordsTable::Insert(int rank, std::string_view name, std::int32_t score) {
  if (rank < 1 || rank > kPlaces) return;
  std::move_backward(Entries.begin() + rank - 1, Entries.end() - 1, Entries.end());
  TRecordEntry& entry = Entries[rank - 1];
  StoreShortText(name, entry.NameLength, entry.Name);
  entry.Score = score;
}

std::vector<std::uint8_t> TRecordsTable::Encode() const {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kFileSize);
  for (const TRecordEntry& entry : Entries) {
    bytes.push_back(entry.NameLength);
    bytes.insert(bytes.end(), entry.Name.begin(), entry.Name.end());
    bytes.push_back(entry.Reserved);
    const auto score = static_cast<std::uint32_t>(entry.Score);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back((score >> shift) & 0xFF);
  }
  return bytes;
}

std::optional<TRecordsTable> TRecordsTable::Decode(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kFileSize) return std::nullopt;
  TRecordsTable table;
  bool clamped = false;
  for (std::size_t i = 0; i < table.Entries.size(); ++i) {
    const std::uint8_t* at = bytes.data() + i * kEntrySize;
    TRecordEntry& entry = table.Entries[i];
    entry.NameLength = ClampedShortTextLength(at[0]);
    clamped = clamped || entry.NameLength != at[0];
    std::copy_n(at + 1, entry.Name.size(), entry.Name.begin());
    entry.Reserved = at[11];
    entry.Score = static_cast<std::int32_t>(at[12] | at[13] << 8 | at[14] << 16 |
                                            static_cast<std::uint32_t>(at[15]) << 24);
  }
  if (clamped) ReportClampedShortText(kRecordsFile);
  return table;
}

TRecordsTable LoadRecordsFile(TLanguage language) {
  return LoadUserRecord<TRecordsTable>(kRecordsFile, TRecordsTable::kFileSize,
                                       TRecordsTable::Defaults(language));
}

bool SaveRecordsFile(const TRecordsTable& table) {
  return SaveUserRecord(kRecordsFile, table.Encode());
}
