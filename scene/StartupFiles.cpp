#include "scene/StartupFiles.h"

#include "platform/files.h"

namespace {
// Left by an earlier version when hidden by the boss key; it has no lasting effect.
constexpr const char* kSavedStateFile = "data\\boss.dat";
}  // namespace

TStartupFiles LoadStartupFiles(const std::function<TLanguage(const TPreferences&)>& languageOf) {
  TStartupFiles loaded;
  loaded.Settings = LoadSettingsFile();
  loaded.Preferences = LoadPreferencesFile();
  loaded.Language = languageOf(loaded.Preferences);
  loaded.Records = LoadRecordsFile(loaded.Language);
  const std::string savedState = files::userPath(kSavedStateFile);
  if (files::exists(savedState)) {
    // Read as far as it goes: a file shorter than its 8-byte record is no reason to stop.
    files::readAt(savedState, 0, 8);
    files::remove(savedState);
  }
  return loaded;
}
