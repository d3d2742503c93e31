// A playing field on the headless engine over the built game folder, with a level grid written
// as text for each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/impact.h"
#include "gameplay/Field.h"
#include "gameplay/Random.h"
#include "platform/files.h"
#include "runtime/runtime.h"
#include "tests/support/headless_engine.h"

namespace fieldtest {

class FieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_ = std::make_unique<testing_support::HeadlessEngine>();
    SeedRandom(7);
    textures.Load();
    field.Create(textures, counters);
    counters.SetLives(3);
    counters.TimeLeft = 100;
  }

  // The engine takes every mesh with it; the objects' own sprite records go too.
  void TearDown() override {
    engine_.reset();
    field.DiscardSprites();
  }

  // A fresh level, no capsule falling, no enemy flying. Rows from the top: '.' empty, '1'..'9'
  // those codes, '#' code 10; rows not given are empty.
  void Build(const std::vector<std::string>& rows, int style = 1) {
    field.ClearBricks();
    field.ClearPools();
    field.Grid.Cells.fill(0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        const char cell = rows[r][c];
        const int code = cell == '#' ? 10 : cell == '.' ? 0 : cell - '0';
        field.Grid.Set(static_cast<int>(r + 1), static_cast<int>(c + 1), code);
      }
    }
    field.BuildBricks(style);
  }

  // The first brick of the list at a grid cell (after the ten wall pieces).
  std::size_t BrickAt(int row, int column) const {
    for (std::size_t i = TField::kWallPieces; i < field.Bricks.size(); ++i) {
      if (field.Bricks[i].Row == row && field.Bricks[i].Column == column) return i;
    }
    ADD_FAILURE() << "no brick at row " << row << ", column " << column;
    return 0;
  }

  // The first ball in flight from (x, y) at the angle and speed.
  TBubble& Fly(long double x, long double y, long double angle, long double speed = 0.2L) {
    TBubble& ball = field.Balls[0];
    ball.Active = ball.Launched = true;
    ball.X = x;
    ball.Y = y;
    ball.Angle = angle;
    ball.Speed = speed;
    return ball;
  }

  // An empty field with the bat in the middle at its height.
  void EmptyFieldWithTheBatInTheMiddle() {
    Build({});
    field.Bat.X = 0;
    field.Bat.Y = -10;
  }

  FrameStep step{1, 5000, true};
  TFieldTextures textures;
  TGameCounters counters;
  TField field;

 private:
  std::unique_ptr<testing_support::HeadlessEngine> engine_;
};

}  // namespace fieldtest
