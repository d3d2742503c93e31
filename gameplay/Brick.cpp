#include "gameplay/Brick.h"

#include "gameplay/Random.h"

namespace {

constexpr int kFirstWallKind = 20;

// Picture and box sizes in pixels: an ordinary brick fills one 40 x 30 cell, a wall piece is
// 50 x 100.
float PictureWidth(int kind) {
  return kind < kFirstWallKind ? 40.0f : 50.0f;
}
float PictureHeight(int kind) {
  return kind < kFirstWallKind ? 30.0f : 100.0f;
}

bool Indestructible(int kind) {
  return (kind >= 11 && kind <= 13) || (kind >= 20 && kind <= 22);
}

}  // namespace

void TBlock::CreateSprites(float overlayWidth, float overlayHeight) {
  Main = TMeshSprite::CreateBare(13);
  SetScreenSize(Main->Mesh, PictureWidth(Kind), PictureHeight(Kind));
  iMeshTextureModeSet(Main->Mesh, 4);
  Overlay = TMeshSprite::CreateBare(13);
  SetScreenSize(Overlay->Mesh, overlayWidth, overlayHeight);
  iMeshTextureModeSet(Overlay->Mesh, 4);
}

void TBlock::SetTextures() const {
  const TFieldTextures& t = *textures_;
  iMeshTextureSet(Main->Mesh,
                  Kind < kFirstWallKind ? t.BrickTexture(Kind) : t.WallTexture(Kind - 19));
  iHandle overlay = t.WallTexture(4);
  if (Kind <= 8) {
    overlay = t.BrickTexture(10);
  } else if (Kind < kFirstWallKind) {
    overlay = t.BrickTexture(14);
  }
  iMeshTextureSet(Overlay->Mesh, overlay);
}

void TBlock::SetMainTexture(iHandle texture) const {
  iMeshTextureReset(Main->Mesh);
  iMeshTextureSet(Main->Mesh, texture);
}

void TBlock::Init(int kind, const TFieldTextures& textures) {
  textures_ = &textures;
  Kind = static_cast<std::uint8_t>(kind);
  Explosion.Init(textures);
  CreateSprites(PictureWidth(kind), PictureHeight(kind));
  HalfHeight = kind < kFirstWallKind ? 0.8L : 1.6L;
  HalfWidth = kind < kFirstWallKind ? 0.6L : 0.8L;
  SetTextures();
  Alive = true;
  Flashing = false;
  Overlay->SetAlpha(0);
  Overlay->Show();
  Counter = 20 + Random(150);
}

void TBlock::Destroy() {
  if (Main != nullptr) Main->Destroy();
  if (Overlay != nullptr) Overlay->Destroy();
  Main = Overlay = nullptr;
  Explosion.Destroy();
}

void TBlock::RebuildMeshes() {
  if (Main != nullptr) Main->Discard();
  if (Overlay != nullptr) Overlay->Discard();
  // The glint of an ordinary brick comes back at half the cell's size.
  const bool wall = Kind >= kFirstWallKind;
  CreateSprites(wall ? PictureWidth(Kind) : 20.0f, wall ? PictureHeight(Kind) : 15.0f);
  Explosion.RebuildMesh();
  SetTextures();
  PlaceMeshes();
}

void TBlock::PlaceMeshes() {
  PlaceAtFieldPoint(Main->Mesh, X, Y);
  PlaceAtFieldPoint(Overlay->Mesh, X, Y);
  Explosion.X = X;
  Explosion.Y = Y;
  Explosion.PlaceMesh();
}

void TBlock::Show() const {
  Main->Show();
  Overlay->SetAlpha(0);
  Overlay->Show();
}

void TBlock::Hide() const {
  Main->Hide();
  Overlay->Hide();
}

FieldRect TBlock::Rect() const {
  return {static_cast<double>(Y + HalfHeight), static_cast<double>(X - HalfWidth),
          static_cast<double>(Y - HalfHeight), static_cast<double>(X + HalfWidth)};
}

void TBlock::Explode() {
  Explosion.Start();
}

void TBlock::Break() {
  Alive = false;
  Main->Hide();
  Overlay->Hide();
  Explode();
}

bool TBlock::Slide(TLevelGrid& grid) {
  struct Move {
    bool possible;
    int dColumn, dRow;
  };
  const Move moves[4] = {
      {Column > 2 && grid.Free(Row, Column - 1), -1, 0},
      {Column < 18 && grid.Free(Row, Column + 1), 1, 0},
      {Row < 18 && grid.Free(Row + 1, Column), 0, 1},
      {Row > 2 && grid.Free(Row - 1, Column), 0, -1},
  };
  for (const Move& move : moves) {
    if (!move.possible) continue;
    Column += move.dColumn;
    Row += move.dRow;
    X += kCellWidth * move.dColumn;
    Y -= kCellHeight * move.dRow;
    PlaceMeshes();
    grid.Set(Row, Column, 3);
    return true;
  }
  return false;
}

BrickHit TBlock::Hit(TLevelGrid& grid) {
  BrickHit hit;
  switch (Kind) {
    case 1:
    case 2:
    case 3:
      hit.points = 10;
      Break();
      grid.Set(Row, Column, 0);
      hit.mayDrop = true;
      break;
    case 4:
    case 5:
    case 6:
    case 9: {
      static constexpr std::uint8_t kNext[10] = {0, 0, 0, 0, 2, 4, 5, 0, 0, 8};
      Kind = kNext[Kind];
      hit.points = 10;
      SetMainTexture(textures_->BrickTexture(Kind));
      Explode();
      break;
    }
    case 7:
      Kind = 3;
      hit.points = 10;
      SetMainTexture(textures_->BrickTexture(3));
      Explode();
      grid.Set(Row, Column, 0);
      if (!Slide(grid)) {
        // Walled in: it breaks at once, with nothing to drop.
        hit.points += 10;
        Break();
        grid.Set(Row, Column, 0);
      }
      break;
    case 8:
      // Its cell keeps its code: the spawned bricks and the ball still find it taken.
      hit.points = 10;
      Break();
      hit.spawns = true;
      break;
    default:
      if (Indestructible(Kind)) {
        Flashing = true;
        Counter = 0;
        FadeIn = true;
      }
      break;
  }
  return hit;
}

void TBlock::Update() {
  if (Kind == 1 || Kind == 2) {
    // Glint: the overlay shows for five frames, shifted a little, now and then.
    --Counter;
    if (Counter == 0) {
      const long double dx = Random(2) == 0 ? 0.2L : -0.2L;
      const long double dy = Random(2) == 0 ? 0.2L : -0.2L;
      PlaceAtFieldPoint(Overlay->Mesh, X + dx, Y + dy);
      Overlay->SetAlpha(1);
    } else if (Counter == -5) {
      Overlay->SetAlpha(0);
      Counter = 75 + Random(150);
    }
  } else if (Kind == 4 || Kind == 5 || Kind == 7) {
    if (Counter > 0) {
      --Counter;
      return;
    }
    const int frames = Kind == 5 ? 4 : 3;
    AnimationFrame = AnimationFrame + 1 > frames ? 1 : AnimationFrame + 1;
    static constexpr int kPingPong[5] = {0, 1, 2, 3, 2};
    if (Kind == 4) SetMainTexture(textures_->BrickAnimation(1, AnimationFrame));
    if (Kind == 7) SetMainTexture(textures_->BrickAnimation(3, AnimationFrame));
    if (Kind == 5) SetMainTexture(textures_->BrickAnimation(2, kPingPong[AnimationFrame]));
    Counter = 30;
  } else if (Flashing) {
    if (FadeIn) {
      if (Counter < 11) {
        Overlay->SetAlpha(static_cast<float>(Counter) / 10.0f);
        ++Counter;
      } else {
        FadeIn = false;
        --Counter;
      }
    } else if (Counter > 0) {
      Overlay->SetAlpha(static_cast<float>(Counter) / 10.0f);
      --Counter;
    } else {
      Overlay->SetAlpha(0);
      Flashing = false;
    }
  }
}
