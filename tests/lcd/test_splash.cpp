// The finished splash picture as the power-on draws it, with and without "CALIBRATE": where
// each text lands, and the whole frame against its golden picture.
#include <gtest/gtest.h>

#include <vector>

#include "instrument/PowerOn.h"
#include "screens/Keys.h"
#include "support/Golden.h"
#include "support/InstrumentFixture.h"
#include "test_text_kit.h"

namespace {

using namespace text_kit;

class SplashTest : public InstrumentTest {
 protected:
  // Powers on, presses the knob in splash pass knobPass (0: never), switches off during the
  // last splash pass and returns the 80th recorded frame.
  ScriptedPanel::Frame FinalSplashFrame(uint64_t knobPass) {
    if (knobPass != 0) panel->KeyAt(knobPass, KEY_SELECT);
    panel->OffAt(SPLASH_PASSES);
    PowerOn();
    EXPECT_GE(panel->Frames().size(), static_cast<size_t>(SPLASH_PASSES));
    return panel->Frames().at(SPLASH_PASSES - 1);
  }
};

// Lit pixels of a recorded frame inside columns x0..x1, rows y0..y1.
Pixels LitIn(const ScriptedPanel::Frame& frame, int x0, int x1, int y0, int y1) {
  Pixels lit;
  for (int x = x0; x <= x1; ++x)
    for (int y = y0; y <= y1; ++y)
      if ((frame[(y / 8) * LCD_WIDTH + x] >> (y % 8)) & 1) lit.insert({x, y});
  return lit;
}

TEST_F(SplashTest, FinishedPictureMatchesItsGolden) {
  const ScriptedPanel::Frame frame = FinalSplashFrame(0);
  EXPECT_TRUE(MatchesGolden("splash_final", frame.data()));
}

TEST_F(SplashTest, KnobPressedDuringTheSplashAddsCalibrate) {
  const ScriptedPanel::Frame frame = FinalSplashFrame(10);
  EXPECT_TRUE(MatchesGolden("splash_calibrate", frame.data()));
  EXPECT_TRUE(panel->Calibrate());
}

TEST_F(SplashTest, EachTextLandsInItsPlace) {
  struct Region {
    const char* what;
    int x0, x1, y0, y1;
    bool calibrateOnly;
  };
  const Region regions[] = {
      {"maker's name", 10, 105, 5, 20, false},
      {"model name", 42, 73, 28, 43, false},
      {"version", 85, 108, 40, 46, false},
      {"CALIBRATE", 17, 70, 46, 52, true},
      {"web address", 6, 107, 56, 62, false},
  };
  for (const bool calibrate : {false, true}) {
    SetUp();
    const ScriptedPanel::Frame frame = FinalSplashFrame(calibrate ? 10 : 0);
    size_t inRegions = 0;
    for (const Region& r : regions) {
      const size_t lit = LitIn(frame, r.x0, r.x1, r.y0, r.y1).size();
      if (r.calibrateOnly && !calibrate) {
        EXPECT_EQ(lit, 0u) << r.what;
      } else {
        EXPECT_GT(lit, 0u) << r.what << (calibrate ? " with" : " without") << " calibrate";
      }
      inRegions += lit;
    }
    // The regions do not overlap, and nothing is lit outside them.
    EXPECT_EQ(LitIn(frame, 0, LCD_WIDTH - 1, 0, LCD_HEIGHT - 1).size(), inRegions);
  }
}

}  // namespace
