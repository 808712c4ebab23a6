// Paces presentation to the screen's refresh: each frame waits for the next deadline, one
// refresh period after the previous one, as a display that takes one frame per refresh.
#pragma once
#include <chrono>

class FramePacer {
 public:
  using Clock = std::chrono::steady_clock;

  // The refresh period for a screen's reported refresh rate in Hz; 60 Hz when the rate is
  // unknown (zero, negative, not a number) or outside what displays run at (20 to 1000 Hz),
  // so a bogus report can neither stretch the splash to minutes nor unpace the window.
  static Clock::duration PeriodForRate(double hertz);

  // The moment the frame presented at now is to be shown: one period after the previous
  // deadline. When now is already past that moment (the pass took longer, or this is the
  // first frame after a pause) the frame goes at once and the schedule restarts from now.
  Clock::time_point NextDeadline(Clock::time_point now, Clock::duration period);

  // Sleeps until NextDeadline(now, period).
  void Wait(Clock::duration period);

 private:
  Clock::time_point deadline_{};
  bool started_ = false;
};
