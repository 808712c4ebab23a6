// Helpers for the tests of the main display, the main menu and the max-value screens:
// the settings a power-on leaves, drawing one screen directly, comparing frames, and a
// recorder that tells which screen each pass of a scripted run drew and went to.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "lcd/FrameBuffer.h"
#include "measurement/Calibration.h"
#include "screens/Keys.h"
#include "screens/Screens.h"
#include "scripted/FrameText.h"
#include "scripted/ScriptedPanel.h"
#include "support/CountingHooks.h"

namespace mainscreens {

using Frame = ScriptedPanel::Frame;

// Settings and calibration as a power-on leaves them, the main display current and no
// hook call counted, for screens called directly.
inline void UsePowerOnSettings() {
  LoadSettingsDefaults();
  LoadCalibrationDefaults();
  State.CurrentScreen = ScreenMain;
  State.KeyStep = 1;
  ResetHookCounters();
}

// One pass of a screen: the cleared frame buffer, then the screen with key pending.
inline void RunScreen(ScreenHandler screen, uint8_t key = KEY_NONE) {
  LcdClear();
  State.PendingKey = key;
  screen();
}

inline bool Lit(int x, int y) { return LcdGetPixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y)) != 0; }

// The lit rows of column x.
inline std::set<int> LitRows(int x) {
  std::set<int> rows;
  for (int y = 0; y < LCD_HEIGHT; ++y)
    if (Lit(x, y)) rows.insert(y);
  return rows;
}

inline Frame CurrentFrame() {
  Frame frame;
  std::copy(State.FrameBuffer, State.FrameBuffer + FRAME_BUFFER_SIZE, frame.begin());
  return frame;
}

// The frame that draw() produces on a cleared frame buffer; State is left as it was.
inline Frame DrawnBy(const std::function<void()>& draw) {
  const InstrumentState saved = State;
  LcdClear();
  draw();
  const Frame frame = CurrentFrame();
  State = saved;
  return frame;
}

inline bool FramePixel(const Frame& frame, int x, int y) {
  return (frame[(y / 8) * LCD_WIDTH + x] >> (y % 8)) & 1;
}

inline ::testing::AssertionResult SameFrames(const Frame& expected, const Frame& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "frames differ\n"
                                       << FrameDiff(FrameToText(expected.data()), FrameToText(actual.data()));
}

// Compares columns x0..x1 of rows y0..y1 only.
inline ::testing::AssertionResult SameRegion(const Frame& expected, const Frame& actual, int x0, int x1, int y0,
                                             int y1) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (FramePixel(expected, x, y) != FramePixel(actual, x, y))
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") differs in the region\n"
               << FrameDiff(FrameToText(expected.data()), FrameToText(actual.data()));
  return ::testing::AssertionSuccess();
}

// The pump during which run-loop pass k (from 1) handles the host's events.
constexpr uint64_t PassPump(int k) { return SPLASH_PASSES + static_cast<uint64_t>(k); }

// Keeps the instrument state as each pump leaves it, so that a test can ask which screen
// was current after a pass and what a pass presented. The inputs must be steady (MeasureG
// then changes nothing between one pass's pump and the next pass's drawing) for the
// frame checks; the screen checks hold always.
class RunRecorder {
 public:
  explicit RunRecorder(ScriptedPanel& panel) : panel_(panel) {
    panel.EveryPump([this](ScriptedPanel& p) {
      states_.push_back(State);
      // The next pass reads the check box before it draws.
      states_.back().CalibrateMode = p.Calibrate() ? 1 : 0;
    });
  }

  // The state at the end of pass k (0: as the run loop starts, before the warm-up).
  const InstrumentState& AfterPass(int k) const { return states_.at(PassPump(k) - 1); }
  ScreenHandler ScreenAfterPass(int k) const { return AfterPass(k).CurrentScreen; }

  // Whether pass k presented what screen draws from the state the previous pass left.
  ::testing::AssertionResult PassShows(int k, ScreenHandler screen) const {
    InstrumentState before = AfterPass(k - 1);
    before.PendingKey = KEY_NONE;
    const Frame expected = DrawnBy([&] {
      State = before;
      LcdClear();
      screen();
    });
    const std::vector<Frame>& frames = panel_.Frames();
    const size_t index = PassPump(k) - 1;
    if (index >= frames.size()) return ::testing::AssertionFailure() << "pass " << k << " was not presented";
    return SameFrames(expected, frames[index]) << " (pass " << k << ")";
  }

 private:
  ScriptedPanel& panel_;
  std::vector<InstrumentState> states_;
};

}  // namespace mainscreens
