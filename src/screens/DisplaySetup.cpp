// DISP SETUP (contrast, backlight, language) and the CONTRAST bar screen.
#include "instrument/Hooks.h"
#include "instrument/InstrumentState.h"
#include "lcd/FrameBuffer.h"
#include "lcd/Furniture.h"
#include "lcd/Text.h"
#include "screens/Keys.h"
#include "screens/ScreenKit.h"
#include "screens/Screens.h"
#include "screens/Texts.h"

namespace {

constexpr uint8_t ROW_DONE = 0;
constexpr uint8_t ROW_CONTRAST = 1;
constexpr uint8_t ROW_BACKLIGHT = 2;
constexpr uint8_t ROW_LANGUAGE = 3;
constexpr uint8_t LAST_ROW = ROW_LANGUAGE;

constexpr uint8_t CONTRAST_MAX = 57;

// 0 becomes 1; anything else, not only 1, becomes 0.
void ToggleBacklight() {
  if (State.BacklightOn == 0) {
    State.BacklightOn = 1;
    HookBacklightOn();
  } else {
    State.BacklightOn = 0;
    HookBacklightOff();
  }
}

void ToggleLanguage() { State.Language = State.Language == 0 ? 1 : 0; }

void DrawDisplaySetup() {
  LcdTitle(Text(TXT_DISP_SETUP_TITLE));
  DrawDoneRow();
  LcdTextConst(0, 16, Text(TXT_ADJ_CONTRAST), 0, InverseWhen(State.Cursor == ROW_CONTRAST));
  LcdMenuRowConst(0, ROW_BACKLIGHT, Text(TXT_BACKLIGHT_LABEL),
                  Text(State.BacklightOn == 1 ? TXT_BACKLIGHT_ON : TXT_BACKLIGHT_OFF));
  LcdMenuRowConst(0, ROW_LANGUAGE, Text(TXT_LANG_LABEL), Text(TXT_LANG_VALUE));
}

void HandleListKey(uint8_t key) {
  if (key != KEY_SELECT) {
    MoveListCursor(key, LAST_ROW);
    return;
  }
  switch (State.Cursor) {
    case ROW_DONE:
      State.CurrentScreen = ScreenMainMenu;
      State.Cursor = 1;  // the menu's DISPLAY SETUP entry
      State.EditMode = 0;
      break;
    case ROW_CONTRAST:
      State.CurrentScreen = ScreenContrast;
      State.Cursor = 0;
      break;
    case ROW_BACKLIGHT:
    case ROW_LANGUAGE:
      State.EditMode = 1;
      break;
    default:
      break;
  }
}

// Every direction key flips the edited setting once; the cursor stays.
void HandleEditKey(uint8_t key) {
  if (key == KEY_SELECT) {
    State.EditMode = 0;
    return;
  }
  if (!IsRaiseKey(key) && !IsLowerKey(key)) {
    return;
  }
  if (State.Cursor == ROW_BACKLIGHT) {
    ToggleBacklight();
  } else if (State.Cursor == ROW_LANGUAGE) {
    ToggleLanguage();
  }
}

}  // namespace

void ScreenDisplaySetup() {
  DrawDisplaySetup();
  const uint8_t key = TakePendingKey();
  if (key == KEY_NONE) {
    return;
  }
  if (State.EditMode == 0) {
    HandleListKey(key);
  } else {
    HandleEditKey(key);
  }
}

void ScreenContrast() {
  LcdTitle(Text(TXT_CONTRAST_TITLE));
  // Two columns per step: 57 fills all 114 columns, 0 leaves the frame empty.
  const uint8_t steps = State.Contrast < CONTRAST_MAX ? State.Contrast : CONTRAST_MAX;
  LcdFillRect(0, 15, static_cast<uint8_t>(2 * steps), 25, 1);
  LcdRect(0, 15, 113, 25, 1);
  LcdTextCenteredConst(57, 40, Text(TXT_CONTRAST_LINE_1), 0, 0);
  LcdTextCenteredConst(57, 48, Text(TXT_CONTRAST_LINE_2), 0, 0);
  LcdTextCenteredConst(57, 56, Text(TXT_CONTRAST_LINE_3), 0, 0);

  const uint8_t key = TakePendingKey();
  if (key == KEY_SELECT) {
    State.CurrentScreen = ScreenDisplaySetup;
    State.Cursor = 1;  // the ADJ CONTRAST row
    HookSettingsChanged();
  } else if (IsRaiseKey(key)) {
    if (State.Contrast < CONTRAST_MAX) ++State.Contrast;
    HookContrastChanged();  // also at the limit
  } else if (IsLowerKey(key)) {
    if (State.Contrast > 0) --State.Contrast;
    HookContrastChanged();
  }
}
