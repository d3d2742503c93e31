// The options panel's keys on its three screens: choosing an item, typing the second name and
// waiting for the boss key.
#include <string>

#include "engine/KeyCodes.h"
#include "menus/BossKeyText.h"
#include "menus/MenuSound.h"
#include "menus/Modifiers.h"
#include "menus/OptMenu.h"
#include "menus/TextEntry.h"
#include "scene/Scene.h"

namespace {

// Up from the first item reaches the last and Down from the last the first, so a selection that
// the pointer moved while typing stays among the five items.
std::uint8_t Neighbour(std::uint8_t selected, bool down) {
  if (down) return selected >= TOptMenu::kItems ? 1 : selected + 1;
  return selected <= 1 ? TOptMenu::kItems : selected - 1;
}

}  // namespace

void TOptMenu::MoveSelection(bool down) {
  Selected = Neighbour(Selected, down);
  PlayKeyMoveSound();
}

void TOptMenu::Keys() {
  switch (GameState) {
    case gsOptions:
      ChoosingKeys();
      break;
    case gsOptionsName:
      NameKeys();
      break;
    case gsOptionsKey:
      BossKeyKeys();
      break;
    default:
      break;
  }
}

void TOptMenu::ChoosingKeys() {
  // Escape closes the panel: the frame's other keys would change options no longer on screen.
  if (iKeyClick(kKeyEscape)) {
    Leave();
    return;
  }
  if (iKeyClick(kKeyUp)) MoveSelection(false);
  if (iKeyClick(kKeyDown)) MoveSelection(true);
  if (iKeyClick(kKeyLeft) || iKeyClick(kKeyRight)) {
    ToggleItem(Selected);
    if (Selected < kNameItem) PlayMenuSound(ClickSound);
    // A new display mode has gone back to the main menu: no second toggle undoes it.
    if (GameState != gsOptions) return;
  }
  if (iKeyClick(kKeyEnter)) {
    PlayMenuSound(ClickSound);
    ActivateItem(Selected);
  }
}

void TOptMenu::NameKeys() {
  // The name typed so far is applied by the close.
  if (iKeyClick(kKeyEscape)) Leave();
  const int code = LowestClickedKey();
  if (code == 0) return;
  std::string text = Working.AddTextString();
  if (const auto letter = TypedLetter(code, HeldModifiers().shift)) {
    // A full name takes no more letters, but the key still clicks.
    if (text.size() < Working.AddText.size()) Working.SetAddText(text + static_cast<char>(*letter));
  } else if (code == kKeyBackspace) {
    if (!text.empty()) text.pop_back();
    Working.SetAddText(text);
  } else if (code == kKeyUp || code == kKeyDown) {
    GameState = gsOptions;
    Selected = Neighbour(Selected, code == kKeyDown);
  } else if (code == kKeyEnter) {
    GameState = gsOptions;
  }
  PlayMenuSound(ClickSound);
}

void TOptMenu::BossKeyKeys() {
  if (iKeyClick(kKeyUp)) {
    GameState = gsOptions;
    Selected = Neighbour(Selected, false);
  }
  if (iKeyClick(kKeyDown)) {
    GameState = gsOptions;
    Selected = 1;
  }
  if (iKeyClick(kKeyEnter) || iKeyClick(kKeyEscape)) GameState = gsOptions;

  const int code = LowestClickedKey();
  if (!BindsAsBossKey(code)) return;
  const TModifiers held = HeldModifiers();
  Working.BossKey = static_cast<std::uint8_t>(code);
  Working.BossShift = held.shift ? 1 : 0;
  Working.BossAlt = held.alt ? 1 : 0;
  Working.BossCtrl = held.ctrl ? 1 : 0;
  GameState = gsOptions;
  Apply();
  PlayMenuSound(ClickSound);
}
