// GFORCE SETUP: rows and edit mode, the span and cycle-limit wraps, the Z-axis trim and code
// rows, and the code state cleared by every knob press.
#include <gtest/gtest.h>

#include <vector>

#include "SetupScreensFixture.h"

namespace {

class GForceSetupTest : public SetupScreensTest {};

TEST_F(GForceSetupTest, KeysMoveTheCursorAndOpenTheRows) {
  const ListKeyCase cases[] = {
      {0, 0, KEY_SELECT, ScreenMainMenu, 2, 0},  // DONE: the menu's G-FORCE SETUP entry
      {1, 0, KEY_SELECT, ScreenGForceSetup, 1, 1},
      {2, 0, KEY_SELECT, ScreenGForceSetup, 2, 1},
      {3, 0, KEY_SELECT, ScreenGForceSetup, 3, 1},
      {1, 1, KEY_SELECT, ScreenGForceSetup, 1, 0},
      {3, 1, KEY_SELECT, ScreenGForceSetup, 3, 0},
      {4, 0, KEY_SELECT, ScreenZAxisCal, 4, 0},  // the trim comes back to this row
      {5, 0, KEY_SELECT, ScreenEnterCurrentCode, 0, 0},
      {0, 0, KEY_CW, ScreenGForceSetup, 1, 0},
      {4, 0, KEY_F2, ScreenGForceSetup, 5, 0},
      {5, 0, KEY_CW, ScreenGForceSetup, 5, 0},  // stops at the last row
      {5, 0, KEY_F2, ScreenGForceSetup, 5, 0},
      {5, 0, KEY_CCW, ScreenGForceSetup, 4, 0},
      {1, 0, KEY_F1, ScreenGForceSetup, 0, 0},
      {0, 0, KEY_CCW, ScreenGForceSetup, 0, 0},  // and at the first
      {0, 0, KEY_F1, ScreenGForceSetup, 0, 0},
      {2, 1, KEY_CW, ScreenGForceSetup, 2, 1},  // editing: the cursor stays
      {3, 1, KEY_F2, ScreenGForceSetup, 3, 1},
  };
  for (const ListKeyCase& c : cases) {
    ExpectListKey(ScreenGForceSetup, c);
    EXPECT_EQ(State.ReturnScreen, c.screen == ScreenZAxisCal ? ScreenGForceSetup : ScreenMain);
  }
}

enum class Setting { Span, CyclePos, CycleNeg };

int32_t Read(Setting s) {
  switch (s) {
    case Setting::Span:
      return State.GfSpan;
    case Setting::CyclePos:
      return State.CycleLimitPos;
    case Setting::CycleNeg:
      return State.CycleLimitNeg;
  }
  return 0;
}

void Write(Setting s, int32_t value) {
  switch (s) {
    case Setting::Span:
      State.GfSpan = static_cast<uint8_t>(value);
      break;
    case Setting::CyclePos:
      State.CycleLimitPos = static_cast<int8_t>(value);
      break;
    case Setting::CycleNeg:
      State.CycleLimitNeg = static_cast<int8_t>(value);
      break;
  }
}

uint8_t RowOf(Setting s) { return static_cast<uint8_t>(1 + static_cast<int>(s)); }

// Each case presses one key repeatedly from a start value; the values after each press.
TEST_F(GForceSetupTest, EditedValuesStepAndWrapAtTheirOwnPlaces) {
  struct Case {
    Setting setting;
    uint8_t keyStep;
    uint8_t key;
    int32_t start;
    std::vector<int32_t> after;
  };
  const Case cases[] = {
      {Setting::Span, 1, KEY_CW, 10, {11, 12, 2, 3}},
      {Setting::Span, 1, KEY_CCW, 4, {3, 2, 12, 11}},
      {Setting::Span, 10, KEY_F1, 6, {7, 8}},  // KeyFast does not apply to the span
      {Setting::Span, 10, KEY_F2, 3, {2, 12}},
      // Positive limit: never reaches 120 rising nor 1 falling.
      {Setting::CyclePos, 1, KEY_CW, 117, {118, 119, 1, 2}},
      {Setting::CyclePos, 1, KEY_CCW, 4, {3, 2, 120, 119}},
      {Setting::CyclePos, 10, KEY_CW, 50, {60, 70, 80, 90, 100, 110, 1, 11}},
      {Setting::CyclePos, 10, KEY_CCW, 50, {40, 30, 20, 10, 120, 110}},
      {Setting::CyclePos, 10, KEY_F1, 115, {1}},  // not 125, nor a negative byte
      {Setting::CyclePos, 10, KEY_F2, 11, {120}},
      {Setting::CyclePos, 1, KEY_F1, 120, {1}},
      // Negative limit: raising means a larger magnitude; it reaches 0 towards zero.
      {Setting::CycleNeg, 1, KEY_CW, -117, {-118, -119, -1, -2}},
      {Setting::CycleNeg, 1, KEY_CCW, -3, {-2, -1, 0, -120, -119}},
      {Setting::CycleNeg, 10, KEY_CW, -50, {-60, -70, -80, -90, -100, -110, -1, -11}},
      {Setting::CycleNeg, 10, KEY_CCW, -50, {-40, -30, -20, -10, 0, -120, -110}},
      {Setting::CycleNeg, 10, KEY_F1, -115, {-1}},
      {Setting::CycleNeg, 10, KEY_F2, -5, {-120}},
      {Setting::CycleNeg, 1, KEY_F2, -1, {0, -120}},
  };
  for (const Case& c : cases) {
    SetUp();
    Open(ScreenGForceSetup, RowOf(c.setting), 1);
    State.KeyStep = c.keyStep;
    Write(c.setting, c.start);
    std::vector<int32_t> seen;
    for (size_t i = 0; i < c.after.size(); ++i) {
      Pass(c.key);
      seen.push_back(Read(c.setting));
    }
    EXPECT_EQ(seen, c.after) << "row " << int(RowOf(c.setting)) << " step " << int(c.keyStep)
                             << " key " << int(c.key) << " from " << c.start;
    // The other rows keep their defaults.
    if (c.setting != Setting::Span) {
      EXPECT_EQ(State.GfSpan, 6);
    }
    if (c.setting != Setting::CyclePos) {
      EXPECT_EQ(State.CycleLimitPos, 50);
    }
    if (c.setting != Setting::CycleNeg) {
      EXPECT_EQ(State.CycleLimitNeg, -50);
    }
  }
}

TEST_F(GForceSetupTest, SpanOutOfRangeComesBackIntoRange) {
  struct Case {
    uint8_t start;
    uint8_t key;
    uint8_t after;
  };
  for (const Case& c : {Case{0, KEY_CW, 2}, Case{200, KEY_CW, 2}, Case{0, KEY_CCW, 12},
                        Case{200, KEY_CCW, 12}}) {
    Open(ScreenGForceSetup, 1, 1);
    State.GfSpan = c.start;
    Pass(c.key);
    EXPECT_EQ(State.GfSpan, c.after) << "from " << int(c.start);
  }
}

TEST_F(GForceSetupTest, DirectionKeysChangeNothingWhenNotEditing) {
  for (uint8_t key : {KEY_CW, KEY_CCW, KEY_F1, KEY_F2}) {
    for (uint8_t row = 1; row <= 3; ++row) {
      SetUp();
      Open(ScreenGForceSetup, row, 0);
      Pass(key);
      EXPECT_EQ(State.GfSpan, 6);
      EXPECT_EQ(State.CycleLimitPos, 50);
      EXPECT_EQ(State.CycleLimitNeg, -50);
    }
  }
}

TEST_F(GForceSetupTest, EveryKnobPressClearsTheCodeInProgressAndOtherKeysDoNot) {
  struct Case {
    uint8_t cursor;
    uint8_t editMode;
    uint8_t key;
    bool clears;
  };
  const Case cases[] = {
      {0, 0, KEY_SELECT, true}, {1, 0, KEY_SELECT, true}, {2, 0, KEY_SELECT, true},
      {3, 0, KEY_SELECT, true}, {4, 0, KEY_SELECT, true}, {5, 0, KEY_SELECT, true},
      {1, 1, KEY_SELECT, true}, {2, 1, KEY_SELECT, true}, {3, 1, KEY_SELECT, true},
      {2, 0, KEY_CW, false},    {2, 1, KEY_CW, false},    {5, 0, KEY_F1, false},
  };
  for (const Case& c : cases) {
    SetUp();
    Open(ScreenGForceSetup, c.cursor, c.editMode);
    State.PendingCode = 4321;
    for (uint8_t i = 0; i < 4; ++i) State.CodeDigits[i] = static_cast<uint8_t>(i + 6);
    Pass(c.key);
    SCOPED_TRACE(testing::Message() << "cursor " << int(c.cursor) << " edit " << int(c.editMode)
                                    << " key " << int(c.key));
    EXPECT_EQ(State.PendingCode, c.clears ? 0 : 4321);
    for (uint8_t i = 0; i < 4; ++i) EXPECT_EQ(State.CodeDigits[i], c.clears ? 0 : i + 6);
  }
}

TEST_F(GForceSetupTest, CallsNoHook) {
  Open(ScreenGForceSetup);
  Passes({KEY_CW, KEY_SELECT, KEY_CW, KEY_CCW, KEY_SELECT, KEY_F2, KEY_SELECT, KEY_F1, KEY_SELECT,
          KEY_F2, KEY_F2, KEY_F1, KEY_CW, KEY_F1, KEY_F1, KEY_F1, KEY_F1, KEY_SELECT});
  EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
  for (int i = 0; i < static_cast<int>(HookId::Count); ++i) {
    EXPECT_EQ(HookCalls.calls[i], 0) << "hook " << i;
  }
}

TEST_F(GForceSetupTest, GoldenFrames) {
  ExpectGoldenFrames({
      {"gforce", [] { Open(ScreenGForceSetup); }},
      // The value behind a label of its language's length, alone inverse while edited.
      {"gforce_span_edit", [] { Open(ScreenGForceSetup, 1, 1); }},
      {"gforce_limits",
       [] {
         Open(ScreenGForceSetup, 3);
         State.GfSpan = 12;
         State.CycleLimitPos = 1;
         State.CycleLimitNeg = 0;  // shown with a plus sign
       }},
      // The code row's four words over one inverse bar.
      {"gforce_code_row", [] { Open(ScreenGForceSetup, 5); }},
  });
}

// Walked through the scripted panel from power-on with KeyFast ticked: the limits step by
// ten, the span by one, the trim screen comes back to its row out of edit mode, and DONE
// returns to the menu's own entry.
TEST_F(GForceSetupTest, SessionWithKeyFastAndTheTrimRow) {
  panel->SetKeyFast(true);
  Session s(*panel);
  s.OpenFromMainDisplay(2);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenGForceSetup);
    EXPECT_EQ(State.Cursor, 0);
    EXPECT_EQ(State.EditMode, 0);
  });
  s.Press({KEY_CW, KEY_SELECT, KEY_CW, KEY_SELECT});
  s.Press({KEY_F2, KEY_SELECT, KEY_F1, KEY_F1, KEY_SELECT});
  s.Press({KEY_CW, KEY_SELECT, KEY_CCW, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.GfSpan, 7);
    EXPECT_EQ(State.CycleLimitPos, 70);
    EXPECT_EQ(State.CycleLimitNeg, -40);
    EXPECT_EQ(State.Cursor, 3);
    EXPECT_EQ(State.EditMode, 0);
  });
  s.Press({KEY_CW, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenZAxisCal);
    EXPECT_EQ(State.ReturnScreen, ScreenGForceSetup);
  });
  s.Press({KEY_F1, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenGForceSetup);
    EXPECT_EQ(State.Cursor, 4);
    EXPECT_EQ(State.EditMode, 0);
    EXPECT_EQ(State.ZeroY, 2049) << "the trim steps by one whatever KeyStep";
  });
  s.Press({KEY_F1, KEY_F1, KEY_F1, KEY_F1, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenMainMenu);
    EXPECT_EQ(State.Cursor, 2);
    EXPECT_EQ(State.EditMode, 0);
  });
  s.Run();
}

}  // namespace
