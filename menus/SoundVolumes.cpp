#include "menus/SoundVolumes.h"

#include "engine/impact.h"

void ApplySoundVolumes(const TPreferences& preferences) {
  const auto share = [](std::uint8_t percent) { return percent / 100.0f; };
  iSoundMasterVolumeSet(iSoundMusic, share(preferences.MusicVolume));
  iSoundMasterVolumeSet(iSoundEffect, share(preferences.EffectsVolume));
}
