#include "gameplay/Explosion.h"

#include "gameplay/FieldGeometry.h"

void TExplo::CreateSprite() {
  Sprite = TMeshSprite::CreateBare(13);
  SetScreenSize(Sprite->Mesh, 128, 128);
}

void TExplo::ShowFrame(int frame) {
  Frame = frame;
  iMeshTextureReset(Sprite->Mesh);
  iMeshTextureSet(Sprite->Mesh, textures_->Explosion(Frame));
}

void TExplo::Init(const TFieldTextures& textures) {
  textures_ = &textures;
  CreateSprite();
  ShowFrame(1);
  Active = false;
}

void TExplo::RebuildMesh() {
  if (Sprite != nullptr) Sprite->Discard();
  CreateSprite();
  ShowFrame(Frame);
  PlaceMesh();
}

void TExplo::Destroy() {
  if (Sprite != nullptr) Sprite->Destroy();
  Sprite = nullptr;
}

void TExplo::PlaceMesh() const {
  PlaceAtFieldPoint(Sprite->Mesh, X, Y);
}

void TExplo::Start() {
  Active = true;
  Sprite->Show();
}

void TExplo::Update(std::uint32_t tick) {
  if (!Active || tick - Tick <= 15) return;
  Tick = tick;
  if (Frame >= 16) {
    ShowFrame(1);
    Active = false;
    Sprite->Hide();
    return;
  }
  ShowFrame(Frame + 1);
}

void TExplo::Reset() {
  ShowFrame(1);
  Active = false;
  Sprite->Hide();
}
