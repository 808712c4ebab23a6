// A seeded random soak: long runs of random keys, slider moves, check-box ticks, captures,
// trims, OFF and (nested) ON through the scripted panel, with the instrument's invariants
// checked after every pass. TQ4_SOAK_SEED replays one seed, TQ4_SOAK_PASSES sets the length.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "instrument/Presets.h"
#include "lcd/FrameBuffer.h"
#include "measurement/Calibration.h"
#include "scenario/StateFields.h"
#include "scripted/ScriptedPanel.h"
#include "screens/Keys.h"
#include "screens/Screens.h"
#include "support/CountingHooks.h"

namespace {

constexpr uint64_t DEFAULT_PASSES = 50000;
constexpr int MAX_NESTING = 4;
constexpr int MAX_FIELDS = 64;

uint64_t FromEnvironment(const char* name, uint64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text, &end, 0);
  return *end == '\0' ? value : fallback;
}

// splitmix64: small, fast, and the same sequence on every platform, so a seed replays.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 to n - 1.
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
  // True with a chance of perTenThousand / 10000.
  bool Chance(uint32_t perTenThousand) { return Below(10000) < perTenThousand; }

 private:
  uint64_t state_;
};

// Where Cursor and EditMode may stand on each screen, derived from the ways into it.
struct ScreenRule {
  ScreenHandler screen;
  uint8_t lowestCursor;
  uint8_t highestCursor;
  bool editMode;  // EditMode may be 1 here (carried over a power cycle, or a row being edited)
};

const ScreenRule SCREEN_RULES[] = {
    // Entered from anywhere after a power cycle, with whatever Cursor and EditMode were left.
    {ScreenMain, 0, 5, true},
    {ScreenMaxValues, 0, 5, true},
    {ScreenResetTempMax, 0, 5, true},
    {ScreenResetCycles, 0, 5, true},
    {ScreenDone, 0, 5, true},
    // Entered with Cursor 0 and EditMode 0 and kept within their rows.
    {ScreenMainMenu, 0, 4, false},
    {ScreenDisplaySetup, 0, 3, true},
    {ScreenContrast, 0, 0, false},
    {ScreenGForceSetup, 0, 5, true},
    {ScreenZAxisCal, 4, 4, false},
    {ScreenCalibrate, 0, 2, false},
    {ScreenAdcValues, 0, 0, false},
    {ScreenEnterCurrentCode, 0, 3, false},
    {ScreenEnterNewCode, 0, 3, false},
    {ScreenConfirmNewCode, 0, 3, false},
    // Reached from MAX VALUES, which keeps EditMode as the main display left it.
    {ScreenEnterResetCode, 0, 3, true},
    {ScreenCodeIncorrect, 3, 5, true},
    {ScreenCodeChanged, 5, 5, false},
};
constexpr int SCREEN_RULE_COUNT = static_cast<int>(sizeof(SCREEN_RULES) / sizeof(SCREEN_RULES[0]));

int RuleIndex(ScreenHandler screen) {
  for (int i = 0; i < SCREEN_RULE_COUNT; ++i) {
    if (SCREEN_RULES[i].screen == screen) return i;
  }
  return -1;
}

bool IsCodeEntry(ScreenHandler screen) {
  return screen == ScreenEnterCurrentCode || screen == ScreenEnterNewCode || screen == ScreenConfirmNewCode ||
         screen == ScreenEnterResetCode;
}

int32_t EnteredCode() {
  return 1000 * State.CodeDigits[0] + 100 * State.CodeDigits[1] + 10 * State.CodeDigits[2] +
         State.CodeDigits[3];
}

// What the driver did, kept for the report of a failure.
enum class Deed : uint8_t { Key, SliderY, SliderZ, Calibrate, KeyFast, Capture1G, Capture0G, Trim, Off, On };
const char* DEED_NAMES[] = {"key", "slider y", "slider z", "tick calibrate", "tick keyfast",
                            "capture 1G", "capture 0G", "trim ZeroY", "OFF", "ON"};

struct DeedRecord {
  uint64_t pump;
  Deed deed;
  int64_t value;
};

class Soak {
 public:
  Soak(uint64_t seed, uint64_t passes) : seed_(seed), passes_(passes), random_(seed) {}

  // Returns an empty string when every invariant held after every pass, else the first fault.
  std::string Run() {
    State = InstrumentState{};
    ResetHookCounters();
    panel_.RecordFrames(false);
    // A backstop: whatever happens, every power-on ends soon after the planned passes.
    panel_.SetPumpLimit(passes_ + static_cast<uint64_t>(SPLASH_PASSES) * (MAX_NESTING + 2));
    panel_.EveryPump([this](ScriptedPanel&) { OnPump(); });
    while (fault_.empty() && panel_.Pumps() < passes_) {
      ActWhileOff();
      PowerOnSession();
    }
    return fault_;
  }

  uint64_t Passes() const { return panel_.Pumps(); }
  uint64_t Visits(int rule) const { return visits_[rule]; }
  uint64_t CodeChanges() const { return codeChanges_; }
  uint64_t NestedOns() const { return nestedOns_; }
  uint64_t ZeroCaptures() const { return zeroCaptures_; }
  uint64_t AlarmPasses() const { return alarmPasses_; }

 private:
  struct Snapshot {
    ScreenHandler screen = nullptr;
    uint8_t key = KEY_NONE;
    uint8_t cursor = 0;
    int32_t code = 0;
    int32_t pendingCode = 0;
  };

  void PowerOnSession() {
    passOfSession_[depth_++] = 0;
    Record(Deed::On, depth_);
    panel_.PressOn();
    --depth_;
    TakeSnapshot();
  }

  void OnPump() {
    const uint64_t pass = ++passOfSession_[depth_ - 1];
    const bool running = pass > static_cast<uint64_t>(SPLASH_PASSES);
    if (!fault_.empty() || panel_.Pumps() >= passes_) {
      panel_.PressOff();
      return;
    }
    Check(running);
    if (!fault_.empty()) {
      panel_.PressOff();
      return;
    }
    const int rule = RuleIndex(State.CurrentScreen);
    if (running && rule >= 0) ++visits_[rule];
    if (running && State.AlarmActive) ++alarmPasses_;
    Act(running);
    TakeSnapshot();
  }

  // -------------------------------------------------------------------------------------
  // The invariants.

  void Fail(const std::string& what) {
    if (!fault_.empty()) return;
    std::ostringstream out;
    out << what << "\n  seed " << seed_ << ", pump " << panel_.Pumps() << ", pass " << passOfSession_[depth_ - 1]
        << " of power-on level " << depth_ << ", screen " << NameOfScreen(State.CurrentScreen) << ", Cursor "
        << int{State.Cursor} << ", EditMode " << int{State.EditMode} << "\n  replay: TQ4_SOAK_SEED=" << seed_
        << " TQ4_SOAK_PASSES=" << passes_ << "\n  the driver's last deeds:";
    for (int i = 0; i < TRAIL; ++i) {
      const DeedRecord& r = trail_[(trailNext_ + i) % TRAIL];
      if (r.pump == 0 && r.deed == Deed::Key && r.value == 0) continue;
      out << "\n    pump " << r.pump << ": " << DEED_NAMES[static_cast<int>(r.deed)] << " " << r.value;
    }
    fault_ = out.str();
  }

  void Expect(bool held, const char* what) {
    if (!held) {
      std::ostringstream out;
      out << what << " (GNow " << State.GNow << ", TempMax " << State.TempMax << ", TempMin " << State.TempMin
          << ", MaxPos " << State.MaxPos << ", MaxNeg " << State.MaxNeg << ", GfSpan " << int{State.GfSpan}
          << ", Contrast " << int{State.Contrast} << ", limits " << int{State.CycleLimitPos} << "/"
          << int{State.CycleLimitNeg} << ", KeyStep " << int{State.KeyStep} << ", PendingKey "
          << int{State.PendingKey} << ", ResetCode " << State.ResetCode << ")";
      Fail(out.str());
    }
  }

  void Check(bool running) {
    // The screen consumed its key (or the splash discarded it) before this pump.
    Expect(State.PendingKey == KEY_NONE, "a key is still pending after the pass");
    Expect(State.TempMax >= State.GNow && State.GNow >= State.TempMin, "TempMax >= GNow >= TempMin broken");
    Expect(State.MaxPos >= State.GNow && State.GNow >= State.MaxNeg, "MaxPos >= GNow >= MaxNeg broken");
    for (uint8_t digit : State.CodeDigits) Expect(digit <= 9, "a code digit is beyond 9");
    Expect(State.GfSpan >= 2 && State.GfSpan <= 12, "GfSpan is outside 2 to 12");
    Expect(State.Contrast <= 57, "Contrast is above 57");
    Expect(State.CycleLimitPos >= 1 && State.CycleLimitPos <= 120, "CycleLimitPos is outside 1 to 120");
    Expect(State.CycleLimitNeg >= -120 && State.CycleLimitNeg <= 0, "CycleLimitNeg is outside -120 to 0");
    Expect(State.Language <= 1, "Language is neither English nor French");
    Expect(State.BacklightOn <= 1, "BacklightOn is not a flag");
    Expect(State.EditMode <= 1, "EditMode is not a flag");
    Expect(State.KeyStep == 1 || State.KeyStep == 10, "KeyStep is neither 1 nor 10");
    Expect(State.Cursor <= 5, "Cursor is above 5");
    if (running) {
      Expect(State.KeyStep == (panel_.KeyFast() ? 10 : 1), "KeyStep does not follow the KeyFast box");
      Expect(State.CalibrateMode == (panel_.Calibrate() ? 1 : 0), "CalibrateMode does not follow the box");
    }
    CheckScreen();
    CheckResetCode(running);
    if (running && fault_.empty()) CheckRedraw();
  }

  void CheckScreen() {
    const int rule = RuleIndex(State.CurrentScreen);
    if (rule < 0) return Fail(std::string("the current screen is ") + NameOfScreen(State.CurrentScreen));
    const ScreenRule& r = SCREEN_RULES[rule];
    Expect(State.Cursor >= r.lowestCursor && State.Cursor <= r.highestCursor,
           "Cursor is outside the rows of the current screen");
    Expect(State.EditMode == 0 || r.editMode, "EditMode is set on a screen that edits nothing");
    if (State.CurrentScreen == ScreenDisplaySetup && State.EditMode == 1) {
      Expect(State.Cursor == 2 || State.Cursor == 3, "display setup edits a row that has no value");
    }
    if (State.CurrentScreen == ScreenGForceSetup && State.EditMode == 1) {
      Expect(State.Cursor >= 1 && State.Cursor <= 3, "G-force setup edits a row that has no value");
    }
    // Where the message and sub-screens go back to.
    const ScreenHandler back = State.ReturnScreen;
    if (State.CurrentScreen == ScreenDone) {
      Expect(back == ScreenMain || (back == ScreenCalibrate && State.Cursor >= 1 && State.Cursor <= 2),
             "DONE returns somewhere unexpected");
    } else if (State.CurrentScreen == ScreenCodeIncorrect) {
      Expect((back == ScreenMain && State.Cursor == 3) || (back == ScreenGForceSetup && State.Cursor == 5),
             "INCORRECT CODE returns somewhere unexpected");
    } else if (State.CurrentScreen == ScreenCodeChanged || State.CurrentScreen == ScreenZAxisCal) {
      Expect(back == ScreenGForceSetup, "the screen does not return to G-force setup");
    }
  }

  // Only a pass that confirmed a new code with matching digits may change ResetCode.
  void CheckResetCode(bool running) {
    const bool confirmed = last_.screen == ScreenConfirmNewCode && last_.key == KEY_SELECT && last_.cursor == 3 &&
                           last_.code == last_.pendingCode;
    if (confirmed && running) {
      Expect(State.ResetCode == last_.pendingCode, "a confirmed new code was not stored");
      if (State.ResetCode != resetCode_) ++codeChanges_;
    } else if (!confirmed) {
      Expect(State.ResetCode == resetCode_, "ResetCode changed without a confirmed new code");
    }
    resetCode_ = State.ResetCode;
  }

  // With no key pending a screen only draws: drawing it again changes no field (so neither
  // PendingKey nor KeyStep behind the frame buffer), and when the pass had no key either,
  // it draws the very frame the pass presented.
  void CheckRedraw() {
    int64_t fields[MAX_FIELDS];
    for (int i = 0; i < INSTRUMENT_FIELD_COUNT; ++i) fields[i] = STATE_FIELDS[i].Read(panel_);
    std::memcpy(&before_, &State, sizeof State);
    LcdClear();
    State.CurrentScreen();
    for (int i = 0; i < INSTRUMENT_FIELD_COUNT; ++i) {
      const int64_t now = STATE_FIELDS[i].Read(panel_);
      if (now != fields[i]) {
        Fail(std::string("drawing the screen with no key changed ") + STATE_FIELDS[i].Name + " from " +
             std::to_string(fields[i]) + " to " + std::to_string(now));
        break;
      }
    }
    if (State.CurrentScreen != before_.CurrentScreen || State.ReturnScreen != before_.ReturnScreen) {
      Fail("drawing the screen with no key changed the screens");
    }
    if (last_.key == KEY_NONE && last_.screen == before_.CurrentScreen &&
        std::memcmp(State.FrameBuffer, before_.FrameBuffer, sizeof State.FrameBuffer) != 0) {
      Fail("drawing the same state again gave another frame");
    }
    std::memcpy(&State, &before_, sizeof State);
  }

  void TakeSnapshot() {
    last_.screen = State.CurrentScreen;
    last_.key = State.PendingKey;
    last_.cursor = State.Cursor;
    last_.code = EnteredCode();
    last_.pendingCode = State.PendingCode;
  }

  // -------------------------------------------------------------------------------------
  // The driver.

  void Record(Deed deed, int64_t value) {
    trail_[trailNext_] = {panel_.Pumps(), deed, value};
    trailNext_ = (trailNext_ + 1) % TRAIL;
  }

  void PressKey(uint8_t key) {
    Record(Deed::Key, key);
    panel_.PressKey(key);
  }

  uint8_t RandomKey() { return static_cast<uint8_t>(KEY_SELECT + random_.Below(5)); }

  int32_t RandomPosition() {
    switch (random_.Below(8)) {
      case 0: return 0;
      case 1: return 4096;
      case 2: return 2048 + static_cast<int32_t>(random_.Below(201)) - 100;
      default: return static_cast<int32_t>(random_.Below(4097));
    }
  }

  void MoveSliders() {
    const uint32_t what = random_.Below(10);
    if (what == 0) {
      const OrientationPreset& preset = ORIENTATION_PRESETS[random_.Below(ORIENTATION_PRESET_COUNT)];
      SetY(preset.SliderY);
      SetZ(preset.SliderZ);
    } else if (what == 1) {
      // Inputs at the stored zeros, so that a later capture has no deflection at all.
      SetY(State.ZeroY);
      SetZ(State.ZeroZ);
    } else if (what < 6) {
      SetY(RandomPosition());
    } else {
      SetZ(RandomPosition());
    }
  }

  void SetY(int32_t position) {
    Record(Deed::SliderY, position);
    panel_.SetSliderY(position);
  }

  void SetZ(int32_t position) {
    Record(Deed::SliderZ, position);
    panel_.SetSliderZ(position);
  }

  void Trim() {
    static constexpr int32_t DELTAS[] = {1, -1, 7, -7, 400, -400, 100000, -100000, 2147483647, -2147483647};
    const int32_t delta = DELTAS[random_.Below(10)];
    Record(Deed::Trim, delta);
    TrimZeroY(delta);
  }

  // The inputs a user has at hand whether the instrument runs or not.
  void ActOnWindow() {
    if (random_.Chance(500)) MoveSliders();
    if (random_.Chance(100)) {
      Record(Deed::Calibrate, !panel_.Calibrate());
      panel_.SetCalibrate(!panel_.Calibrate());
    }
    if (random_.Chance(100)) {
      Record(Deed::KeyFast, !panel_.KeyFast());
      panel_.SetKeyFast(!panel_.KeyFast());
    }
    // Captures, more often when the last samples sit at the stored zeros (no deflection).
    if (random_.Chance(State.AdcZ == State.ZeroZ ? 150 : 50)) {
      Record(Deed::Capture1G, int64_t{State.AdcZ} - State.ZeroZ);
      if (State.AdcZ == State.ZeroZ) ++zeroCaptures_;
      panel_.PressCalibrate1G();
    }
    if (random_.Chance(State.AdcY == State.ZeroY ? 150 : 50)) {
      Record(Deed::Capture0G, int64_t{State.AdcY} - State.ZeroY);
      if (State.AdcY == State.ZeroY) ++zeroCaptures_;
      panel_.PressCalibrate0G();
    }
    if (random_.Chance(30)) Trim();
  }

  void ActWhileOff() {
    for (uint32_t i = random_.Below(4); i > 0; --i) {
      ActOnWindow();
      if (random_.Chance(3000)) PressKey(RandomKey());  // left pending; power-on discards it
    }
    TakeSnapshot();
  }

  void Act(bool running) {
    ActOnWindow();
    PressKeys(running);
    if (random_.Chance(5)) {
      Record(Deed::Off, 0);
      panel_.PressOff();
    }
    if (depth_ < MAX_NESTING && random_.Chance(running ? 3 : 20)) {
      ++nestedOns_;
      PowerOnSession();
    }
  }

  // Mostly random keys; on a code entry screen now and then a whole code typed digit by
  // digit (the stored code, the master code, or the code being confirmed), so that the code
  // lock's deeper paths are walked as well.
  void PressKeys(bool running) {
    if (!running || !IsCodeEntry(State.CurrentScreen) || State.CurrentScreen != typingOn_) {
      typing_ = false;
    }
    if (running && IsCodeEntry(State.CurrentScreen) && !typing_ && State.Cursor == 0 && EnteredCode() == 0 &&
        random_.Chance(5000)) {
      typing_ = true;
      typingOn_ = State.CurrentScreen;
      if (State.CurrentScreen == ScreenConfirmNewCode) {
        target_ = random_.Chance(8000) ? State.PendingCode : static_cast<int32_t>(random_.Below(10000));
      } else if (State.CurrentScreen == ScreenEnterCurrentCode) {
        target_ = random_.Chance(5000) ? State.ResetCode : MasterCode;
      } else if (State.CurrentScreen == ScreenEnterResetCode) {
        target_ = random_.Chance(8000) ? State.ResetCode : static_cast<int32_t>(random_.Below(10000));
      } else {
        target_ = static_cast<int32_t>(random_.Below(10000));
      }
    }
    if (typing_ && random_.Chance(9000)) {
      static constexpr int32_t PLACE[] = {1000, 100, 10, 1};
      const int want = target_ / PLACE[State.Cursor] % 10;
      const int have = State.CodeDigits[State.Cursor];
      PressKey(have < want ? KEY_CW : (have > want ? KEY_CCW : KEY_SELECT));
      return;
    }
    if (random_.Chance(3500)) {
      PressKey(RandomKey());
      if (random_.Chance(200)) PressKey(RandomKey());  // lost: one is already pending
    }
  }

  static constexpr int TRAIL = 24;

  uint64_t seed_;
  uint64_t passes_;
  Random random_;
  ScriptedPanel panel_;
  std::string fault_;
  int depth_ = 0;
  uint64_t passOfSession_[MAX_NESTING + 1] = {};
  Snapshot last_;
  int32_t resetCode_ = 0;
  bool typing_ = false;
  ScreenHandler typingOn_ = nullptr;
  int32_t target_ = 0;
  uint64_t visits_[SCREEN_RULE_COUNT] = {};
  uint64_t codeChanges_ = 0;
  uint64_t nestedOns_ = 0;
  uint64_t zeroCaptures_ = 0;
  uint64_t alarmPasses_ = 0;
  DeedRecord trail_[TRAIL] = {};
  int trailNext_ = 0;
  InstrumentState before_;
};

class SoakTest : public ::testing::TestWithParam<uint64_t> {};

TEST_P(SoakTest, KeepsEveryInvariantAfterEveryPass) {
  const uint64_t seed = FromEnvironment("TQ4_SOAK_SEED", GetParam());
  const uint64_t passes = FromEnvironment("TQ4_SOAK_PASSES", DEFAULT_PASSES);
  ASSERT_LE(INSTRUMENT_FIELD_COUNT, MAX_FIELDS);
  Soak soak(seed, passes);
  const std::string fault = soak.Run();
  ASSERT_TRUE(fault.empty()) << fault;
  EXPECT_GE(soak.Passes(), passes);

  std::ostringstream coverage;
  for (int i = 0; i < SCREEN_RULE_COUNT; ++i) {
    coverage << " " << NameOfScreen(SCREEN_RULES[i].screen) << " " << soak.Visits(i);
  }
  std::cout << "seed " << seed << ": " << soak.Passes() << " passes, " << soak.NestedOns() << " nested ONs, "
            << soak.CodeChanges() << " code changes, " << soak.ZeroCaptures()
            << " captures at zero deflection, "
            << soak.AlarmPasses() << " passes in alarm; passes per screen:" << coverage.str() << "\n";
  // A soak that never reaches a screen proves nothing about it.
  if (passes >= DEFAULT_PASSES) {
    for (int i = 0; i < SCREEN_RULE_COUNT; ++i) {
      EXPECT_GT(soak.Visits(i), 0u) << NameOfScreen(SCREEN_RULES[i].screen) << " was never reached";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SoakTest, ::testing::Values(0x7051, 0x42, 0x1D0C, 0xC0DE));

}  // namespace
