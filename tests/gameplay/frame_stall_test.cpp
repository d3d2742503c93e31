// A frame after a stall moves everything a long way at once. Over the same second of play, in
// frames of 13 ms up to 999 ms, a ball aimed at bricks, a wall or the bat still meets it, the bat
// stays on the field with the ball it holds, and capsules and missiles do not jump over what
// they would have touched.
#include <gtest/gtest.h>

#include <functional>

#include "tests/gameplay/field_fixture.h"

namespace {

using fieldtest::FieldTest;

constexpr int kGapsMs[] = {13, 50, 100, 250, 500, 999};

class FrameStallTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    EmptyFieldWithTheBatInTheMiddle();
  }

  // Fast enough that a long stall carries it across several bricks.
  TBubble& Fly(long double x, long double y, long double angle) {
    return FieldTest::Fly(x, y, angle, 0.25L);
  }

  // A second of play in frames `gapMs` apart; `frame` runs each one.
  void ForOneSecond(int gapMs, const std::function<void()>& frame) {
    step.k = gapMs / 13.0L;
    for (int elapsed = 0; elapsed < 1000; elapsed += gapMs) {
      step.tick += static_cast<std::uint32_t>(gapMs);
      frame();
    }
  }

  void Update(TBubble& ball) {
    ball.Update(step, field.Bat, field.Bricks, field.Enemies, field.Grid, field);
  }

  // The centre of a brick in column 19.
  static long double Column19() { return 18 * 1.6L - 15.2L; }
};

TEST_F(FrameStallTest, ABallMeetsHardBricksWallsAndTheBatWhateverTheGap) {
  const struct {
    const char* what;
    std::vector<std::string> level;
    long double x, y, angle;
    std::function<bool(const TBubble&)> stillInFront;
  } cases[] = {
      {"hard bricks above",
       {"", "", "", "", ".##################."},
       0.8L,
       4,
       0.05L,
       [](const TBubble& b) { return b.Y < 6.6L - 0.8L; }},
      {"the left wall",
       {},
       -10,
       0,
       3 * kPi / 2 + 0.05L,
       [](const TBubble& b) { return b.X > -15.2L && b.Active; }},
      {"the top wall", {}, 0, 8, 0.05L, [](const TBubble& b) { return b.Y < 11.4L; }},
      {"the bat below", {}, 0.5L, -6, kPi, [](const TBubble& b) { return b.Y > -10 && b.Active; }},
  };
  for (const auto& c : cases) {
    for (int gap : kGapsMs) {
      SCOPED_TRACE(std::string(c.what) + ", " + std::to_string(gap) + " ms");
      Build(c.level);
      TBubble& ball = Fly(c.x, c.y, c.angle);
      bool held = true;
      ForOneSecond(gap, [&] {
        Update(ball);
        held = held && c.stillInFront(ball);
      });
      EXPECT_TRUE(held);
    }
  }
}

TEST_F(FrameStallTest, TheBrickInTheWayOfABallOrAMissileIsHit) {
  for (int gap : kGapsMs) {
    SCOPED_TRACE(gap);
    Build({"", "", "", "", "..................1."});
    TBubble& ball = Fly(Column19(), 4, 0);
    ForOneSecond(gap, [&] { Update(ball); });
    EXPECT_FALSE(field.Bricks[BrickAt(5, 19)].Alive) << "the ball's";

    Build({"", "", "", "", "..................1."});
    TBitaMissile& missile = field.Bat.Missiles[0];
    missile.Fire(Column19(), -9);
    ForOneSecond(gap, [&] {
      if (missile.Active) missile.Update(step.k, false, field.Bricks, field.Enemies, field);
    });
    EXPECT_FALSE(field.Bricks[BrickAt(5, 19)].Alive) << "the missile's, not the air above it";
  }
}

TEST_F(FrameStallTest, TheBatStaysOnTheFieldWithTheBallItHoldsAndCatchesCapsules) {
  for (int gap : kGapsMs) {
    SCOPED_TRACE(gap);
    field.StartLife();
    field.EntrySlide = false;
    field.Bat.X = 0;
    field.Balls[0].X = 0;
    BatControls left;
    left.leftKey = true;
    ForOneSecond(gap, [&] { field.Play(step, left); });
    EXPECT_GE(field.Bat.X, -12 - 0.6L) << "at most two ordinary steps past the edge";
    EXPECT_TRUE(field.Balls[0].Active) << "the held ball went with it";
    EXPECT_EQ(field.Balls[0].X, field.Bat.X);

    TBonus& capsule = field.Bonuses[0];  // an extra life
    capsule.Drop(field.Bat.X, -2);
    counters.SetScore(0);
    ForOneSecond(gap, [&] { field.UpdateObjects(step); });
    EXPECT_FALSE(capsule.Active);
    EXPECT_EQ(counters.GetScore(), 100) << "caught, not fallen through";
  }
}

}  // namespace
