#include "scene/InputRouting.h"

#include <array>
#include <cstdint>

#include "engine/KeyCodes.h"
#include "menus/BossKeyText.h"
#include "menus/ExitMenu.h"
#include "menus/HelpMenu.h"
#include "menus/MainMenu.h"
#include "menus/OptMenu.h"
#include "menus/RecordInputMenu.h"
#include "menus/RecordsMenu.h"
#include "runtime/system.h"
#include "scene/Cursor.h"
#include "scene/Game.h"
#include "scene/Scene.h"

namespace {

PrintPoint lastPointer;  // print units; the first routed frame counts as a move

struct PixelPoint {
  int x = 0, y = 0;
};

// Who takes the keys, the pointer's moves and its left clicks on which screens.
struct ScreenInput {
  std::array<std::uint8_t, 5> states;  // unused places stay 0, which is no screen
  void (*keys)();
  void (*hover)(const PrintPoint& at, PixelPoint pixel);
  void (*click)(const PrintPoint& at, PixelPoint pixel);
};

void PauseGame() {
  GameState = gsPaused;
  iSoundVolumeSet(GameMusic, 0);
  Game->ShowPausePicture();
}

void AskToQuit() {
  GameState = gsQuitConfirm;
  ShowCursorSprite();
  ExitMenu->Show();
}

bool PauseKeyClicked() {
  return iKeyClick(kKeyP) || iKeyClick(kKeyPause);
}

// Escape and P in one frame ask the question and then pause under it.
void PlayingKeys() {
  if (iKeyClick(kKeyEscape)) {
    AskToQuit();
    iSoundVolumeSet(GameMusic, 0);
  }
  if (PauseKeyClicked()) PauseGame();
}

void PausedKeys() {
  if (PauseKeyClicked()) {
    GameState = gsPlaying;
    iSoundVolumeSet(GameMusic, 1);
    Game->HidePausePicture();
    // A question asked in the frame the game was paused goes away with the pause.
    if (ExitMenu->Shown()) {
      ExitMenu->Hide();
      HideCursorSprite();
    }
  }
  if (iKeyClick(kKeyEscape)) {
    AskToQuit();
    Game->HidePausePicture();
  }
}

constexpr ScreenInput kScreenInputs[] = {
    {{gsPlaying}, PlayingKeys, nullptr, nullptr},
    {{gsPaused}, PausedKeys, nullptr, nullptr},
    {{gsMainMenu}, [] { MainMenu->Keys(); }, nullptr, nullptr},
    {{gsOptions, gsOptionsName, gsOptionsKey},
     [] { OptMenu->Keys(); },
     [](const PrintPoint&, PixelPoint at) { OptMenu->Hover(at.x, at.y); },
     [](const PrintPoint&, PixelPoint at) { OptMenu->Click(at.x, at.y); }},
    {{gsHelp},
     [] { HelpMenu->Keys(); },
     [](const PrintPoint&, PixelPoint at) { HelpMenu->Hover(at.x, at.y); },
     [](const PrintPoint&, PixelPoint at) { HelpMenu->Click(at.x, at.y); }},
    {{gsExitConfirm, gsRecordsResetConfirm, gsQuitConfirm, gsSubmitAsk, gsSubmitFailed},
     [] { ExitMenu->Keys(); },
     [](const PrintPoint&, PixelPoint at) { ExitMenu->Hover(at.x, at.y); },
     [](const PrintPoint&, PixelPoint at) { ExitMenu->Click(at.x, at.y); }},
    {{gsRecords},
     [] { RecordsMenu->Keys(); },
     [](const PrintPoint&, PixelPoint at) { RecordsMenu->Hover(at.x, at.y); },
     [](const PrintPoint&, PixelPoint at) { RecordsMenu->Click(at.x, at.y); }},
    {{gsRecordEntry, gsRecordEntryName, gsRecordEntryAdd},
     [] { RecordInputMenu->Keys(); },
     [](const PrintPoint& at, PixelPoint pixel) {
       RecordInputMenu->Hover(at.x, at.y, pixel.x, pixel.y);
     },
     [](const PrintPoint& at, PixelPoint pixel) {
       RecordInputMenu->Click(at.x, at.y, pixel.x, pixel.y);
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

// The bound key with exactly the bound modifiers.
bool BossKeyClicked() {
  return iKeyClick(Settings.BossKey) && HeldModifiers() == BoundModifiers(Settings);
}

// The main menu stays under the panels and takes the pointer while it is on screen, except
// under the questions asked over it.
bool MainMenuTakesPointer() {
  return MenuMode && GameState != gsExitConfirm && GameState != gsRecordsResetConfirm;
}

PixelPoint ToPixels(const PrintPoint& at) {
  return {static_cast<int>((at.x + 16) / 32 * 800), static_cast<int>((12 - at.y) / 24 * 600)};
}

void PlaceCursor(const PrintPoint& at) {
  iSpriteLocationSet(CursorSprite,
                     {static_cast<float>(at.x - 0.1L), static_cast<float>(at.y - 0.4L)});
}

}  // namespace

PrintPoint ReadPointer() {
  if (Settings.Windowed) {
    // In a window the system pointer counts, and is hidden only while over the picture.
    sys::System& system = sys::system();
    sys::POINT pointer;
    sys::RECT rect;
    if (!system.GetCursorPos(pointer) || !system.GetWindowRect(system.MainWindow(), rect)) {
      return lastPointer;
    }
    rect.top += system.GetSystemMetrics(sys::SM_CYCAPTION);
    const bool inside = rect.left <= pointer.x && pointer.x <= rect.right &&
                        rect.top <= pointer.y && pointer.y <= rect.bottom;
    if (!inside || rect.right == rect.left || rect.bottom == rect.top) {
      system.ShowCursor(true);
      return lastPointer;
    }
    PrintPoint at;
    at.x = static_cast<long double>(pointer.x - rect.left) / (rect.right - rect.left) * 32 - 16;
    at.y = 12 - static_cast<long double>(pointer.y - rect.top) / (rect.bottom - rect.top) * 24;
    PlaceCursor(at);
    system.ShowCursor(false);
    return at;
  }
  PrintPoint at;
  at.x = static_cast<long double>(iMouseX()) * 32 - 16;
  at.y = 12 - static_cast<long double>(iMouseY()) * 24;
  PlaceCursor(at);
  return at;
}

void RouteKeys() {
  if (BossKeyClicked()) {
    if (GameState == gsOptionsKey) {
      // The boss key only ends the wait for a new one; the options keys of this frame count.
      GameState = gsOptions;
    } else {
      if (GameState == gsPlaying) PauseGame();
      MinimizeGameWindow();
      return;
    }
  }
  const ScreenInput* screen = InputOf(GameState);
  if (screen != nullptr && screen->keys != nullptr) screen->keys();
}

void RoutePointerMove() {
  const PrintPoint at = ReadPointer();
  if (at.x != lastPointer.x || at.y != lastPointer.y) {
    const PixelPoint pixel = ToPixels(at);
    if (MainMenuTakesPointer()) MainMenu->Hover(pixel.x, pixel.y);
    const ScreenInput* screen = InputOf(GameState);
    if (screen != nullptr && screen->hover != nullptr) screen->hover(at, pixel);
  }
  lastPointer = at;
}

void RoutePointerClick() {
  const PrintPoint at = ReadPointer();
  if (iMouseButtonClick(0)) {
    PointerClick = 1;
  } else if (iMouseButtonClick(1)) {
    PointerClick = 2;
  } else {
    PointerClick = 0;
  }
  if (PointerClick != 1) return;
  const PixelPoint pixel = ToPixels(at);
  // An item that ran has changed the screen: the click goes no further.
  if (MainMenuTakesPointer() && MainMenu->Click(pixel.x, pixel.y)) return;
  const ScreenInput* screen = InputOf(GameState);
  if (screen != nullptr && screen->click != nullptr) screen->click(at, pixel);
}
