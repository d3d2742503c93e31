// Every sound of the game, synthesised: the menu and ball effects, the bat, bonus and enemy
// effects, and the two music loops.
#include <filesystem>
#include <string>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/sounds_effects.h"
#include "tools/assetgen/sounds_music.h"
#include "tools/assetgen/sounds_wav.h"

namespace assetgen {
namespace {

// Peaks are at most about -1 dBFS (0.89), clear of full scale; dense, sustained sounds peak
// lower so that every effect plays at a similar loudness.
void writeEffect(const std::filesystem::path& dir, const char* name, synth::Signal signal,
                 double peak) {
  synth::normalise(signal, peak);
  writeWav((dir / name).string(), signal, effects::kSampleRate);
}

}  // namespace

void generateSounds(const std::string& gameDir) {
  const std::filesystem::path dir = std::filesystem::path(gameDir) / "sound";
  std::filesystem::create_directories(dir);
  writeEffect(dir, "mainmenuchg.WAV", effects::menuMove(), 0.6);
  writeEffect(dir, "btn_clk.wav", effects::buttonClick(), 0.7);
  writeEffect(dir, "bita_explo.wav", effects::batExplosion(), 0.89);
  writeEffect(dir, "Bonus1.wav", effects::bonusCatch(), 0.8);
  writeEffect(dir, "Block1.wav", effects::brickHit(), 0.8);
  writeEffect(dir, "Block10.wav", effects::metalHit(), 0.7);
  writeEffect(dir, "Enemy1.wav", effects::enemyChirp(1), 0.4);
  writeEffect(dir, "Enemy2.wav", effects::enemyChirp(2), 0.45);
  writeEffect(dir, "Enemy3.wav", effects::enemyChirp(3), 0.89);
  writeEffect(dir, "EnemyHit.wav", effects::enemyZap(), 0.8);
  writeWav((dir / "musmenu.wav").string(), music::menuLoop(), music::kSampleRate);
  writeWav((dir / "musgame.wav").string(), music::gameLoop(), music::kSampleRate);
}

}  // namespace assetgen
