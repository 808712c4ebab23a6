// Hardware hooks: the moments at which real hardware would act. Empty in the simulator;
// they live in a library of their own so tests can link counting versions instead.
#pragma once

void HookSettingsChanged();
void HookContrastChanged();
void HookBacklightOn();
void HookBacklightOff();
void HookMaxValuesReset();
void HookCyclesReset();
void HookPowerOnFirst();
void HookPowerOnSecond();
void HookRunLoopEnter();
