// Deadline arithmetic of the frame pacing, kept apart from the sleep so it can be checked.
#include "frontpanel/FramePacer.h"

#include <cmath>
#include <thread>

FramePacer::Clock::duration FramePacer::PeriodForRate(double hertz) {
  constexpr double FALLBACK_HZ = 60.0;
  if (!std::isfinite(hertz) || hertz < 20.0 || hertz > 1000.0) {
    hertz = FALLBACK_HZ;
  }
  return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / hertz));
}

FramePacer::Clock::time_point FramePacer::NextDeadline(Clock::time_point now,
                                                       Clock::duration period) {
  const Clock::time_point next = deadline_ + period;
  deadline_ = (!started_ || next < now) ? now : next;
  started_ = true;
  return deadline_;
}

void FramePacer::Wait(Clock::duration period) {
  std::this_thread::sleep_until(NextDeadline(Clock::now(), period));
}
