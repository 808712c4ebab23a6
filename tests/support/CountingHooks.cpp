// The hooks for test builds: each call is counted and shown to the observer.
#include "support/CountingHooks.h"

#include "instrument/Hooks.h"

HookCounters HookCalls;
std::function<void(HookId)> HookObserver;

void ResetHookCounters() {
  HookCalls = HookCounters{};
  HookObserver = nullptr;
}

namespace {

void Count(HookId id) {
  ++HookCalls.calls[static_cast<int>(id)];
  if (HookObserver) HookObserver(id);
}

}  // namespace

void HookSettingsChanged() { Count(HookId::SettingsChanged); }
void HookContrastChanged() { Count(HookId::ContrastChanged); }
void HookBacklightOn() { Count(HookId::BacklightOn); }
void HookBacklightOff() { Count(HookId::BacklightOff); }
void HookMaxValuesReset() { Count(HookId::MaxValuesReset); }
void HookCyclesReset() { Count(HookId::CyclesReset); }
void HookPowerOnFirst() { Count(HookId::PowerOnFirst); }
void HookPowerOnSecond() { Count(HookId::PowerOnSecond); }
void HookRunLoopEnter() { Count(HookId::RunLoopEnter); }
