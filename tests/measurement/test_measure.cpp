// MeasureG: components, rounding, sign, the ten-value average, extremes, cycles and alarm.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "instrument/InstrumentState.h"
#include "measurement/Calibration.h"
#include "measurement/Measure.h"
#include "support/CountingHooks.h"

namespace {

class MeasureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    State = InstrumentState{};
    ResetHookCounters();
    LoadCalibrationDefaults();
    State.CycleLimitPos = 50;
    State.CycleLimitNeg = -50;
  }

  // A steady input long enough to fill the window: GNow is then the instantaneous value.
  int32_t SteadyG(int32_t adcY, int32_t adcZ) {
    State.AdcInputY = adcY;
    State.AdcInputZ = adcZ;
    for (int i = 0; i < G_HISTORY_LENGTH; ++i) MeasureG();
    return State.GNow;
  }

  // Makes the next MeasureG produce GNow == g exactly: a window full of g and an input
  // worth g under a Z span of 100 (4 counts per tenth of g).
  void FeedGNow(int32_t g) {
    State.ZeroY = 2048;
    State.ZeroZ = 2048;
    State.SpanZ = 100;
    for (int32_t& h : State.GHistory) h = g;
    State.AdcInputY = 2048;
    State.AdcInputZ = 2048 - 4 * g;
    MeasureG();
    ASSERT_EQ(State.GNow, g);
  }

  void ExpectInvariants() {
    EXPECT_GE(State.TempMax, State.GNow);
    EXPECT_GE(State.GNow, State.TempMin);
    EXPECT_GE(State.MaxPos, State.GNow);
    EXPECT_GE(State.GNow, State.MaxNeg);
  }
};

TEST_F(MeasureTest, DefaultCalibrationReadings) {
  struct Case {
    int32_t y, z, g;
  };
  const Case cases[] = {
      {2048, 2048, 0},   // a Z component of 0 takes the negative branch: -0 is 0
      {2048, 1648, 10},  // Z component -100
      {2048, 2448, -10},
      {2047, 2048, 0},   // (-1 x 250) / 1000 truncates to 0
      {2048, 1630, 10},  // Z component -104: rounds down
      {2048, 1628, 11},  // Z component -105: rounds up
      {4096, 0, 72},     // components 512 and -512: magnitude 724
      {0, 4096, -72},
      {0, 2048, -51},    // only Y: the sign comes from Z
  };
  for (const Case& c : cases) {
    SetUp();
    EXPECT_EQ(SteadyG(c.y, c.z), c.g) << "Y " << c.y << ", Z " << c.z;
  }
}

TEST_F(MeasureTest, CalibratedReadings) {
  struct Case {
    int32_t y, z, g;
  };
  const Case cases[] = {
      {2029, 2012, 10},
      {2031, 2167, -11},  // components 2 and 106: magnitude 106
      {2030, 2090, 0},    // magnitude 4
      {2112, 2087, -10},  // components 100 and 0
  };
  for (const Case& c : cases) {
    SetUp();
    State.ZeroY = 2029;
    State.SpanY = 207;
    State.ZeroZ = 2087;
    State.SpanZ = 187;
    EXPECT_EQ(SteadyG(c.y, c.z), c.g) << "Y " << c.y << ", Z " << c.z;
  }
}

TEST_F(MeasureTest, AverageClimbsAfterAStepAndTruncatesTowardZero) {
  struct Case {
    int32_t z;  // input after a long run at 0
    std::vector<int32_t> climb;
  };
  const Case cases[] = {
      {1648, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {1848, {0, 1, 1, 2, 2, 3, 3, 4, 4, 5}},          // steady +5
      {2248, {0, -1, -1, -2, -2, -3, -3, -4, -4, -5}},  // a sum of -15 gives -1, not -2
  };
  for (const Case& c : cases) {
    SetUp();
    SteadyG(2048, 2048);
    State.AdcInputZ = c.z;
    std::vector<int32_t> seen;
    for (int i = 0; i < G_HISTORY_LENGTH; ++i) {
      MeasureG();
      seen.push_back(State.GNow);
    }
    EXPECT_EQ(seen, c.climb) << "Z " << c.z;
  }
}

TEST_F(MeasureTest, ComponentsMultiplyFirstAndTruncateTowardZero) {
  struct Case {
    int32_t count, zero, span;
    int64_t component;
  };
  const Case cases[] = {
      {2048 - 79, 2048, 2500, -7},  // -7.9 becomes -7
      {2048 + 79, 2048, 2500, 7},
      {2047, 2048, 1000, 0},        // -0.25 becomes 0
      {2048 + 83, 2048, 207, 100},  // a deflection equal to the captured one reads 1.00 g
      {2048 - 75, 2048, 187, -100},
      {4096, 0, 1, 1024000},
      {4096, 0, 0, 0},              // no span stored yet: treated as 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GComponent(c.count, c.zero, c.span), c.component) << c.count << " " << c.zero << " " << c.span;
  }
}

TEST_F(MeasureTest, SamplesAreTakenThroughTheChannels) {
  SteadyG(1234, 3456);
  EXPECT_EQ(State.AdcY, 1234);
  EXPECT_EQ(State.AdcZ, 3456);
}

TEST_F(MeasureTest, CyclesCountEachExcursionOnceAndAlarmFollowsTheLimits) {
  struct Case {
    std::vector<int32_t> gNow;
    uint32_t cyclesPos, cyclesNeg;
    std::vector<int> alarm;
  };
  const Case cases[] = {
      {{49, 50, 51, 52, 50, 51}, 2, 0, {0, 0, 1, 1, 0, 1}},
      {{-49, -51, -51, -50, -51}, 0, 2, {0, 1, 1, 0, 1}},
      {{60, -60, 60}, 2, 1, {1, 1, 1}},
  };
  for (const Case& c : cases) {
    SetUp();
    std::vector<int> alarm;
    for (int32_t g : c.gNow) {
      FeedGNow(g);
      alarm.push_back(State.AlarmActive);
    }
    EXPECT_EQ(State.CyclesPos, c.cyclesPos);
    EXPECT_EQ(State.CyclesNeg, c.cyclesNeg);
    EXPECT_EQ(alarm, c.alarm);
  }
}

TEST_F(MeasureTest, AcknowledgementLastsWhileBeyondAndIsReArmedInside) {
  FeedGNow(60);
  State.AlarmAcknowledged = 1;
  FeedGNow(70);
  EXPECT_EQ(State.AlarmAcknowledged, 1);
  FeedGNow(50);
  EXPECT_EQ(State.AlarmActive, 0);
  EXPECT_EQ(State.AlarmAcknowledged, 0);
}

TEST_F(MeasureTest, LimitsAreSignedEightBitValues) {
  State.CycleLimitPos = 120;
  State.CycleLimitNeg = -120;
  FeedGNow(121);
  FeedGNow(-121);
  EXPECT_EQ(State.CyclesPos, 1u);
  EXPECT_EQ(State.CyclesNeg, 1u);
}

TEST_F(MeasureTest, ExtremesUseStrictComparisons) {
  FeedGNow(10);
  ResetMaxValues();
  ResetTempMax();
  EXPECT_EQ(HookCalls[HookId::MaxValuesReset], 1);
  for (int i = 0; i < 5; ++i) FeedGNow(10);
  EXPECT_EQ(State.MaxNeg, 10) << "MaxNeg starts from the GNow of the reset, not from 0";
  EXPECT_EQ(State.MaxPos, 10);
  FeedGNow(25);
  FeedGNow(-15);
  FeedGNow(3);
  EXPECT_EQ(State.MaxPos, 25);
  EXPECT_EQ(State.MaxNeg, -15);
  EXPECT_EQ(State.TempMax, 25);
  EXPECT_EQ(State.TempMin, -15);
  ExpectInvariants();
}

TEST_F(MeasureTest, ResetCycleCountersKeepsTheLatches) {
  FeedGNow(60);
  FeedGNow(-60);
  ASSERT_EQ(State.CyclesPos, 1u);
  FeedGNow(60);
  ASSERT_EQ(State.CyclesPos, 2u);
  ResetCycleCounters();
  EXPECT_EQ(HookCalls[HookId::CyclesReset], 1);
  EXPECT_EQ(State.CyclesPos, 0u);
  EXPECT_EQ(State.CycleLatchPos, 1);
  FeedGNow(60);
  EXPECT_EQ(State.CyclesPos, 0u) << "the excursion in progress is not counted again";
}

// Zero spans (a capture at zero deflection), tiny spans and zeros trimmed far away must give
// a defined reading, the invariants, and nothing the sanitizers object to.
TEST_F(MeasureTest, ZeroTinyAndExtremeCalibrationsStayDefined) {
  struct Case {
    int32_t zeroY, spanY, zeroZ, spanZ, y, z, g;
  };
  const Case cases[] = {
      {2048, 0, 2048, 0, 4096, 0, 0},            // both components treated as 0
      {2048, 1000, 2048, 0, 4096, 0, -51},       // Z treated as 0: negative branch
      {2048, 0, 2048, 1000, 0, 0, 51},
      {2048, 1, 2048, 1, 4096, 0, 72408},        // components 512000 and -512000
      {2048, 2, 2048, 2, 0, 4096, -36204},
      {2048, 1, 2048, 1, 0, 0, 72408},
      {INT32_MAX, 1, 2048, 1000, 0, 2048, -214748365},  // Y component held at 32 bits
      {INT32_MIN, 1, 2048, 1000, 4096, 2048, -214748365},
      {INT32_MIN, 1, INT32_MIN, 1, 4096, 4096, -303700050},
  };
  for (const Case& c : cases) {
    SetUp();
    State.ZeroY = c.zeroY;
    State.SpanY = c.spanY;
    State.ZeroZ = c.zeroZ;
    State.SpanZ = c.spanZ;
    EXPECT_EQ(SteadyG(c.y, c.z), c.g) << "zeros " << c.zeroY << "/" << c.zeroZ << " spans " << c.spanY << "/"
                                      << c.spanZ << " inputs " << c.y << "/" << c.z;
    ExpectInvariants();
  }
}

TEST_F(MeasureTest, InvariantsHoldAfterEveryMeasurementAcrossInputsAndSpans) {
  const int32_t spans[] = {0, 1, 2, 31, 32, 90, 187, 1000, INT32_MAX};
  const int32_t inputs[] = {0, 1, 2047, 2048, 4095, 4096};
  for (int32_t spanY : spans) {
    for (int32_t spanZ : spans) {
      State.SpanY = spanY;
      State.SpanZ = spanZ;
      for (int32_t y : inputs) {
        for (int32_t z : inputs) {
          State.AdcInputY = y;
          State.AdcInputZ = z;
          MeasureG();
          ExpectInvariants();
          if (HasFailure()) return;
        }
      }
    }
  }
}

}  // namespace
