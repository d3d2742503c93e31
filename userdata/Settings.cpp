#include "userdata/Settings.h"

#include <algorithm>

#include "userdata/UserFile.h"

std::vector<std::uint8_t> TSettings::Encode() const {
  std::vector<std::uint8_t> bytes{Windowed, SoundOn, MusicOn, AddTextLength};
  bytes.insert(bytes.end(), AddText.begin(), AddText.end());
  bytes.insert(bytes.end(), {BossKey, BossShift, BossAlt, BossCtrl});
  return bytes;
}

std::optional<TSettings> TSettings::Decode(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kFileSize) return std::nullopt;
  TSettings settings;
  settings.Windowed = bytes[0];
  settings.SoundOn = bytes[1];
  settings.MusicOn = bytes[2];
  settings.AddTextLength = ClampedShortTextLength(bytes[3]);
  if (settings.AddTextLength != bytes[3]) ReportClampedShortText(kSettingsFile);
  std::copy_n(bytes.begin() + 4, settings.AddText.size(), settings.AddText.begin());
  settings.BossKey = bytes[14];
  settings.BossShift = bytes[15];
  settings.BossAlt = bytes[16];
  settings.BossCtrl = bytes[17];
  return settings;
}

TSettings LoadSettingsFile() {
  return LoadUserRecord<TSettings>(kSettingsFile, TSettings::kFileSize, TSettings{});
}

bool SaveSettingsFile(const TSettings& settings) {
  return SaveUserRecord(kSettingsFile, settings.Encode());
}
