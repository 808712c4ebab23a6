// Power-on order, the splash passes, OFF at every stage, nested ON, and what survives OFF.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "instrument/PowerOn.h"
#include "screens/Keys.h"
#include "screens/Screens.h"
#include "support/InstrumentFixture.h"

namespace {

constexpr uint64_t FirstRunPass = SPLASH_PASSES + 1;  // pump number of run-loop pass 1

class PowerCycleTest : public InstrumentTest {};

TEST_F(PowerCycleTest, PowerOnRunsItsStepsInOrder) {
  panel->SetSliderY(1000);
  panel->SetSliderZ(3000);
  State.GNow = 17;
  State.CalibrateMode = 1;
  State.PendingKey = KEY_F1;
  State.PowerOffRequested = 1;

  std::vector<HookId> order;
  HookObserver = [&](HookId id) {
    order.push_back(id);
    switch (id) {
      case HookId::MaxValuesReset:
        if (HookCalls[HookId::MaxValuesReset] == 1) {
          EXPECT_EQ(State.AdcInputY, 1000);
          EXPECT_EQ(State.AdcInputZ, 3000);
          EXPECT_EQ(State.MaxPos, 17);
          EXPECT_EQ(State.MaxNeg, 17);
          EXPECT_EQ(State.Contrast, 0);
        }
        break;
      case HookId::ContrastChanged:
        EXPECT_EQ(State.Contrast, 37);
        EXPECT_EQ(State.BacklightOn, 0);
        break;
      case HookId::SettingsChanged:
        EXPECT_EQ(State.Language, 0);
        EXPECT_EQ(State.GfSpan, 6);
        EXPECT_EQ(State.SpanZ, 1000);
        EXPECT_EQ(State.CurrentScreen, nullptr);
        break;
      case HookId::PowerOnFirst:
        EXPECT_EQ(State.CurrentScreen, &ScreenMain);
        EXPECT_EQ(State.KeyStep, 1);
        EXPECT_EQ(State.CalibrateMode, 1) << "calibrate mode is cleared after the power-on hooks";
        EXPECT_EQ(State.PendingKey, KEY_F1);
        break;
      case HookId::RunLoopEnter:
        EXPECT_EQ(panel->Pumps(), static_cast<uint64_t>(SPLASH_PASSES));
        EXPECT_EQ(panel->Presents(), static_cast<uint64_t>(SPLASH_PASSES));
        EXPECT_EQ(State.CalibrateMode, 0);
        break;
      default:
        break;
    }
  };
  panel->OffAt(FirstRunPass);
  PowerOn();

  const std::vector<HookId> expected = {
      HookId::MaxValuesReset, HookId::ContrastChanged, HookId::BacklightOn,
      HookId::SettingsChanged, HookId::PowerOnFirst,   HookId::PowerOnSecond,
      HookId::RunLoopEnter,   HookId::BacklightOn,  // the first run-loop pass
  };
  EXPECT_EQ(order, expected);
  EXPECT_EQ(State.CycleLimitPos, 50);
  EXPECT_EQ(State.CycleLimitNeg, -50);
  EXPECT_EQ(State.ZeroY, 2048);
  EXPECT_EQ(State.ZeroZ, 2048);
  EXPECT_EQ(State.SpanY, 1000);
}

TEST_F(PowerCycleTest, SplashMovesMakerAndModelNamesAsTheyShould) {
  // The positions each pass draws at, as signed 8-bit values.
  int8_t m = 114;
  int8_t g = -20;
  std::vector<int> drawnM;
  std::vector<int> drawnG;
  for (int pass = 1; pass <= SPLASH_PASSES; ++pass) {
    drawnM.push_back(m);
    drawnG.push_back(g);
    SplashPass(m, g);
  }
  for (int pass = 1; pass <= SPLASH_PASSES; ++pass) {
    const int expectedM = pass <= 53 ? 114 - 2 * (pass - 1) : 10;
    const int expectedG = pass <= 14 ? -20 : (pass <= 53 ? -20 + 2 * (pass - 14) : 58);
    EXPECT_EQ(drawnM[pass - 1], expectedM) << "pass " << pass;
    EXPECT_EQ(drawnG[pass - 1], expectedG) << "pass " << pass;
  }
  EXPECT_EQ(drawnM[13], 88) << "the model name starts moving the pass after the maker's name is at 88";
  EXPECT_EQ(drawnG[52], 58) << "the model name passes 57 and stops at 58";
}

TEST_F(PowerCycleTest, KnobDuringSplashTicksCalibrateAndOtherKeysAreDiscarded) {
  struct Case {
    uint8_t key;
    uint64_t pump;
    bool calibrates;
  };
  const Case cases[] = {
      {KEY_SELECT, 10, true}, {KEY_SELECT, SPLASH_PASSES, true}, {KEY_CW, 10, false},
      {KEY_CCW, 20, false},   {KEY_F1, 30, false},               {KEY_F2, SPLASH_PASSES, false},
  };
  for (const Case& c : cases) {
    SetUp();
    panel->KeyAt(c.pump, c.key);
    uint8_t pendingAtFirstPass = 0xFF;
    uint8_t modeAtFirstPass = 0xFF;
    panel->At(FirstRunPass, [&](ScriptedPanel& p) {
      // A key left from the splash would have reached the first screen by now.
      pendingAtFirstPass = State.PendingKey;
      modeAtFirstPass = State.CalibrateMode;
      p.PressOff();
    });
    PowerOn();
    EXPECT_EQ(panel->Calibrate(), c.calibrates) << "key " << int(c.key) << " at pump " << c.pump;
    EXPECT_EQ(modeAtFirstPass, c.calibrates ? 1 : 0);
    EXPECT_EQ(pendingAtFirstPass, KEY_NONE);
  }
}

TEST_F(PowerCycleTest, KeyPendingFromBeforePowerOnIsDiscarded) {
  panel->PressKey(KEY_F2);  // clicked while off: it stays pending
  EXPECT_EQ(State.PendingKey, KEY_F2);
  uint8_t pendingAtFirstPump = 0xFF;
  panel->At(1, [&](ScriptedPanel&) { pendingAtFirstPump = State.PendingKey; });
  panel->OffAt(FirstRunPass);
  PowerOn();
  EXPECT_EQ(pendingAtFirstPump, KEY_NONE);
}

TEST_F(PowerCycleTest, OffDuringSplashFinishesSplashAndWarmUpButNotTheLoop) {
  panel->SetSliderZ(1648);  // +1.0 g
  panel->OffAt(5);
  PowerOn();
  EXPECT_EQ(panel->Pumps(), static_cast<uint64_t>(SPLASH_PASSES));
  EXPECT_EQ(panel->Presents(), static_cast<uint64_t>(SPLASH_PASSES));
  EXPECT_EQ(HookCalls[HookId::RunLoopEnter], 1);
  EXPECT_EQ(panel->Led(), COLOUR_LED_RED) << "the LED turns dark red only in the run loop";
  EXPECT_TRUE(panel->VisibilityChanges().empty()) << "the splash never hides the LCD";
  for (int32_t g : State.GHistory) EXPECT_EQ(g, 10) << "ten warm-up measurements ran";
  EXPECT_EQ(State.GNow, 10);
}

TEST_F(PowerCycleTest, OffWhileRunningEndsTheLoopBeforeTheNextPass) {
  panel->OffAt(FirstRunPass + 4);
  PowerOn();
  EXPECT_EQ(panel->Pumps(), FirstRunPass + 4);
  EXPECT_EQ(panel->Presents(), FirstRunPass + 4);
  EXPECT_TRUE(panel->LcdVisible());
}

TEST_F(PowerCycleTest, OffWhileOffDoesNothingAndTheNextOnRunsNormally) {
  panel->PressOff();
  panel->OffAt(FirstRunPass + 2);
  PowerOn();
  EXPECT_EQ(panel->Pumps(), FirstRunPass + 2);
}

TEST_F(PowerCycleTest, FiftyNestedOnsEndWithOneOff) {
  // Each ON comes from the pump of the one before, during its splash or its run loop.
  int returned = 0;
  int nesting = 0;
  std::function<void(ScriptedPanel&)> nestedOn = [&](ScriptedPanel& p) {
    ++nesting;
    if (nesting < 50) {
      p.At(p.CurrentPump() + (nesting % 2 == 0 ? 30 : SPLASH_PASSES + 5), nestedOn);
    } else {
      p.OffAt(p.CurrentPump() + SPLASH_PASSES + 20);
    }
    p.PressOn();
    ++returned;
  };
  panel->At(40, nestedOn);
  PowerOn();
  ++returned;
  EXPECT_EQ(nesting, 50);
  EXPECT_EQ(returned, 51) << "every power-on returned";
  EXPECT_EQ(State.PowerOffRequested, 1);
}

TEST_F(PowerCycleTest, PowerCycleKeepsStatisticsAndRestoresDefaults) {
  panel->SetSliderZ(1648);  // +1.0 g
  // Changed in the last pass, after its measurement, so they are what OFF leaves behind.
  panel->At(FirstRunPass + 20, [](ScriptedPanel& p) {
    p.PressOff();
    State.CyclesPos = 3;
    State.CyclesNeg = 4;
    State.ResetCode = 1234;
    State.Contrast = 12;
    State.Language = 1;
    State.GfSpan = 9;
    State.ZeroY = 1;
    State.SpanZ = 77;
    State.CurrentScreen = ScreenMainMenu;
    State.Cursor = 2;
  });
  PowerOn();
  const int32_t tempMax = State.TempMax;
  const int32_t tempMin = State.TempMin;
  EXPECT_EQ(State.GNow, 10);

  panel->SetSliderZ(2048);
  int32_t maxPosAtLoop = -1;
  panel->At(panel->Pumps() + SPLASH_PASSES, [&](ScriptedPanel& p) {
    maxPosAtLoop = State.MaxPos;
    EXPECT_EQ(State.CurrentScreen, &ScreenMain);
    p.PressOff();
  });
  PowerOn();
  EXPECT_EQ(State.CyclesPos, 3u);
  EXPECT_EQ(State.CyclesNeg, 4u);
  EXPECT_EQ(State.ResetCode, 1234);
  EXPECT_EQ(State.TempMax, tempMax);
  EXPECT_EQ(State.TempMin, tempMin);
  EXPECT_EQ(maxPosAtLoop, 10) << "the maxima start from the GNow measured before OFF";
  EXPECT_EQ(State.Cursor, 2) << "the cursor is not reset at power-on";
  EXPECT_EQ(State.Contrast, 37);
  EXPECT_EQ(State.Language, 0);
  EXPECT_EQ(State.GfSpan, 6);
  EXPECT_EQ(State.ZeroY, 2048);
  EXPECT_EQ(State.SpanZ, 1000);
}

TEST_F(PowerCycleTest, LedIsRedUntilTheFirstRunPassThenDarkRedForGood) {
  std::vector<uint32_t> ledAtPump;
  panel->EveryPump([&](ScriptedPanel& p) { ledAtPump.push_back(p.Led()); });
  panel->OffAt(FirstRunPass + 1);
  PowerOn();
  ASSERT_EQ(ledAtPump.size(), FirstRunPass + 1);
  for (size_t i = 0; i < SPLASH_PASSES; ++i) EXPECT_EQ(ledAtPump[i], COLOUR_LED_RED) << "pump " << i + 1;
  EXPECT_EQ(ledAtPump[SPLASH_PASSES], COLOUR_LED_DARK_RED);

  panel->OffAt(panel->Pumps() + 3);
  PowerOn();
  EXPECT_EQ(panel->LedColours(), std::vector<uint32_t>{COLOUR_LED_DARK_RED})
      << "a later power-on does not turn the LED red again";
}

TEST_F(PowerCycleTest, RunLoopHidesTheLcdWhileDrawingAndShowsItBeforeEvents) {
  std::vector<bool> visibleAtPump;
  panel->EveryPump([&](ScriptedPanel& p) { visibleAtPump.push_back(p.LcdVisible()); });
  panel->OffAt(FirstRunPass + 2);
  PowerOn();
  for (bool visible : visibleAtPump) EXPECT_TRUE(visible);
  EXPECT_EQ(panel->VisibilityChanges(), (std::vector<bool>{false, true, false, true, false, true}));
}

TEST_F(PowerCycleTest, CheckBoxesAreReadOnEveryPass) {
  std::vector<int> keyStep;
  std::vector<int> calibrate;
  panel->EveryPump([&](ScriptedPanel& p) {
    if (p.CurrentPump() > SPLASH_PASSES) {
      keyStep.push_back(State.KeyStep);
      calibrate.push_back(State.CalibrateMode);
    }
  });
  panel->At(3, [](ScriptedPanel& p) { p.SetCalibrate(true); });
  panel->At(FirstRunPass + 1, [](ScriptedPanel& p) { p.SetKeyFast(true); });
  panel->At(FirstRunPass + 2, [](ScriptedPanel& p) { p.SetCalibrate(false); });
  panel->OffAt(FirstRunPass + 3);
  PowerOn();
  EXPECT_EQ(keyStep, (std::vector<int>{1, 1, 10, 10}));
  EXPECT_EQ(calibrate, (std::vector<int>{1, 1, 1, 0}));
}

}  // namespace
