// G from the two accelerometer channels, its ten-pass average, and the statistics kept on it.
#pragma once
#include <cstdint>

constexpr int G_HISTORY_LENGTH = 10;

// One measurement pass: samples both channels, computes and averages G, updates the
// maxima, the temporary extremes, the cycle counters and the alarm flags.
void MeasureG();

// A channel's component in hundredths of g: (count - zero) x 250 / span, truncating toward
// zero; 0 while the span is 0. Held within +/-(2^31 - 1).
int64_t GComponent(int32_t count, int32_t zero, int32_t span);

// The instantaneous G in tenths of g for raw samples under the stored calibration
// (the part of MeasureG before the averaging).
int32_t InstantaneousG(int32_t adcY, int32_t adcZ);

// MaxPos and MaxNeg take GNow; calls HookMaxValuesReset.
void ResetMaxValues();
// TempMax and TempMin take GNow.
void ResetTempMax();
// Both cycle counters to 0; calls HookCyclesReset. The latches are left as they are.
void ResetCycleCounters();
