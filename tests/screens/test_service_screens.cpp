// The service screens one key at a time: CALIBRATE's rows and captures, the Z-axis trim and
// ADC VALUES, with the hooks each calls.
#include <gtest/gtest.h>

#include "SetupScreensFixture.h"

namespace {

class ServiceScreensTest : public SetupScreensTest {};

TEST_F(ServiceScreensTest, CalibrateRowsMoveWithoutWrapping) {
  struct Case {
    uint8_t cursor;
    uint8_t key;
    uint8_t after;
  };
  const Case cases[] = {
      {0, KEY_CW, 1},  {1, KEY_F2, 2},  {2, KEY_CW, 2},  {2, KEY_F2, 2},
      {2, KEY_CCW, 1}, {1, KEY_F1, 0},  {0, KEY_CCW, 0}, {0, KEY_F1, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    Open(ScreenCalibrate, c.cursor);
    Pass(c.key);
    EXPECT_EQ(State.Cursor, c.after) << "cursor " << int(c.cursor) << " key " << int(c.key);
    EXPECT_EQ(State.CurrentScreen, ScreenCalibrate);
    EXPECT_EQ(State.ZeroY, 2048);
  }
}

TEST_F(ServiceScreensTest, CalibrateRowsCaptureAndAreConfirmedByDone) {
  struct Case {
    uint8_t row;
    int32_t adcY;
    int32_t adcZ;
    int32_t zeroY, spanY, zeroZ, spanZ;
  };
  const Case cases[] = {
      {1, 2029, 2012, 2029, 1000, 2048, 90},   // the 1G preset: ZeroY and SpanZ
      {2, 2112, 2087, 2048, 160, 2087, 1000},  // the 0G preset: ZeroZ and SpanY
  };
  for (const Case& c : cases) {
    SetUp();
    Open(ScreenCalibrate, c.row);
    State.AdcY = c.adcY;
    State.AdcZ = c.adcZ;
    State.ReturnScreen = ScreenMain;
    Pass(KEY_SELECT);
    SCOPED_TRACE(testing::Message() << "row " << int(c.row));
    EXPECT_EQ(State.ZeroY, c.zeroY);
    EXPECT_EQ(State.SpanY, c.spanY);
    EXPECT_EQ(State.ZeroZ, c.zeroZ);
    EXPECT_EQ(State.SpanZ, c.spanZ);
    EXPECT_EQ(State.CurrentScreen, ScreenDone);
    EXPECT_EQ(State.ReturnScreen, ScreenCalibrate);
    EXPECT_EQ(State.Cursor, c.row) << "DONE comes back with the row still selected";
    EXPECT_EQ(HookCalls[HookId::SettingsChanged], 0) << "a capture alone reports nothing";
  }
}

TEST_F(ServiceScreensTest, CalibrateDoneGoesToTheMenusCalibrateEntryAndReports) {
  Open(ScreenCalibrate, 0);
  Pass(KEY_SELECT);
  EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
  EXPECT_EQ(State.Cursor, 4);
  EXPECT_EQ(HookCalls[HookId::SettingsChanged], 1);
  EXPECT_EQ(State.ZeroY, 2048);
  EXPECT_EQ(State.SpanZ, 1000);
}

TEST_F(ServiceScreensTest, TrimMovesZeroYByOneWhateverTheKeyStep) {
  struct Case {
    uint8_t key;
    int32_t delta;
  };
  const Case cases[] = {{KEY_CW, +1}, {KEY_F1, +1}, {KEY_CCW, -1}, {KEY_F2, -1}};
  for (uint8_t keyStep : {1, 10}) {
    for (const Case& c : cases) {
      SetUp();
      Open(ScreenZAxisCal, 4);
      State.ReturnScreen = ScreenGForceSetup;
      State.KeyStep = keyStep;
      Passes({c.key, c.key, c.key});
      EXPECT_EQ(State.ZeroY, 2048 + 3 * c.delta) << "key " << int(c.key) << " step " << int(keyStep);
      EXPECT_EQ(State.ZeroZ, 2048) << "the Z-axis screen trims the zero of channel Y";
      EXPECT_EQ(State.SpanY, 1000);
      EXPECT_EQ(State.CurrentScreen, ScreenZAxisCal);
      EXPECT_EQ(HookCalls[HookId::SettingsChanged], 0);
    }
  }
}

TEST_F(ServiceScreensTest, TrimScreenGoesBackToItsReturnScreenAndReports) {
  Open(ScreenZAxisCal, 4);
  State.ReturnScreen = ScreenGForceSetup;
  Pass(KEY_SELECT);
  EXPECT_EQ(State.CurrentScreen, ScreenGForceSetup);
  EXPECT_EQ(State.Cursor, 4);
  EXPECT_EQ(State.ZeroY, 2048);
  EXPECT_EQ(HookCalls[HookId::SettingsChanged], 1);
}

TEST_F(ServiceScreensTest, AdcValuesIgnoresAllButTheKnob) {
  for (uint8_t key : {KEY_CW, KEY_CCW, KEY_F1, KEY_F2}) {
    SetUp();
    Open(ScreenAdcValues);
    Pass(key);
    EXPECT_EQ(State.CurrentScreen, ScreenAdcValues) << "key " << int(key);
    EXPECT_EQ(State.Cursor, 0);
  }
  Pass(KEY_SELECT);
  EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
  EXPECT_EQ(State.Cursor, 3);
  EXPECT_EQ(HookCalls[HookId::SettingsChanged], 0) << "ADC VALUES never reports settings";
}

TEST_F(ServiceScreensTest, GoldenFrames) {
  ExpectGoldenFrames({
      {"calibrate", [] { Open(ScreenCalibrate, 1); }},
      {"zaxis",
       [] {
         Open(ScreenZAxisCal, 4);
         State.GNow = 10;
       }},
      {"zaxis_negative",
       [] {
         Open(ScreenZAxisCal, 4);
         State.GNow = -35;
       }},
      {"adc",
       [] {
         Open(ScreenAdcValues);
         State.AdcY = 2048;
         State.AdcZ = 2048;
       }},
  });
}

}  // namespace
