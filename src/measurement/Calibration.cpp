// Calibration defaults, captures and trim.
#include "measurement/Calibration.h"

#include <limits>

#include "instrument/Hooks.h"
#include "instrument/InstrumentState.h"

namespace {

// |sample - zero| x 100 / 40, truncating. Worked in 64 bits: a zero trimmed far from the
// input range then gives a large span instead of an overflowed one.
int32_t CaptureSpan(int32_t sample, int32_t zero) {
  const int64_t deflection = int64_t{sample} - zero;
  const int64_t span = (deflection < 0 ? -deflection : deflection) * 100 / 40;
  constexpr int64_t limit = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(span > limit ? limit : span);
}

}  // namespace

void LoadCalibrationDefaults() {
  State.ZeroY = 2048;
  State.SpanY = 1000;
  State.ZeroZ = 2048;
  State.SpanZ = 1000;
  HookSettingsChanged();
}

void CalibrateOneG() {
  State.ZeroY = State.AdcY;
  State.SpanZ = CaptureSpan(State.AdcZ, State.ZeroZ);
}

void CalibrateZeroG() {
  State.ZeroZ = State.AdcZ;
  State.SpanY = CaptureSpan(State.AdcY, State.ZeroY);
}

void TrimZeroY(int32_t delta) {
  // Unsigned arithmetic wraps instead of overflowing at the ends of the 32-bit range.
  State.ZeroY = static_cast<int32_t>(static_cast<uint32_t>(State.ZeroY) + static_cast<uint32_t>(delta));
}
