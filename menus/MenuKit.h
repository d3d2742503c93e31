// What every screen draws and sounds with: the menu font, the menu sounds, which play only
// while sound effects are on in the live settings, and the texts of the language of the moment.
// Scene set-up creates the engine objects.
#pragma once

#include <span>

#include "engine/impact.h"
#include "menus/PanelText.h"
#include "menus/Texts.h"
#include "userdata/Language.h"
#include "userdata/Settings.h"

class TMenuKit {
 public:
  TMenuKit(const TSettings& settings, const TLanguage& language)
      : settings_(settings), language_(language) {}

  // Starts the sound from its beginning now.
  void Play(iHandle sound) const {
    if (settings_.SoundOn) iSoundPlayNow(sound, 0);
  }
  // Lets the move sound run on if it is still playing: held arrows do not restart it each step.
  void PlayKeyMove() const {
    if (settings_.SoundOn) iSoundPlay(MoveSound, 0);
  }
  // The texts in the language the game speaks now.
  const TTexts& Texts() const { return TextsIn(language_); }
  // Clears every text printed so far this frame, then prints the lines with the menu font.
  void PrintLines(std::span<const TPanelLine> lines, float size) const;
  // Prints the lines with the menu font after what was printed so far this frame.
  void AddLines(std::span<const TPanelLine> lines, float size) const;

  iHandle MoveSound = 0;
  iHandle ClickSound = 0;
  iHandle Font = 0;

 private:
  const TSettings& settings_;
  const TLanguage& language_;
};
