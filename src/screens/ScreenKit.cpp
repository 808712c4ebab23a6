// Key handling shared by the screens.
#include "screens/ScreenKit.h"

#include "instrument/InstrumentState.h"
#include "lcd/Text.h"
#include "screens/Keys.h"
#include "screens/Texts.h"

uint8_t TakePendingKey() {
  const uint8_t key = State.PendingKey;
  State.PendingKey = KEY_NONE;
  return key;
}

bool IsRaiseKey(uint8_t key) { return key == KEY_CW || key == KEY_F1; }

bool IsLowerKey(uint8_t key) { return key == KEY_CCW || key == KEY_F2; }

bool MoveListCursor(uint8_t key, uint8_t lastRow) {
  if (key == KEY_CW || key == KEY_F2) {
    if (State.Cursor < lastRow) ++State.Cursor;
    return true;
  }
  if (key == KEY_CCW || key == KEY_F1) {
    if (State.Cursor > 0) --State.Cursor;
    return true;
  }
  return false;
}

void DrawDoneRow() { LcdTextCenteredConst(57, 8, Text(TXT_DONE_ROW), 0, InverseWhen(State.Cursor == 0)); }
