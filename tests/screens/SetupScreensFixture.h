// Driving the setup, code lock and service screens: single screen calls as a run-loop pass
// makes them, and sessions of keys played through the scripted panel from power-on.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "lcd/FrameBuffer.h"
#include "measurement/Calibration.h"
#include "screens/Keys.h"
#include "screens/Screens.h"
#include "support/Golden.h"
#include "support/InstrumentFixture.h"

// The keys that type code on a code entry screen: each digit raised or lowered to its value
// from 0 (by the shorter way, alternating the two keys of each direction), then confirmed
// with the knob, the fourth press completing the code.
inline std::vector<uint8_t> CodeKeys(int code) {
  const int digits[4] = {code / 1000 % 10, code / 100 % 10, code / 10 % 10, code % 10};
  std::vector<uint8_t> keys;
  for (int digit : digits) {
    if (digit <= 5) {
      for (int i = 0; i < digit; ++i) keys.push_back(i % 2 == 0 ? KEY_CW : KEY_F1);
    } else {
      for (int i = 0; i < 10 - digit; ++i) keys.push_back(i % 2 == 0 ? KEY_CCW : KEY_F2);
    }
    keys.push_back(KEY_SELECT);
  }
  return keys;
}

// The state a power-on leaves, without running one; no hook call is counted.
class SetupScreensTest : public InstrumentTest {
 protected:
  void SetUp() override {
    InstrumentTest::SetUp();
    LoadSettingsDefaults();
    LoadCalibrationDefaults();
    State.KeyStep = 1;
    State.CurrentScreen = ScreenMain;
    ResetHookCounters();
  }

  static void Open(ScreenHandler screen, uint8_t cursor = 0, uint8_t editMode = 0) {
    State.CurrentScreen = screen;
    State.Cursor = cursor;
    State.EditMode = editMode;
  }

  // One call of the current screen with key pending, on a freshly cleared frame. Every key
  // must come back consumed, whatever the screen did with it.
  static void Pass(uint8_t key = KEY_NONE) {
    State.PendingKey = key;
    LcdClear();
    State.CurrentScreen();
    EXPECT_EQ(State.PendingKey, KEY_NONE) << "key " << int(key) << " was not consumed";
  }

  // One key on a list screen: the cursor and edit mode it starts from, and where the key
  // leaves the screen, the cursor and edit mode.
  struct ListKeyCase {
    uint8_t cursor;
    uint8_t editMode;
    uint8_t key;
    ScreenHandler screen;
    uint8_t cursorAfter;
    uint8_t editModeAfter;
  };
  // Opens screen as the case starts, passes its key and checks the outcome.
  void ExpectListKey(ScreenHandler screen, const ListKeyCase& c) {
    SetUp();
    Open(screen, c.cursor, c.editMode);
    State.ReturnScreen = ScreenMain;
    Pass(c.key);
    SCOPED_TRACE(testing::Message() << "cursor " << int(c.cursor) << " edit " << int(c.editMode)
                                    << " key " << int(c.key));
    EXPECT_EQ(State.CurrentScreen, c.screen);
    EXPECT_EQ(State.Cursor, c.cursorAfter);
    EXPECT_EQ(State.EditMode, c.editModeAfter);
  }

  static void Passes(std::initializer_list<uint8_t> keys) {
    for (uint8_t key : keys) Pass(key);
  }

  static void TypeCode(int code) {
    for (uint8_t key : CodeKeys(code)) Pass(key);
  }

  // One screen state to be drawn in both languages and compared with the golden frames
  // <name>_en and <name>_fr.
  struct GoldenScreen {
    const char* name;
    std::function<void()> arrange;
  };
  void ExpectGoldenFrames(std::initializer_list<GoldenScreen> screens) {
    for (const GoldenScreen& screen : screens) {
      for (uint8_t language : {0, 1}) {
        SetUp();
        screen.arrange();
        State.Language = language;
        Pass();
        EXPECT_TRUE(CurrentFrameMatchesGolden(std::string(screen.name) + (language == 0 ? "_en" : "_fr")));
      }
    }
  }
};

// Keys played through the scripted panel from power-on, one every two run-loop passes: a
// key pressed at the end of one pass is handled by the next, and the pass after that draws
// its outcome. So a check placed after a key sees both the new state and its frame.
class Session {
 public:
  // Counts from the first run-loop pass of the next power-on of panel.
  explicit Session(ScriptedPanel& panel) : panel_(panel), pump_(panel.Pumps() + SPLASH_PASSES + 1) {}

  // A key pressed during the splash, at splash pass number pass (1 to SPLASH_PASSES).
  void PressDuringSplash(uint64_t pass, uint8_t key) { panel_.KeyAt(pump_ - SPLASH_PASSES - 1 + pass, key); }

  void Press(uint8_t key) {
    panel_.KeyAt(pump_, key);
    pump_ += 2;
  }
  void Press(std::initializer_list<uint8_t> keys) {
    for (uint8_t key : keys) Press(key);
  }
  void Press(uint8_t key, int times) {
    for (int i = 0; i < times; ++i) Press(key);
  }
  void TypeCode(int code) {
    for (uint8_t key : CodeKeys(code)) Press(key);
  }
  // From the main display: the main menu, down to entry, and open it.
  void OpenFromMainDisplay(uint8_t entry) {
    Press(KEY_SELECT);
    Press(KEY_CW, entry);
    Press(KEY_SELECT);
  }
  // Lets passes go by without a key, for the ten-pass average to settle.
  void Wait(uint64_t passes) { pump_ += passes; }

  // Runs at the current point of the session, after the last key's outcome was drawn.
  void Then(std::function<void()> check) {
    ++checks_;
    panel_.At(pump_, [this, check = std::move(check)](ScriptedPanel&) {
      ++checksRun_;
      check();
    });
  }
  void Do(ScriptedPanel::Action action) { panel_.At(pump_, std::move(action)); }

  // Puts a screen in place directly, as if reached from the main menu.
  void Open(ScreenHandler screen, uint8_t cursor = 0) {
    Then([screen, cursor] {
      State.CurrentScreen = screen;
      State.Cursor = cursor;
      State.EditMode = 0;
    });
    pump_ += 1;
  }

  // Switches off after the last step and powers on; returns when the run ends.
  void Run() {
    panel_.OffAt(pump_);
    PowerOn();
    EXPECT_EQ(checksRun_, checks_) << "the run ended before every check was reached";
  }

 private:
  ScriptedPanel& panel_;
  uint64_t pump_;
  int checks_ = 0;
  int checksRun_ = 0;
};
