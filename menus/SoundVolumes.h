// The player's volumes as the engine hears them: the master volumes of the music and of the
// effects.
#pragma once

#include "userdata/Preferences.h"

void ApplySoundVolumes(const TPreferences& preferences);
