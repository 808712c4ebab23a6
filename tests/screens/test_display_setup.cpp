// DISP SETUP and CONTRAST: rows and edit mode, the backlight and language toggles with their
// hooks, the contrast bar and its stops.
#include <gtest/gtest.h>

#include "SetupScreensFixture.h"
#include "lcd/FrameBuffer.h"

namespace {

class DisplaySetupTest : public SetupScreensTest {};

TEST_F(DisplaySetupTest, KeysMoveTheCursorOpenTheRowsAndToggleEditMode) {
  const ListKeyCase cases[] = {
      {0, 0, KEY_SELECT, ScreenMainMenu, 1, 0},  // DONE: the menu's DISPLAY SETUP entry
      {1, 0, KEY_SELECT, ScreenContrast, 0, 0},
      {2, 0, KEY_SELECT, ScreenDisplaySetup, 2, 1},
      {3, 0, KEY_SELECT, ScreenDisplaySetup, 3, 1},
      {2, 1, KEY_SELECT, ScreenDisplaySetup, 2, 0},
      {3, 1, KEY_SELECT, ScreenDisplaySetup, 3, 0},
      {0, 0, KEY_CW, ScreenDisplaySetup, 1, 0},
      {0, 0, KEY_F2, ScreenDisplaySetup, 1, 0},
      {2, 0, KEY_CCW, ScreenDisplaySetup, 1, 0},
      {2, 0, KEY_F1, ScreenDisplaySetup, 1, 0},
      {0, 0, KEY_CCW, ScreenDisplaySetup, 0, 0},  // stops at the first row
      {0, 0, KEY_F1, ScreenDisplaySetup, 0, 0},
      {3, 0, KEY_CW, ScreenDisplaySetup, 3, 0},   // and at the last
      {3, 0, KEY_F2, ScreenDisplaySetup, 3, 0},
      {2, 1, KEY_CW, ScreenDisplaySetup, 2, 1},   // editing: the cursor stays
      {3, 1, KEY_F1, ScreenDisplaySetup, 3, 1},
  };
  for (const ListKeyCase& c : cases) {
    ExpectListKey(ScreenDisplaySetup, c);
    EXPECT_EQ(HookCalls[HookId::SettingsChanged], 0);
  }
}

TEST_F(DisplaySetupTest, EveryDirectionKeyFlipsTheBacklightWithTheMatchingHook) {
  for (uint8_t key : {KEY_CW, KEY_CCW, KEY_F1, KEY_F2}) {
    SetUp();
    Open(ScreenDisplaySetup, 2, 1);
    Pass(key);
    EXPECT_EQ(State.BacklightOn, 0) << "key " << int(key);
    EXPECT_EQ(HookCalls[HookId::BacklightOff], 1);
    EXPECT_EQ(HookCalls[HookId::BacklightOn], 0);
    Pass(key);
    EXPECT_EQ(State.BacklightOn, 1);
    EXPECT_EQ(HookCalls[HookId::BacklightOff], 1);
    EXPECT_EQ(HookCalls[HookId::BacklightOn], 1);
    EXPECT_EQ(State.Language, 0) << "only the edited row changes";
    EXPECT_EQ(State.Cursor, 2);
    EXPECT_EQ(State.EditMode, 1);
  }
}

TEST_F(DisplaySetupTest, EveryDirectionKeyFlipsTheLanguageAndNothingElse) {
  for (uint8_t key : {KEY_CW, KEY_CCW, KEY_F1, KEY_F2}) {
    SetUp();
    Open(ScreenDisplaySetup, 3, 1);
    Pass(key);
    EXPECT_EQ(State.Language, 1) << "key " << int(key);
    Pass(key);
    EXPECT_EQ(State.Language, 0);
    EXPECT_EQ(State.BacklightOn, 1);
    EXPECT_EQ(HookCalls[HookId::BacklightOn] + HookCalls[HookId::BacklightOff], 0);
    EXPECT_EQ(State.EditMode, 1);
  }
}

TEST_F(DisplaySetupTest, ToggleTurnsAnyNonZeroSettingOff) {
  Open(ScreenDisplaySetup, 2, 1);
  State.BacklightOn = 7;
  Pass(KEY_CW);
  EXPECT_EQ(State.BacklightOn, 0);
  EXPECT_EQ(HookCalls[HookId::BacklightOff], 1);

  Open(ScreenDisplaySetup, 3, 1);
  State.Language = 2;
  Pass(KEY_CW);
  EXPECT_EQ(State.Language, 0);
}

TEST_F(DisplaySetupTest, EditModeOnTheFirstRowsChangesNoSetting) {
  // Edit mode is reached only on rows 2 and 3; should it ever be set elsewhere, the direction
  // keys change nothing and the knob still leaves it.
  for (uint8_t row : {0, 1}) {
    SetUp();
    Open(ScreenDisplaySetup, row, 1);
    Passes({KEY_CW, KEY_F2});
    EXPECT_EQ(State.BacklightOn, 1);
    EXPECT_EQ(State.Language, 0);
    EXPECT_EQ(State.Contrast, 37);
    EXPECT_EQ(State.Cursor, row);
    Pass(KEY_SELECT);
    EXPECT_EQ(State.EditMode, 0);
    EXPECT_EQ(State.CurrentScreen, ScreenDisplaySetup);
  }
}

TEST_F(DisplaySetupTest, GoldenFrames) {
  ExpectGoldenFrames({
      {"dispsetup", [] { Open(ScreenDisplaySetup); }},
      // Editing: only the value inverse, behind a label of its language's length.
      {"dispsetup_backlight_edit",
       [] {
         Open(ScreenDisplaySetup, 2, 1);
         State.BacklightOn = 0;
       }},
      {"contrast", [] { Open(ScreenContrast); }},
  });
}

TEST_F(DisplaySetupTest, LanguageChangeShowsOnEveryTextOfTheNextFrame) {
  Open(ScreenDisplaySetup, 3, 1);
  Pass(KEY_F2);
  Pass();
  EXPECT_TRUE(CurrentFrameMatchesGolden("dispsetup_lang_edit_fr"));
  Pass(KEY_CCW);
  Pass();
  EXPECT_TRUE(CurrentFrameMatchesGolden("dispsetup_lang_edit_en"));
}

class ContrastTest : public SetupScreensTest {};

TEST_F(ContrastTest, UpAndDownKeysStepByOneStopAtTheEndsAndAlwaysCallTheHook) {
  struct Case {
    uint8_t contrast;
    uint8_t key;
    uint8_t keyStep;
    uint8_t after;
  };
  const Case cases[] = {
      {37, KEY_CW, 1, 38},  {37, KEY_F1, 1, 38}, {37, KEY_CCW, 1, 36}, {37, KEY_F2, 1, 36},
      {56, KEY_CW, 1, 57},  {57, KEY_CW, 1, 57}, {57, KEY_F1, 1, 57},  {1, KEY_CCW, 1, 0},
      {0, KEY_CCW, 1, 0},   {0, KEY_F2, 1, 0},   {0, KEY_CW, 1, 1},    {57, KEY_F2, 1, 56},
      {37, KEY_CW, 10, 38}, {5, KEY_CCW, 10, 4},  // KeyFast does not apply
  };
  for (const Case& c : cases) {
    SetUp();
    Open(ScreenContrast);
    State.Contrast = c.contrast;
    State.KeyStep = c.keyStep;
    Pass(c.key);
    SCOPED_TRACE(testing::Message() << "contrast " << int(c.contrast) << " key " << int(c.key));
    EXPECT_EQ(State.Contrast, c.after);
    EXPECT_EQ(HookCalls[HookId::ContrastChanged], 1);
    EXPECT_EQ(HookCalls[HookId::SettingsChanged], 0);
    EXPECT_EQ(State.CurrentScreen, ScreenContrast);
  }
}

TEST_F(ContrastTest, KnobGoesBackToAdjContrastAndReportsTheSettings) {
  Open(ScreenContrast);
  State.Contrast = 12;
  Pass(KEY_SELECT);
  EXPECT_EQ(State.CurrentScreen, ScreenDisplaySetup);
  EXPECT_EQ(State.Cursor, 1);
  EXPECT_EQ(State.EditMode, 0);
  EXPECT_EQ(State.Contrast, 12);
  EXPECT_EQ(HookCalls[HookId::SettingsChanged], 1);
  EXPECT_EQ(HookCalls[HookId::ContrastChanged], 0);
}

TEST_F(ContrastTest, BarFillsTwoColumnsPerStepInsideItsFrame) {
  for (uint8_t contrast : {0, 1, 37, 56, 57}) {  // 37, the default: 74 columns
    SetUp();
    Open(ScreenContrast);
    State.Contrast = contrast;
    Pass();
    SCOPED_TRACE(testing::Message() << "contrast " << int(contrast));
    for (int x = 0; x < LCD_WIDTH; ++x) {
      // The frame: rows 15 and 25 whole, columns 0 and 113 between them.
      ASSERT_EQ(LcdGetPixel(x, 15), 1) << "x " << x;
      ASSERT_EQ(LcdGetPixel(x, 25), 1) << "x " << x;
      ASSERT_EQ(LcdGetPixel(x, 14), 0) << "x " << x;
      ASSERT_EQ(LcdGetPixel(x, 26), 0) << "x " << x;
      for (int y = 16; y <= 24; ++y) {
        const bool frame = x == 0 || x == LCD_WIDTH - 1;
        ASSERT_EQ(LcdGetPixel(x, y), frame || x < 2 * contrast ? 1 : 0) << "x " << x << " y " << y;
      }
    }
  }
}

// Walked through the scripted panel from power-on: in from the main menu, into contrast and
// back, the language switched in edit mode, and out through DONE to the menu's own entry.
TEST_F(DisplaySetupTest, SessionThroughContrastAndLanguage) {
  Session s(*panel);
  s.OpenFromMainDisplay(1);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenDisplaySetup);
    EXPECT_EQ(State.Cursor, 0);
    EXPECT_EQ(State.EditMode, 0);
  });
  s.Press({KEY_CW, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenContrast);
    EXPECT_EQ(State.Cursor, 0);
  });
  s.Press(KEY_F1, 3);
  s.Press(KEY_CCW);
  s.Then([] {
    EXPECT_EQ(State.Contrast, 39);
    EXPECT_EQ(HookCalls[HookId::ContrastChanged], 1 + 4) << "one at power-on, one per key";
  });
  s.Press(KEY_SELECT);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenDisplaySetup);
    EXPECT_EQ(State.Cursor, 1);
    EXPECT_EQ(HookCalls[HookId::SettingsChanged], 1 + 1) << "one at power-on, one on leaving";
  });
  s.Press({KEY_F2, KEY_F2, KEY_SELECT, KEY_CCW});
  s.Then([] {
    EXPECT_EQ(State.Language, 1);
    EXPECT_EQ(State.Cursor, 3);
    EXPECT_EQ(State.EditMode, 1);
  });
  s.Press({KEY_SELECT, KEY_F1, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenDisplaySetup);
    EXPECT_EQ(State.Cursor, 2);
    EXPECT_EQ(State.EditMode, 1);
  });
  s.Press({KEY_CW, KEY_SELECT});
  s.Then([] { EXPECT_EQ(State.BacklightOn, 0); });
  s.Press({KEY_F1, KEY_F1, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
    EXPECT_EQ(State.Cursor, 1);
    EXPECT_EQ(State.EditMode, 0);
    EXPECT_EQ(State.Language, 1) << "the setting stays until the next power-on";
  });
  // Every other screen now speaks French too.
  s.Press({KEY_CW, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenGForceSetup);
    EXPECT_TRUE(CurrentFrameMatchesGolden("gforce_fr"));
  });
  s.Run();
}

}  // namespace
