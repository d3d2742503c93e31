#include "userdata/Preferences.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/fnv1a.h"
#include "userdata/Language.h"
#include "userdata/UserFile.h"

namespace {

constexpr char kSignature[4] = {'G', 'B', 'P', 'F'};
constexpr std::size_t kChecked = 7;  // the bytes the checksum covers

std::uint32_t Checksum(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(rt::fnv1a(bytes, kChecked));
}

std::uint32_t StoredChecksum(const std::vector<std::uint8_t>& bytes) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < 4; ++i)
    sum |= static_cast<std::uint32_t>(bytes[kChecked + i]) << (8 * i);
  return sum;
}

bool OnTheScale(std::uint8_t volume) {
  return volume <= TPreferences::kFullVolume && volume % TPreferences::kVolumeStep == 0;
}

}  // namespace

std::vector<std::uint8_t> TPreferences::Encode() const {
  std::vector<std::uint8_t> bytes(kFileSize);
  std::copy(std::begin(kSignature), std::end(kSignature), bytes.begin());
  bytes[4] = MusicVolume;
  bytes[5] = EffectsVolume;
  bytes[6] = Language;
  const std::uint32_t sum = Checksum(bytes.data());
  for (std::size_t i = 0; i < 4; ++i) bytes[kChecked + i] = (sum >> (8 * i)) & 0xFF;
  return bytes;
}

std::optional<TPreferences> TPreferences::Decode(const std::vector<std::uint8_t>& bytes,
                                                 std::string& problem) {
  if (bytes.size() < kFileSize) {
    problem = "too short";
  } else if (!std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin())) {
    problem = "not a preferences file";
  } else if (Checksum(bytes.data()) != StoredChecksum(bytes)) {
    problem = "damaged (its checksum does not match)";
  } else if (!OnTheScale(bytes[4]) || !OnTheScale(bytes[5])) {
    problem = "damaged (a volume off the scale)";
  } else if (bytes[6] > static_cast<std::uint8_t>(TLanguage::English)) {
    problem = "damaged (an unknown language)";
  } else {
    return TPreferences{bytes[4], bytes[5], bytes[6]};
  }
  return std::nullopt;
}

std::uint8_t SteppedVolume(std::uint8_t volume, bool up) {
  const int next = volume + (up ? TPreferences::kVolumeStep : -TPreferences::kVolumeStep);
  return static_cast<std::uint8_t>(std::clamp<int>(next, 0, TPreferences::kFullVolume));
}

TPreferences LoadPreferencesFile() {
  // A missing file is a first start, as quiet as the settings' and the records'; a file too
  // short or unreadable is set aside and reported by the reader.
  if (const auto bytes = ReadUserRecord(kPreferencesFile, TPreferences::kFileSize)) {
    std::string problem;
    if (const auto preferences = TPreferences::Decode(*bytes, problem)) return *preferences;
    SetAsideUserFile(files::userPath(kPreferencesFile), problem);
  }
  const TPreferences defaults;
  SavePreferencesFile(defaults);
  return defaults;
}

bool SavePreferencesFile(const TPreferences& preferences) {
  return SaveUserRecord(kPreferencesFile, preferences.Encode());
}
