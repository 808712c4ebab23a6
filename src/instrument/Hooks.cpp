// The simulator's hooks do nothing: there is no backlight, contrast driver or settings store.
#include "instrument/Hooks.h"

void HookSettingsChanged() {}
void HookContrastChanged() {}
void HookBacklightOn() {}
void HookBacklightOff() {}
void HookMaxValuesReset() {}
void HookCyclesReset() {}
void HookPowerOnFirst() {}
void HookPowerOnSecond() {}
void HookRunLoopEnter() {}
