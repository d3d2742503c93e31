// The options panel's keys on its three screens: choosing an item, typing the second name and
// waiting for the boss key.
#include <string>

#include "engine/KeyCodes.h"
#include "menus/BossKeyText.h"
#include "menus/GameStates.h"
#include "menus/Modifiers.h"
#include "menus/OptMenu.h"
#include "menus/Screens.h"
#include "menus/TextEntry.h"

namespace {

// Up from the first item reaches the last and Down from the last the first, so a selection that
// the pointer moved while typing stays among the items.
std::uint8_t Neighbour(std::uint8_t selected, bool down) {
  if (down) return selected >= TOptMenu::kItems ? 1 : selected + 1;
  return selected <= 1 ? TOptMenu::kItems : selected - 1;
}

}  // namespace

void TOptMenu::MoveSelection(bool down) {
  Selected = Neighbour(Selected, down);
  screens_.Kit.PlayKeyMove();
}

void TOptMenu::Keys(const TFrameInput& input) {
  switch (screens_.Host.State()) {
    case gsOptions:
      ChoosingKeys(input);
      break;
    case gsOptionsName:
      NameKeys(input);
      break;
    case gsOptionsKey:
      BossKeyKeys(input);
      break;
    default:
      break;
  }
}

void TOptMenu::ChoosingKeys(const TFrameInput& input) {
  // Escape closes the panel: the frame's other keys would change options no longer on screen.
  if (input.Clicked(kKeyEscape)) {
    Leave();
    return;
  }
  if (input.Clicked(kKeyUp)) MoveSelection(false);
  if (input.Clicked(kKeyDown)) MoveSelection(true);
  if (input.Clicked(kKeyLeft) || input.Clicked(kKeyRight)) {
    ToggleItem(Selected);
    // Right wins over Left pressed in the same frame, as with the toggles either one does.
    StepVolume(Selected, input.Clicked(kKeyRight));
    if (Selected != kNameItem && Selected != kBossKeyItem) {
      screens_.Kit.Play(screens_.Kit.ClickSound);
    }
    // A new display mode has gone back to the main menu: no second toggle undoes it.
    if (screens_.Host.State() != gsOptions) return;
  }
  if (input.Clicked(kKeyEnter)) {
    screens_.Kit.Play(screens_.Kit.ClickSound);
    ActivateItem(Selected);
  }
}

void TOptMenu::NameKeys(const TFrameInput& input) {
  // The name typed so far is applied by the close.
  if (input.Clicked(kKeyEscape)) Leave();
  const int code = input.LowestClicked();
  if (code == 0) return;
  std::string text = Working.AddTextString();
  if (const auto letter = TypedLetter(code, HeldModifiers(input).shift, screens_.Language)) {
    // A full name takes no more letters, but the key still clicks.
    if (text.size() < Working.AddText.size()) Working.SetAddText(text + static_cast<char>(*letter));
  } else if (code == kKeyBackspace) {
    if (!text.empty()) text.pop_back();
    Working.SetAddText(text);
  } else if (code == kKeyUp || code == kKeyDown) {
    screens_.Host.ChangeState(gsOptions);
    Selected = Neighbour(Selected, code == kKeyDown);
  } else if (code == kKeyEnter) {
    screens_.Host.ChangeState(gsOptions);
  }
  screens_.Kit.Play(screens_.Kit.ClickSound);
}

void TOptMenu::BossKeyKeys(const TFrameInput& input) {
  if (input.Clicked(kKeyUp)) {
    screens_.Host.ChangeState(gsOptions);
    Selected = Neighbour(Selected, false);
  }
  if (input.Clicked(kKeyDown)) {
    screens_.Host.ChangeState(gsOptions);
    Selected = 1;
  }
  if (input.Clicked(kKeyEnter) || input.Clicked(kKeyEscape)) screens_.Host.ChangeState(gsOptions);

  const int code = input.LowestClicked();
  if (!BindsAsBossKey(code)) return;
  const TModifiers held = HeldModifiers(input);
  Working.BossKey = static_cast<std::uint8_t>(code);
  Working.BossShift = held.shift ? 1 : 0;
  Working.BossAlt = held.alt ? 1 : 0;
  Working.BossCtrl = held.ctrl ? 1 : 0;
  screens_.Host.ChangeState(gsOptions);
  Apply();
  screens_.Kit.Play(screens_.Kit.ClickSound);
}
