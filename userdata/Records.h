// The records table: ten entries of name and score, best first, exactly the 160 bytes of
// "data\records.dat" (each entry: name length, ten name bytes, one reserved byte, 32-bit score).
// Also the rank a score earns and the placing of a new record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "userdata/Language.h"
#include "userdata/ShortText.h"

struct TRecordEntry {
  std::uint8_t NameLength = 0;  // 0..10; a longer one read from the file becomes 10
  TShortTextBytes Name{};
  std::uint8_t Reserved = 0;
  std::int32_t Score = 0;

  std::string NameString() const { return ShortTextString(NameLength, Name); }
};

struct TRecordsTable {
  static constexpr int kPlaces = 10;
  std::array<TRecordEntry, kPlaces> Entries;

  static constexpr std::size_t kFileSize = 160;

  // Every name the language's default ("Ваня", 04 82 A0 AD C0, in Russian; "Johnny" in
  // English), scores 10000, 9000, ... 1000.
  static TRecordsTable Defaults(TLanguage language = TLanguage::Russian);
  // Back to the default names and scores. Only the length and the bytes of the default name are
  // written; a longer name's other bytes stay as they were.
  void ResetToDefaults(TLanguage language = TLanguage::Russian);

  // The best place (1..10) whose score `score` beats strictly, 0 when it beats none. The table
  // is taken as it is, sorted or not: the place is the first entry with a lower score.
  int RankOf(std::int32_t score) const;
  // Moves the entries from `rank` on down one place (the last one drops out) and puts the new
  // record at `rank`, its name cut to ten bytes. A rank outside 1..10 changes nothing.
  void Insert(int rank, std::string_view name, std::int32_t score);

  std::vector<std::uint8_t> Encode() const;
  // Nothing when fewer than 160 bytes are given. Everything is taken as stored except a name
  // length above 10, which becomes 10 (with a line on stderr).
  static std::optional<TRecordsTable> Decode(const std::vector<std::uint8_t>& bytes);
};

inline constexpr const char* kRecordsFile = "data\\records.dat";

// Reads the records file with the same fallbacks as the settings file ("records.dat.bad"); new
// defaults take the language's default name.
TRecordsTable LoadRecordsFile(TLanguage language = TLanguage::Russian);
// Replaces the records file atomically; false (with a line on stderr, the old file left as it
// was) when it cannot be written.
bool SaveRecordsFile(const TRecordsTable& table);
