// MAX VALUES, the two reset confirmations and DONE: which key resets what, with which
// hook, where each goes next, the reset code guarding only the maxima, and the MAX lines
// for every int32.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "lcd/Text.h"
#include "screens/Keys.h"
#include "screens/Screens.h"
#include "support/Golden.h"
#include "support/InstrumentFixture.h"
#include "MainScreensKit.h"

namespace {

using namespace mainscreens;

// The statistics the three screens show or reset.
struct Statistics {
  int32_t maxPos, maxNeg, tempMax, tempMin;
  uint32_t cyclesPos, cyclesNeg;
  bool operator==(const Statistics&) const = default;
};

Statistics CurrentStatistics() {
  return {State.MaxPos, State.MaxNeg, State.TempMax, State.TempMin, State.CyclesPos, State.CyclesNeg};
}

constexpr int32_t G = 12;
constexpr Statistics BEFORE = {50, -30, 40, -20, 3, 4};

class MaxValuesTest : public InstrumentTest {
 protected:
  void SetUp() override {
    InstrumentTest::SetUp();
    UsePowerOnSettings();
    State.GNow = G;
    State.MaxPos = BEFORE.maxPos;
    State.MaxNeg = BEFORE.maxNeg;
    State.TempMax = BEFORE.tempMax;
    State.TempMin = BEFORE.tempMin;
    State.CyclesPos = BEFORE.cyclesPos;
    State.CyclesNeg = BEFORE.cyclesNeg;
    State.CycleLatchPos = 1;
    State.CycleLatchNeg = 1;
  }
};

TEST_F(MaxValuesTest, OnlyF1ResetsAndEveryOtherKeyGoesBack) {
  struct Case {
    const char* name;
    ScreenHandler screen;
    uint8_t key;
    ScreenHandler next;
    Statistics after;
    int maxValuesHooks, cyclesHooks;
  };
  const Case cases[] = {
      {"max values F1", ScreenMaxValues, KEY_F1, ScreenDone, {G, G, 40, -20, 3, 4}, 1, 0},
      {"temp max F1", ScreenResetTempMax, KEY_F1, ScreenDone, {50, -30, G, G, 3, 4}, 0, 0},
      {"cycles F1", ScreenResetCycles, KEY_F1, ScreenDone, {50, -30, 40, -20, 0, 0}, 0, 1},
      {"max values SELECT", ScreenMaxValues, KEY_SELECT, ScreenMain, BEFORE, 0, 0},
      {"max values CW", ScreenMaxValues, KEY_CW, ScreenMain, BEFORE, 0, 0},
      {"max values CCW", ScreenMaxValues, KEY_CCW, ScreenMain, BEFORE, 0, 0},
      {"max values F2", ScreenMaxValues, KEY_F2, ScreenMain, BEFORE, 0, 0},
      {"temp max SELECT", ScreenResetTempMax, KEY_SELECT, ScreenMain, BEFORE, 0, 0},
      {"temp max CW", ScreenResetTempMax, KEY_CW, ScreenMain, BEFORE, 0, 0},
      {"temp max CCW", ScreenResetTempMax, KEY_CCW, ScreenMain, BEFORE, 0, 0},
      {"temp max F2, the key that opened it", ScreenResetTempMax, KEY_F2, ScreenMain, BEFORE, 0, 0},
      {"cycles SELECT", ScreenResetCycles, KEY_SELECT, ScreenMain, BEFORE, 0, 0},
      {"cycles CW", ScreenResetCycles, KEY_CW, ScreenMain, BEFORE, 0, 0},
      {"cycles CCW", ScreenResetCycles, KEY_CCW, ScreenMain, BEFORE, 0, 0},
      {"cycles F2", ScreenResetCycles, KEY_F2, ScreenMain, BEFORE, 0, 0},
      {"max values no key", ScreenMaxValues, KEY_NONE, ScreenMaxValues, BEFORE, 0, 0},
      {"temp max no key", ScreenResetTempMax, KEY_NONE, ScreenResetTempMax, BEFORE, 0, 0},
      {"cycles no key", ScreenResetCycles, KEY_NONE, ScreenResetCycles, BEFORE, 0, 0},
      {"cycles not a key code", ScreenResetCycles, 6, ScreenResetCycles, BEFORE, 0, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    State.CurrentScreen = c.screen;
    State.ReturnScreen = ScreenCalibrate;
    RunScreen(c.screen, c.key);
    SCOPED_TRACE(c.name);
    EXPECT_EQ(State.CurrentScreen, c.next);
    EXPECT_EQ(State.PendingKey, KEY_NONE);
    EXPECT_TRUE(CurrentStatistics() == c.after);
    EXPECT_EQ(State.ReturnScreen, c.next == ScreenDone ? ScreenMain : ScreenCalibrate);
    EXPECT_EQ(HookCalls[HookId::MaxValuesReset], c.maxValuesHooks);
    EXPECT_EQ(HookCalls[HookId::CyclesReset], c.cyclesHooks);
    EXPECT_EQ(State.CycleLatchPos, 1) << "a reset leaves the latches";
    EXPECT_EQ(State.CycleLatchNeg, 1);
  }
}

TEST_F(MaxValuesTest, F1StartsTheCodeScreenFromZeroWithOrWithoutACode) {
  for (int32_t code : {0, 4321}) {
    SetUp();
    State.ResetCode = code;
    State.CodeDigits[0] = 1;
    State.CodeDigits[1] = 2;
    State.CodeDigits[2] = 3;
    State.CodeDigits[3] = 9;
    State.Cursor = 2;
    State.ReturnScreen = ScreenCalibrate;
    RunScreen(ScreenMaxValues, KEY_F1);
    SCOPED_TRACE("code " + std::to_string(code));
    for (uint8_t digit : State.CodeDigits) EXPECT_EQ(digit, 0);
    EXPECT_EQ(State.Cursor, 0);
    if (code == 0) {
      EXPECT_EQ(State.CurrentScreen, ScreenDone);
      EXPECT_EQ(State.ReturnScreen, ScreenMain);
      EXPECT_EQ(HookCalls[HookId::MaxValuesReset], 1);
    } else {
      // The code screen resets the maxima itself once the code is right.
      EXPECT_EQ(State.CurrentScreen, ScreenEnterResetCode);
      EXPECT_EQ(State.ReturnScreen, ScreenCalibrate) << "left as it was";
      EXPECT_TRUE(CurrentStatistics() == BEFORE);
      EXPECT_EQ(HookCalls[HookId::MaxValuesReset], 0);
    }
  }
}

TEST_F(MaxValuesTest, DoneGoesToReturnScreenOnAnyKey) {
  for (uint8_t key : {KEY_SELECT, KEY_CW, KEY_CCW, KEY_F1, KEY_F2}) {
    State.CurrentScreen = ScreenDone;
    State.ReturnScreen = ScreenCalibrate;
    RunScreen(ScreenDone, key);
    EXPECT_EQ(State.CurrentScreen, ScreenCalibrate) << "key " << int(key);
    EXPECT_EQ(State.PendingKey, KEY_NONE);
  }
  State.CurrentScreen = ScreenDone;
  RunScreen(ScreenDone, KEY_NONE);
  EXPECT_EQ(State.CurrentScreen, ScreenDone);
  // Without a screen to go back to, the main display is the way home rather than no screen.
  State.ReturnScreen = nullptr;
  RunScreen(ScreenDone, KEY_CW);
  EXPECT_EQ(State.CurrentScreen, ScreenMain);
  EXPECT_TRUE(CurrentStatistics() == BEFORE);
}

TEST_F(MaxValuesTest, MaxLinesShowEveryInt32Whole) {
  struct Case {
    int32_t maxPos, maxNeg;
    const char *posLine, *negLine;
  };
  const Case cases[] = {
      {12, 12, "MAX GF+: +1.2g", "MAX GF-: +1.2g"},
      {72, -35, "MAX GF+: +7.2g", "MAX GF-: -3.5g"},
      {1234, -1234, "MAX GF+:+123.4g", "MAX GF-:-123.4g"},
      {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), "MAX GF+:+214748364.7g",
       "MAX GF-:-214748364.8g"},
  };
  for (uint8_t language : {uint8_t{0}, uint8_t{1}}) {
    for (const Case& c : cases) {
      State.Language = language;
      State.MaxPos = c.maxPos;
      State.MaxNeg = c.maxNeg;
      RunScreen(ScreenMaxValues);
      const Frame expected = DrawnBy([&] {
        LcdText(0, 14, c.posLine, 1, 0);
        LcdText(0, 34, c.negLine, 1, 0);
      });
      EXPECT_TRUE(SameRegion(expected, CurrentFrame(), 0, 113, 8, 55)) << c.posLine;
    }
  }
}

TEST_F(MaxValuesTest, ResetKeyLabelIsInverseAtTheBottomLeft) {
  const struct {
    ScreenHandler screen;
    uint8_t language;
    int width;  // " RESET " or " RAZ "
  } cases[] = {
      {ScreenMaxValues, 0, 56}, {ScreenResetTempMax, 0, 56}, {ScreenResetCycles, 1, 40}, {ScreenMaxValues, 1, 40},
  };
  for (const auto& c : cases) {
    State.Language = c.language;
    RunScreen(c.screen);
    // The inverse cell of the leading space is solid; nothing lies right of the label.
    for (int y = 56; y < 64; ++y) {
      for (int x = 0; x < 8; ++x) EXPECT_TRUE(Lit(x, y)) << x << ", " << y;
      for (int x = c.width - 8; x < c.width; ++x) EXPECT_TRUE(Lit(x, y)) << x << ", " << y;
      for (int x = c.width; x < LCD_WIDTH; ++x) EXPECT_FALSE(Lit(x, y)) << x << ", " << y;
    }
  }
}

// Runs from power-on, from the program-start state.
class MaxValuesRunTest : public InstrumentTest {};

// Y 4096, Z 0 reads +7.2 g; Z 1568 reads +1.2 g.
TEST_F(MaxValuesRunTest, CyclesResetDuringAnExcursionIsNotCountedAgain) {
  panel->SetSliderY(4096);
  panel->SetSliderZ(0);
  RunRecorder run(*panel);
  panel->KeyAt(PassPump(2), KEY_F1);  // acknowledges the alarm
  panel->KeyAt(PassPump(4), KEY_F1);
  panel->KeyAt(PassPump(6), KEY_F1);
  panel->KeyAt(PassPump(8), KEY_F1);
  panel->OffAt(PassPump(30));
  PowerOn();

  EXPECT_EQ(run.AfterPass(1).CyclesPos, 1u) << "counted during the warm-up";
  EXPECT_EQ(run.ScreenAfterPass(3), ScreenMain);
  EXPECT_EQ(run.ScreenAfterPass(5), ScreenResetCycles);
  EXPECT_EQ(run.ScreenAfterPass(7), ScreenDone);
  EXPECT_EQ(run.AfterPass(7).CyclesPos, 0u);
  EXPECT_TRUE(run.PassShows(8, ScreenDone));
  EXPECT_EQ(run.ScreenAfterPass(9), ScreenMain);
  EXPECT_EQ(run.AfterPass(29).CyclesPos, 0u);
  EXPECT_EQ(run.AfterPass(29).CycleLatchPos, 1);
  EXPECT_EQ(HookCalls[HookId::CyclesReset], 1);
}

TEST_F(MaxValuesRunTest, MaximaResetWithoutCodeTakeTheCurrentG) {
  panel->SetSliderZ(1568);
  RunRecorder run(*panel);
  panel->KeyAt(PassPump(1), KEY_CW);
  panel->KeyAt(PassPump(3), KEY_F1);
  panel->KeyAt(PassPump(5), KEY_SELECT);
  panel->KeyAt(PassPump(7), KEY_CCW);
  panel->OffAt(PassPump(9));
  PowerOn();

  EXPECT_EQ(run.AfterPass(3).MaxPos, 12);
  EXPECT_EQ(run.AfterPass(3).MaxNeg, 0) << "the power-on reset ran at 0 g";
  EXPECT_EQ(run.ScreenAfterPass(4), ScreenDone);
  EXPECT_EQ(run.AfterPass(4).MaxPos, 12);
  EXPECT_EQ(run.AfterPass(4).MaxNeg, 12);
  EXPECT_EQ(HookCalls[HookId::MaxValuesReset], 2) << "once at power-on, once for the reset";
  EXPECT_EQ(run.ScreenAfterPass(6), ScreenMain);
  EXPECT_EQ(run.ScreenAfterPass(8), ScreenMaxValues);
  const Frame expected = DrawnBy([] {
    LcdText(0, 14, "MAX GF+: +1.2g", 1, 0);
    LcdText(0, 34, "MAX GF-: +1.2g", 1, 0);
  });
  EXPECT_TRUE(SameRegion(expected, panel->Frames()[PassPump(9) - 1], 0, 113, 8, 55));
}

}  // namespace

namespace {

using namespace mainscreens;

TEST_F(MaxValuesTest, GoldenFrames) {
  State.MaxPos = 72;
  State.MaxNeg = -35;
  const struct {
    const char* name;
    ScreenHandler screen;
  } screens[] = {
      {"maxvalues", ScreenMaxValues},
      {"resettemp", ScreenResetTempMax},
      {"resetcycles", ScreenResetCycles},
      {"done", ScreenDone},
  };
  for (const auto& s : screens) {
    for (uint8_t language : {uint8_t{0}, uint8_t{1}}) {
      State.Language = language;
      RunScreen(s.screen);
      EXPECT_TRUE(CurrentFrameMatchesGolden(std::string(s.name) + (language == 0 ? "_en" : "_fr")));
    }
  }
}

}  // namespace
