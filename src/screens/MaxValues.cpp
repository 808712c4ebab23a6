// MAX VALUES, the two reset confirmations and the DONE message. F1, marked on the display
// by the inverse RESET label, performs the reset; every other key goes back to the main display.
#include <cstdint>
#include <cstdio>

#include "instrument/InstrumentState.h"
#include "lcd/Furniture.h"
#include "lcd/Icons.h"
#include "lcd/Text.h"
#include "measurement/Measure.h"
#include "screens/Keys.h"
#include "screens/ScreenKit.h"
#include "screens/Screens.h"
#include "screens/Texts.h"

namespace {

// Room for "MAX GF+:%+5.1fg" of any int32 in tenths (21 characters), with spare.
constexpr int LINE_BUFFER_SIZE = 32;

void DrawResetKeyLabel() { LcdTextConst(0, 56, Text(TXT_RESET_KEY_LABEL), 0, 1); }

void DrawMaxLine(uint8_t y, TextId format, int32_t tenths) {
  char line[LINE_BUFFER_SIZE];
  std::snprintf(line, sizeof line, Text(format), tenths * 0.1);
  LcdText(0, y, line, 1, 0);
}

// The frame both reset confirmations share: the question icon and three centred lines.
void DrawResetQuestion(TextId line2, TextId line3) {
  LcdIcon(ICON_QUESTION);
  LcdTextCenteredConst(80, 3, Text(TXT_RESET_LINE_1), 1, 0);
  LcdTextCenteredConst(80, 20, Text(line2), 1, 0);
  LcdTextCenteredConst(80, 37, Text(line3), 1, 0);
  DrawResetKeyLabel();
}

// SELECT, CW, CCW and F2: the keys that leave these screens; no other code has an effect.
bool IsBackKey(uint8_t key) { return key == KEY_SELECT || key == KEY_CW || key == KEY_CCW || key == KEY_F2; }

// The reset has happened by the time DONE is first drawn.
void ConfirmReset(void (*reset)()) {
  reset();
  State.ReturnScreen = ScreenMain;
  State.CurrentScreen = ScreenDone;
}

// F1 confirms; the other keys leave without a reset.
void HandleResetKey(uint8_t key, void (*reset)()) {
  if (key == KEY_F1) {
    ConfirmReset(reset);
  } else if (IsBackKey(key)) {
    State.CurrentScreen = ScreenMain;
  }
}

}  // namespace

void ScreenMaxValues() {
  LcdTitle(Text(TXT_MAX_VALUES_TITLE));
  DrawMaxLine(14, TXT_MAX_GF_POS_FORMAT, State.MaxPos);
  DrawMaxLine(34, TXT_MAX_GF_NEG_FORMAT, State.MaxNeg);
  DrawResetKeyLabel();

  const uint8_t key = TakePendingKey();
  if (key == KEY_F1) {
    // The code screen always starts from 0000 on its first digit.
    for (uint8_t& digit : State.CodeDigits) digit = 0;
    State.Cursor = 0;
    if (State.ResetCode == 0) {
      ConfirmReset(ResetMaxValues);
    } else {
      State.CurrentScreen = ScreenEnterResetCode;  // resets the maxima itself on the right code
    }
  } else if (IsBackKey(key)) {
    State.CurrentScreen = ScreenMain;
  }
}

void ScreenResetTempMax() {
  DrawResetQuestion(TXT_RESET_TEMP_2, TXT_RESET_TEMP_3);
  HandleResetKey(TakePendingKey(), ResetTempMax);
}

void ScreenResetCycles() {
  DrawResetQuestion(TXT_RESET_CYCLES_2, TXT_RESET_CYCLES_3);
  HandleResetKey(TakePendingKey(), ResetCycleCounters);
}

void ScreenDone() {
  LcdTitle(Text(TXT_MESSAGE_TITLE));
  LcdIcon(ICON_MESSAGE);
  LcdTextCenteredConst(78, 26, Text(TXT_DONE_MESSAGE), 1, 0);

  const uint8_t key = TakePendingKey();
  if (key == KEY_F1 || IsBackKey(key)) {
    // A caller always sets ReturnScreen; without one the main display is the way home.
    State.CurrentScreen = State.ReturnScreen != nullptr ? State.ReturnScreen : ScreenMain;
  }
}
