// The files read once at start-up, before any window exists.
#pragma once

#include "userdata/Records.h"
#include "userdata/Settings.h"

struct TStartupFiles {
  TSettings Settings;
  TRecordsTable Records;
};

// Reads the settings and the records (each created with its defaults when missing) and the
// saved-state file "data\boss.dat", which is then deleted.
TStartupFiles LoadStartupFiles();
