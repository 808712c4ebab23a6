// A service session as a user would run it, through the scripted panel from power-on: the
// knob pressed during the splash, calibration at the 1G and 0G orientation inputs, the trim,
// the ADC readings, and +1.0 g read at the 1G position.
#include <gtest/gtest.h>

#include "SetupScreensFixture.h"

namespace {

// The simulator's orientation presets.
constexpr int32_t ONE_G_Y = 2029;
constexpr int32_t ONE_G_Z = 2012;
constexpr int32_t ZERO_G_Y = 2112;
constexpr int32_t ZERO_G_Z = 2087;

constexpr uint8_t MENU_ADC_VALUES = 3;
constexpr uint8_t MENU_CALIBRATE = 4;

class ServiceSessionTest : public InstrumentTest {};

void SetInputs(Session& s, int32_t y, int32_t z) {
  s.Do([y, z](ScriptedPanel& p) {
    p.SetSliderY(y);
    p.SetSliderZ(z);
  });
}

TEST_F(ServiceSessionTest, CalibrateTrimAndReadOneG) {
  panel->SetSliderY(ONE_G_Y);
  panel->SetSliderZ(ONE_G_Z);
  Session s(*panel);
  s.PressDuringSplash(20, KEY_SELECT);
  int settingsReports = 0;
  const auto reportsSince = [&settingsReports](int expected) {
    return [&settingsReports, expected] {
      EXPECT_EQ(HookCalls[HookId::SettingsChanged] - settingsReports, expected);
      settingsReports = HookCalls[HookId::SettingsChanged];
    };
  };
  s.Then([&settingsReports] {
    EXPECT_EQ(State.CalibrateMode, 1) << "the knob during the splash chose the service mode";
    settingsReports = HookCalls[HookId::SettingsChanged];
  });

  // ADC VALUES shows the raw samples and returns to its own menu entry.
  s.OpenFromMainDisplay(MENU_ADC_VALUES);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenAdcValues);
    EXPECT_EQ(State.AdcY, ONE_G_Y);
    EXPECT_EQ(State.AdcZ, ONE_G_Z);
  });
  s.Press({KEY_CW, KEY_F1, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
    EXPECT_EQ(State.Cursor, MENU_ADC_VALUES);
  });

  // CALIBRATE: 1g, then 0g, then 1g again, each confirmed by DONE.
  s.Press({KEY_CW, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCalibrate);
    EXPECT_EQ(State.Cursor, 0);
  });
  s.Press({KEY_CW, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenDone);
    EXPECT_EQ(State.ZeroY, 2029);
    EXPECT_EQ(State.SpanZ, 90);
  });
  s.Press(KEY_F2);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCalibrate);
    EXPECT_EQ(State.Cursor, 1) << "the row just used is still selected";
  });
  s.Then(reportsSince(0));

  SetInputs(s, ZERO_G_Y, ZERO_G_Z);
  s.Press({KEY_F2, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenDone);
    EXPECT_EQ(State.ZeroZ, 2087);
    EXPECT_EQ(State.SpanY, 207);
  });
  s.Press(KEY_CCW);
  s.Then([] { EXPECT_EQ(State.Cursor, 2); });

  SetInputs(s, ONE_G_Y, ONE_G_Z);
  s.Press({KEY_CCW, KEY_SELECT, KEY_F1});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCalibrate);
    EXPECT_EQ(State.ZeroY, 2029);
    EXPECT_EQ(State.SpanZ, 187) << "now measured from the captured Z zero";
  });
  s.Then(reportsSince(0));
  s.Press({KEY_F1, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
    EXPECT_EQ(State.Cursor, MENU_CALIBRATE);
  });
  s.Then(reportsSince(1));

  // The trim, from G-force setup: two counts up and one down.
  s.Press({KEY_CCW, KEY_CCW, KEY_SELECT});
  s.Press(KEY_F2, 4);
  s.Press({KEY_SELECT, KEY_F1, KEY_CW, KEY_F2});
  s.Wait(12);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenZAxisCal);
    EXPECT_EQ(State.ZeroY, 2030);
    EXPECT_EQ(State.GNow, 10) << "+1.0 g at the 1G position";
    EXPECT_TRUE(CurrentFrameMatchesGolden("zaxis_en")) << "reading GF: +1.0";
  });
  s.Then(reportsSince(0));
  s.Press(KEY_SELECT);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenGForceSetup);
    EXPECT_EQ(State.Cursor, 4);
    EXPECT_EQ(State.EditMode, 0);
  });
  s.Then(reportsSince(1));

  // Back on the main display, still +1.0 g.
  s.Press(KEY_F1, 4);
  s.Press({KEY_SELECT, KEY_F1, KEY_F1, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenMain);
    EXPECT_EQ(State.GNow, 10);
    EXPECT_EQ(State.ZeroY, 2030);
    EXPECT_EQ(State.SpanY, 207);
    EXPECT_EQ(State.ZeroZ, 2087);
    EXPECT_EQ(State.SpanZ, 187);
  });
  s.Run();
}

TEST_F(ServiceSessionTest, CaptureUsesTheSamplesOfItsOwnPass) {
  // The inputs move in the same event processing as the knob press: the pass that handles
  // the key measures them first, so the capture takes the new ones.
  panel->SetCalibrate(true);
  Session s(*panel);
  s.OpenFromMainDisplay(MENU_CALIBRATE);
  s.Press(KEY_CW);
  s.Do([](ScriptedPanel& p) {
    p.SetSliderY(ONE_G_Y);
    p.SetSliderZ(ONE_G_Z);
    p.PressKey(KEY_SELECT);
  });
  s.Wait(2);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenDone);
    EXPECT_EQ(State.ZeroY, ONE_G_Y);
    EXPECT_EQ(State.SpanZ, 90);
  });
  s.Run();
}

TEST_F(ServiceSessionTest, PowerOnAfterCapturesRestoresTheDefaults) {
  panel->SetCalibrate(true);
  panel->SetSliderY(ZERO_G_Y);
  panel->SetSliderZ(ZERO_G_Z);
  Session first(*panel);
  first.OpenFromMainDisplay(MENU_CALIBRATE);
  first.Press({KEY_CW, KEY_CW, KEY_SELECT});
  first.Then([] { EXPECT_EQ(State.ZeroZ, ZERO_G_Z); });
  first.Run();

  Session second(*panel);
  second.Then([] {
    EXPECT_EQ(State.ZeroY, 2048);
    EXPECT_EQ(State.SpanY, 1000);
    EXPECT_EQ(State.ZeroZ, 2048);
    EXPECT_EQ(State.SpanZ, 1000);
  });
  second.Run();
}

}  // namespace
