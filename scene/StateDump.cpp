#include "scene/StateDump.h"

#include <algorithm>

#include "runtime/engine_core.h"
#include "runtime/system.h"
#include "scene/DumpField.h"
#include "scene/DumpScreens.h"
#include "scene/Program.h"

namespace {

template <typename Bytes>
std::string ShortText(std::uint8_t length, const Bytes& bytes) {
  const std::size_t used = std::min<std::size_t>(length, bytes.size());
  return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(used));
}

rt::Json SettingsJson(const TSettings& settings) {
  rt::Json json = rt::Json::object();
  json.set("Windowed", settings.Windowed);
  json.set("SoundOn", settings.SoundOn);
  json.set("MusicOn", settings.MusicOn);
  json.set("AddText", ShortText(settings.AddTextLength, settings.AddText));
  json.set("BossKey", settings.BossKey);
  json.set("BossShift", settings.BossShift);
  json.set("BossAlt", settings.BossAlt);
  json.set("BossCtrl", settings.BossCtrl);
  return json;
}

rt::Json PreferencesJson(const TPreferences& preferences) {
  rt::Json json = rt::Json::object();
  json.set("MusicVolume", preferences.MusicVolume);
  json.set("EffectsVolume", preferences.EffectsVolume);
  json.set("Language", preferences.Language);
  return json;
}

// What the engine plays the two tracks and the menu click at: their own volumes times the
// master volume of their kind.
rt::Json HeardVolumesJson(const TProgram& program) {
  rt::Json json = rt::Json::object();
  json.set("menuMusic", static_cast<double>(rt::engineHeardVolume(program.Music.MenuTrack)));
  json.set("gameMusic", static_cast<double>(rt::engineHeardVolume(program.Music.GameTrack)));
  json.set("click", static_cast<double>(rt::engineHeardVolume(program.Screens.Kit.ClickSound)));
  return json;
}

rt::Json RecordsJson(const TRecordsTable& table) {
  rt::Json json = rt::Json::array();
  for (const TRecordEntry& entry : table.Entries) {
    rt::Json record = rt::Json::object();
    record.set("name", ShortText(entry.NameLength, entry.Name));
    record.set("score", entry.Score);
    json.push(std::move(record));
  }
  return json;
}

rt::Json EngineJson(rt::Json state, iHandle cursorSprite) {
  rt::Json printed = rt::Json::array();
  for (const rt::PrintedLine& line : rt::enginePrintedAtLastRender()) {
    rt::Json item = rt::Json::object();
    item.set("text", line.text);
    item.set("x", static_cast<double>(line.x));
    item.set("y", static_cast<double>(line.y));
    printed.push(std::move(item));
  }
  state.set("printed", std::move(printed));
  rt::Json sounds = rt::Json::array();
  for (const std::string& sound : rt::engineSoundsStarted()) sounds.push(sound);
  state.set("sounds", std::move(sounds));
  state.set("rumble", static_cast<double>(rt::engineRumbleAsked()));
  const auto meshes = rt::engineMeshes();
  state.set("visibleMeshes", static_cast<long>(std::count_if(
                                 meshes.begin(), meshes.end(),
                                 [](const rt::MeshView& mesh) { return mesh.visible; })));
  const auto sprites = rt::engineSprites();
  state.set("cursorShown",
            std::any_of(sprites.begin(), sprites.end(), [cursorSprite](const rt::SpriteView& s) {
              return s.handle == cursorSprite && s.visible;
            }));
  state.set("light", static_cast<double>(rt::engineLightRed()));
  state.set("displayMode", iDisplayMode());
  const rt::EngineCounts counts = rt::engineCounts();
  rt::Json held = rt::Json::object();
  held.set("textures", counts.textures);
  held.set("meshes", counts.meshes);
  held.set("sprites", counts.sprites);
  held.set("fonts", counts.fonts);
  held.set("particleSets", counts.particleSets);
  held.set("sounds", counts.sounds);
  held.set("backendTextures", counts.backendTextures);
  held.set("backendSounds", counts.backendSounds);
  state.set("engine", std::move(held));
  return state;
}

rt::Json WindowJson() {
  sys::System& system = sys::system();
  const sys::HWND window = system.MainWindow();
  rt::Json json = rt::Json::object();
  json.set("exists", window != 0);
  json.set("visible", window != 0 && system.IsWindowVisible(window));
  json.set("minimised", window != 0 && system.IsIconic(window));
  json.set("focus", window != 0 && system.HasFocus(window));
  sys::POINT pointer;
  if (system.GetCursorPos(pointer)) {
    json.set("pointerX", pointer.x);
    json.set("pointerY", pointer.y);
  }
  return json;
}

// What replay plays, if any.
std::string ReplayName(const TPlayback& playback) {
  if (!playback.Active()) return "";
  switch (playback.Kind()) {
    case TPlaybackKind::Watched:
      return "viewer";
    case TPlaybackKind::Checked:
      return "check";
    case TPlaybackKind::Demo:
      return "demo";
  }
  return "";
}

}  // namespace

rt::Json DumpState(const TProgram& program) {
  rt::Json state = rt::Json::object();
  state.set("frame", program.FramesRun);
  state.set("GameState", program.States.Current());
  state.set("MenuMode", program.MenuMode);
  state.set("replay", ReplayName(program.Playback));
  // Before the first scene set-up there is no game yet.
  if (program.SetUpBefore) DumpGame(program.Game, state);
  state = EngineJson(std::move(state), program.Media.CursorSprite);
  state.set("fade", program.FadeLevel);
  state.set("settings", SettingsJson(program.Settings));
  state.set("preferences", PreferencesJson(program.Preferences));
  state.set("language", LanguageCode(program.Language));
  state.set("volumes", HeardVolumesJson(program));
  state.set("records", RecordsJson(program.Records));
  state.set("screens", program.SetUpBefore ? DumpScreens(program.Screens) : rt::Json::object());
  state.set("window", WindowJson());
  state.set("residentKiB", sys::ResidentMemoryKiB());
  return state;
}
