// The files read once at start-up, before any window exists.
#pragma once

#include "userdata/Preferences.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

struct TStartupFiles {
  TSettings Settings;
  TRecordsTable Records;
  TPreferences Preferences;
};

// Reads the settings, the records and the preferences (each created with its defaults when
// missing) and the
// saved-state file "data\boss.dat", which is then deleted.
TStartupFiles LoadStartupFiles();
