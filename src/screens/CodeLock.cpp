// The code lock: four code entry screens sharing one digit editor, and the two code messages.
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

constexpr uint8_t LAST_DIGIT = 3;
constexpr uint8_t DIGIT_X[4] = {38, 48, 58, 68};
// "%d" of an 8-bit digit, should one ever hold more than 9.
constexpr int DIGIT_TEXT_SIZE = 4;
// The code row of the G-force setup screen, where the code change comes back to.
constexpr uint8_t GFORCE_CODE_ROW = 5;
constexpr int32_t NO_CODE_YET = -1;

void ClearCodeDigits() {
  for (uint8_t& digit : State.CodeDigits) digit = 0;
}

int32_t EnteredCode() {
  const uint8_t* d = State.CodeDigits;
  return 1000 * d[0] + 100 * d[1] + 10 * d[2] + d[3];
}

void DrawCodeEntry(TextId line1, TextId line2) {
  LcdTextCenteredConst(57, 5, Text(line1), 1, 0);
  LcdTextCenteredConst(57, 25, Text(line2), 1, 0);
  for (uint8_t i = 0; i <= LAST_DIGIT; ++i) {
    char digit[DIGIT_TEXT_SIZE];
    std::snprintf(digit, sizeof digit, "%d", State.CodeDigits[i]);
    LcdText(DIGIT_X[i], 48, digit, 1, InverseWhen(State.Cursor == i));
  }
}

// The digit editor shared by the four entry screens: draws the screen and handles one key.
// Returns the entered code once the fourth KEY_SELECT completes it, NO_CODE_YET otherwise.
// Each digit wraps by itself without carrying, and the cursor only moves forward.
int32_t CodeEntry(TextId line1, TextId line2) {
  // Cursor indexes CodeDigits here; a screen entered with it beyond the last digit edits the
  // last one rather than memory past the digits.
  if (State.Cursor > LAST_DIGIT) State.Cursor = LAST_DIGIT;
  DrawCodeEntry(line1, line2);

  const uint8_t key = TakePendingKey();
  uint8_t& digit = State.CodeDigits[State.Cursor];
  if (IsRaiseKey(key)) {
    digit = digit >= 9 ? 0 : digit + 1;
  } else if (IsLowerKey(key)) {
    digit = digit == 0 || digit > 9 ? 9 : digit - 1;
  } else if (key == KEY_SELECT) {
    if (State.Cursor < LAST_DIGIT) {
      ++State.Cursor;
    } else {
      return EnteredCode();
    }
  }
  return NO_CODE_YET;
}

// Where every outcome of a code change ends: a message, then G-force setup on its code row.
void EndCodeChange(ScreenHandler message) {
  State.Cursor = GFORCE_CODE_ROW;
  State.ReturnScreen = ScreenGForceSetup;
  State.CurrentScreen = message;
}

void StartNextCodeStep(ScreenHandler next) {
  ClearCodeDigits();
  State.Cursor = 0;
  State.CurrentScreen = next;
}

void CodeMessage(TextId line1, TextId line2) {
  LcdTitle(Text(TXT_MESSAGE_TITLE));
  LcdIcon(ICON_MESSAGE);
  LcdTextCenteredConst(78, 16, Text(line1), 1, 0);
  LcdTextCenteredConst(78, 38, Text(line2), 1, 0);
  const uint8_t key = TakePendingKey();
  if (key >= KEY_SELECT && key <= KEY_F2) {
    State.CurrentScreen = State.ReturnScreen;
  }
}

}  // namespace

void ScreenEnterCurrentCode() {
  const int32_t code = CodeEntry(TXT_ENTER_CURRENT_1, TXT_ENTER_CURRENT_2);
  if (code == NO_CODE_YET) {
    return;
  }
  if (code == State.ResetCode || code == MasterCode) {
    StartNextCodeStep(ScreenEnterNewCode);
  } else {
    EndCodeChange(ScreenCodeIncorrect);
  }
}

void ScreenEnterNewCode() {
  const int32_t code = CodeEntry(TXT_ENTER_NEW_1, TXT_ENTER_NEW_2);
  if (code == NO_CODE_YET) {
    return;
  }
  // Any code is taken; 0 removes the lock once confirmed.
  State.PendingCode = code;
  StartNextCodeStep(ScreenConfirmNewCode);
}

void ScreenConfirmNewCode() {
  const int32_t code = CodeEntry(TXT_CONFIRM_NEW_1, TXT_CONFIRM_NEW_2);
  if (code == NO_CODE_YET) {
    return;
  }
  if (code == State.PendingCode) {
    State.ResetCode = State.PendingCode;
    EndCodeChange(ScreenCodeChanged);
  } else {
    EndCodeChange(ScreenCodeIncorrect);
  }
}

// Only the stored code resets the maxima; the master code counts only if it is the stored one.
// Cursor is left on the last digit.
void ScreenEnterResetCode() {
  const int32_t code = CodeEntry(TXT_ENTER_RESET_1, TXT_ENTER_RESET_2);
  if (code == NO_CODE_YET) {
    return;
  }
  State.ReturnScreen = ScreenMain;
  if (code == State.ResetCode) {
    ResetMaxValues();
    State.CurrentScreen = ScreenDone;
  } else {
    State.CurrentScreen = ScreenCodeIncorrect;
  }
}

void ScreenCodeIncorrect() { CodeMessage(TXT_CODE_INCORRECT_1, TXT_CODE_INCORRECT_2); }

void ScreenCodeChanged() { CodeMessage(TXT_CODE_CHANGED_1, TXT_CODE_CHANGED_2); }
