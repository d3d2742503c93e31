// The ball's frame: the bat's bounce and its angle limits, the top wall, loss, armour and the
// catcher bat.
#include <gtest/gtest.h>

#include "tests/unit/field_fixture.h"

namespace {

using fieldtest::FieldTest;

class BallTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    EmptyFieldWithTheBatInTheMiddle();
  }

  // The deviation the next bounce will draw, with the generator left as it was.
  long double NextDeviation() {
    SeedRandom(99);
    const long double sign = Random(2) == 0 ? 1 : -1;
    const long double deviation = sign * (Random(10) + 1) / 50.0L;
    SeedRandom(99);
    return deviation;
  }

  void Update(TBubble& ball) {
    ball.Update(step, field.Bat, field.Bricks, field.Enemies, field.Grid, field);
  }
};

TEST_F(BallTest, TheBatsMovementTurnsTheBounceAndFlatOnesAreHeldAt45Degrees) {
  const struct {
    const char* what;
    std::uint8_t movement;
    long double incoming;
    bool flat;                    // expected exactly 45 degrees
    long double turn, flatAngle;  // else: deviation + turn
  } cases[] = {
      {"bat still, straight down", mvStill, kPi, false, 0, 0},
      {"moving left, steep", mvLeft, kPi, false, -kPi / 6, 0},
      {"moving right, steep", mvRight, kPi, false, kPi / 6, 0},
      {"moving left, flat", mvLeft, 5 * kPi / 4, true, 0, 7 * kPi / 4},
      {"moving right, flat", mvRight, 3 * kPi / 4, true, 0, kPi / 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    field.Bat.Movement = c.movement;
    field.Bat.Blinking = false;
    TBubble& ball = Fly(0.5L, -8.5L, c.incoming);
    const long double deviation = NextDeviation();
    Update(ball);
    const long double expected = c.flat ? c.flatAngle : NormalAngle(deviation + c.turn);
    EXPECT_NEAR(static_cast<double>(ball.Angle), static_cast<double>(expected), 1e-12);
    EXPECT_TRUE(field.Bat.Blinking);
    EXPECT_TRUE(ball.Launched);
  }
}

TEST_F(BallTest, TheTopWallSendsABallThatGotAbove11BackTo5) {
  TBubble& high = Fly(0, 12.0L, 0.1L);
  Update(high);
  EXPECT_EQ(high.Y, 5);
  TBubble& low = Fly(0, 10.0L, 0);
  Update(low);
  EXPECT_NEAR(static_cast<double>(low.Y), 9.8, 0.01) << "an ordinary bounce stays";
  EXPECT_GT(low.Angle, kPi / 2);
}

TEST_F(BallTest, ABallBelowTheFieldIsLost) {
  TBubble& ball = Fly(0, -14.9L, kPi);
  Update(ball);
  EXPECT_FALSE(ball.Active);
  EXPECT_FALSE(ball.Launched);
}

TEST_F(BallTest, AnArmouredBallBreaksThroughButBouncesOffHardBricks) {
  for (const char* row : {".........1", ".........#"}) {
    SCOPED_TRACE(row);
    Build({"", "", "", "", row});
    TBubble& ball = Fly(-0.8L, 5.4L, 0);
    ball.Mode = bmArmored;
    Update(ball);
    const TBlock& brick = field.Bricks[BrickAt(5, 10)];
    if (row[9] == '1') {
      EXPECT_FALSE(brick.Alive);
      EXPECT_EQ(ball.Angle, 0) << "straight on";
      EXPECT_NEAR(static_cast<double>(ball.Y), 5.6, 1e-12) << "with its free step";
    } else {
      EXPECT_TRUE(brick.Alive);
      EXPECT_NEAR(static_cast<double>(ball.Angle), static_cast<double>(kPi), 0.21);
    }
  }
}

TEST_F(BallTest, TheCatcherHoldsABallThatComesDownOntoIt) {
  field.Bat.Transformation = 8;
  TBubble& ball = Fly(0.5L, -8.5L, kPi);
  Update(ball);
  EXPECT_FALSE(ball.Launched);
  EXPECT_TRUE(ball.Active);
  EXPECT_NEAR(static_cast<double>(ball.Y), -10 + 0.96 + 0.4 - 0.1, 1e-12);
}

}  // namespace
