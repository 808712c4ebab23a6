// G from the two accelerometer channels, its ten-pass average, and the statistics kept on it.
#pragma once
#include <cstdint>

constexpr int G_HISTORY_LENGTH = 10;

// One measurement pass: samples both channels, computes and averages G, updates the
// maxima, the temporary extremes, the cycle counters and the alarm flags.
void MeasureG();

// The instantaneous G in tenths of g for raw samples under the stored calibration
// (the part of MeasureG before the averaging).
int32_t InstantaneousG(int32_t adcY, int32_t adcZ);

// MaxPos and MaxNeg take GNow; calls HookMaxValuesReset.
void ResetMaxValues();
// TempMax and TempMin take GNow.
void ResetTempMax();
// Both cycle counters to 0; calls HookCyclesReset. The latches are left as they are.
void ResetCycleCounters();
