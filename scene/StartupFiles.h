// The files read once at start-up, before any window exists.
#pragma once

// Reads the settings and the records (each created with its defaults when missing) and the
// saved-state file "data\boss.dat", which is then deleted.
void LoadStartupFiles();
