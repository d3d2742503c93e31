// Sounds of the engine core. The game's file name of every sound started is recorded for the
// state dump, whether or not an audio device plays it.
#include <algorithm>

#include "engine/impact.h"
#include "platform/files.h"
#include "runtime/engine_assets.h"
#include "runtime/engine_core.h"
#include "runtime/engine_scene.h"
#include "runtime/runtime.h"
#include "runtime/wave_bytes.h"

using rt::engineState;

namespace {

// Sounds larger than this (the music loops) are played from their file.
constexpr std::uint64_t kStreamAbove = 512 * 1024;

// The backend's sound for a game file; 0 (with one line on stderr) when it cannot be used.
int loadSound(const std::string& name) {
  const std::string path = files::gamePath(name);
  const auto size = files::size(path);
  const bool stream = size && *size > kStreamAbove;
  const auto bytes = stream ? files::readAt(path, 0, 12) : rt::readGameFile("sound", name);
  if (!bytes) {
    if (stream) rt::reportBadInput("sound", name, "unreadable");
    return 0;
  }
  // A file played as it is read is checked for its signature only; one decoded whole is checked
  // up to its samples.
  const std::string problem =
      stream ? (rt::looksLikeWave(*bytes) ? "" : "not a RIFF WAVE file") : rt::waveProblem(*bytes);
  if (!problem.empty()) {
    rt::reportBadInput("sound", name, problem);
    return 0;
  }
  if (!rt::backend().soundAvailable()) return 0;
  const int sound = stream ? rt::backend().loadStream(path) : rt::backend().loadSound(*bytes);
  if (!sound) rt::reportBadInput("sound", name, "cannot be decoded");
  return sound;
}

// A kind from the game, as an index of the master volumes: anything but music is an effect.
iSoundKind knownKind(iSoundKind kind) {
  return kind == iSoundMusic ? iSoundMusic : iSoundEffect;
}

float heardVolume(const rt::SoundRec& sound) {
  return sound.volume * engineState().masterVolumes[sound.kind];
}

// Hands the backend what the sound is heard at.
void applyVolume(const rt::SoundRec& sound) {
  if (sound.backendRef) rt::backend().setSoundVolume(sound.backendRef, heardVolume(sound));
}

}  // namespace

iHandle iSoundCreate(const char* waveFile, int) {
  rt::SoundRec rec;
  rec.name = waveFile ? waveFile : "";
  if (waveFile) rec.backendRef = loadSound(rec.name);
  applyVolume(rec);
  return engineState().sounds.add(std::move(rec));
}

void iSoundPlayNow(iHandle handle, int loop) {
  auto& s = engineState();
  const auto* sound = s.sounds.find(handle);
  if (!sound) return;
  if (sound->backendRef) {
    rt::backend().stopSound(sound->backendRef);
    rt::backend().playSound(sound->backendRef, loop == -1);
  }
  s.soundsStarted.push_back(sound->name);
}

void iSoundPlay(iHandle handle, int loop) {
  const auto* sound = engineState().sounds.find(handle);
  if (!sound || (sound->backendRef && rt::backend().soundPlaying(sound->backendRef))) return;
  iSoundPlayNow(handle, loop);
}

void iSoundStop(iHandle handle) {
  const auto* sound = engineState().sounds.find(handle);
  if (sound && sound->backendRef) rt::backend().stopSound(sound->backendRef);
}

void iSoundVolumeSet(iHandle handle, float volume) {
  auto* sound = engineState().sounds.find(handle);
  if (!sound) return;
  sound->volume = std::clamp(volume, 0.0f, 1.0f);
  applyVolume(*sound);
}

void iSoundKindSet(iHandle handle, iSoundKind kind) {
  auto* sound = engineState().sounds.find(handle);
  if (!sound) return;
  sound->kind = knownKind(kind);
  applyVolume(*sound);
}

void iSoundMasterVolumeSet(iSoundKind kind, float volume) {
  auto& s = engineState();
  kind = knownKind(kind);
  s.masterVolumes[kind] = std::clamp(volume, 0.0f, 1.0f);
  for (const auto& [handle, sound] : s.sounds) {
    if (sound.kind == kind) applyVolume(sound);
  }
}

float rt::engineHeardVolume(iHandle handle) {
  const auto* sound = engineState().sounds.find(handle);
  return sound ? heardVolume(*sound) : 0.0f;
}
