#include "gameplay/Field.h"

#include "gameplay/BonusEffects.h"
#include "gameplay/Drops.h"

namespace {

constexpr std::size_t kSpawnedBricks = 8;

}  // namespace

void TField::Create(const TFieldTextures& textures, TGameCounters& counters) {
  textures_ = &textures;
  counters_ = &counters;
  Bat.Init(textures);
  for (TBubble& ball : Balls) ball.Init(textures);
  for (std::size_t i = 0; i < Bonuses.size(); ++i) {
    Bonuses[i].Init(static_cast<CapsuleKind>(i / 3 + 1), textures);
  }
  for (std::size_t i = 0; i < Enemies.size(); ++i) {
    Enemies[i].Init(static_cast<int>(i / 3) + 1, textures);
  }
}

void TField::RebuildMeshes() {
  Bat.RebuildMeshes();
  for (TBlock& brick : Bricks) brick.RebuildMeshes();
  for (TBubble& ball : Balls) ball.RebuildMeshes();
  for (TBonus& bonus : Bonuses) bonus.RebuildMeshes();
  for (TEnemy& enemy : Enemies) enemy.RebuildMeshes();
}

void TField::ClearBricks() {
  for (TBlock& brick : Bricks) brick.Destroy();
  Bricks.clear();
}

void TField::AddBrick(int kind, long double x, long double y, int column, int row) {
  TBlock& brick = Bricks.emplace_back();
  brick.ListIndex = static_cast<std::int32_t>(Bricks.size() - 1);
  brick.Init(kind, *textures_);
  brick.X = x;
  brick.Y = y;
  brick.PlaceMeshes();
  brick.Column = column;
  brick.Row = row;
}

void TField::BuildBricks(int style) {
  std::size_t count = kWallPieces;
  for (std::int32_t code : Grid.Cells) {
    if (code >= 1 && code <= 10) count += code == 8 || code == 9 ? 1 + kSpawnedBricks : 1;
  }
  Bricks.reserve(count);
  const int wallKind = 19 + style;
  for (int side = 0; side < 2; ++side) {
    for (int i = 0; i < 5; ++i) {
      AddBrick(wallKind, side == 0 ? -15.18L : 15.18L, 8.6L - i * 3.65L, 0, 0);
    }
  }
  for (int row = 1; row <= kLevelRows; ++row) {
    for (int column = 1; column <= kLevelColumns; ++column) {
      const std::int32_t code = Grid.At(row, column);
      const long double x = kGridLeft + (column - 1) * kCellWidth;
      const long double y = kGridTop - (row - 1) * kCellHeight;
      if (code >= 1 && code <= 7) {
        AddBrick(code, x, y, column, row);
      } else if (code == 8 || code == 9) {
        AddBrick(code, x, y, column, row);
        // The sliding bricks a spawner fills its neighbours with wait hidden behind it.
        for (std::size_t i = 0; i < kSpawnedBricks; ++i) {
          AddBrick(7, x, y, column, row);
          Bricks.back().Alive = false;
        }
      } else if (code == 10) {
        AddBrick(10 + style, x, y, column, row);
      }
    }
  }
}

void TField::HoldFirstBall() {
  TBubble& first = Balls[0];
  first.Active = true;
  first.Launched = false;
  first.X = Bat.X;
  first.Y = Bat.Y + Bat.HalfHeight + first.Radius;
  first.PlaceMesh();
  first.Show();
}

void TField::StartLife() {
  Bat.ResetForLife();
  EntrySlide = true;
  HoldFirstBall();
  TBubble& first = Balls[0];
  first.Speed = kNormalBallSpeed;
  first.Mode = bmNormal;
  first.SetTexture(false);
  for (std::size_t i = 1; i < Balls.size(); ++i) {
    TBubble& ball = Balls[i];
    ball.ModeTimer = 0;
    ball.Mode = bmNormal;
    ball.Active = false;
    ball.Launched = false;
    ball.Speed = kNormalBallSpeed;
    ball.SetTexture(false);
    ball.Hide();
  }
}

void TField::StartGame() {
  Bat.StartOver();
  for (TBubble& ball : Balls) {
    ball.Angle = 0;
    ball.ModeTimer = 0;
  }
  for (TEnemy& enemy : Enemies) enemy.StartOver();
}

void TField::PlaceForLevel() {
  Bat.X = 0;
  Bat.Y = -10;
  Bat.PlaceMesh();
  Bat.Blinking = Bat.Exploding = Bat.Running = false;
  Bat.Growing = true;
  Bat.Transformation = Bat.Pending = CapsuleKind::None;
  Bat.ApplySize(1, 1);
  for (std::size_t i = 1; i < Balls.size(); ++i) {
    Balls[i].Active = false;
    Balls[i].Launched = false;
    Balls[i].Hide();
  }
  HoldFirstBall();
}

void TField::ClearPools() {
  for (TEnemy& enemy : Enemies) enemy.Remove();
  // A capsule left falling by a lost level would otherwise hang in the air, frozen.
  for (TBonus& bonus : Bonuses) bonus.Remove();
}

void TField::SlideIn(const FrameStep& step) {
  Bat.X -= 0.2L * step.k;
  Bat.PlaceMesh();
  Balls[0].X -= 0.2L * step.k;
  Balls[0].PlaceMesh();
  if (Bat.X < 0) EntrySlide = false;
  Bat.EntryBursts();
}

BatOutcome TField::Play(const FrameStep& step, const BatControls& controls) {
  const BatOutcome outcome = Bat.Update(step, controls, Balls, *counters_, Bricks, Enemies, *this);
  if (outcome.fellOut) LoseLife(true);
  for (TBubble& ball : Balls) ball.Update(step, Bat, Bricks, Enemies, Grid, *this);
  return outcome;
}

void TField::UpdateObjects(const FrameStep& step) {
  for (TBlock& brick : Bricks) {
    if (brick.Alive) brick.Update();
    if (brick.Explosion.Active) brick.Explosion.Update(step.tick);
  }
  for (TEnemy& enemy : Enemies) {
    if (enemy.Alive) enemy.Update(step);
    if (enemy.Explosion.Active) enemy.Explosion.Update(step.tick);
  }
  // The bat is read anew for each capsule: one caught earlier in the frame may have widened it,
  // or cost the last life and sent it off to start again.
  for (TBonus& bonus : Bonuses) {
    if (!bonus.Active || !bonus.Update(step.k, Bat.Rect())) continue;
    if (ApplyBonus(bonus.Kind, {Bat, Balls, *counters_, step.tick})) LoseLife(false);
  }
}

bool TField::LevelComplete() const {
  for (const TBlock& brick : Bricks) {
    if (brick.Alive && brick.Kind <= 9) return false;
  }
  for (const TEnemy& enemy : Enemies) {
    if (enemy.Alive) return false;
  }
  return true;
}

bool TField::TakeGameOver() {
  const bool over = gameOver_;
  gameOver_ = false;
  return over;
}

bool TField::TakeLifeLost() {
  const bool lost = lifeLost_;
  lifeLost_ = false;
  return lost;
}

void TField::LoseLife(bool batFellOut) {
  lifeLost_ = true;
  if (batFellOut) StartLife();
  if (counters_->GetLives() < 2) {
    if (!batFellOut) StartLife();
    gameOver_ = true;
    return;
  }
  counters_->SetLives(counters_->GetLives() - 1);
}

void TField::HitBrick(std::size_t index) {
  TBlock& brick = Bricks[index];
  const BrickHit hit = brick.Hit(Grid);
  counters_->AddScore(hit.points);
  if (hit.mayDrop) Drop(brick.X, brick.Y);
  if (hit.spawns) Spawn(index);
}

void TField::HitEnemy(std::size_t index) {
  counters_->AddScore(Enemies[index].Hit());
}

void TField::Drop(long double x, long double y) {
  const BrickDrop drop = DrawBrickDrop();
  if (drop.capsule != CapsuleKind::None) {
    for (TBonus& bonus : Bonuses) {
      if (bonus.Kind == drop.capsule && !bonus.Active) {
        bonus.Drop(x, y);
        return;
      }
    }
    return;
  }
  for (TEnemy& enemy : Enemies) {
    if (drop.enemy != 0 && enemy.Kind == drop.enemy && !enemy.Alive) {
      enemy.Appear(x, y);
      return;
    }
  }
}

void TField::Spawn(std::size_t index) {
  const TBlock& spawner = Bricks[index];
  // Down-left, down, down-right, right, up-right, up, up-left, left.
  static constexpr int kNeighbours[8][2] = {{1, -1}, {1, 0},  {1, 1},   {0, 1},
                                            {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}};
  std::size_t next = index + 1;
  for (const auto& [dRow, dColumn] : kNeighbours) {
    const int row = spawner.Row + dRow, column = spawner.Column + dColumn;
    if (!Grid.Free(row, column)) continue;
    if (next >= Bricks.size() || next > index + kSpawnedBricks) return;
    TBlock& brick = Bricks[next++];
    brick.Column = column;
    brick.Row = row;
    brick.X = spawner.X + kCellWidth * dColumn;
    brick.Y = spawner.Y - kCellHeight * dRow;
    brick.PlaceMeshes();
    brick.Main->Show();
    brick.Alive = true;
    Grid.Set(row, column, 7);
  }
}

void TField::Show() const {
  for (const TBonus& bonus : Bonuses) {
    if (bonus.Active) bonus.Sprite->Show();
  }
  for (const TEnemy& enemy : Enemies) {
    if (enemy.Alive) enemy.Sprite->Show();
    if (enemy.Explosion.Active) enemy.Explosion.Sprite->Show();
  }
  for (const TBlock& brick : Bricks) {
    if (brick.Alive) brick.Show();
    if (brick.Explosion.Active) brick.Explosion.Sprite->Show();
  }
  for (const TBubble& ball : Balls) {
    if (ball.Active) ball.Show();
  }
  // A bat whose explosion has burnt out stays hidden.
  if (!Bat.Exploding || Bat.Frame <= 5) Bat.Show();
  for (const TBitaMissile& missile : Bat.Missiles) {
    if (missile.Active) missile.Sprite->Show();
  }
}

void TField::DiscardSprites() {
  const auto let = [](TMeshSprite*& sprite) {
    if (sprite != nullptr) sprite->Discard();
    sprite = nullptr;
  };
  for (TBlock& brick : Bricks) {
    let(brick.Main);
    let(brick.Overlay);
    let(brick.Explosion.Sprite);
  }
  Bricks.clear();
  for (TBubble& ball : Balls) let(ball.Sprite);
  for (TBonus& bonus : Bonuses) let(bonus.Sprite);
  for (TEnemy& enemy : Enemies) {
    let(enemy.Sprite);
    let(enemy.Explosion.Sprite);
  }
  let(Bat.Sprite);
  for (TBitaMissile& missile : Bat.Missiles) let(missile.Sprite);
  for (TExplo& piece : Bat.Debris) let(piece.Sprite);
}

void TField::Hide() const {
  for (const TBonus& bonus : Bonuses) bonus.Sprite->Hide();
  for (const TEnemy& enemy : Enemies) {
    enemy.Sprite->Hide();
    enemy.Explosion.Sprite->Hide();
  }
  for (const TBlock& brick : Bricks) {
    brick.Hide();
    brick.Explosion.Sprite->Hide();
  }
  for (const TBubble& ball : Balls) ball.Hide();
  Bat.HideAll();
}
