// The records table: ten entries of name and score, best first, exactly the 160 bytes of
// "data\records.dat" (each entry: name length, ten name bytes, one reserved byte, 32-bit score).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct TRecordEntry {
  std::uint8_t NameLength = 0;  // 0..10 as written; the file is trusted
  std::array<std::uint8_t, 10> Name{};
  std::uint8_t Reserved = 0;
  std::int32_t Score = 0;
};

struct TRecordsTable {
  std::array<TRecordEntry, 10> Entries;

  static constexpr std::size_t kFileSize = 160;

  // Every name "Ваня" (04 82 A0 AD C0), scores 10000, 9000, ... 1000.
  static TRecordsTable Defaults();
  std::vector<std::uint8_t> Encode() const;
  // Nothing when fewer than 160 bytes are given.
  static std::optional<TRecordsTable> Decode(const std::vector<std::uint8_t>& bytes);
};

inline constexpr const char* kRecordsFile = "data\\records.dat";

// Reads the records file with the same fallbacks as the settings file ("records.dat.bad").
TRecordsTable LoadRecordsFile();
bool SaveRecordsFile(const TRecordsTable& table);
