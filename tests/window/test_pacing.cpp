// The arithmetic of the frame pacing: the refresh period, and deadlines that advance by one
// period each frame without drifting and start again from now when a frame is late.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "frontpanel/FramePacer.h"

namespace {

using namespace std::chrono_literals;
using Clock = FramePacer::Clock;

TEST(FramePacerTest, PeriodFollowsTheRefreshRateWithSixtyHertzWhenUnknown) {
  struct Row {
    double Hertz;
    double Millis;
  };
  const Row rows[] = {
      {60.0, 1000.0 / 60},
      {144.0, 1000.0 / 144},
      {59.94, 1000.0 / 59.94},
      {30.0, 1000.0 / 30},
      {0.0, 1000.0 / 60},
      {-1.0, 1000.0 / 60},
      {1e9, 1000.0 / 60},
      {10.0, 1000.0 / 60},
      {std::numeric_limits<double>::quiet_NaN(), 1000.0 / 60},
      {std::numeric_limits<double>::infinity(), 1000.0 / 60},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Hertz);
    const double millis =
        std::chrono::duration<double, std::milli>(FramePacer::PeriodForRate(row.Hertz)).count();
    EXPECT_NEAR(millis, row.Millis, 1e-6);
  }
}

TEST(FramePacerTest, DeadlinesAdvanceByOnePeriodAndRestartWhenLate) {
  FramePacer pacer;
  const auto period = 16ms;
  const Clock::time_point t0 = Clock::time_point() + 1000s;

  // The first frame goes at once.
  EXPECT_EQ(pacer.NextDeadline(t0, period), t0);
  // Frames that are ready early wait for the next refresh; the schedule does not drift with
  // when they were ready.
  EXPECT_EQ(pacer.NextDeadline(t0 + 3ms, period), t0 + 16ms);
  EXPECT_EQ(pacer.NextDeadline(t0 + 20ms, period), t0 + 32ms);
  EXPECT_EQ(pacer.NextDeadline(t0 + 47ms, period), t0 + 48ms);
  // A frame ready exactly at its deadline goes then.
  EXPECT_EQ(pacer.NextDeadline(t0 + 64ms, period), t0 + 64ms);
  // A late frame goes at once and the schedule restarts from it, rather than rushing
  // through the refreshes it missed.
  const Clock::time_point late = t0 + 200ms;
  EXPECT_EQ(pacer.NextDeadline(late, period), late);
  EXPECT_EQ(pacer.NextDeadline(late + 1ms, period), late + 16ms);
  // A change of refresh rate takes effect from the next frame.
  EXPECT_EQ(pacer.NextDeadline(late + 2ms, 8ms), late + 24ms);
}

}  // namespace
