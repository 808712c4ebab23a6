// Counting versions of the hardware hooks, linked into the tests in place of the empty ones.
#pragma once
#include <functional>

enum class HookId {
  SettingsChanged,
  ContrastChanged,
  BacklightOn,
  BacklightOff,
  MaxValuesReset,
  CyclesReset,
  PowerOnFirst,
  PowerOnSecond,
  RunLoopEnter,
  Count
};

struct HookCounters {
  int calls[static_cast<int>(HookId::Count)] = {};
  int operator[](HookId id) const { return calls[static_cast<int>(id)]; }
};

// Calls so far, per hook.
extern HookCounters HookCalls;
// Optional observer, called at every hook call with its id (to check state at that moment).
extern std::function<void(HookId)> HookObserver;

// Zeroes the counters and removes the observer.
void ResetHookCounters();
