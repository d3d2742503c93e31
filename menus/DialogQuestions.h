// The questions the yes/no dialog asks, one for each of its screens: the lines it prints and
// what its accepting and refusing buttons do.
#pragma once

#include <cstdint>
#include <span>

#include "menus/PanelText.h"
#include "menus/Texts.h"

class TScreens;

struct TDialogQuestion {
  std::uint8_t state;
  std::span<const TPanelLine> TTexts::*lines;  // in the texts of the language of the moment
  void (*accept)(TScreens&);  // null where the dialog only waits (no key or click is taken)
  void (*refuse)(TScreens&);
};

// Printed with this size and the menu font.
inline constexpr float kDialogTextSize = 0.1f;

// The question of a screen; null when the dialog asks nothing there.
const TDialogQuestion* FindDialogQuestion(std::uint8_t state);

// The record was sent: the game is reset and the records panel slides in over the main menu.
// Run between frames once the connection thread reports it.
void FinishSubmission(TScreens& screens);
