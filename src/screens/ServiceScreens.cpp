// The service screens: CALIBRATE (the 1 g and 0 g captures), Z-AXIS CAL (the zero trim of
// channel Y) and ADC VALUES (the raw samples).
#include <cstdio>

#include "instrument/Hooks.h"
#include "instrument/InstrumentState.h"
#include "lcd/Furniture.h"
#include "lcd/Text.h"
#include "measurement/Calibration.h"
#include "screens/Keys.h"
#include "screens/ScreenKit.h"
#include "screens/Screens.h"
#include "screens/Texts.h"

namespace {

constexpr uint8_t ROW_DONE = 0;
constexpr uint8_t ROW_ONE_G = 1;
constexpr uint8_t ROW_ZERO_G = 2;
constexpr uint8_t CALIBRATE_LAST_ROW = ROW_ZERO_G;

// "GF: -214748364.7" and "FORCEG Y: 4294967295", the longest the 32-bit values give.
constexpr int READOUT_TEXT_SIZE = 24;
constexpr int SAMPLE_TEXT_SIZE = 24;

// The main menu's entries for the screens that return to it.
constexpr uint8_t MENU_ADC_VALUES = 3;
constexpr uint8_t MENU_CALIBRATE = 4;

// Inverse values other than 1 draw normally: the sample rows are never highlighted.
constexpr uint8_t NEVER_INVERSE = 100;

void DrawSample(uint8_t y, TextId format, int32_t sample) {
  char text[SAMPLE_TEXT_SIZE];
  std::snprintf(text, sizeof text, Text(format), static_cast<unsigned>(sample));
  LcdRowText(0, y, text, NEVER_INVERSE);
}

}  // namespace

void ScreenCalibrate() {
  LcdTitle(Text(TXT_CALIBRATE_TITLE));
  DrawDoneRow();
  LcdTextConst(0, 16, Text(TXT_CALIBRATE_1G), 0, InverseWhen(State.Cursor == ROW_ONE_G));
  LcdTextConst(0, 24, Text(TXT_CALIBRATE_0G), 0, InverseWhen(State.Cursor == ROW_ZERO_G));

  const uint8_t key = TakePendingKey();
  if (key != KEY_SELECT) {
    MoveListCursor(key, CALIBRATE_LAST_ROW);
    return;
  }
  // The captures use the samples MeasureG took at the start of this pass. DONE comes back
  // here with Cursor untouched, so the row just used stays selected.
  switch (State.Cursor) {
    case ROW_DONE:
      State.Cursor = MENU_CALIBRATE;
      State.CurrentScreen = ScreenMainMenu;
      HookSettingsChanged();
      break;
    case ROW_ONE_G:
      CalibrateOneG();
      State.ReturnScreen = ScreenCalibrate;
      State.CurrentScreen = ScreenDone;
      break;
    case ROW_ZERO_G:
      CalibrateZeroG();
      State.ReturnScreen = ScreenCalibrate;
      State.CurrentScreen = ScreenDone;
      break;
    default:
      break;
  }
}

void ScreenZAxisCal() {
  LcdTitle(Text(TXT_ZAXIS_TITLE));
  LcdTextCenteredConst(57, 8, Text(TXT_ZAXIS_LINE_1), 0, 0);
  LcdTextCenteredConst(57, 16, Text(TXT_ZAXIS_LINE_2), 0, 0);
  LcdTextCenteredConst(57, 24, Text(TXT_ZAXIS_LINE_3), 0, 0);
  LcdTextCenteredConst(57, 32, Text(TXT_ZAXIS_LINE_4), 0, 0);
  LcdTextCenteredConst(57, 40, Text(TXT_ZAXIS_LINE_5), 0, 0);
  // Tall at row 50: the glyphs' blank bottom row falls below the display.
  char readout[READOUT_TEXT_SIZE];
  std::snprintf(readout, sizeof readout, Text(TXT_ZAXIS_READOUT_FORMAT), State.GNow * 0.1);
  LcdTextCentered(57, 50, readout, 1, 0);

  // The trim moves ZeroY by exactly one count whatever KeyStep is.
  const uint8_t key = TakePendingKey();
  if (key == KEY_SELECT) {
    State.CurrentScreen = State.ReturnScreen;
    HookSettingsChanged();
  } else if (IsRaiseKey(key)) {
    TrimZeroY(+1);
  } else if (IsLowerKey(key)) {
    TrimZeroY(-1);
  }
}

void ScreenAdcValues() {
  LcdTitle(Text(TXT_ADC_VALUES_TITLE));
  DrawDoneRow();
  DrawSample(16, TXT_ADC_Y_FORMAT, State.AdcY);
  DrawSample(24, TXT_ADC_Z_FORMAT, State.AdcZ);

  // Nothing moves the cursor here: it is 0 on entry, so DONE is always selected.
  const uint8_t key = TakePendingKey();
  if (key == KEY_SELECT && State.Cursor == ROW_DONE) {
    State.Cursor = MENU_ADC_VALUES;
    State.CurrentScreen = ScreenMainMenu;
  }
}
