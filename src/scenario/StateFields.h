// Names for what a scenario (or a soak) can read: every field of the instrument state, a
// few things the window shows, and the screens by their function names.
#pragma once
#include <cstdint>
#include <string_view>

#include "instrument/InstrumentState.h"

class ScriptedPanel;

struct StateField {
  const char* Name;  // the field's name; array elements as CodeDigits[2], GHistory[9]
  int64_t (*Read)(const ScriptedPanel& panel);
};

// The integer fields of InstrumentState (all but the frame buffer and the two screens),
// then the window's side as Panel.<name>.
extern const StateField STATE_FIELDS[];
extern const int STATE_FIELD_COUNT;
// How many leading entries of STATE_FIELDS are instrument-state fields.
extern const int INSTRUMENT_FIELD_COUNT;

// nullptr when no field has that name (names are matched exactly).
const StateField* FindStateField(std::string_view name);

struct ScreenName {
  const char* Name;
  ScreenHandler Screen;
};

extern const ScreenName SCREEN_NAMES[];
extern const int SCREEN_NAME_COUNT;

// The screen of that name; found is false for an unknown name. "none" is the empty screen.
ScreenHandler FindScreen(std::string_view name, bool* found);
// The name of a screen: "none" for no screen, "unknown" for a function not in the table.
const char* NameOfScreen(ScreenHandler screen);
