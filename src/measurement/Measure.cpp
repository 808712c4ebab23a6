// MeasureG and the resets of its statistics.
#include "measurement/Measure.h"

#include <cmath>
#include <limits>

#include "instrument/Hardware.h"
#include "instrument/Hooks.h"
#include "instrument/InstrumentState.h"

// Worked in 64 bits so that no zero, span or input can overflow it, and held within 32 bits
// so the sum of squares fits in 64. A span of 0 (a capture at zero deflection) gives 0 until
// a capture or power-on stores a real span.
int64_t GComponent(int32_t count, int32_t zero, int32_t span) {
  if (span == 0) {
    return 0;
  }
  const int64_t value = (int64_t{count} - zero) * 250 / span;
  constexpr int64_t limit = std::numeric_limits<int32_t>::max();
  return value > limit ? limit : (value < -limit ? -limit : value);
}

int32_t InstantaneousG(int32_t adcY, int32_t adcZ) {
  const int64_t y = GComponent(adcY, State.ZeroY, State.SpanY);
  const int64_t z = GComponent(adcZ, State.ZeroZ, State.SpanZ);
  const uint64_t sumOfSquares = static_cast<uint64_t>(y * y) + static_cast<uint64_t>(z * z);
  const int64_t magnitude = static_cast<int64_t>(std::sqrt(static_cast<double>(sumOfSquares)));
  const int64_t tenths = magnitude / 10 + (magnitude % 10 > 4 ? 1 : 0);
  // A Z component below zero is positive G; zero or above is negative G (or zero).
  return static_cast<int32_t>(z < 0 ? tenths : -tenths);
}

void MeasureG() {
  State.AdcY = ReadAdc(AdcChannelY);
  State.AdcZ = ReadAdc(AdcChannelZ);
  const int32_t instantaneous = InstantaneousG(State.AdcY, State.AdcZ);

  int64_t sum = 0;
  for (int i = 0; i < G_HISTORY_LENGTH - 1; ++i) {
    State.GHistory[i] = State.GHistory[i + 1];
    sum += State.GHistory[i];
  }
  State.GHistory[G_HISTORY_LENGTH - 1] = instantaneous;
  sum += instantaneous;
  State.GNow = static_cast<int32_t>(sum / G_HISTORY_LENGTH);

  if (State.GNow > State.MaxPos) State.MaxPos = State.GNow;
  if (State.GNow > State.TempMax) State.TempMax = State.GNow;
  if (State.GNow < State.MaxNeg) State.MaxNeg = State.GNow;
  if (State.GNow < State.TempMin) State.TempMin = State.GNow;

  bool beyondLimit = false;
  if (State.GNow > int32_t{State.CycleLimitPos}) {
    beyondLimit = true;
    if (State.CycleLatchPos == 0) {
      State.CycleLatchPos = 1;
      ++State.CyclesPos;
    }
  } else {
    State.CycleLatchPos = 0;
  }
  if (State.GNow < int32_t{State.CycleLimitNeg}) {
    beyondLimit = true;
    if (State.CycleLatchNeg == 0) {
      State.CycleLatchNeg = 1;
      ++State.CyclesNeg;
    }
  } else {
    State.CycleLatchNeg = 0;
  }

  if (beyondLimit) {
    State.AlarmActive = 1;
  } else {
    State.AlarmActive = 0;
    State.AlarmAcknowledged = 0;
  }
}

void ResetMaxValues() {
  State.MaxPos = State.GNow;
  State.MaxNeg = State.GNow;
  HookMaxValuesReset();
}

void ResetTempMax() {
  State.TempMax = State.GNow;
  State.TempMin = State.GNow;
}

void ResetCycleCounters() {
  State.CyclesPos = 0;
  State.CyclesNeg = 0;
  HookCyclesReset();
}
