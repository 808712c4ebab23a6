// The table of readable fields and the table of screen names.
#include "scenario/StateFields.h"

#include "scripted/ScriptedPanel.h"
#include "screens/Screens.h"

#define TQ4_FIELD(name) {#name, [](const ScriptedPanel&) -> int64_t { return State.name; }}
#define TQ4_ELEMENT(name, i) \
  {#name "[" #i "]", [](const ScriptedPanel&) -> int64_t { return State.name[i]; }}
#define TQ4_PANEL(name, expr) \
  {"Panel." #name, [](const ScriptedPanel& p) -> int64_t { return static_cast<int64_t>(expr); }}

const StateField STATE_FIELDS[] = {
    TQ4_FIELD(Cursor),
    TQ4_FIELD(EditMode),
    TQ4_ELEMENT(CodeDigits, 0),
    TQ4_ELEMENT(CodeDigits, 1),
    TQ4_ELEMENT(CodeDigits, 2),
    TQ4_ELEMENT(CodeDigits, 3),
    TQ4_FIELD(PendingCode),
    TQ4_FIELD(PendingKey),
    TQ4_FIELD(KeyStep),
    TQ4_FIELD(AdcY),
    TQ4_FIELD(AdcZ),
    TQ4_FIELD(CyclesPos),
    TQ4_FIELD(CyclesNeg),
    TQ4_FIELD(MaxPos),
    TQ4_FIELD(MaxNeg),
    TQ4_FIELD(TempMax),
    TQ4_FIELD(TempMin),
    TQ4_FIELD(GNow),
    TQ4_FIELD(CycleLatchPos),
    TQ4_FIELD(CycleLatchNeg),
    TQ4_ELEMENT(GHistory, 0),
    TQ4_ELEMENT(GHistory, 1),
    TQ4_ELEMENT(GHistory, 2),
    TQ4_ELEMENT(GHistory, 3),
    TQ4_ELEMENT(GHistory, 4),
    TQ4_ELEMENT(GHistory, 5),
    TQ4_ELEMENT(GHistory, 6),
    TQ4_ELEMENT(GHistory, 7),
    TQ4_ELEMENT(GHistory, 8),
    TQ4_ELEMENT(GHistory, 9),
    TQ4_FIELD(AdcInputY),
    TQ4_FIELD(AdcInputZ),
    TQ4_FIELD(Contrast),
    TQ4_FIELD(BacklightOn),
    TQ4_FIELD(GfSpan),
    TQ4_FIELD(CycleLimitPos),
    TQ4_FIELD(CycleLimitNeg),
    TQ4_FIELD(ZeroY),
    TQ4_FIELD(SpanY),
    TQ4_FIELD(ZeroZ),
    TQ4_FIELD(SpanZ),
    TQ4_FIELD(ResetCode),
    TQ4_FIELD(Language),
    TQ4_FIELD(AlarmActive),
    TQ4_FIELD(CalibrateMode),
    TQ4_FIELD(AlarmAcknowledged),
    TQ4_FIELD(PowerOffRequested),
    // The window's side.
    TQ4_PANEL(SliderY, p.SliderY()),
    TQ4_PANEL(SliderZ, p.SliderZ()),
    TQ4_PANEL(LabelY, p.LabelY()),
    TQ4_PANEL(LabelZ, p.LabelZ()),
    TQ4_PANEL(Calibrate, p.Calibrate()),
    TQ4_PANEL(KeyFast, p.KeyFast()),
    TQ4_PANEL(LcdVisible, p.LcdVisible()),
    TQ4_PANEL(Led, p.Led()),
    TQ4_PANEL(Pumps, p.Pumps()),
};

#undef TQ4_FIELD
#undef TQ4_ELEMENT
#undef TQ4_PANEL

const int STATE_FIELD_COUNT = static_cast<int>(sizeof(STATE_FIELDS) / sizeof(STATE_FIELDS[0]));
const int INSTRUMENT_FIELD_COUNT = [] {
  int count = 0;
  while (count < STATE_FIELD_COUNT && std::string_view(STATE_FIELDS[count].Name).substr(0, 6) != "Panel.") {
    ++count;
  }
  return count;
}();

const StateField* FindStateField(std::string_view name) {
  for (int i = 0; i < STATE_FIELD_COUNT; ++i) {
    if (name == STATE_FIELDS[i].Name) return &STATE_FIELDS[i];
  }
  return nullptr;
}

#define TQ4_SCREEN(name) {#name, &name}

const ScreenName SCREEN_NAMES[] = {
    TQ4_SCREEN(ScreenMain),
    TQ4_SCREEN(ScreenMainMenu),
    TQ4_SCREEN(ScreenDisplaySetup),
    TQ4_SCREEN(ScreenContrast),
    TQ4_SCREEN(ScreenGForceSetup),
    TQ4_SCREEN(ScreenEnterCurrentCode),
    TQ4_SCREEN(ScreenEnterNewCode),
    TQ4_SCREEN(ScreenConfirmNewCode),
    TQ4_SCREEN(ScreenEnterResetCode),
    TQ4_SCREEN(ScreenCodeIncorrect),
    TQ4_SCREEN(ScreenCodeChanged),
    TQ4_SCREEN(ScreenMaxValues),
    TQ4_SCREEN(ScreenResetTempMax),
    TQ4_SCREEN(ScreenResetCycles),
    TQ4_SCREEN(ScreenDone),
    TQ4_SCREEN(ScreenCalibrate),
    TQ4_SCREEN(ScreenZAxisCal),
    TQ4_SCREEN(ScreenAdcValues),
};

#undef TQ4_SCREEN

const int SCREEN_NAME_COUNT = static_cast<int>(sizeof(SCREEN_NAMES) / sizeof(SCREEN_NAMES[0]));

ScreenHandler FindScreen(std::string_view name, bool* found) {
  *found = true;
  if (name == "none") return nullptr;
  for (int i = 0; i < SCREEN_NAME_COUNT; ++i) {
    if (name == SCREEN_NAMES[i].Name) return SCREEN_NAMES[i].Screen;
  }
  *found = false;
  return nullptr;
}

const char* NameOfScreen(ScreenHandler screen) {
  if (screen == nullptr) return "none";
  for (int i = 0; i < SCREEN_NAME_COUNT; ++i) {
    if (SCREEN_NAMES[i].Screen == screen) return SCREEN_NAMES[i].Name;
  }
  return "unknown";
}
