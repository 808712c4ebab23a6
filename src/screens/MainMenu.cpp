// The main menu: one entry at a time, its name in tall letters beside its icon, with a
// scroll bar for 3 entries, or 5 with the service entries of calibrate mode.
#include <cstdint>
#include <iterator>

#include "instrument/Hooks.h"
#include "instrument/InstrumentState.h"
#include "lcd/Furniture.h"
#include "lcd/Icons.h"
#include "lcd/Text.h"
#include "screens/Keys.h"
#include "screens/ScreenKit.h"
#include "screens/Screens.h"
#include "screens/Texts.h"

namespace {

constexpr uint8_t LAST_ENTRY = 2;
constexpr uint8_t LAST_SERVICE_ENTRY = 4;

constexpr uint8_t TEXT_CENTRE_X = 73;
constexpr uint8_t FIRST_LINE_Y = 18;
constexpr uint8_t SECOND_LINE_Y = 36;
constexpr uint8_t SINGLE_LINE_Y = 26;

struct MenuEntry {
  TextId line1;
  TextId line2;
  bool englishSingleLine;
  bool frenchSingleLine;
  uint8_t icon;
  ScreenHandler opens;
};

// Indexed by Cursor. French EXIT MENU is the one word "SORTIE".
constexpr MenuEntry kEntries[] = {
    {TXT_MENU_EXIT_1, TXT_MENU_EXIT_2, false, true, ICON_EXIT, ScreenMain},
    {TXT_MENU_DISPLAY_1, TXT_MENU_DISPLAY_2, false, false, ICON_DISPLAY_SETUP, ScreenDisplaySetup},
    {TXT_MENU_GFORCE_1, TXT_MENU_GFORCE_2, false, false, ICON_GFORCE_SETUP, ScreenGForceSetup},
    {TXT_MENU_ADC_1, TXT_MENU_ADC_2, false, false, ICON_ADC_VALUES, ScreenAdcValues},
    {TXT_MENU_CALIBRATE, TXT_MENU_CALIBRATE, true, true, ICON_CALIBRATE, ScreenCalibrate},
};
constexpr uint8_t ENTRY_COUNT = static_cast<uint8_t>(std::size(kEntries));
static_assert(ENTRY_COUNT == LAST_SERVICE_ENTRY + 1);

// The entry at Cursor, or none for a cursor beyond the list.
const MenuEntry* SelectedEntry() { return State.Cursor < ENTRY_COUNT ? &kEntries[State.Cursor] : nullptr; }

void DrawEntry(const MenuEntry& entry) {
  const bool singleLine = State.Language == 0 ? entry.englishSingleLine : entry.frenchSingleLine;
  if (singleLine) {
    LcdTextCenteredConst(TEXT_CENTRE_X, SINGLE_LINE_Y, Text(entry.line1), 1, 0);
  } else {
    LcdTextCenteredConst(TEXT_CENTRE_X, FIRST_LINE_Y, Text(entry.line1), 1, 0);
    LcdTextCenteredConst(TEXT_CENTRE_X, SECOND_LINE_Y, Text(entry.line2), 1, 0);
  }
  LcdIcon(entry.icon);
}

}  // namespace

void ScreenMainMenu() {
  const bool serviceEntries = State.CalibrateMode == 1;
  LcdTitle(Text(TXT_MAIN_MENU_TITLE));
  LcdScrollBar(State.Cursor, serviceEntries ? LAST_SERVICE_ENTRY + 1 : LAST_ENTRY + 1);
  const MenuEntry* entry = SelectedEntry();
  if (entry != nullptr) {
    DrawEntry(*entry);
  }

  const uint8_t key = TakePendingKey();
  if (key == KEY_SELECT) {
    // A service entry still opens when calibrate mode was cleared while it was shown.
    if (entry == nullptr) {
      return;
    }
    if (State.Cursor == 0) {
      HookSettingsChanged();  // leaving the menu: the settings may have changed
    }
    State.CurrentScreen = entry->opens;
    State.Cursor = 0;
    State.EditMode = 0;
    return;
  }
  // Down stops at the last entry present; a service entry left over from calibrate mode
  // is beyond it, so only the up keys move from there.
  MoveListCursor(key, serviceEntries ? LAST_SERVICE_ENTRY : LAST_ENTRY);
}
