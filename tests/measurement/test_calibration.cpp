// Calibration: defaults, the 1 g and 0 g captures, the Z-axis trim on ZeroY.
#include <gtest/gtest.h>

#include <cstdint>

#include "instrument/InstrumentState.h"
#include "measurement/Calibration.h"
#include "measurement/Measure.h"
#include "support/CountingHooks.h"

namespace {

class CalibrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    State = InstrumentState{};
    ResetHookCounters();
    LoadCalibrationDefaults();
  }

  // Samples the inputs as the run loop would before a capture.
  void Sample(int32_t y, int32_t z) {
    State.AdcInputY = y;
    State.AdcInputZ = z;
    MeasureG();
  }
};

TEST_F(CalibrationTest, DefaultsAndTheirHook) {
  EXPECT_EQ(State.ZeroY, 2048);
  EXPECT_EQ(State.SpanY, 1000);
  EXPECT_EQ(State.ZeroZ, 2048);
  EXPECT_EQ(State.SpanZ, 1000);
  EXPECT_EQ(HookCalls[HookId::SettingsChanged], 1);
}

TEST_F(CalibrationTest, CaptureSequenceFromDefaultsReadsOneG) {
  struct Step {
    bool oneG;
    int32_t y, z;
    int32_t zeroY, spanY, zeroZ, spanZ;
  };
  const Step steps[] = {
      {true, 2029, 2012, 2029, 1000, 2048, 90},   // |2012 - 2048| x 100 / 40
      {false, 2112, 2087, 2029, 207, 2087, 90},   // |2112 - 2029| x 100 / 40
      {true, 2029, 2012, 2029, 207, 2087, 187},   // |2012 - 2087| x 100 / 40, truncated
  };
  for (const Step& s : steps) {
    Sample(s.y, s.z);
    if (s.oneG) {
      CalibrateOneG();
    } else {
      CalibrateZeroG();
    }
    EXPECT_EQ(State.ZeroY, s.zeroY);
    EXPECT_EQ(State.SpanY, s.spanY);
    EXPECT_EQ(State.ZeroZ, s.zeroZ);
    EXPECT_EQ(State.SpanZ, s.spanZ);
  }
  EXPECT_EQ(HookCalls[HookId::SettingsChanged], 1) << "captures call no hook";
  for (int i = 0; i < G_HISTORY_LENGTH; ++i) Sample(2029, 2012);
  EXPECT_EQ(State.GNow, 10) << "the 1G position reads +1.0 g";
  for (int i = 0; i < G_HISTORY_LENGTH; ++i) Sample(2112, 2087);
  EXPECT_EQ(State.GNow, -10) << "the 0G position reads 1 g on Y";
}

TEST_F(CalibrationTest, CaptureUsesTheLastSamplesNotTheLiveInputs) {
  Sample(2029, 2012);
  State.AdcInputY = 100;
  State.AdcInputZ = 100;
  CalibrateOneG();
  EXPECT_EQ(State.ZeroY, 2029);
  EXPECT_EQ(State.SpanZ, 90);
}

TEST_F(CalibrationTest, AZeroDeflectionCaptureStoresSpanZeroAndMeasurementStaysDefined) {
  Sample(2048, 2048);
  CalibrateOneG();
  EXPECT_EQ(State.SpanZ, 0);
  CalibrateZeroG();
  EXPECT_EQ(State.SpanY, 0);
  for (int i = 0; i < G_HISTORY_LENGTH; ++i) Sample(4096, 0);
  EXPECT_EQ(State.GNow, 0) << "a channel with span 0 reads as 0 until a real span is stored";
  Sample(2048, 2049);
  CalibrateOneG();
  EXPECT_EQ(State.SpanZ, 2) << "one count of deflection stores a span of 2";
}

TEST_F(CalibrationTest, TrimMovesZeroYByExactlyTheStepWithoutBound) {
  struct Case {
    int trims;           // positive: raise ZeroY, negative: lower it
    int64_t component;   // Y component of a reading at the old zero, SpanY 1000
  };
  // (-n x 250) / 1000 truncates to 0 for n up to 3.
  const Case cases[] = {{3, 0}, {-3, 0}, {4, -1}, {-4, 1}};
  for (const Case& c : cases) {
    State.ZeroY = 2048;
    const int n = c.trims < 0 ? -c.trims : c.trims;
    for (int i = 0; i < n; ++i) TrimZeroY(c.trims < 0 ? -1 : 1);
    EXPECT_EQ(State.ZeroY, 2048 + c.trims);
    EXPECT_EQ(GComponent(2048, State.ZeroY, 1000), c.component) << c.trims << " trims";
  }
  State.ZeroY = INT32_MAX;
  TrimZeroY(1);
  EXPECT_EQ(State.ZeroY, INT32_MIN) << "the 32-bit ends wrap instead of overflowing";
  TrimZeroY(-1);
  EXPECT_EQ(State.ZeroY, INT32_MAX);
}

TEST_F(CalibrationTest, CaptureAgainstAFarZeroGivesALargeSpanNotAnOverflow) {
  State.ZeroY = INT32_MIN;
  Sample(4096, 2048);
  CalibrateZeroG();
  EXPECT_EQ(State.SpanY, INT32_MAX);
  State.ZeroY = -1000000;
  CalibrateZeroG();
  EXPECT_EQ(State.SpanY, (4096 + 1000000) * 100 / 40);
}

}  // namespace
