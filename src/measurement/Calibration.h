// Calibration: a zero and a span per channel, their defaults, the two captures and the trim.
// Spans are 2.5 x the counts per g, so a component is (count - zero) x 250 / span hundredths.
#pragma once
#include <cstdint>

// ZeroY 2048, SpanY 1000, ZeroZ 2048, SpanZ 1000, then HookSettingsChanged.
void LoadCalibrationDefaults();
// Capture at 1 g on Z (normal orientation): ZeroY from AdcY, SpanZ from the Z deflection.
void CalibrateOneG();
// Capture at 0 g on Z (Y carries 1 g): ZeroZ from AdcZ, SpanY from the Y deflection.
void CalibrateZeroG();
// The Z-AXIS CAL trim: moves ZeroY by delta, with no bound.
void TrimZeroY(int32_t delta);
