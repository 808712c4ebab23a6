// PowerOn: the body of the ON button, which returns only when OFF ends the run loop.
#include "instrument/PowerOn.h"

#include "instrument/Hardware.h"
#include "instrument/Hooks.h"
#include "instrument/InstrumentState.h"
#include "instrument/Panel.h"
#include "lcd/FrameBuffer.h"
#include "lcd/Text.h"
#include "measurement/Calibration.h"
#include "measurement/Measure.h"
#include "screens/Keys.h"
#include "screens/Screens.h"

static_assert(sizeof(MAKER_WEB_ADDRESS) - 1 == 17, "the web address spans columns 6 to 107");

void LoadSettingsDefaults() {
  State.Contrast = 37;
  HookContrastChanged();
  State.BacklightOn = 1;
  HookBacklightOn();
  State.GfSpan = 6;
  State.CycleLimitPos = 50;
  State.CycleLimitNeg = -50;
  State.Language = 0;
}

void SplashPass(int8_t& m, int8_t& g) {
  LcdClear();
  // Positions are signed 8-bit; the renderers receive their 8-bit patterns (-20 is 236).
  LcdTextConst(static_cast<uint8_t>(m), 5, "KELVANE AERO", 1, 0);
  if (m > 10) {
    m = static_cast<int8_t>(m - 2);
  }
  LcdTextCenteredConst(static_cast<uint8_t>(g), 28, "TQ-4", 1, 0);
  if (m < 88 && g < 57) {
    g = static_cast<int8_t>(g + 2);
  }
  if (State.CalibrateMode == 1) {
    LcdTextSmallCenteredConst(44, 46, "CALIBRATE", 100);
  }
  LcdTextSmallCenteredConst(57, 56, MAKER_WEB_ADDRESS, 100);
  LcdTextSmallConst(85, 40, FIRMWARE_VERSION, 100);
  PresentLcd();
  PumpHostEvents();
  if (State.PendingKey == KEY_SELECT) {
    State.CalibrateMode = 1;
    AttachedPanel().TickCalibrate();
  }
  State.PendingKey = KEY_NONE;
}

void RunLoopPass() {
  Panel& panel = AttachedPanel();
  MeasureG();
  State.CalibrateMode = panel.CalibrateTicked() ? 1 : 0;
  if (State.BacklightOn == 1) {
    HookBacklightOn();
  } else {
    HookBacklightOff();
  }
  panel.SetLedColour(COLOUR_LED_DARK_RED);
  State.KeyStep = panel.KeyFastTicked() ? 10 : 1;
  panel.SetLcdVisible(false);
  LcdClear();
  // A screen is always set by power-on; a missing one falls back to the main display
  // rather than calling nothing.
  if (State.CurrentScreen == nullptr) {
    State.CurrentScreen = ScreenMain;
  }
  State.CurrentScreen();
  PresentLcd();
  panel.SetLcdVisible(true);
  PumpHostEvents();
}

void PowerOn() {
  Panel& panel = AttachedPanel();
  State.AdcInputY = panel.SliderPositionY();
  State.AdcInputZ = panel.SliderPositionZ();
  ResetMaxValues();
  LoadSettingsDefaults();
  LoadCalibrationDefaults();
  State.CurrentScreen = ScreenMain;
  State.KeyStep = 1;
  HookPowerOnFirst();
  HookPowerOnSecond();
  State.CalibrateMode = 0;
  State.PendingKey = KEY_NONE;
  State.PowerOffRequested = 0;

  int8_t makerX = 114;
  int8_t modelX = -20;
  for (int pass = 0; pass < SPLASH_PASSES; ++pass) {
    SplashPass(makerX, modelX);
  }

  for (int i = 0; i < WARM_UP_PASSES; ++i) {
    MeasureG();
  }
  HookRunLoopEnter();

  while (State.PowerOffRequested == 0) {
    RunLoopPass();
  }
}
