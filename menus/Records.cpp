#include "menus/Records.h"

#include <algorithm>

#include "menus/UserFile.h"

namespace {
constexpr std::size_t kEntrySize = 16;
constexpr std::array<std::uint8_t, 4> kDefaultName{0x82, 0xA0, 0xAD, 0xC0};
}  // namespace

TRecordsTable TRecordsTable::Defaults() {
  TRecordsTable table;
  for (std::size_t i = 0; i < table.Entries.size(); ++i) {
    TRecordEntry& entry = table.Entries[i];
    entry.NameLength = kDefaultName.size();
    std::copy(kDefaultName.begin(), kDefaultName.end(), entry.Name.begin());
    entry.Score = static_cast<std::int32_t>(10000 - 1000 * i);
  }
  return table;
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
  for (std::size_t i = 0; i < table.Entries.size(); ++i) {
    const std::uint8_t* at = bytes.data() + i * kEntrySize;
    TRecordEntry& entry = table.Entries[i];
    entry.NameLength = at[0];
    std::copy_n(at + 1, entry.Name.size(), entry.Name.begin());
    entry.Reserved = at[11];
    entry.Score = static_cast<std::int32_t>(at[12] | at[13] << 8 | at[14] << 16 |
                                            static_cast<std::uint32_t>(at[15]) << 24);
  }
  return table;
}

TRecordsTable LoadRecordsFile() {
  return LoadUserRecord<TRecordsTable>(kRecordsFile, TRecordsTable::kFileSize,
                                       TRecordsTable::Defaults());
}

bool SaveRecordsFile(const TRecordsTable& table) {
  return SaveUserRecord(kRecordsFile, table.Encode());
}
