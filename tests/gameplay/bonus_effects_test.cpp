// What each capsule does when the bat catches it, and the shapes that wait for the bat to be
// back to normal.
#include "gameplay/BonusEffects.h"

#include <gtest/gtest.h>

#include "tests/gameplay/field_fixture.h"

namespace {

using fieldtest::FieldTest;

class BonusTest : public FieldTest {
 protected:
  void SetUp() override {
    FieldTest::SetUp();
    Build({});
    NewLife();
  }

  // A normal bat at the centre holding one plain ball, and the same counters every time.
  void NewLife() {
    field.StartLife();
    field.Balls[0].ModeTimer = 0;
    field.Bat.X = 0;
    counters.SetLives(2);
    counters.SetScore(1000);
    counters.SetMissiles(0);
    counters.TimeLeft = 100;
  }

  bool Catch(int kind) {
    return ApplyBonus(static_cast<CapsuleKind>(kind), {field.Bat, field.Balls, counters, tick_});
  }

  // Bat frames 150 ms apart, enough for one animation step each.
  void RunBat(int frames) {
    for (int i = 0; i < frames; ++i) {
      tick_ += 150;
      step.tick = tick_;
      field.Play(step, BatControls{});
    }
  }

  int ActiveBalls() const {
    int count = 0;
    for (const TBubble& ball : field.Balls) count += ball.Active ? 1 : 0;
    return count;
  }

  std::uint32_t tick_ = 10000;
};

TEST_F(BonusTest, EveryKindHasItsEffectAndItsPoints) {
  const struct {
    int kind;
    int score, lives, missiles, transformation, balls;
    long double time;
    std::int32_t ballMode;
    long double ballSpeed;
    bool lifeLost;
  } cases[] = {
      {1, 1100, 3, 0, -1, 1, 100, bmNormal, 0.2L, false},
      {2, 1100, 2, 0, -1, 1, 115, bmNormal, 0.2L, false},
      {3, 900, 2, 0, -1, 1, 100, bmNormal, 0.2L, true},
      {4, 900, 2, 0, -1, 1, 85, bmNormal, 0.2L, false},
      {5, 1100, 2, 0, -1, 1, 100, bmArmored, 0.2L, false},
      {6, 1100, 2, 0, 6, 1, 100, bmNormal, 0.2L, false},
      {7, 1100, 2, 0, -1, 1, 100, bmSpeed, 0.225L, false},
      {8, 1100, 2, 0, 8, 1, 100, bmNormal, 0.2L, false},
      {9, 900, 2, 0, 9, 1, 100, bmNormal, 0.2L, false},
      {10, 900, 2, 0, -1, 1, 100, bmSpeed, 0.1L, false},
      {11, 1100, 2, 0, -1, 3, 100, bmNormal, 0.2L, false},
      {12, 1500, 2, 6, 12, 1, 100, bmNormal, 0.2L, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    NewLife();
    EXPECT_EQ(Catch(c.kind), c.lifeLost);
    EXPECT_EQ(counters.GetScore(), c.score);
    EXPECT_EQ(counters.GetLives(), c.lives);
    EXPECT_EQ(counters.GetMissiles(), c.missiles);
    EXPECT_DOUBLE_EQ(static_cast<double>(counters.TimeLeft), static_cast<double>(c.time));
    EXPECT_EQ(static_cast<int>(field.Bat.Transformation), c.transformation);
    EXPECT_EQ(field.Bat.Running, c.transformation != -1);
    EXPECT_EQ(ActiveBalls(), c.balls);
    EXPECT_EQ(field.Balls[19].Mode, c.ballMode) << "every slot, in play or not";
    EXPECT_DOUBLE_EQ(static_cast<double>(field.Balls[0].Speed), static_cast<double>(c.ballSpeed));
  }
}

TEST_F(BonusTest, LimitsOfLivesTimeAndArmour) {
  counters.SetLives(3);
  Catch(1);
  EXPECT_EQ(counters.GetLives(), 3) << "three at most, the points still come";
  EXPECT_EQ(counters.GetScore(), 1100);

  counters.TimeLeft = 10;
  Catch(4);
  EXPECT_DOUBLE_EQ(static_cast<double>(counters.TimeLeft), 0.01) << "never negative";

  Catch(5);
  Catch(7);
  EXPECT_EQ(field.Balls[0].Mode, bmSpeed);
  EXPECT_DOUBLE_EQ(static_cast<double>(field.Balls[0].Speed), 0.25) << "faster out of armour";

  counters.SetScore(50);
  Catch(9);
  EXPECT_EQ(counters.GetScore(), 50) << "a deduction larger than the score is dropped";
}

TEST_F(BonusTest, TheShapeOnCatchesAgainForNothingButTheGunStillLoads) {
  Catch(12);
  RunBat(3);
  ASSERT_EQ(field.Bat.Size, 4);
  Catch(12);
  EXPECT_EQ(counters.GetScore(), 1500);
  EXPECT_EQ(counters.GetMissiles(), 12);
  EXPECT_FALSE(field.Bat.Running);
}

TEST_F(BonusTest, ANewShapeWaitsForTheOldOneToRevertThenScores) {
  Catch(6);
  RunBat(3);
  ASSERT_EQ(field.Bat.Size, 3) << "wide";
  Catch(12);
  EXPECT_EQ(field.Bat.Pending, CapsuleKind::GunBat);
  EXPECT_TRUE(field.Bat.Running) << "reverting";
  EXPECT_EQ(counters.GetScore(), 1100) << "no points yet";
  EXPECT_EQ(counters.GetMissiles(), 6);
  RunBat(3);  // back to normal, then the gun starts
  EXPECT_EQ(field.Bat.Transformation, CapsuleKind::GunBat);
  EXPECT_EQ(field.Bat.Pending, CapsuleKind::None);
  EXPECT_EQ(counters.GetScore(), 1600);
  EXPECT_EQ(counters.GetMissiles(), 12) << "six more with the shape itself";
  RunBat(3);
  EXPECT_EQ(field.Bat.Size, 4);
  EXPECT_DOUBLE_EQ(static_cast<double>(field.Bat.HalfWidth), 3.28);
}

TEST_F(BonusTest, TheGunTurnsBackWhenItsMissilesAreGone) {
  Catch(12);
  RunBat(3);
  counters.SetMissiles(0);
  RunBat(4);
  EXPECT_EQ(field.Bat.Transformation, CapsuleKind::None);
  EXPECT_EQ(field.Bat.Size, 1);
}

TEST_F(BonusTest, AHarmfulCapsuleCostsALifeAndTheLastOneEndsTheGame) {
  for (int lives : {2, 1}) {
    SCOPED_TRACE(lives);
    counters.SetLives(lives);
    field.Bonuses[6].Drop(field.Bat.X, field.Bat.Y);  // kind 3
    field.UpdateObjects(step);
    EXPECT_FALSE(field.Bonuses[6].Active);
    EXPECT_EQ(counters.GetLives(), 1);
    EXPECT_EQ(field.TakeGameOver(), lives == 1);
  }
}

TEST_F(BonusTest, EachCapsuleMeetsTheBatAsTheCapsulesBeforeItInTheFrameLeftIt) {
  // A faster-balls capsule just past the normal bat's right end, under a wide-bat capsule caught
  // first in the same frame: the wide bat reaches it.
  const long double y = field.Bat.Y + 0.96L + 0.9L;
  field.Bonuses[15].Drop(field.Bat.X, y);         // kind 6, wide bat
  field.Bonuses[18].Drop(field.Bat.X + 4.5L, y);  // kind 7
  field.UpdateObjects(step);
  EXPECT_FALSE(field.Bonuses[18].Active) << "caught by the wide bat";
  EXPECT_EQ(field.Balls[0].Mode, bmSpeed);

  // A harmful capsule on the last life sends the bat off to start again: the armour capsule
  // beside it falls on past where the bat was.
  NewLife();
  counters.SetLives(1);
  field.Bonuses[6].Drop(field.Bat.X, y);   // kind 3
  field.Bonuses[12].Drop(field.Bat.X, y);  // kind 5
  field.UpdateObjects(step);
  EXPECT_TRUE(field.TakeGameOver());
  EXPECT_TRUE(field.Bonuses[12].Active) << "the bat had gone";
  EXPECT_NE(field.Balls[0].Mode, bmArmored);
}

TEST_F(BonusTest, EveryTimedEffectEndsOnItsFrame) {
  // 15 seconds at 0.013 a frame: the 1154th frame of an effect is its last. The balls' modes
  // count every frame; a bat's shape counts from the end of its animation.
  const struct {
    int kind;
    bool bat;
  } cases[] = {{5, false}, {7, false}, {10, false}, {6, true}, {8, true}, {9, true}, {12, true}};
  constexpr int kFrames = 1154;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    NewLife();
    Catch(c.kind);
    int counted = 0;
    for (int frame = 0; frame < 5000; ++frame) {
      const bool timing = c.bat ? !field.Bat.Running : true;
      RunBat(1);
      if (c.bat && !timing && field.Bat.Running) continue;  // still growing into the shape
      ++counted;
      const bool over = c.bat ? field.Bat.Running : field.Balls[0].Mode == bmNormal;
      if (over) break;
    }
    EXPECT_EQ(counted, kFrames);
    if (c.bat) {
      EXPECT_FALSE(field.Bat.Growing) << "turning back";
    } else {
      EXPECT_DOUBLE_EQ(static_cast<double>(field.Balls[0].Speed),
                       static_cast<double>(kNormalBallSpeed));
    }
  }
}

}  // namespace
