// The pictures, music, fonts and pointer that the scene creates at every set-up and shares.
#pragma once

#include "engine/impact.h"
#include "userdata/Settings.h"

class TMeshSprite;

struct TSceneMedia {
  TSceneMedia() = default;
  // Lets the sprite records go without engine calls (the engine is closed by then).
  ~TSceneMedia();
  TSceneMedia(const TSceneMedia&) = delete;
  TSceneMedia& operator=(const TSceneMedia&) = delete;

  TMeshSprite* LoadingPicture = nullptr;
  TMeshSprite* MenuBackground = nullptr;
  TMeshSprite* Decorations[3] = {};
  TMeshSprite* GameOverPicture = nullptr;
  iHandle StatusFont = 0;
  iHandle Camera = 0;
  iHandle CursorSprite = 0;
  iHandle CursorFrames[10] = {};
};

// The two music tracks, which play only while music is on in the live settings.
class TMusic {
 public:
  explicit TMusic(const TSettings& settings) : settings_(settings) {}

  // Starts the menu track ("1") or the game track ("2") looping when music is on; any other text
  // plays nothing.
  void Play(const char* track) const;
  // Stops both tracks.
  void Stop() const;
  // The game track's volume, 0..1 (a paused game and the quit question mute it).
  void SetGameVolume(float volume);
  float GameVolume() const { return gameVolume_; }

  iHandle MenuTrack = 0;
  iHandle GameTrack = 0;

 private:
  const TSettings& settings_;
  float gameVolume_ = 1;
};
