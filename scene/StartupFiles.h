// The files read once at start-up, before any window exists.
#pragma once

#include <functional>

#include "userdata/Language.h"
#include "userdata/Preferences.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

struct TStartupFiles {
  TSettings Settings;
  TRecordsTable Records;
  TPreferences Preferences;
  TLanguage Language = TLanguage::Russian;  // of this run
};

// Reads the settings, the records and the preferences (each created with its defaults when
// missing) and the
// saved-state file "data\boss.dat", which is then deleted.
// `languageOf` tells the run's language from the preferences read; a new records table takes
// its default names in it.
TStartupFiles LoadStartupFiles(const std::function<TLanguage(const TPreferences&)>& languageOf =
                                   [](const TPreferences&) { return TLanguage::Russian; });
