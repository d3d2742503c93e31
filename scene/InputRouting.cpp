#include "scene/InputRouting.h"

#include <array>
#include <cstdint>

#include "engine/KeyCodes.h"
#include "engine/PadCodes.h"
#include "menus/BossKeyText.h"
#include "menus/Modifiers.h"
#include "runtime/system.h"

namespace {

struct PixelPoint {
  int x = 0, y = 0;
};

// Who takes the keys, the pointer's moves and its left clicks on which screens.
struct ScreenInput {
  std::array<std::uint8_t, 5> states;  // unused places stay 0, which is no screen
  void (*keys)(TProgram& program, const TFrameInput& input);
  void (*hover)(TScreens& screens, const PrintPoint& at, PixelPoint pixel);
  void (*click)(TScreens& screens, const PrintPoint& at, PixelPoint pixel);
};

void PauseGame(TProgram& program) {
  program.States.Change(gsPaused);
}

bool PauseKeyClicked(const TFrameInput& input) {
  return input.Clicked(kKeyP) || input.Clicked(kKeyPause);
}

// Escape and P in one frame ask the question and then pause under it.
void PlayingKeys(TProgram& program, const TFrameInput& input) {
  if (input.Clicked(kKeyEscape)) program.States.Change(gsQuitConfirm);
  if (PauseKeyClicked(input)) PauseGame(program);
}

void PausedKeys(TProgram& program, const TFrameInput& input) {
  if (PauseKeyClicked(input)) {
    program.States.Change(gsPlaying);
    // A question asked in the frame the game was paused goes away with the pause.
    if (program.Screens.Dialog.Shown()) {
      program.Screens.Dialog.Hide();
      program.HideCursorSprite();
    }
  }
  if (input.Clicked(kKeyEscape)) program.States.Change(gsQuitConfirm);
}

constexpr ScreenInput kScreenInputs[] = {
    {{gsPlaying}, PlayingKeys, nullptr, nullptr},
    {{gsPaused}, PausedKeys, nullptr, nullptr},
    {{gsMainMenu},
     [](TProgram& program, const TFrameInput& input) { program.Screens.Main.Keys(input); },
     nullptr,
     nullptr},
    {{gsOptions, gsOptionsName, gsOptionsKey},
     [](TProgram& program, const TFrameInput& input) { program.Screens.Options.Keys(input); },
     [](TScreens& screens, const PrintPoint&, PixelPoint at) { screens.Options.Hover(at.x, at.y); },
     [](TScreens& screens, const PrintPoint&, PixelPoint at) {
       screens.Options.Click(at.x, at.y);
     }},
    {{gsHelp},
     [](TProgram& program, const TFrameInput& input) { program.Screens.Help.Keys(input); },
     [](TScreens& screens, const PrintPoint&, PixelPoint at) { screens.Help.Hover(at.x, at.y); },
     [](TScreens& screens, const PrintPoint&, PixelPoint at) { screens.Help.Click(at.x, at.y); }},
    {{gsExitConfirm, gsRecordsResetConfirm, gsQuitConfirm, gsSubmitAsk, gsSubmitFailed},
     [](TProgram& program, const TFrameInput& input) { program.Screens.Dialog.Keys(input); },
     [](TScreens& screens, const PrintPoint&, PixelPoint at) { screens.Dialog.Hover(at.x, at.y); },
     [](TScreens& screens, const PrintPoint&, PixelPoint at) { screens.Dialog.Click(at.x, at.y); }},
    {{gsRecords},
     [](TProgram& program, const TFrameInput& input) { program.Screens.RecordsPanel.Keys(input); },
     [](TScreens& screens, const PrintPoint&, PixelPoint at) {
       screens.RecordsPanel.Hover(at.x, at.y);
     },
     [](TScreens& screens, const PrintPoint&, PixelPoint at) {
       screens.RecordsPanel.Click(at.x, at.y);
     }},
    {{gsRecordEntry, gsRecordEntryName, gsRecordEntryAdd},
     [](TProgram& program, const TFrameInput& input) { program.Screens.Entry.Keys(input); },
     [](TScreens& screens, const PrintPoint& at, PixelPoint pixel) {
       screens.Entry.Hover(at.x, at.y, pixel.x, pixel.y);
     },
     [](TScreens& screens, const PrintPoint& at, PixelPoint pixel) {
       screens.Entry.Click(at.x, at.y, pixel.x, pixel.y);
     }},
};

const ScreenInput* InputOf(std::uint8_t state) {
  for (const ScreenInput& screen : kScreenInputs) {
    for (const std::uint8_t owned : screen.states) {
      if (owned == state) return &screen;
    }
  }
  return nullptr;
}

// The main menu stays under the panels and takes the pointer while it is on screen, except
// under the questions asked over it.
bool MainMenuTakesPointer(const TProgram& program) {
  const std::uint8_t state = program.States.Current();
  return program.MenuMode && state != gsExitConfirm && state != gsRecordsResetConfirm;
}

PixelPoint ToPixels(const PrintPoint& at) {
  return {static_cast<int>((at.x + 16) / 32 * 800), static_cast<int>((12 - at.y) / 24 * 600)};
}

void PlaceCursor(const TProgram& program, const PrintPoint& at) {
  iSpriteLocationSet(program.Media.CursorSprite,
                     {static_cast<float>(at.x - 0.1L), static_cast<float>(at.y - 0.4L)});
}

}  // namespace

bool BossKeyClicked(const TProgram& program, const TFrameInput& input) {
  return (input.Clicked(program.Settings.BossKey) &&
          HeldModifiers(input) == BoundModifiers(program.Settings)) ||
         input.PadClicked(kPadBack);
}

PrintPoint ReadPointer(TProgram& program) {
  const TFrameInput& input = program.Input;
  if (program.Settings.Windowed) {
    // In a window the system pointer counts, and is hidden only while over the picture.
    if (!input.pointerKnown || !input.windowKnown) return program.LastPointer;
    const int left = input.windowLeft, top = input.windowTop;
    const int right = input.windowRight, bottom = input.windowBottom;
    const bool inside = left <= input.pointerX && input.pointerX <= right &&
                        top <= input.pointerY && input.pointerY <= bottom;
    // A replay's pointer is not the viewer's to show or hide.
    const bool ownPointer = !program.Playback.Active();
    sys::System& system = sys::system();
    if (!inside || right == left || bottom == top) {
      if (ownPointer) system.ShowCursor(true);
      return program.LastPointer;
    }
    PrintPoint at;
    at.x = static_cast<long double>(input.pointerX - left) / (right - left) * 32 - 16;
    at.y = 12 - static_cast<long double>(input.pointerY - top) / (bottom - top) * 24;
    PlaceCursor(program, at);
    if (ownPointer) system.ShowCursor(false);
    return at;
  }
  PrintPoint at;
  at.x = static_cast<long double>(input.mouseX) * 32 - 16;
  at.y = 12 - static_cast<long double>(input.mouseY) * 24;
  PlaceCursor(program, at);
  return at;
}

void RouteKeys(TProgram& program) {
  const TFrameInput& input = program.Input;
  if (BossKeyClicked(program, input)) {
    if (program.States.Current() == gsOptionsKey) {
      // The boss key only ends the wait for a new one; the options keys of this frame count.
      program.States.Change(gsOptions);
    } else {
      if (program.States.Current() == gsPlaying) PauseGame(program);
      program.MinimizeGameWindow();
      return;
    }
  }
  const ScreenInput* screen = InputOf(program.States.Current());
  if (screen != nullptr && screen->keys != nullptr) screen->keys(program, input);
}

void RoutePointerMove(TProgram& program) {
  const PrintPoint at = ReadPointer(program);
  if (at.x != program.LastPointer.x || at.y != program.LastPointer.y) {
    const PixelPoint pixel = ToPixels(at);
    if (MainMenuTakesPointer(program)) program.Screens.Main.Hover(pixel.x, pixel.y);
    const ScreenInput* screen = InputOf(program.States.Current());
    if (screen != nullptr && screen->hover != nullptr) screen->hover(program.Screens, at, pixel);
  }
  program.LastPointer = at;
}

void RoutePointerClick(TProgram& program) {
  const PrintPoint at = ReadPointer(program);
  const TFrameInput& input = program.Input;
  if (input.leftClick) {
    program.PointerClick = 1;
  } else if (input.rightClick) {
    program.PointerClick = 2;
  } else {
    program.PointerClick = 0;
  }
  if (program.PointerClick != 1) return;
  const PixelPoint pixel = ToPixels(at);
  // An item that ran has changed the screen: the click goes no further.
  if (MainMenuTakesPointer(program) && program.Screens.Main.Click(pixel.x, pixel.y)) return;
  const ScreenInput* screen = InputOf(program.States.Current());
  if (screen != nullptr && screen->click != nullptr) screen->click(program.Screens, at, pixel);
}
