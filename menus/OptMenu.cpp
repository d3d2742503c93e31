#include "menus/OptMenu.h"

#include <iterator>
#include <string>
#include <tuple>

#include "engine/MeshSprite.h"
#include "menus/BossKeyText.h"
#include "menus/GameStates.h"
#include "menus/Panels.h"
#include "menus/ScreenParts.h"
#include "menus/Screens.h"
#include "menus/SoundVolumes.h"

namespace {

constexpr const char* kArchive = "data\\Forms.dat";
constexpr TPictureSpec kBody = {0, 1000001, 170, 325, 400, 500, 1};
constexpr TPictureSpec kTitle = {39, 1001417, 150, -20, 100, 400, 2};
constexpr int kButtonPriority = 2;

// The pictures that light up while their item is selected, in the order they are drawn: the
// marks of items 1 to 3 cover the whole panel, then come the name and key boxes and the marks of
// items 4 and 5.
struct TItemMark {
  TPictureSpec picture;
  std::uint8_t item;
};
constexpr TItemMark kMarks[] = {
    {{43, 1001904, 170, 325, 400, 500, 2}, 1}, {{44, 1001905, 170, 325, 400, 500, 2}, 2},
    {{45, 1001906, 170, 325, 400, 500, 2}, 3}, {{46, 1001907, 364, 351, 80, 450, 2}, 4},
    {{47, 1001909, 456, 350, 80, 450, 2}, 5},  {{52, 1001908, 170, 325, 400, 500, 2}, 4},
    {{53, 1001910, 170, 325, 400, 500, 2}, 5}, {{56, 1001950, 20, 325, 144, 500, 2}, 6},
    {{57, 1001951, 20, 325, 144, 500, 2}, 7},  {{62, 1001957, 20, 325, 144, 500, 2}, 8},
};

// The panel above the options panel: a row for each volume, its value printed in a box between
// two arrow buttons, and the language's row, its name printed in a wide box.
constexpr TPictureSpec kMixBody = {55, 1001952, 20, 325, 144, 500, 1};
struct TVolumeButton {
  TButtonSpec button;
  std::uint8_t item;
  bool up;
};
constexpr TVolumeButton kVolumeButtons[] = {
    {{58, 59, 1001954, 1001953, 28, 575, 40, 64, 6, 6}, 6, false},
    {{60, 61, 1001956, 1001955, 28, 729, 40, 64, 6, 6}, 6, true},
    {{58, 59, 1001954, 1001953, 72, 575, 40, 64, 6, 6}, 7, false},
    {{60, 61, 1001956, 1001955, 72, 729, 40, 64, 6, 6}, 7, true},
};

// The value buttons of items 1 to 3, each lit while it shows the working copy's value.
struct TValueButton {
  TButtonSpec button;
  std::uint8_t item;
};
enum : std::size_t { kWindow, kFullScreen, kMusicOn, kMusicOff, kSoundOn, kSoundOff };
constexpr TValueButton kValueButtons[] = {
    {{8, 9, 1001410, 1001409, 203, 469, 50, 200, 25, 15}, 1},
    {{10, 11, 1001412, 1001411, 203, 607, 50, 200, 30, 20}, 1},
    {{12, 13, 1001414, 1001413, 249, 552, 50, 100, 15, 15}, 2},
    {{14, 15, 1001416, 1001415, 248, 611, 50, 100, 15, 15}, 2},
    {{12, 13, 1001414, 1001413, 294, 550, 50, 100, 15, 15}, 3},
    {{14, 15, 1001416, 1001415, 293, 611, 50, 100, 15, 15}, 3},
};

// The rows of the panel the pointer selects and clicks, between x 401 and 759 (inclusive).
struct TItemBand {
  int top, bottom;
  std::uint8_t item;
};
constexpr int kBandsLeft = 401, kBandsRight = 759;
constexpr TItemBand kBands[] = {
    {211, 254, 1}, {261, 299, 2}, {306, 344, 3}, {346, 424, 4},
    {431, 544, 5}, {28, 68, 6},   {72, 112, 7},  {116, 156, 8},
};

// The item of the band under a pixel; 0 outside the bands.
std::uint8_t BandAt(int x, int y) {
  if (x < kBandsLeft || x > kBandsRight) return 0;
  for (const TItemBand& band : kBands) {
    if (band.top <= y && y <= band.bottom) return band.item;
  }
  return 0;
}

constexpr iColor4 kWhite = {1, 1, 1, 1};
constexpr iColor4 kUnselected = {1, 0.2f, 0.2f, 1};
constexpr float kTextScale = 0.5f;
constexpr float kAddTextSize = 0.25f, kBossKeySize = 0.1f;
// In print units: where an empty line would start (each byte moves it left, so the text stays
// about centred in its box), and the heights of the name and key boxes' lines.
constexpr long double kLinesRight = 7.5L, kAddTextY = -4.1L, kBossKeyY = -7.8L;
// The volumes' values: the centre of their boxes (683 pixels across), each row's height, and
// what a character of a value takes. The language's name: the centre of its box (684 pixels
// across) and its row's height.
constexpr long double kVolumeCentre = 11.32L, kValueCharWidth = 0.5L;
constexpr long double kVolumeY[] = {10.08L, 8.32L};
constexpr long double kLanguageCentre = 11.36L, kLanguageY = 6.56L;

bool IsVolumeItem(std::uint8_t item) {
  return item == TOptMenu::kMusicVolumeItem || item == TOptMenu::kEffectsVolumeItem;
}

bool OnPanelScreen(std::uint8_t state) {
  return state == gsOptions || state == gsOptionsName || state == gsOptionsKey;
}

}  // namespace

void TOptMenu::PrintLine(const std::string& text, long double x, long double y, iColor4 colour,
                         float size) const {
  const TPanelLine line{text, static_cast<float>(x), static_cast<float>(y), kTextScale, colour};
  screens_.Kit.AddLines({&line, 1}, size);
}

TOptMenu::~TOptMenu() {
  for (TMeshSprite*& mark : marks_) Discard(mark);
  Discard(mixBody_);
  for (TMeshButton*& button : buttons_) Discard(button);
  for (TMeshButton*& button : volumeButtons_) Discard(button);
}

void TOptMenu::Build() {
  static_assert(std::size(kMarks) == std::tuple_size_v<decltype(marks_)>);
  static_assert(std::size(kValueButtons) == std::tuple_size_v<decltype(buttons_)>);
  static_assert(std::size(kVolumeButtons) == std::tuple_size_v<decltype(volumeButtons_)>);
  Panel.Build(kArchive, kBody, kTitle);
  Discard(mixBody_);
  mixBody_ = CreatePicture(kArchive, kMixBody);
  mixBody_->Show();
  Panel.AddToBody(mixBody_);
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    Discard(marks_[i]);
    marks_[i] = CreatePicture(kArchive, kMarks[i].picture);
    marks_[i]->Show();
    Panel.AddToBody(marks_[i]);
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    Discard(buttons_[i]);
    buttons_[i] = CreateButton(kArchive, kValueButtons[i].button, kButtonPriority);
    buttons_[i]->Show();
    Panel.AddToBody(buttons_[i]);
  }
  for (std::size_t i = 0; i < volumeButtons_.size(); ++i) {
    Discard(volumeButtons_[i]);
    volumeButtons_[i] = CreateButton(kArchive, kVolumeButtons[i].button, kButtonPriority);
    volumeButtons_[i]->Show();
    Panel.AddToBody(volumeButtons_[i]);
  }
}

void TOptMenu::InitialState() {
  Build();
  Selected = 1;
  DisplayModeChanged = false;
  Caret = {};
}

void TOptMenu::Open() {
  Working = screens_.Settings;
  Panel.Open();
  Caret.Visible = false;
}

void TOptMenu::Close() {
  Apply();
  Panel.Close();
}

void TOptMenu::Leave() {
  iPrintsHide();
  Close();
  ReturnToMainMenu(screens_);
}

void TOptMenu::Apply() {
  // A failed write has said so on stderr; the game plays on with the new settings.
  SaveSettingsFile(Working);
  TSettings& live = screens_.Settings;
  if (!Working.MusicOn) {
    screens_.Host.StopMusic();
  } else if (!live.MusicOn) {
    live.MusicOn = 1;
    screens_.Host.PlayMenuMusic();
  }
  live = Working;
  if (DisplayModeChanged) {
    // The main loop re-creates the window in the new mode once this frame ends, and the new scene
    // starts at the main menu with every panel closed.
    screens_.Host.ChangeState(gsMainMenu);
    screens_.Host.RequestNewWindow();
  }
}

void TOptMenu::ToggleItem(std::uint8_t item) {
  const auto flip = [](std::uint8_t& flag) { flag = flag ? 0 : 1; };
  switch (item) {
    case 1:
      flip(Working.Windowed);
      DisplayModeChanged = !DisplayModeChanged;
      break;
    case 2:
      flip(Working.MusicOn);
      break;
    case 3:
      flip(Working.SoundOn);
      break;
    case kLanguageItem:
      SwitchLanguage();
      return;
    default:
      return;
  }
  Apply();
}

void TOptMenu::ActivateItem(std::uint8_t item) {
  if (item == kNameItem) {
    screens_.Host.ChangeState(gsOptionsName);
  } else if (item == kBossKeyItem) {
    screens_.Host.ChangeState(gsOptionsKey);
  } else {
    ToggleItem(item);
  }
}

void TOptMenu::StepVolume(std::uint8_t item, bool up) {
  if (!IsVolumeItem(item)) return;
  TPreferences& preferences = screens_.Preferences;
  std::uint8_t& volume =
      item == kMusicVolumeItem ? preferences.MusicVolume : preferences.EffectsVolume;
  volume = SteppedVolume(volume, up);
  ApplySoundVolumes(preferences);
  // A failed write has said so on stderr; the volume is heard as chosen all the same.
  SavePreferencesFile(preferences);
}

void TOptMenu::SwitchLanguage() {
  const TLanguage language =
      screens_.Language == TLanguage::English ? TLanguage::Russian : TLanguage::English;
  screens_.Preferences.Language = static_cast<std::uint8_t>(language);
  // A failed write has said so on stderr; the game speaks the new language all the same.
  SavePreferencesFile(screens_.Preferences);
  screens_.Host.SwitchLanguage(language);
}

void TOptMenu::Hover(int x, int y) {
  const std::uint8_t before = Selected;
  const auto light = [&](TMeshButton* button, std::uint8_t item) {
    if (button->HitTest(x, y)) {
      button->Highlight();
      Selected = item;
    } else {
      button->Unhighlight();
    }
  };
  for (std::size_t i = 0; i < buttons_.size(); ++i) light(buttons_[i], kValueButtons[i].item);
  for (std::size_t i = 0; i < volumeButtons_.size(); ++i) {
    light(volumeButtons_[i], kVolumeButtons[i].item);
  }
  if (const std::uint8_t item = BandAt(x, y)) Selected = item;
  if (Selected != before) screens_.Kit.Play(screens_.Kit.MoveSound);
}

void TOptMenu::Click(int x, int y) {
  // The right arrows reach past the bands' right end.
  bool stepped = false;
  for (std::size_t i = 0; i < volumeButtons_.size(); ++i) {
    if (!volumeButtons_[i]->HitTest(x, y)) continue;
    StepVolume(kVolumeButtons[i].item, kVolumeButtons[i].up);
    stepped = true;
  }
  const std::uint8_t item = BandAt(x, y);
  if (item == 0 && !stepped) return;
  if (item != 0) ActivateItem(item);
  // After the step, so the click is heard at the new effects volume.
  screens_.Kit.Play(screens_.Kit.ClickSound);
}

void TOptMenu::FrameUpdate(const TFrameInput& input) {
  Panel.Step();
  if (!OnPanelScreen(screens_.Host.State())) return;
  iPrintsHide();
  LightValues();
  LightSelectedItem();
  PrintAddText(input.engineTime);
  PrintBossKey(input);
  PrintVolumes();
  PrintLanguage();
}

void TOptMenu::LightValues() {
  // Only the lit button of the display pair is set: the other keeps what the pointer gave it.
  buttons_[Working.Windowed ? kWindow : kFullScreen]->Highlight();
  buttons_[kWindow]->UpdateFade();
  buttons_[kFullScreen]->UpdateFade();
  FadeButton(buttons_[kMusicOn], Working.MusicOn != 0);
  FadeButton(buttons_[kMusicOff], Working.MusicOn == 0);
  FadeButton(buttons_[kSoundOn], Working.SoundOn != 0);
  FadeButton(buttons_[kSoundOff], Working.SoundOn == 0);
  // The arrows are lit only while the pointer is on them.
  for (TMeshButton* button : volumeButtons_) button->UpdateFade();
}

void TOptMenu::LightSelectedItem() const {
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    marks_[i]->SetAlpha(kMarks[i].item == Selected ? 1.0f : 0.0f);
  }
}

void TOptMenu::PrintAddText(long double now) {
  const std::string text = Working.AddTextString();
  const long double x = kLinesRight - 0.35L * text.size() + Panel.TextShift();
  if (screens_.Host.State() != gsOptionsName) {
    PrintLine(text, x, kAddTextY, Selected == kNameItem ? kWhite : kUnselected, kAddTextSize);
    return;
  }
  PrintLine(Caret.After(text, now), x, kAddTextY, kWhite, kAddTextSize);
}

void TOptMenu::PrintBossKey(const TFrameInput& input) const {
  // While a key is awaited, the modifiers held so far stand before a question mark.
  const std::string text = screens_.Host.State() == gsOptionsKey
                               ? BossKeyText("?", HeldModifiers(input))
                               : BossKeyText(Working, screens_.Language);
  const long double x = kLinesRight - 0.25L * text.size() + Panel.TextShift();
  PrintLine(text, x, kBossKeyY, Selected == kBossKeyItem ? kWhite : kUnselected, kBossKeySize);
}

void TOptMenu::PrintVolumes() const {
  const std::uint8_t volumes[] = {screens_.Preferences.MusicVolume,
                                  screens_.Preferences.EffectsVolume};
  const std::uint8_t items[] = {kMusicVolumeItem, kEffectsVolumeItem};
  for (std::size_t row = 0; row < std::size(items); ++row) {
    const std::string text = std::to_string(volumes[row]) + "%";
    const long double x = kVolumeCentre - kValueCharWidth * text.size() / 2 + Panel.TextShift();
    PrintLine(text, x, kVolumeY[row], Selected == items[row] ? kWhite : kUnselected, kAddTextSize);
  }
}

void TOptMenu::PrintLanguage() const {
  const std::string text(screens_.Kit.Texts().languageName);
  const long double x = kLanguageCentre - kValueCharWidth * text.size() / 2 + Panel.TextShift();
  PrintLine(text, x, kLanguageY, Selected == kLanguageItem ? kWhite : kUnselected, kAddTextSize);
}
