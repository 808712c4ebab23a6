// The instrument core allocates nothing while it runs: every screen, every key, splash passes
// and run-loop passes are counted through a replaced global operator new.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <new>

#include "instrument/InstrumentState.h"
#include "instrument/Panel.h"
#include "instrument/PowerOn.h"
#include "measurement/Calibration.h"
#include "screens/Keys.h"
#include "screens/Screens.h"
#include "support/InstrumentFixture.h"

namespace {

bool countAllocations = false;
long allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
  if (countAllocations) ++allocations;
  if (void* p = std::malloc(size != 0 ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

class NoAllocationTest : public InstrumentTest {
 protected:
  // The instrument alone: the inert panel stands in for the window, so only the core's
  // own allocations are counted (the scripted panel records what it is shown).
  void SetUp() override {
    InstrumentTest::SetUp();
    AttachPanel(nullptr);
  }
  // Counts the allocations made by body.
  template <typename Body>
  long Allocations(Body body) {
    allocations = 0;
    countAllocations = true;
    body();
    countAllocations = false;
    return allocations;
  }
};

TEST_F(NoAllocationTest, EveryScreenWithEveryKeyAllocatesNothing) {
  const ScreenHandler screens[] = {
      ScreenMain,         ScreenMainMenu,       ScreenDisplaySetup,   ScreenContrast,
      ScreenGForceSetup,  ScreenEnterCurrentCode, ScreenEnterNewCode, ScreenConfirmNewCode,
      ScreenEnterResetCode, ScreenCodeIncorrect, ScreenCodeChanged,   ScreenMaxValues,
      ScreenResetTempMax, ScreenResetCycles,    ScreenDone,           ScreenCalibrate,
      ScreenZAxisCal,     ScreenAdcValues,
  };
  const uint8_t keys[] = {KEY_NONE, KEY_SELECT, KEY_CW, KEY_CCW, KEY_F1, KEY_F2};
  LoadSettingsDefaults();
  LoadCalibrationDefaults();
  State.CalibrateMode = 1;
  State.AdcInputY = 2031;
  State.AdcInputZ = 2167;
  for (size_t s = 0; s < std::size(screens); ++s) {
    const ScreenHandler screen = screens[s];
    for (uint8_t language : {uint8_t{0}, uint8_t{1}}) {
      for (uint8_t cursor = 0; cursor <= 5; ++cursor) {
        for (uint8_t key : keys) {
          State.CurrentScreen = screen;
          State.ReturnScreen = ScreenMain;
          State.Cursor = cursor;
          State.EditMode = static_cast<uint8_t>(cursor % 2);
          State.Language = language;
          State.PendingKey = key;
          EXPECT_EQ(Allocations([] { RunLoopPass(); }), 0)
              << "screen #" << s << ", cursor " << int(cursor) << ", key " << int(key);
        }
      }
    }
  }
}

TEST_F(NoAllocationTest, SplashPassesAllocateNothing) {
  int8_t m = 114;
  int8_t g = -20;
  State.CalibrateMode = 1;
  EXPECT_EQ(Allocations([&] {
              for (int i = 0; i < SPLASH_PASSES; ++i) SplashPass(m, g);
            }),
            0);
}

}  // namespace
