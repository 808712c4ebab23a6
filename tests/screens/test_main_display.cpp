// The main display: bar and peak rows, the per-g ticks accumulated in single precision,
// the read-out formats and their switch at 10 g, the small numbers, values at the ends of
// int32, the keys with the alarm acknowledgement, and the transitions between the screens
// reached from it, walked through the scripted panel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "lcd/Text.h"
#include "screens/Keys.h"
#include "screens/Screens.h"
#include "support/Golden.h"
#include "support/InstrumentFixture.h"
#include "MainScreensKit.h"

namespace {

using namespace mainscreens;

constexpr int32_t INT32_LOW = std::numeric_limits<int32_t>::min();
constexpr int32_t INT32_HIGH = std::numeric_limits<int32_t>::max();

std::set<int> Rows(int from, int to) {
  std::set<int> rows;
  for (int y = std::max(from, 0); y <= std::min(to, 63); ++y) rows.insert(y);
  return rows;
}

class MainDisplayTest : public InstrumentTest {
 protected:
  void SetUp() override {
    InstrumentTest::SetUp();
    UsePowerOnSettings();
  }

  static void Show(int32_t gNow, int32_t tempMax, int32_t tempMin) {
    State.GNow = gNow;
    State.TempMax = tempMax;
    State.TempMin = tempMin;
    RunScreen(ScreenMain);
  }
};

TEST_F(MainDisplayTest, BarAndPeakRowsFollowTheMagnitudeOfG) {
  struct Case {
    int32_t gNow, tempMax, tempMin;
    int barTop, peakRow;
  };
  // Default span 6: 0.9375 tenths a row.
  const Case cases[] = {
      {0, 0, 0, 63, 63},      // a value of 0 still lights the bottom row
      {10, 10, 0, 53, 53},    // 64 - 10.67
      {30, 30, 0, 32, 32},    // exactly 32
      {60, 60, 0, 0, 0},      // full scale
      {61, 61, 0, 0, 0},      // beyond full scale
      {10, 25, 0, 53, 37},    // the peak shows TempMax while G is positive
      {-15, 0, -25, 48, 37},  // and the magnitude of TempMin while G is negative
      {-1, 0, -1, 62, 62},
      {5, 200, -3, 58, 0},    // a peak beyond the scale sits on the top row
  };
  for (const Case& c : cases) {
    Show(c.gNow, c.tempMax, c.tempMin);
    SCOPED_TRACE("GNow " + std::to_string(c.gNow) + " peak " + std::to_string(c.tempMax) + "/" +
                 std::to_string(c.tempMin));
    std::set<int> barColumn = Rows(c.barTop, 63);
    barColumn.insert(c.peakRow);  // the peak line crosses the bar
    for (int x : {3, 11, 19}) EXPECT_EQ(LitRows(x), barColumn) << "bar column " << x;
    // The bar's right edge is exclusive: column 20 holds only the peak line, which ends at 21.
    EXPECT_EQ(LitRows(20), (std::set<int>{c.peakRow}));
    EXPECT_EQ(LitRows(21), (std::set<int>{c.peakRow}));
    EXPECT_TRUE(LitRows(22).empty());
    // The pointer aims at the bar, clipped at the top and bottom rows.
    EXPECT_EQ(LitRows(0), Rows(c.peakRow - 2, c.peakRow + 2));
    EXPECT_EQ(LitRows(1), Rows(c.peakRow - 1, c.peakRow + 1));
    EXPECT_EQ(LitRows(2), (std::set<int>{c.peakRow}));
  }
}

TEST_F(MainDisplayTest, BarTopsScaleWithTheSpan) {
  struct Case {
    uint8_t span;
    int32_t gNow;
    int barTop;
  };
  const Case cases[] = {
      {2, 10, 32}, {2, 20, 0}, {2, 21, 0}, {12, 60, 32}, {12, 1, 63},  // 64 - 0.53
      {12, 2, 62}, {12, 120, 0}, {12, 119, 0},                         // 64 - 63.47
      {7, 35, 32}, {3, 29, 2},                                          // 64 - 61.87
  };
  for (const Case& c : cases) {
    State.GfSpan = c.span;
    Show(c.gNow, c.gNow, 0);
    EXPECT_EQ(LitRows(11), Rows(c.barTop, 63)) << "span " << int(c.span) << " GNow " << c.gNow;
  }
}

TEST_F(MainDisplayTest, ScaleHasOneTickPerGAccumulatedInSinglePrecision) {
  for (uint8_t span = 2; span <= 12; ++span) {
    State.GfSpan = span;
    Show(0, 0, 0);
    std::set<int> ticks = {0, 63};  // the fixed end ticks
    if (span == 12) {
      // The accumulated float position gives 47 and 63 where the multiples are 48 and 64.
      ticks.insert({5, 10, 16, 21, 26, 32, 37, 42, 47, 53, 58, 63});
    } else {
      for (int i = 1; i <= span; ++i) ticks.insert(64 * i / span);
      ticks.erase(64);  // off the screen
    }
    SCOPED_TRACE("span " + std::to_string(span));
    EXPECT_EQ(LitRows(23), Rows(0, 63)) << "the scale line";
    for (int x : {24, 25, 26}) EXPECT_EQ(LitRows(x), ticks) << "tick column " << x;
    EXPECT_TRUE(LitRows(27).empty());
  }
}

TEST_F(MainDisplayTest, DefaultSpanTicksFallOnTheTruncatedSixths) {
  Show(0, 0, 0);
  EXPECT_EQ(LitRows(25), (std::set<int>{0, 10, 21, 32, 42, 53, 63}));
}

// The read-out rows 17 to 48 right of the bar hold exactly the big number drawn at x.
TEST_F(MainDisplayTest, ReadOutSwitchesFormatAndPlaceAtTenG) {
  struct Case {
    int32_t gNow;
    const char* text;
    uint8_t x;
  };
  const Case cases[] = {
      {0, "+0.0", 35},    {10, "+1.0", 35},   {-15, "-1.5", 35},  {99, "+9.9", 35},   {-99, "-9.9", 35},
      {-5, "-0.5", 35},   {100, "+10", 45},   {-100, "-10", 45},  {104, "+10", 45},   {-123, "-12", 45},
      {720, "+72", 45},   {1234, "+123", 45},
  };
  for (const Case& c : cases) {
    Show(c.gNow, std::max(c.gNow, 0), std::min(c.gNow, 0));
    const Frame expected = DrawnBy([&] { LcdBigNumber(c.x, 17, c.text); });
    EXPECT_TRUE(SameRegion(expected, CurrentFrame(), 27, 113, 8, 55)) << "GNow " << c.gNow << " as " << c.text;
  }
}

TEST_F(MainDisplayTest, ExtremesAndCountersAreDrawnWithTheirFormats) {
  struct Case {
    int32_t tempMax, tempMin;
    uint32_t cyclesPos, cyclesNeg;
    const char *maxText, *minText, *posText, *negText;
  };
  const Case cases[] = {
      {25, -123, 7, 12345, " +2.5", "-12.3", "7", "12345"},  // "%+5.1f" pads to five characters
      {0, 0, 0, 0, " +0.0", " +0.0", "0", "0"},
      {1234, -1, 4294967295u, 1, "+123.4", " -0.1", "4294967295", "1"},
  };
  for (const Case& c : cases) {
    State.CyclesPos = c.cyclesPos;
    State.CyclesNeg = c.cyclesNeg;
    Show(0, c.tempMax, c.tempMin);
    const Frame expected = DrawnBy([&] {
      LcdText(70, 0, c.maxText, 0, 0);
      LcdText(70, 56, c.minText, 0, 0);
      LcdText(36, 0, c.posText, 0, 0);
      LcdText(36, 56, c.negText, 0, 0);
    });
    SCOPED_TRACE(c.maxText);
    EXPECT_TRUE(SameRegion(expected, CurrentFrame(), 27, 113, 0, 7));
    EXPECT_TRUE(SameRegion(expected, CurrentFrame(), 27, 113, 56, 63));
  }
}

// Extreme calibrations can drive every value to the ends of int32: the texts come out
// whole (clipped only by the screen edge) and the most negative G, whose magnitude int32
// cannot hold, is shown as the large value it is.
TEST_F(MainDisplayTest, ValuesAtTheEndsOfInt32FormatWhole) {
  struct Case {
    int32_t gNow, tempMax, tempMin;
    const char *readOut, *maxText, *minText;
  };
  const Case cases[] = {
      {INT32_LOW, INT32_HIGH, INT32_LOW, "-214748365", "+214748364.7", "-214748364.8"},
      {INT32_HIGH, INT32_HIGH, INT32_LOW, "+214748365", "+214748364.7", "-214748364.8"},
  };
  for (const Case& c : cases) {
    State.CyclesPos = 4294967295u;
    State.CyclesNeg = 4294967295u;
    Show(c.gNow, c.tempMax, c.tempMin);
    const Frame expected = DrawnBy([&] {
      LcdBigNumber(45, 17, c.readOut);
      LcdText(70, 0, c.maxText, 0, 0);
      LcdText(70, 56, c.minText, 0, 0);
      LcdText(36, 0, "4294967295", 0, 0);
      LcdText(36, 56, "4294967295", 0, 0);
    });
    SCOPED_TRACE(c.readOut);
    EXPECT_TRUE(SameRegion(expected, CurrentFrame(), 27, 113, 0, 63));
    EXPECT_EQ(LitRows(11), Rows(0, 63)) << "the bar is full";
    EXPECT_EQ(LitRows(21), (std::set<int>{0})) << "the peak is beyond the scale";
  }
}

TEST_F(MainDisplayTest, DrawGBarKeepsToItsColumnsForAnyArguments) {
  const int32_t values[] = {INT32_LOW, -1000, -1, 0, 1, 59, 60, 61, INT32_HIGH};
  for (uint8_t span : {uint8_t{0}, uint8_t{2}, uint8_t{12}, uint8_t{255}}) {
    State.GfSpan = span;
    for (int32_t value : values) {
      for (int32_t peak : values) {
        LcdClear();
        DrawGBar(value, peak);
        for (int x = 27; x < LCD_WIDTH; ++x) ASSERT_TRUE(LitRows(x).empty()) << value << " " << peak;
        // The bar, even for arguments outside its range, reaches down to the bottom row.
        ASSERT_TRUE(Lit(3, 63)) << "span " << int(span) << " value " << value;
      }
    }
  }
}

TEST_F(MainDisplayTest, KeysOpenTheirScreensAfterAnAlarmIsAcknowledged) {
  struct Case {
    uint8_t key;
    uint8_t alarmActive, alarmAcknowledged;
    ScreenHandler next;
    bool opensMenu;  // Cursor and EditMode start from 0
    uint8_t acknowledgedAfter;
  };
  const Case cases[] = {
      {KEY_SELECT, 0, 0, ScreenMainMenu, true, 0},
      {KEY_CW, 0, 0, ScreenMaxValues, false, 0},
      {KEY_CCW, 0, 0, ScreenMaxValues, false, 0},
      {KEY_F1, 0, 0, ScreenResetCycles, false, 0},
      {KEY_F2, 0, 0, ScreenResetTempMax, false, 0},
      {KEY_NONE, 1, 0, ScreenMain, false, 0},  // no key, nothing to acknowledge with
      {6, 0, 0, ScreenMain, false, 0},         // not a key code
      // A new alarm takes the first key, whichever it is, and nothing else happens.
      {KEY_SELECT, 1, 0, ScreenMain, false, 1},
      {KEY_CW, 1, 0, ScreenMain, false, 1},
      {KEY_F1, 1, 0, ScreenMain, false, 1},
      {KEY_F2, 1, 0, ScreenMain, false, 1},
      // Once acknowledged, keys act while the alarm lasts.
      {KEY_SELECT, 1, 1, ScreenMainMenu, true, 1},
      {KEY_F2, 1, 1, ScreenResetTempMax, false, 1},
  };
  for (const Case& c : cases) {
    State.CurrentScreen = ScreenMain;
    State.ReturnScreen = ScreenCalibrate;
    State.Cursor = 3;
    State.EditMode = 1;
    State.AlarmActive = c.alarmActive;
    State.AlarmAcknowledged = c.alarmAcknowledged;
    RunScreen(ScreenMain, c.key);
    SCOPED_TRACE("key " + std::to_string(c.key) + " alarm " + std::to_string(c.alarmActive) +
                 std::to_string(c.alarmAcknowledged));
    EXPECT_EQ(State.CurrentScreen, c.next);
    EXPECT_EQ(State.PendingKey, KEY_NONE);
    EXPECT_EQ(State.AlarmAcknowledged, c.acknowledgedAfter);
    EXPECT_EQ(State.Cursor, c.opensMenu ? 0 : 3);
    EXPECT_EQ(State.EditMode, c.opensMenu ? 0 : 1);
    EXPECT_EQ(State.ReturnScreen, ScreenCalibrate);
    EXPECT_EQ(LitRows(23), Rows(0, 63)) << "the display is drawn before the key acts";
  }
}

// Y 4096, Z 0 reads +7.2 g, beyond the +5.0 g cycle limit.
constexpr int32_t HIGH_G_Y = 4096;
constexpr int32_t HIGH_G_Z = 0;

TEST_F(MainDisplayTest, AlarmTakesOneKeyPerExcursion) {
  panel->SetSliderY(HIGH_G_Y);
  panel->SetSliderZ(HIGH_G_Z);
  RunRecorder run(*panel);
  panel->KeyAt(PassPump(2), KEY_SELECT);  // acknowledges
  panel->KeyAt(PassPump(4), KEY_SELECT);  // opens the menu
  panel->KeyAt(PassPump(6), KEY_SELECT);  // EXIT MENU
  // Back to 0 g: the average falls below the limit within ten passes.
  panel->At(PassPump(8), [](ScriptedPanel& p) {
    p.SetSliderY(2048);
    p.SetSliderZ(2048);
  });
  panel->At(PassPump(30), [](ScriptedPanel& p) {
    p.SetSliderY(HIGH_G_Y);
    p.SetSliderZ(HIGH_G_Z);
  });
  panel->KeyAt(PassPump(50), KEY_CW);  // the new excursion costs a key again
  panel->KeyAt(PassPump(52), KEY_CW);
  panel->OffAt(PassPump(54));
  PowerOn();

  EXPECT_EQ(run.AfterPass(1).GNow, 72);
  EXPECT_EQ(run.AfterPass(1).AlarmActive, 1);
  EXPECT_EQ(run.AfterPass(2).AlarmAcknowledged, 0);
  EXPECT_EQ(run.ScreenAfterPass(3), ScreenMain);
  EXPECT_EQ(run.AfterPass(3).AlarmAcknowledged, 1);
  EXPECT_TRUE(run.PassShows(4, ScreenMain));
  EXPECT_EQ(run.ScreenAfterPass(5), ScreenMainMenu) << "the second key acts";
  EXPECT_EQ(run.ScreenAfterPass(7), ScreenMain);
  EXPECT_EQ(run.AfterPass(7).AlarmAcknowledged, 1) << "still the same excursion";

  EXPECT_EQ(run.AfterPass(29).GNow, 0);
  EXPECT_EQ(run.AfterPass(29).AlarmActive, 0);
  EXPECT_EQ(run.AfterPass(29).AlarmAcknowledged, 0) << "back inside the limits re-arms";
  EXPECT_EQ(run.AfterPass(50).AlarmActive, 1);
  EXPECT_EQ(run.ScreenAfterPass(51), ScreenMain);
  EXPECT_EQ(run.AfterPass(51).AlarmAcknowledged, 1);
  EXPECT_EQ(run.ScreenAfterPass(53), ScreenMaxValues);
}

// The transitions of the main display, the menu and the max-value and reset screens,
// played from power-on: a key pressed at the end of a pass is handled by the next one,
// which still presents the old screen; the pass after it draws the new screen.
struct Step {
  uint8_t key;
  ScreenHandler next;
  int cursor = -1;  // checked when 0 or more
};

struct Path {
  const char* name;
  bool calibrate;
  int32_t resetCode;
  std::vector<Step> steps;
};

class ScreenTransitionsTest : public InstrumentTest, public ::testing::WithParamInterface<Path> {};

TEST_P(ScreenTransitionsTest, EachKeyActsOnThePassAfterItsPress) {
  const Path& path = GetParam();
  State.ResetCode = path.resetCode;
  panel->SetCalibrate(path.calibrate);
  RunRecorder run(*panel);
  const int n = static_cast<int>(path.steps.size());
  for (int i = 0; i < n; ++i) panel->KeyAt(PassPump(1 + 2 * i), path.steps[i].key);
  panel->OffAt(PassPump(1 + 2 * n));
  PowerOn();

  ScreenHandler previous = ScreenMain;
  for (int i = 0; i < n; ++i) {
    const Step& step = path.steps[i];
    const int pressed = 1 + 2 * i;
    SCOPED_TRACE("step " + std::to_string(i) + ", key " + std::to_string(step.key));
    EXPECT_EQ(run.ScreenAfterPass(pressed), previous) << "nothing acts before the key is pressed";
    EXPECT_EQ(run.ScreenAfterPass(pressed + 1), step.next);
    EXPECT_EQ(run.AfterPass(pressed + 1).PendingKey, KEY_NONE);
    EXPECT_TRUE(run.PassShows(pressed + 1, previous)) << "the handling pass presents the old screen";
    EXPECT_TRUE(run.PassShows(pressed + 2, step.next));
    if (step.cursor >= 0) {
      EXPECT_EQ(run.AfterPass(pressed + 1).Cursor, step.cursor);
    }
    if (step.next == ScreenDone) {
      EXPECT_EQ(run.AfterPass(pressed + 1).ReturnScreen, ScreenMain);
    }
    previous = step.next;
  }
}

const Path kPaths[] = {
    {"MenuAndExit", false, 0, {{KEY_SELECT, ScreenMainMenu, 0}, {KEY_SELECT, ScreenMain, 0}}},
    {"MaxValuesAndBack",
     false,
     0,
     {{KEY_CW, ScreenMaxValues},
      {KEY_SELECT, ScreenMain},
      {KEY_CCW, ScreenMaxValues},
      {KEY_CW, ScreenMain},
      {KEY_CW, ScreenMaxValues},
      {KEY_CCW, ScreenMain},
      {KEY_CCW, ScreenMaxValues},
      {KEY_F2, ScreenMain}}},
    {"MaxValuesResetWithoutCode", false, 0, {{KEY_CW, ScreenMaxValues}, {KEY_F1, ScreenDone, 0}, {KEY_CW, ScreenMain}}},
    {"MaxValuesResetAsksForTheCode", false, 4321, {{KEY_CCW, ScreenMaxValues}, {KEY_F1, ScreenEnterResetCode, 0}}},
    {"ResetCycles",
     false,
     0,
     {{KEY_F1, ScreenResetCycles},
      {KEY_SELECT, ScreenMain},
      {KEY_F1, ScreenResetCycles},
      {KEY_CW, ScreenMain},
      {KEY_F1, ScreenResetCycles},
      {KEY_CCW, ScreenMain},
      {KEY_F1, ScreenResetCycles},
      {KEY_F2, ScreenMain},
      {KEY_F1, ScreenResetCycles},
      {KEY_F1, ScreenDone},
      {KEY_F1, ScreenMain}}},
    {"ResetTempMax",
     false,
     0,
     {{KEY_F2, ScreenResetTempMax},
      {KEY_F2, ScreenMain},
      {KEY_F2, ScreenResetTempMax},
      {KEY_SELECT, ScreenMain},
      {KEY_F2, ScreenResetTempMax},
      {KEY_CW, ScreenMain},
      {KEY_F2, ScreenResetTempMax},
      {KEY_CCW, ScreenMain},
      {KEY_F2, ScreenResetTempMax},
      {KEY_F1, ScreenDone},
      {KEY_F2, ScreenMain}}},
    {"MenuEntriesAndTheirDoneRows",
     false,
     0,
     {{KEY_SELECT, ScreenMainMenu, 0},
      {KEY_F2, ScreenMainMenu, 1},
      {KEY_CW, ScreenMainMenu, 2},
      {KEY_CW, ScreenMainMenu, 2},
      {KEY_F2, ScreenMainMenu, 2},
      {KEY_SELECT, ScreenGForceSetup, 0},
      {KEY_SELECT, ScreenMainMenu, 2},
      {KEY_CCW, ScreenMainMenu, 1},
      {KEY_SELECT, ScreenDisplaySetup, 0},
      {KEY_SELECT, ScreenMainMenu, 1},
      {KEY_F1, ScreenMainMenu, 0},
      {KEY_F1, ScreenMainMenu, 0},
      {KEY_CCW, ScreenMainMenu, 0},
      {KEY_SELECT, ScreenMain}}},
    {"ServiceEntriesInCalibrateMode",
     true,
     0,
     {{KEY_SELECT, ScreenMainMenu, 0},
      {KEY_CW, ScreenMainMenu, 1},
      {KEY_CW, ScreenMainMenu, 2},
      {KEY_CW, ScreenMainMenu, 3},
      {KEY_SELECT, ScreenAdcValues, 0},
      {KEY_SELECT, ScreenMainMenu, 3},
      {KEY_F2, ScreenMainMenu, 4},
      {KEY_F2, ScreenMainMenu, 4},
      {KEY_SELECT, ScreenCalibrate, 0},
      {KEY_SELECT, ScreenMainMenu, 4},
      {KEY_CCW, ScreenMainMenu, 3}}},
};

INSTANTIATE_TEST_SUITE_P(Paths, ScreenTransitionsTest, ::testing::ValuesIn(kPaths),
                         [](const ::testing::TestParamInfo<Path>& param) { return std::string(param.param.name); });

TEST_F(MainDisplayTest, SecondKeyOfOnePassIsLost) {
  RunRecorder run(*panel);
  panel->KeyAt(PassPump(1), KEY_CW);
  panel->KeyAt(PassPump(1), KEY_F1);
  panel->OffAt(PassPump(4));
  PowerOn();
  EXPECT_EQ(run.ScreenAfterPass(2), ScreenMaxValues);
  EXPECT_EQ(run.ScreenAfterPass(4), ScreenMaxValues) << "F1 was dropped, not kept for later";
  EXPECT_EQ(run.AfterPass(4).PendingKey, KEY_NONE);
}

}  // namespace

namespace {

using namespace mainscreens;

// The main display has no words: both languages draw the same frame.
TEST_F(MainDisplayTest, GoldenFrames) {
  struct Scene {
    const char* golden;
    uint8_t span;
    int32_t gNow, tempMax, tempMin;
    uint32_t cyclesPos, cyclesNeg;
  };
  const Scene scenes[] = {
      {"main_0", 6, 0, 0, 0, 0, 0},
      {"main_plus1_0", 6, 10, 25, -3, 2, 1},
      {"main_minus1_5", 6, -15, 8, -25, 3, 7},
      {"main_plus10", 6, 100, 104, -12, 12, 0},
      {"main_minus12_3", 6, -123, 31, -123, 42, 17},
      {"main_span12", 12, 30, 72, -5, 5, 9},
  };
  for (const Scene& s : scenes) {
    for (uint8_t language : {uint8_t{0}, uint8_t{1}}) {
      State.Language = language;
      State.GfSpan = s.span;
      State.CyclesPos = s.cyclesPos;
      State.CyclesNeg = s.cyclesNeg;
      Show(s.gNow, s.tempMax, s.tempMin);
      EXPECT_TRUE(CurrentFrameMatchesGolden(s.golden)) << "language " << int(language);
    }
  }
}

}  // namespace
