// What the player chose beyond the settings record, whose 18 bytes stay as they are: the music
// and effects volumes and the language. Kept in "data\preferences.dat" of the per-user folder,
// 11 bytes: "GBPF", the music volume, the effects volume (each a percentage in steps of 10), the
// language chosen (0 none, 1 Russian, 2 English) and the low 32 bits of the FNV-1a hash of the
// seven bytes before them, little-endian.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TPreferences {
  static constexpr std::uint8_t kFullVolume = 100, kVolumeStep = 10;

  std::uint8_t MusicVolume = kFullVolume;    // percent, 0..100 in steps of 10
  std::uint8_t EffectsVolume = kFullVolume;  // percent, 0..100 in steps of 10
  std::uint8_t Language = 0;  // the player's choice in the options: 0 none, else a TLanguage

  static constexpr std::size_t kFileSize = 11;

  std::vector<std::uint8_t> Encode() const;
  // The record of the first 11 bytes; nothing, with the reason in `problem`, when they are not
  // one (another signature, a wrong checksum, a volume that is no step of the scale, an unknown
  // language).
  static std::optional<TPreferences> Decode(const std::vector<std::uint8_t>& bytes,
                                            std::string& problem);

  bool operator==(const TPreferences&) const = default;
};

// A volume one step up or down the scale, kept within 0..100.
std::uint8_t SteppedVolume(std::uint8_t volume, bool up);

inline constexpr const char* kPreferencesFile = "data\\preferences.dat";

// Reads the preferences file. A missing file gives the defaults and is created with them; one that
// is too short, unreadable or not a preferences record gives the defaults too, is kept beside as
// "preferences.dat.bad" and replaced by the defaults, with a line on stderr saying what was wrong.
TPreferences LoadPreferencesFile();
// Replaces the preferences file atomically; false (with a line on stderr) when it cannot be
// written.
bool SavePreferencesFile(const TPreferences& preferences);
