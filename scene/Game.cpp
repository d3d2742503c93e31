#include "scene/Game.h"

#include <cstdio>

#include "engine/MeshSprite.h"
#include "gameplay/LevelFile.h"
#include "gameplay/Random.h"
#include "platform/files.h"
#include "platform/fnv1a.h"
#include "scene/SceneMedia.h"

namespace {

constexpr const char* kLevelFile = "data\\Levels.dat";

}  // namespace

void TBanner::Start() {
  Active = true;
  Life = 2.0L;
  Scale = 0;
  Pulse = 0;
  Alpha = 0;
  Appear = true;
}

void TBanner::Stop() {
  Active = false;
  Life = -1.0L;
}

TGame::~TGame() {
  for (TMeshSprite* sprite : {pausePicture_, background_, interfaceBar_, splash_}) {
    if (sprite != nullptr) sprite->Discard();
  }
  Field.DiscardSprites();
}

void TGame::CreateSprites() {
  pausePicture_ = TMeshSprite::Create("data\\Pause.png", 800, 600, 0, 0, 18, false);
  pauseShown_ = false;
  // The field's background shares the texture table's pictures.
  background_ = TMeshSprite::CreateBare(10);
  SetScreenSize(background_->Mesh, 800, 600);
  SetScreenPos(background_->Mesh, 400, 300);
  iMeshTextureModeSet(background_->Mesh, 3);
  iMeshTextureSet(background_->Mesh, Textures.Background(BackgroundIndex));
  interfaceBar_ = TMeshSprite::CreateBare(17);
  SetScreenSize(interfaceBar_->Mesh, 802, 42);
  SetScreenPos(interfaceBar_->Mesh, 400, 20);
  iMeshTextureSet(interfaceBar_->Mesh, Textures.InterfaceTexture(LevelStyle));
  splash_ = TMeshSprite::Create("data\\splash.png", 800, 600, 0, 0, 19, false);
  splash_->SetAlpha(0.3f);
}

void TGame::CreateResources() {
  Textures.Load();
  media_.LoadingPicture->Show();
  iRender();
  SetLevel(0);
  SetScore(0);
  SetLives(3);
  SetMissiles(0);
  BackgroundIndex = 1;
  LevelStyle = 1;
  CreateSprites();
  Field.Create(Textures, Counters);
  TimeOutBanner.Active = false;
  CompleteBanner.Active = false;
  ResourcesCreated = true;
  // Left set until the first level is loaded.
  GameOverPhase = true;
  GameOverTimer = 3.0L;
}

void TGame::RebuildResources() {
  // The old engine objects died with the engine.
  for (TMeshSprite* sprite : {pausePicture_, background_, interfaceBar_, splash_}) {
    if (sprite != nullptr) sprite->Discard();
  }
  Textures.Load();
  CreateSprites();
  Field.RebuildMeshes();
}

void TGame::ResetGame() {
  ClearBricks();
  SetScore(0);
  SetLives(3);
  SetLevel(0);
}

void TGame::StartGame() {
  // A game quit during its game-over picture left the timer part run.
  GameOverTimer = 3.0L;
  Field.StartGame();
}

void TGame::ClearBricks() {
  Field.ClearBricks();
  SetMissiles(0);
  music_.Stop();
}

void TGame::BuildBricks() {
  Field.BuildBricks(LevelStyle);
}

void TGame::StartLife() {
  Field.StartLife();
}

std::optional<std::int32_t> TGame::LevelCount() {
  const auto head = files::readAt(files::gamePath(kLevelFile), 0, 4);
  return head ? DecodeLevelCount(*head) : std::nullopt;
}

std::uint64_t TGame::LevelFileHash() {
  const auto bytes = files::readAll(files::gamePath(kLevelFile));
  return bytes ? rt::fnv1a(bytes->data(), bytes->size()) : 0;
}

bool TGame::ReadLevel(std::int32_t level) {
  Field.Grid.Cells.fill(0);
  const std::string path = files::gamePath(kLevelFile);
  const auto count = LevelCount();
  if (!count || *count <= 0 || level > *count) {
    std::fprintf(stderr, "glintbreaker: %s has no level %d; the game ends here\n", path.c_str(),
                 level);
    return false;
  }
  const auto bytes = files::readAt(path, LevelOffset(level), kLevelBytes);
  const auto cells = bytes ? DecodeLevel(*bytes) : std::nullopt;
  if (!cells) {
    std::fprintf(stderr, "glintbreaker: %s: level %d cannot be read whole; the game ends here\n",
                 path.c_str(), level);
    return false;
  }
  Field.Grid.Cells = *cells;
  return true;
}

void TGame::LoadNextLevel() {
  Field.Bat.Show();
  HidePausePicture();
  SetMissiles(0);
  BackgroundIndex = Random(3) + 1;
  iMeshTextureSet(background_->Mesh, Textures.Background(BackgroundIndex));
  Field.EntrySlide = false;
  media_.LoadingPicture->Show();
  iRender();
  SetLevel(GetLevel() + 1);
  const bool levelRead = ReadLevel(GetLevel());
  LevelStyle = Random(3) + 1;
  iMeshTextureSet(interfaceBar_->Mesh, Textures.InterfaceTexture(LevelStyle));
  Field.ClearPools();
  Field.Bat.Exploding = false;
  BuildBricks();
  StartLife();
  Field.PlaceForLevel();
  media_.LoadingPicture->Hide();
  ShowGameObjects();
  Counters.TimeLeft = TimeLimit(GetLevel());
  GameOverPhase = false;
  TimeOutBanner.Stop();
  CompleteBanner.Stop();
  LevelBanner.Start();
  music_.Play("2");
  // Without its level the game ends as after the last one.
  if (!levelRead) EnterGameOver();
}

void TGame::EnterGameOver() {
  media_.GameOverPicture->Show();
  GameOverPhase = true;
}

void TGame::ShowGameObjects() const {
  if (!ResourcesCreated) return;
  background_->Show();
  Field.Show();
  interfaceBar_->Show();
}

void TGame::HideGameObjects() const {
  if (!ResourcesCreated) return;
  background_->Hide();
  Field.Hide();
  interfaceBar_->Hide();
}

void TGame::ShowPausePicture() {
  if (!ResourcesCreated) return;
  pausePicture_->Show();
  pauseShown_ = true;
}

void TGame::HidePausePicture() {
  if (!ResourcesCreated) return;
  pausePicture_->Hide();
  pauseShown_ = false;
}

void TGame::HideSplash() const {
  if (!ResourcesCreated) return;
  splash_->Hide();
}
