// The SDL keyboard reaches the game in DirectInput scan codes. SDL's headers are the runtime's
// own, so the keys are named here by SDL's scancode numbers (the USB usage ids SDL keeps).
#include <gtest/gtest.h>

#include "runtime/sdl/keys.h"

namespace {

using rt::sdl::directInputCodeFromSdlScancode;

enum SdlScancode {
  kA = 4,
  kL = 15,
  kM = 16,
  kP = 19,
  kQ = 20,
  kZ = 29,
  k1 = 30,
  k0 = 39,
  kReturn = 40,
  kEscape = 41,
  kBackspace = 42,
  kTab = 43,
  kSpace = 44,
  kCapsLock = 57,
  kF1 = 58,
  kF4 = 61,
  kF10 = 67,
  kF11 = 68,
  kF12 = 69,
  kScrollLock = 71,
  kPause = 72,
  kInsert = 73,
  kHome = 74,
  kPageUp = 75,
  kDelete = 76,
  kEnd = 77,
  kPageDown = 78,
  kRight = 79,
  kLeft = 80,
  kDown = 81,
  kUp = 82,
  kNumLock = 83,
  kKeypadEnter = 88,
  kF24 = 115,
  kLCtrl = 224,
  kLShift = 225,
  kLAlt = 226,
  kRCtrl = 228,
  kRShift = 229,
  kRAlt = 230,
  kNumScancodes = 512,
};

TEST(SdlKeys, KeysTheGameReadsHaveTheirDirectInputCodes) {
  const struct {
    int key;
    int code;
  } cases[] = {
      {kEscape, 1},      {k1, 2},
      {k0, 11},          {kBackspace, 14},
      {kTab, 15},        {kQ, 16},
      {kP, 25},          {kReturn, 28},
      {kLCtrl, 29},      {kA, 30},
      {kL, 38},          {kLShift, 42},
      {kZ, 44},          {kM, 50},
      {kRShift, 54},     {kLAlt, 56},
      {kSpace, 57},      {kCapsLock, 58},
      {kF1, 59},         {kF4, 62},
      {kF10, 68},        {kNumLock, 69},
      {kScrollLock, 70}, {kF11, 87},
      {kF12, 88},        {kKeypadEnter, 156},
      {kRCtrl, 157},     {kRAlt, 184},
      {kPause, 197},     {kHome, 199},
      {kUp, 200},        {kPageUp, 201},
      {kLeft, 203},      {kRight, 205},
      {kEnd, 207},       {kDown, 208},
      {kPageDown, 209},  {kInsert, 210},
      {kDelete, 211},
  };
  for (const auto& c : cases)
    EXPECT_EQ(directInputCodeFromSdlScancode(c.key), c.code) << "SDL scancode " << c.key;
}

TEST(SdlKeys, EveryLetterAndDigitHasItsOwnCode) {
  bool seen[256] = {};
  for (int key = kA; key <= k0; ++key) {
    const int code = directInputCodeFromSdlScancode(key);
    ASSERT_GT(code, 0) << key;
    ASSERT_LT(code, 256) << key;
    EXPECT_FALSE(seen[code]) << "code " << code << " given twice";
    seen[code] = true;
  }
}

TEST(SdlKeys, UnknownAndOutOfRangeScancodesHaveNoCode) {
  for (int key : {-1, 0, static_cast<int>(kF24), static_cast<int>(kNumScancodes), 100000})
    EXPECT_EQ(directInputCodeFromSdlScancode(key), 0) << key;
}

}  // namespace
