// The settings record: the 18 bytes of "data\settings.dat", also the layout the whole program
// reads as the live settings and the options screen edits as its working copy.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "userdata/ShortText.h"

struct TSettings {
  std::uint8_t Windowed = 1;  // 1 = play in a window, 0 = full screen
  std::uint8_t SoundOn = 1;   // sound effects
  std::uint8_t MusicOn = 1;
  std::uint8_t AddTextLength = 0;  // 0..10; a longer one read from the file becomes 10
  TShortTextBytes AddText{};       // screen-font bytes; those past the length mean nothing
  std::uint8_t BossKey = 88;       // scan code, F12 by default
  std::uint8_t BossShift = 0;
  std::uint8_t BossAlt = 0;
  std::uint8_t BossCtrl = 0;

  static constexpr std::size_t kFileSize = 18;

  // The player's second name.
  std::string AddTextString() const { return ShortTextString(AddTextLength, AddText); }
  // Cut to ten bytes.
  void SetAddText(std::string_view text) { StoreShortText(text, AddTextLength, AddText); }

  std::vector<std::uint8_t> Encode() const;
  // Nothing when fewer than 18 bytes are given; bytes past the record are ignored.
  static std::optional<TSettings> Decode(const std::vector<std::uint8_t>& bytes);
};

// "data\settings.dat" in the per-user folder.
inline constexpr const char* kSettingsFile = "data\\settings.dat";

// Reads the first 18 bytes of the settings file (a longer file is fine). A missing file gives
// the defaults and is created with them; a file that is too short or unreadable gives the
// defaults too, is kept beside as "settings.dat.bad" and replaced by the defaults, with a line
// on stderr.
TSettings LoadSettingsFile();
// Replaces the settings file atomically; false (with a line on stderr) when it cannot be written.
bool SaveSettingsFile(const TSettings& settings);
