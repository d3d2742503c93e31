// The ball's frame: the bat's bounce and its angle limits, the top wall, loss, armour and the
// catcher bat.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/gameplay/field_fixture.h"

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

TEST_F(BallTest, OnlyATopBounceIsHeldAt45DegreesTheBatsEndsLetTheBallFallPast) {
  // The bat is still at (0, -10), 3.28 either side and 0.96 up and down; each ball's next step
  // lands in one contact region of it.
  const struct {
    const char* what;
    long double nextX, nextY, incoming;
    Bounce bounce;
    bool held;  // left at exactly 7 pi / 4
  } cases[] = {
      {"flat top hit, to the left", -1, -8.9L, 1.4L * kPi, Bounce::Vertical, true},
      {"side hit at the left end", -3.45L, -9.43L, 2.3L, Bounce::Horizontal, false},
      {"side hit at the right end", 3.45L, -9.43L, 2 * kPi - 2.3L, Bounce::Horizontal, false},
      {"top-right corner from behind", 3.6L, -8.7L, 4.0L, Bounce::Back, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    field.Bat.Movement = mvStill;
    field.Bat.Blinking = false;
    TBubble& ball = Fly(c.nextX - 0.2L * std::sin(c.incoming),
                        c.nextY - 0.2L * std::cos(c.incoming), c.incoming);
    const long double deviation = NextDeviation();
    Update(ball);
    ASSERT_TRUE(field.Bat.Blinking) << "the bat was hit";
    const long double expected =
        c.held ? 7 * kPi / 4 : NormalAngle(Deflect(c.incoming, c.bounce, deviation));
    EXPECT_NEAR(static_cast<double>(ball.Angle), static_cast<double>(expected), 1e-12);
    if (c.bounce == Bounce::Horizontal) {
      const long double y = ball.Y;
      Update(ball);
      EXPECT_GT(ball.Angle, kPi / 2);
      EXPECT_LT(ball.Angle, 3 * kPi / 2);
      EXPECT_LT(ball.Y, y) << "still falling the next frame";
    }
  }
}

TEST_F(BallTest, TheGridsEdgeIsOpenToTheBallItsBricksAreNot) {
  // A ball meets the bottom-left corner of the brick in column 10 moving down and to the right.
  // With nothing beside or below it, the corner rule turns it (V); with only a brick below, it
  // can only have met the free left face (H). Past the grid's edge there is nothing.
  const struct {
    const char* what;
    int row;
    bool brickBelow;
    Bounce bounce;
  } cases[] = {
      {"row 20, the grid's edge below", 20, false, Bounce::Vertical},
      {"row 19, a brick below", 19, true, Bounce::Horizontal},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> rows(20);
    rows[static_cast<std::size_t>(c.row - 1)] = ".........1";
    if (c.brickBelow) rows[static_cast<std::size_t>(c.row)] = ".........1";
    Build(rows);
    field.Bat.X = 12;
    const TBlock& brick = field.Bricks[BrickAt(c.row, 10)];
    const long double incoming = 2.0L;
    // The next step lands left of and below the brick, in its bottom-left corner region only.
    const long double nextX = brick.X - 1.05L, nextY = brick.Y - 1.0L;
    TBubble& ball =
        Fly(nextX - 0.2L * std::sin(incoming), nextY - 0.2L * std::cos(incoming), incoming);
    const long double deviation = NextDeviation();
    Update(ball);
    EXPECT_NEAR(static_cast<double>(ball.Angle),
                static_cast<double>(NormalAngle(Deflect(incoming, c.bounce, deviation))), 1e-12);
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
  field.Bat.Transformation = CapsuleKind::CatcherBat;
  TBubble& ball = Fly(0.5L, -8.5L, kPi);
  Update(ball);
  EXPECT_FALSE(ball.Launched);
  EXPECT_TRUE(ball.Active);
  EXPECT_NEAR(static_cast<double>(ball.Y), -10 + 0.96 + 0.4 - 0.1, 1e-12);
}

}  // namespace
