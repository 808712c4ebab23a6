// GFORCE SETUP: the G bar's span, the two cycle limits, the Z-axis trim and the code row.
#include <cstdio>

#include "instrument/InstrumentState.h"
#include "lcd/Furniture.h"
#include "lcd/Text.h"
#include "screens/Keys.h"
#include "screens/ScreenKit.h"
#include "screens/Screens.h"
#include "screens/Texts.h"

namespace {

constexpr uint8_t ROW_DONE = 0;
constexpr uint8_t ROW_SPAN = 1;
constexpr uint8_t ROW_CYCLE_POS = 2;
constexpr uint8_t ROW_CYCLE_NEG = 3;
constexpr uint8_t ROW_ZAXIS = 4;
constexpr uint8_t ROW_CODE = 5;
constexpr uint8_t LAST_ROW = ROW_CODE;

constexpr uint8_t SPAN_MIN = 2;
constexpr uint8_t SPAN_MAX = 12;

// "%dg" of an 8-bit value ("255g") and "%+.1fg" of a signed 8-bit one ("-12.8g").
constexpr int SPAN_TEXT_SIZE = 8;
constexpr int LIMIT_TEXT_SIZE = 12;

// The code row's four words; French puts them at other places.
struct CodeWordPlaces {
  uint8_t x[4];
};
constexpr CodeWordPlaces kCodeWordsEnglish = {{0, 32, 54, 83}};
constexpr CodeWordPlaces kCodeWordsFrench = {{0, 40, 70, 99}};
constexpr TextId kCodeWords[4] = {TXT_CODE_ROW_WORD_1, TXT_CODE_ROW_WORD_2, TXT_CODE_ROW_WORD_3,
                                  TXT_CODE_ROW_WORD_4};

void DrawLimitRow(uint8_t row, TextId label, int8_t limit) {
  char value[LIMIT_TEXT_SIZE];
  std::snprintf(value, sizeof value, "%+.1fg", limit / 10.0);
  LcdMenuRow(0, row, Text(label), value);
}

void DrawGForceSetup() {
  LcdTitle(Text(TXT_GFORCE_SETUP_TITLE));
  DrawDoneRow();

  char span[SPAN_TEXT_SIZE];
  std::snprintf(span, sizeof span, "%dg", State.GfSpan);
  LcdMenuRow(0, ROW_SPAN, Text(TXT_GF_SPAN_LABEL), span);
  DrawLimitRow(ROW_CYCLE_POS, TXT_CYCLE_POS_LABEL, State.CycleLimitPos);
  DrawLimitRow(ROW_CYCLE_NEG, TXT_CYCLE_NEG_LABEL, State.CycleLimitNeg);

  LcdRowTextConst(0, 40, Text(TXT_ZAXIS_CAL_ROW), InverseWhen(State.Cursor == ROW_ZAXIS));

  // The first word's trailing spaces, inverse, make one bar behind the other three.
  const CodeWordPlaces& places = State.Language == 0 ? kCodeWordsEnglish : kCodeWordsFrench;
  const uint8_t inverse = InverseWhen(State.Cursor == ROW_CODE);
  for (int i = 0; i < 4; ++i) {
    LcdTextConst(places.x[i], 48, Text(kCodeWords[i]), 0, inverse);
  }
}

// 2 to 12 by one, wrapping; an out-of-range value comes back into range.
void StepSpan(bool raise) {
  if (raise) {
    State.GfSpan = State.GfSpan >= SPAN_MAX || State.GfSpan < SPAN_MIN ? SPAN_MIN : State.GfSpan + 1;
  } else {
    State.GfSpan = State.GfSpan <= SPAN_MIN || State.GfSpan > SPAN_MAX ? SPAN_MAX : State.GfSpan - 1;
  }
}

// The limits are stepped and compared at full width, so no step overflows the 8-bit store.
// The positive limit rises to 119 then wraps to 1, and falls to 2 then wraps to 120.
void StepCycleLimitPos(bool raise) {
  const int32_t value = State.CycleLimitPos;
  int32_t next = raise ? value + State.KeyStep : value - State.KeyStep;
  if (raise && next >= 120) next = 1;
  if (!raise && next <= 1) next = 120;
  State.CycleLimitPos = static_cast<int8_t>(next);
}

// Raising the negative limit makes it more negative: to -119, then -1. Lowering moves it
// towards zero: to 0, then -120.
void StepCycleLimitNeg(bool raise) {
  const int32_t value = State.CycleLimitNeg;
  int32_t next = raise ? value - State.KeyStep : value + State.KeyStep;
  if (raise && next <= -120) next = -1;
  if (!raise && next >= 1) next = -120;
  State.CycleLimitNeg = static_cast<int8_t>(next);
}

void HandleListSelect() {
  switch (State.Cursor) {
    case ROW_DONE:
      State.CurrentScreen = ScreenMainMenu;
      State.Cursor = 2;  // the menu's G-FORCE SETUP entry
      State.EditMode = 0;
      break;
    case ROW_SPAN:
    case ROW_CYCLE_POS:
    case ROW_CYCLE_NEG:
      State.EditMode = 1;
      break;
    case ROW_ZAXIS:
      // Cursor stays on this row, so the trim screen comes back to it.
      State.ReturnScreen = ScreenGForceSetup;
      State.CurrentScreen = ScreenZAxisCal;
      State.EditMode = 0;
      break;
    case ROW_CODE:
      State.Cursor = 0;
      State.CurrentScreen = ScreenEnterCurrentCode;
      break;
    default:
      break;
  }
}

void HandleEditKey(uint8_t key) {
  const bool raise = IsRaiseKey(key);
  if (!raise && !IsLowerKey(key)) {
    return;
  }
  switch (State.Cursor) {
    case ROW_SPAN:
      StepSpan(raise);
      break;
    case ROW_CYCLE_POS:
      StepCycleLimitPos(raise);
      break;
    case ROW_CYCLE_NEG:
      StepCycleLimitNeg(raise);
      break;
    default:
      break;
  }
}

}  // namespace

void ScreenGForceSetup() {
  DrawGForceSetup();
  const uint8_t key = TakePendingKey();
  if (key == KEY_NONE) {
    return;
  }
  if (key == KEY_SELECT) {
    if (State.EditMode == 0) {
      HandleListSelect();
    } else {
      State.EditMode = 0;
    }
    // Any code change in progress is abandoned, and code entry starts from 0000.
    State.PendingCode = 0;
    for (uint8_t& digit : State.CodeDigits) digit = 0;
    return;
  }
  if (State.EditMode == 0) {
    MoveListCursor(key, LAST_ROW);
  } else {
    HandleEditKey(key);
  }
}
