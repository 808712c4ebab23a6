// One whole pass of the run loop's instrument work for every screen: MeasureG, LcdClear and
// the screen drawing its frame (no key pending), in English and in French.
#include <benchmark/benchmark.h>

#include <string>

#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "instrument/Presets.h"
#include "lcd/FrameBuffer.h"
#include "measurement/Calibration.h"
#include "measurement/Measure.h"
#include "screens/Keys.h"
#include "screens/Screens.h"

namespace {

struct ScreenSetup {
  const char* name;
  ScreenHandler screen;
  uint8_t cursor;
  uint8_t editMode;
  ScreenHandler returnScreen;
};

// Each screen as it is typically met: a row selected, a digit being edited, a message with
// its way back.
const ScreenSetup SCREENS[] = {
    {"ScreenMain", ScreenMain, 0, 0, nullptr},
    {"ScreenMainMenu", ScreenMainMenu, 2, 0, nullptr},
    {"ScreenDisplaySetup", ScreenDisplaySetup, 2, 1, nullptr},
    {"ScreenContrast", ScreenContrast, 0, 0, nullptr},
    {"ScreenGForceSetup", ScreenGForceSetup, 2, 1, nullptr},
    {"ScreenEnterCurrentCode", ScreenEnterCurrentCode, 1, 0, nullptr},
    {"ScreenEnterNewCode", ScreenEnterNewCode, 2, 0, nullptr},
    {"ScreenConfirmNewCode", ScreenConfirmNewCode, 3, 0, nullptr},
    {"ScreenEnterResetCode", ScreenEnterResetCode, 0, 0, nullptr},
    {"ScreenCodeIncorrect", ScreenCodeIncorrect, 5, 0, ScreenGForceSetup},
    {"ScreenCodeChanged", ScreenCodeChanged, 5, 0, ScreenGForceSetup},
    {"ScreenMaxValues", ScreenMaxValues, 0, 0, nullptr},
    {"ScreenResetTempMax", ScreenResetTempMax, 0, 0, nullptr},
    {"ScreenResetCycles", ScreenResetCycles, 0, 0, nullptr},
    {"ScreenDone", ScreenDone, 0, 0, ScreenMain},
    {"ScreenCalibrate", ScreenCalibrate, 1, 0, nullptr},
    {"ScreenZAxisCal", ScreenZAxisCal, 4, 0, ScreenGForceSetup},
    {"ScreenAdcValues", ScreenAdcValues, 0, 0, nullptr},
};

// The instrument as after a power-on in calibrate mode with the "Down" preset, some history
// behind it, then the screen made current.
void SetUp(const ScreenSetup& setup, uint8_t language) {
  State = InstrumentState{};
  LoadSettingsDefaults();
  LoadCalibrationDefaults();
  State.Language = language;
  State.CalibrateMode = 1;
  State.KeyStep = 1;
  State.AdcInputY = ORIENTATION_PRESETS[4].SliderY;
  State.AdcInputZ = ORIENTATION_PRESETS[4].SliderZ;
  State.CyclesPos = 12;
  State.CyclesNeg = 3;
  State.TempMax = 25;
  State.TempMin = -31;
  State.MaxPos = 42;
  State.MaxNeg = -35;
  State.ResetCode = 1234;
  State.CodeDigits[0] = 1;
  State.CodeDigits[1] = 2;
  for (int i = 0; i < WARM_UP_PASSES; ++i) MeasureG();
  State.CurrentScreen = setup.screen;
  State.ReturnScreen = setup.returnScreen;
  State.Cursor = setup.cursor;
  State.EditMode = setup.editMode;
  State.PendingKey = KEY_NONE;
}

void Pass(benchmark::State& bench, const ScreenSetup& setup, uint8_t language) {
  SetUp(setup, language);
  for (auto _ : bench) {
    MeasureG();
    LcdClear();
    State.CurrentScreen();
    benchmark::DoNotOptimize(State.FrameBuffer);
    benchmark::ClobberMemory();
  }
  // The screen must still be the one measured: no key was pending, so nothing moved.
  if (State.CurrentScreen != setup.screen) bench.SkipWithError("the screen changed during the benchmark");
}

// RunLoopPass itself, with no window attached: the pass above plus the check boxes, the hooks,
// the LED and the LCD image's visibility through the panel interface.
void BM_RunLoopPassMain(benchmark::State& bench) {
  SetUp(SCREENS[0], 0);
  for (auto _ : bench) {
    RunLoopPass();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RunLoopPassMain);

const bool registered = [] {
  for (const ScreenSetup& setup : SCREENS) {
    for (uint8_t language = 0; language <= 1; ++language) {
      const std::string name = std::string("BM_Pass/") + setup.name + (language ? "/French" : "/English");
      benchmark::RegisterBenchmark(name.c_str(), [&setup, language](benchmark::State& bench) {
        Pass(bench, setup, language);
      });
    }
  }
  return true;
}();

}  // namespace
