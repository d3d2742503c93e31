// The options panel: it slides in beside the main menu and edits a working copy of the settings,
// which Apply saves and makes the live settings. Its five items: window or full screen, music,
// sound effects, the player's second name and the boss key; on a small panel above them, three
// more: the music and the effects volume and the language, which change the live preferences at
// once.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/FrameInput.h"
#include "engine/impact.h"
#include "menus/SlidingPanel.h"
#include "menus/TextEntry.h"
#include "userdata/Settings.h"

class TMeshSprite;
class TMeshButton;
class TScreens;

class TOptMenu {
 public:
  static constexpr int kItems = 8;
  // Items 1 to 3 switch a value; these two edit the second name and the boss key.
  static constexpr std::uint8_t kNameItem = 4, kBossKeyItem = 5;
  // Left and Right step these volumes; their rows stand above the others, so Down from the boss
  // key reaches them and Down from the last of them the first item.
  static constexpr std::uint8_t kMusicVolumeItem = 6, kEffectsVolumeItem = 7;
  // Left, Right, Enter and a click switch between Russian and English.
  static constexpr std::uint8_t kLanguageItem = 8;

  explicit TOptMenu(TScreens& screens) : screens_(screens) {}
  // Lets its pictures go without engine calls (the engine is closed by then).
  ~TOptMenu();
  TOptMenu(const TOptMenu&) = delete;
  TOptMenu& operator=(const TOptMenu&) = delete;

  // The panel with its item marks and value buttons, built shown but closed and off screen.
  void Build();
  void InitialState();
  // Starts from the live settings and slides in.
  void Open();
  // Applies the working copy, then slides out.
  void Close();
  // Escape: closes the panel and returns to the main menu.
  void Leave();
  // Saves the working copy, starts or stops the menu music as it says and makes it the live
  // settings; a changed display mode asks for a new window and returns to the main menu. A
  // settings file that cannot be written is reported on stderr and the game goes on.
  void Apply();
  // Keys of the panel's screens: choosing an item, typing the second name, waiting for the boss
  // key.
  void Keys(const TFrameInput& input);
  // The pointer moved to (x, y), in screen pixels: buttons and item bands under it select.
  void Hover(int x, int y);
  // A left click at (x, y), in screen pixels: an item band acts; on a volume's row, its arrow
  // buttons step the volume.
  void Click(int x, int y);
  // Every frame: slides; on the panel's screens also lights the values and the selected item and
  // prints the second name and the boss key.
  void FrameUpdate(const TFrameInput& input);

  std::uint8_t Selected = 1;  // 1..8
  TSlidingPanel Panel;
  TSettings Working;                // the copy the controls edit; Apply makes it the live settings
  bool DisplayModeChanged = false;  // toggled with Windowed; read and cleared by the main loop
  TCaret Caret;                     // after the second name while it is typed

 private:
  void MoveSelection(bool down);
  // Items 1 to 3 switch their value and apply; item 8 switches the language; the others do
  // nothing.
  void ToggleItem(std::uint8_t item);
  // Items 1 to 3 and 8 switch, item 4 starts typing the name, item 5 waits for a key.
  void ActivateItem(std::uint8_t item);
  // A volume one step up or down, heard at once and saved; the other items do nothing.
  void StepVolume(std::uint8_t item, bool up);
  void ChoosingKeys(const TFrameInput& input);
  void NameKeys(const TFrameInput& input);
  void BossKeyKeys(const TFrameInput& input);
  void LightValues();
  void LightSelectedItem() const;
  void PrintAddText(long double now);
  void PrintBossKey(const TFrameInput& input) const;
  void PrintVolumes() const;
  void PrintLanguage() const;
  // The other language, kept as the player's choice and spoken from the new scene on, which
  // starts at the main menu.
  void SwitchLanguage();
  void PrintLine(const std::string& text, long double x, long double y, iColor4 colour,
                 float size) const;

  TScreens& screens_;
  std::array<TMeshButton*, 6> buttons_{};        // window, full screen, music on/off, sound on/off
  std::array<TMeshSprite*, 10> marks_{};         // the pictures that light up with their item
  TMeshSprite* mixBody_ = nullptr;               // the volumes' panel
  std::array<TMeshButton*, 4> volumeButtons_{};  // music down/up, effects down/up
};
