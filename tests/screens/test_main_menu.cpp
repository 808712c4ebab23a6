// The main menu: the scroll bar for 3 or 5 entries, the cursor stopping at the last entry
// present, the service entries left over when calibrate mode is cleared, what SELECT
// opens and resets, and the entry's icon.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "lcd/Icons.h"
#include "screens/Keys.h"
#include "screens/Screens.h"
#include "support/Golden.h"
#include "support/InstrumentFixture.h"
#include "MainScreensKit.h"

namespace {

using namespace mainscreens;

std::set<int> Rows(int from, int to) {
  std::set<int> rows;
  for (int y = from; y <= to; ++y) rows.insert(y);
  return rows;
}

int TotalHookCalls() {
  int total = 0;
  for (int calls : HookCalls.calls) total += calls;
  return total;
}

class MainMenuTest : public InstrumentTest {
 protected:
  void SetUp() override {
    InstrumentTest::SetUp();
    UsePowerOnSettings();
    State.CurrentScreen = ScreenMainMenu;
  }
};

TEST_F(MainMenuTest, ScrollBarThumbShowsTheEntryAmongThreeOrFive) {
  struct Case {
    uint8_t calibrate, cursor;
    std::set<int> thumb;
  };
  const Case cases[] = {
      {0, 0, Rows(8, 26)},  {0, 1, Rows(26, 44)}, {0, 2, Rows(45, 63)},
      {1, 0, Rows(8, 19)},  {1, 1, Rows(19, 30)}, {1, 2, Rows(30, 41)},
      {1, 3, Rows(41, 52)}, {1, 4, Rows(52, 63)},
      // Calibrate mode cleared on a service entry: the thumb of a 3-entry bar falls off the bottom.
      {0, 3, {63}},         {0, 4, {}},
  };
  for (const Case& c : cases) {
    State.CalibrateMode = c.calibrate;
    State.Cursor = c.cursor;
    RunScreen(ScreenMainMenu);
    std::set<int> expected = c.thumb;
    expected.insert(4);  // the title's right rule
    SCOPED_TRACE("calibrate " + std::to_string(c.calibrate) + " cursor " + std::to_string(c.cursor));
    EXPECT_EQ(LitRows(109), expected);
    EXPECT_EQ(LitRows(113), expected);
    std::set<int> track = Rows(8, 63);
    track.insert(4);
    EXPECT_EQ(LitRows(111), track);
  }
}

TEST_F(MainMenuTest, CursorStopsAtTheLastEntryPresent) {
  struct Case {
    uint8_t calibrate, cursor, key, after;
  };
  const Case cases[] = {
      {0, 0, KEY_CW, 1},   {0, 1, KEY_F2, 2},  {0, 2, KEY_CW, 2},  {0, 2, KEY_F2, 2},
      {1, 2, KEY_CW, 3},   {1, 3, KEY_F2, 4},  {1, 4, KEY_CW, 4},  {1, 4, KEY_F2, 4},
      {0, 0, KEY_CCW, 0},  {0, 0, KEY_F1, 0},  {0, 2, KEY_CCW, 1}, {0, 1, KEY_F1, 0},
      {1, 4, KEY_CCW, 3},  {1, 3, KEY_F1, 2},  {0, 1, KEY_NONE, 1},
      // Calibrate mode cleared on a service entry: down does nothing, up moves back.
      {0, 3, KEY_CW, 3},   {0, 3, KEY_F2, 3},  {0, 4, KEY_CW, 4},  {0, 4, KEY_F2, 4},
      {0, 3, KEY_CCW, 2},  {0, 4, KEY_F1, 3},
  };
  for (const Case& c : cases) {
    State.CurrentScreen = ScreenMainMenu;
    State.CalibrateMode = c.calibrate;
    State.Cursor = c.cursor;
    State.EditMode = 0;
    RunScreen(ScreenMainMenu, c.key);
    SCOPED_TRACE("calibrate " + std::to_string(c.calibrate) + " cursor " + std::to_string(c.cursor) + " key " +
                 std::to_string(c.key));
    EXPECT_EQ(State.Cursor, c.after);
    EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
    EXPECT_EQ(State.PendingKey, KEY_NONE);
  }
  EXPECT_EQ(TotalHookCalls(), 0);
}

TEST_F(MainMenuTest, SelectOpensTheEntryAndStartsItOnItsFirstRow) {
  struct Case {
    uint8_t calibrate, cursor;
    ScreenHandler opens;
    int settingsChanged;
  };
  const Case cases[] = {
      {0, 0, ScreenMain, 1},         {1, 0, ScreenMain, 1},         {0, 1, ScreenDisplaySetup, 0},
      {0, 2, ScreenGForceSetup, 0},  {1, 3, ScreenAdcValues, 0},    {1, 4, ScreenCalibrate, 0},
      // A service entry left over from calibrate mode still opens.
      {0, 3, ScreenAdcValues, 0},    {0, 4, ScreenCalibrate, 0},
  };
  for (const Case& c : cases) {
    ResetHookCounters();
    State.CurrentScreen = ScreenMainMenu;
    State.ReturnScreen = ScreenDone;
    State.CalibrateMode = c.calibrate;
    State.Cursor = c.cursor;
    State.EditMode = 1;
    RunScreen(ScreenMainMenu, KEY_SELECT);
    SCOPED_TRACE("calibrate " + std::to_string(c.calibrate) + " cursor " + std::to_string(c.cursor));
    EXPECT_EQ(State.CurrentScreen, c.opens);
    EXPECT_EQ(State.Cursor, 0);
    EXPECT_EQ(State.EditMode, 0);
    EXPECT_EQ(State.PendingKey, KEY_NONE);
    EXPECT_EQ(State.ReturnScreen, ScreenDone) << "the menu leaves ReturnScreen alone";
    EXPECT_EQ(HookCalls[HookId::SettingsChanged], c.settingsChanged);
    EXPECT_EQ(TotalHookCalls(), c.settingsChanged) << "no other hook";
  }
}

TEST_F(MainMenuTest, EachEntryShowsItsOwnIcon) {
  const uint8_t icons[] = {ICON_EXIT, ICON_DISPLAY_SETUP, ICON_GFORCE_SETUP, ICON_ADC_VALUES, ICON_CALIBRATE};
  State.CalibrateMode = 1;
  for (uint8_t language : {uint8_t{0}, uint8_t{1}}) {
    State.Language = language;
    for (uint8_t entry = 0; entry < 5; ++entry) {
      State.Cursor = entry;
      RunScreen(ScreenMainMenu);
      const Frame expected = DrawnBy([&] { LcdIcon(icons[entry]); });
      EXPECT_TRUE(SameRegion(expected, CurrentFrame(), 4, 35, 16, 47)) << "entry " << int(entry);
    }
  }
}

TEST_F(MainMenuTest, CursorBeyondTheListDrawsNoEntryAndOpensNothing) {
  State.CalibrateMode = 1;
  State.Cursor = 5;
  RunScreen(ScreenMainMenu, KEY_SELECT);
  EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
  EXPECT_EQ(State.Cursor, 5);
  for (int x = 0; x < 100; ++x)
    for (int y = 8; y < LCD_HEIGHT; ++y) ASSERT_FALSE(Lit(x, y)) << x << ", " << y;
  RunScreen(ScreenMainMenu, KEY_F1);
  EXPECT_EQ(State.Cursor, 4);
}

// The check box is read on every pass, so the service entries go while the menu is shown;
// the one on screen stays selected and still opens.
TEST_F(MainMenuTest, ServiceEntryOutlivesCalibrateModeBeingCleared) {
  panel->SetCalibrate(true);
  RunRecorder run(*panel);
  panel->KeyAt(PassPump(1), KEY_SELECT);
  panel->KeyAt(PassPump(3), KEY_CW);
  panel->KeyAt(PassPump(5), KEY_CW);
  panel->KeyAt(PassPump(7), KEY_CW);  // ADC VALUES
  panel->At(PassPump(9), [](ScriptedPanel& p) { p.SetCalibrate(false); });
  panel->KeyAt(PassPump(11), KEY_CW);
  panel->KeyAt(PassPump(13), KEY_F2);
  panel->KeyAt(PassPump(15), KEY_SELECT);
  panel->OffAt(PassPump(17));
  PowerOn();

  EXPECT_EQ(run.AfterPass(8).Cursor, 3);
  EXPECT_EQ(run.AfterPass(10).CalibrateMode, 0);
  EXPECT_TRUE(run.PassShows(10, ScreenMainMenu));
  const ScriptedPanel::Frame& frame = panel->Frames()[PassPump(10) - 1];
  EXPECT_TRUE(FramePixel(frame, 109, 63)) << "only the bottom row of the thumb is left";
  EXPECT_FALSE(FramePixel(frame, 109, 62));
  EXPECT_EQ(run.AfterPass(12).Cursor, 3);
  EXPECT_EQ(run.AfterPass(14).Cursor, 3);
  EXPECT_EQ(run.ScreenAfterPass(16), ScreenAdcValues);
  EXPECT_EQ(run.AfterPass(16).Cursor, 0);
}

}  // namespace

namespace {

using namespace mainscreens;

TEST_F(MainMenuTest, GoldenFrames) {
  const char* const entries[] = {"exit", "display", "gforce", "adc", "calibrate"};
  const char* const languages[] = {"en", "fr"};
  for (uint8_t language : {uint8_t{0}, uint8_t{1}}) {
    State.Language = language;
    for (uint8_t calibrate : {uint8_t{0}, uint8_t{1}}) {
      State.CalibrateMode = calibrate;
      for (uint8_t entry = 0; entry <= (calibrate ? 4 : 2); ++entry) {
        State.Cursor = entry;
        RunScreen(ScreenMainMenu);
        const std::string name =
            std::string("menu_") + languages[language] + (calibrate ? "_cal_" : "_") + entries[entry];
        EXPECT_TRUE(CurrentFrameMatchesGolden(name));
      }
    }
    // ADC VALUES still shown after calibrate mode was cleared on it.
    State.CalibrateMode = 0;
    State.Cursor = 3;
    RunScreen(ScreenMainMenu);
    EXPECT_TRUE(CurrentFrameMatchesGolden(std::string("menu_") + languages[language] + "_adc_left_over"));
  }
}

}  // namespace
