// MeasureG alone: sampling, the components, the square root, the average and the tracking.
#include <benchmark/benchmark.h>

#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "measurement/Calibration.h"
#include "measurement/Measure.h"

namespace {

void SetUp(int32_t y, int32_t z) {
  State = InstrumentState{};
  LoadSettingsDefaults();
  LoadCalibrationDefaults();
  State.AdcInputY = y;
  State.AdcInputZ = z;
}

// A steady input: the common case.
void BM_MeasureGSteady(benchmark::State& bench) {
  SetUp(2029, 2012);
  for (auto _ : bench) {
    MeasureG();
    benchmark::DoNotOptimize(State.GNow);
  }
}
BENCHMARK(BM_MeasureGSteady);

// An input that swings across both cycle limits on every call: every branch of the tracking.
void BM_MeasureGSwinging(benchmark::State& bench) {
  SetUp(4096, 0);
  int32_t z = 0;
  for (auto _ : bench) {
    z = 4096 - z;
    State.AdcInputZ = z;
    MeasureG();
    benchmark::DoNotOptimize(State.GNow);
  }
}
BENCHMARK(BM_MeasureGSwinging);

// The instantaneous value alone, under the calibration of the 1G and 0G captures.
void BM_InstantaneousG(benchmark::State& bench) {
  SetUp(2029, 2012);
  State.ZeroY = 2029;
  State.SpanY = 207;
  State.ZeroZ = 2087;
  State.SpanZ = 187;
  int32_t y = 2029;
  for (auto _ : bench) {
    y ^= 1;
    benchmark::DoNotOptimize(InstantaneousG(y, 2012));
  }
}
BENCHMARK(BM_InstantaneousG);

}  // namespace
