// The effect sounds of the menus, which play only while sound effects are on.
#pragma once

#include "engine/impact.h"
#include "scene/Scene.h"

// Starts the sound from its beginning now.
inline void PlayMenuSound(iHandle sound) {
  if (Settings.SoundOn) iSoundPlayNow(sound, 0);
}
// Lets the sound run on if it is still playing: held arrows do not restart it on every step.
inline void PlayKeyMoveSound() {
  if (Settings.SoundOn) iSoundPlay(MoveSound, 0);
}
