#include "scene/SceneMedia.h"

#include <cstring>

#include "engine/MeshSprite.h"

TSceneMedia::~TSceneMedia() {
  for (TMeshSprite* sprite : {LoadingPicture, MenuBackground, Decorations[0], Decorations[1],
                              Decorations[2], GameOverPicture}) {
    if (sprite != nullptr) sprite->Discard();
  }
}

void TMusic::Play(const char* track) const {
  if (!settings_.MusicOn) return;
  if (std::strcmp(track, "1") == 0) iSoundPlayNow(MenuTrack, -1);
  if (std::strcmp(track, "2") == 0) iSoundPlayNow(GameTrack, -1);
}

void TMusic::Stop() const {
  iSoundStop(MenuTrack);
  iSoundStop(GameTrack);
}

void TMusic::SetGameVolume(float volume) {
  gameVolume_ = volume;
  iSoundVolumeSet(GameTrack, volume);
}
