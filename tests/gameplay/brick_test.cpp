// Bricks by kind: how many hits they take, what they score, the sliding brick's move and the
// spawner's fill, as the field applies them.
#include <gtest/gtest.h>

#include "tests/gameplay/field_fixture.h"

namespace {

using fieldtest::FieldTest;

class BrickTest : public FieldTest {};

TEST_F(BrickTest, AHardBrickStepsDownToNothingInFourHits) {
  Build({"", "...6"});
  const std::size_t i = BrickAt(2, 4);
  std::vector<int> kinds;
  for (int hit = 0; hit < 4; ++hit) {
    field.HitBrick(i);
    kinds.push_back(field.Bricks[i].Alive ? field.Bricks[i].Kind : 0);
  }
  EXPECT_EQ(kinds, (std::vector<int>{5, 4, 2, 0}));
  EXPECT_EQ(counters.GetScore(), 40);
  EXPECT_EQ(field.Grid.At(2, 4), 0) << "the cell is cleared with the last hit";
  EXPECT_TRUE(field.Bricks[i].Explosion.Active);
}

TEST_F(BrickTest, ASlidingBrickMovesToItsFirstFreeNeighbourOrBreaksWhenWalledIn) {
  // Left of the first is free; the second is boxed in on all four sides.
  Build({"", ".......1", "...7..171", ".......1"});
  const std::size_t free = BrickAt(3, 4);
  const long double x = field.Bricks[free].X;
  field.HitBrick(free);
  EXPECT_TRUE(field.Bricks[free].Alive);
  EXPECT_EQ(field.Bricks[free].Kind, 3);
  EXPECT_EQ(field.Bricks[free].Column, 3);
  EXPECT_DOUBLE_EQ(static_cast<double>(field.Bricks[free].X), static_cast<double>(x - 1.6L));
  EXPECT_EQ(field.Grid.At(3, 3), 3);
  EXPECT_EQ(field.Grid.At(3, 4), 0);
  EXPECT_EQ(counters.GetScore(), 10);

  const std::size_t boxed = BrickAt(3, 8);
  field.HitBrick(boxed);
  EXPECT_FALSE(field.Bricks[boxed].Alive);
  EXPECT_EQ(field.Grid.At(3, 8), 0);
  EXPECT_EQ(counters.GetScore(), 30) << "walled in: 10 for the hit, 10 for breaking";
}

TEST_F(BrickTest, ASpawnerFillsExactlyItsFreeNeighboursAndKeepsItsCell) {
  // Of the spawner's eight neighbours, up and down-right are taken.
  Build({"", "", "....1", "....8", ".....#"});
  const std::size_t spawner = BrickAt(4, 5);
  ASSERT_EQ(field.Bricks[spawner].Kind, 8);
  field.HitBrick(spawner);
  EXPECT_FALSE(field.Bricks[spawner].Alive);
  EXPECT_EQ(field.Grid.At(4, 5), 8);
  EXPECT_EQ(counters.GetScore(), 10);
  int spawned = 0;
  for (std::size_t i = spawner + 1; i <= spawner + 8; ++i) {
    const TBlock& brick = field.Bricks[i];
    if (!brick.Alive) continue;
    ++spawned;
    EXPECT_EQ(brick.Kind, 7);
    EXPECT_EQ(field.Grid.At(brick.Row, brick.Column), 7);
    EXPECT_NEAR(static_cast<double>(brick.X),
                static_cast<double>((brick.Column - 1) * 1.6L - 15.2L), 1e-9);
    EXPECT_NEAR(static_cast<double>(brick.Y), static_cast<double>(11.4L - (brick.Row - 1) * 1.2L),
                1e-9);
  }
  EXPECT_EQ(spawned, 6);
  EXPECT_EQ(field.Grid.At(3, 5), 1);
  EXPECT_EQ(field.Grid.At(5, 6), 10);
}

TEST_F(BrickTest, ASpawnerAtTheEdgeFillsNothingOutsideTheGrid) {
  Build({"8.1"});
  field.HitBrick(BrickAt(1, 1));
  int spawned = 0;
  for (const TBlock& brick : field.Bricks) {
    if (brick.Alive && brick.Kind == 7) {
      ++spawned;
      EXPECT_TRUE(TLevelGrid::Inside(brick.Row, brick.Column));
    }
  }
  EXPECT_EQ(spawned, 3) << "right, down-right and down";
}

TEST_F(BrickTest, IndestructibleBricksAndWallPiecesOnlyFlash) {
  Build({"", "..#"}, 2);
  const std::size_t hard = BrickAt(2, 3);
  EXPECT_EQ(field.Bricks[hard].Kind, 12);
  for (std::size_t i : {hard, std::size_t{0}}) {
    field.HitBrick(i);
    EXPECT_TRUE(field.Bricks[i].Alive);
    EXPECT_TRUE(field.Bricks[i].Flashing);
    // The overlay rises to full in 11 frames and is dark again 12 frames later.
    for (int frame = 0; frame < 22; ++frame) field.Bricks[i].Update();
    EXPECT_TRUE(field.Bricks[i].Flashing);
    field.Bricks[i].Update();
    EXPECT_FALSE(field.Bricks[i].Flashing);
  }
  EXPECT_EQ(field.Bricks[0].Kind, 21) << "wall pieces of the level style";
  EXPECT_EQ(counters.GetScore(), 0);
  EXPECT_TRUE(field.LevelComplete()) << "neither counts for completing the level";
}

TEST_F(BrickTest, CellCodesBuildTheirBricksAndNothingElse) {
  Build({"19#.", "", "..\x3b"});  // 11 (';' - '0') creates nothing
  field.Grid.Set(4, 4, -3);       // neither does a negative code
  field.ClearBricks();
  field.BuildBricks(3);
  // Ten wall pieces, the kind-1 brick, the spawner with its eight hidden sliders, the hard one.
  ASSERT_EQ(field.Bricks.size(), 10u + 1 + 9 + 1);
  EXPECT_EQ(field.Bricks[10].Kind, 1);
  EXPECT_EQ(field.Bricks[11].Kind, 9);
  for (std::size_t i = 12; i < 20; ++i) EXPECT_FALSE(field.Bricks[i].Alive);
  EXPECT_EQ(field.Bricks[20].Kind, 13);
  EXPECT_EQ(field.Bricks[20].ListIndex, 20);
}

}  // namespace
