// The code lock: the digit editor shared by the four entry screens, what each entry screen
// does with a complete code, the two messages, and the code surviving a power cycle.
#include <gtest/gtest.h>

#include <array>

#include "SetupScreensFixture.h"

namespace {

class CodeLockTest : public SetupScreensTest {};

using Digits = std::array<uint8_t, 4>;

Digits CurrentDigits() {
  return {State.CodeDigits[0], State.CodeDigits[1], State.CodeDigits[2], State.CodeDigits[3]};
}

void SetDigits(const Digits& digits) {
  for (int i = 0; i < 4; ++i) State.CodeDigits[i] = digits[i];
}

constexpr ScreenHandler kEntryScreens[] = {ScreenEnterCurrentCode, ScreenEnterNewCode,
                                           ScreenConfirmNewCode, ScreenEnterResetCode};

TEST_F(CodeLockTest, DigitsWrapByThemselvesAndTheCursorOnlyMovesForward) {
  struct Case {
    Digits digits;
    uint8_t cursor;
    uint8_t key;
    Digits after;
    uint8_t cursorAfter;
  };
  const Case cases[] = {
      {{0, 0, 0, 0}, 0, KEY_CW, {1, 0, 0, 0}, 0},
      {{0, 5, 0, 0}, 1, KEY_F1, {0, 6, 0, 0}, 1},
      {{1, 9, 1, 1}, 1, KEY_CW, {1, 0, 1, 1}, 1},  // 9 raised is 0, without carrying
      {{9, 9, 9, 9}, 3, KEY_F1, {9, 9, 9, 0}, 3},
      {{1, 1, 0, 1}, 2, KEY_CCW, {1, 1, 9, 1}, 2},  // 0 lowered is 9, without borrowing
      {{0, 0, 0, 0}, 0, KEY_F2, {9, 0, 0, 0}, 0},
      {{0, 0, 0, 7}, 3, KEY_F2, {0, 0, 0, 6}, 3},
      {{4, 0, 0, 0}, 0, KEY_SELECT, {4, 0, 0, 0}, 1},
      {{4, 3, 0, 0}, 1, KEY_SELECT, {4, 3, 0, 0}, 2},
      {{4, 3, 2, 0}, 2, KEY_SELECT, {4, 3, 2, 0}, 3},
  };
  for (size_t n = 0; n < std::size(kEntryScreens); ++n) {
    const ScreenHandler screen = kEntryScreens[n];
    for (const Case& c : cases) {
      SetUp();
      Open(screen, c.cursor);
      State.ResetCode = 1111;  // none of the codes above completes an entry anyway
      SetDigits(c.digits);
      Pass(c.key);
      SCOPED_TRACE(testing::Message() << "screen " << n << " cursor "
                                      << int(c.cursor) << " key " << int(c.key));
      EXPECT_EQ(State.CurrentScreen, screen) << "an entry is left only by the fourth press";
      EXPECT_EQ(CurrentDigits(), c.after);
      EXPECT_EQ(State.Cursor, c.cursorAfter);
    }
  }
}

TEST_F(CodeLockTest, ACursorBeyondTheDigitsEditsTheLastDigit) {
  // Never reached through the screens, but Cursor indexes CodeDigits: it is held to digit 3.
  Open(ScreenEnterCurrentCode, 5);
  State.PendingCode = 4242;
  Pass(KEY_CW);
  EXPECT_EQ(State.Cursor, 3);
  EXPECT_EQ(CurrentDigits(), (Digits{0, 0, 0, 1}));
  EXPECT_EQ(State.PendingCode, 4242) << "the field behind the digits is untouched";
}

// What the fourth knob press does with the code typed on each entry screen.
TEST_F(CodeLockTest, CompleteCodesAreJudgedByEachScreen) {
  struct Case {
    const char* what;
    ScreenHandler screen;
    int32_t resetCode;
    int32_t pendingCode;
    int typed;
    ScreenHandler next;
    ScreenHandler returnTo;  // nullptr: left as it was
    uint8_t cursor;
    int32_t resetCodeAfter;
    int32_t pendingCodeAfter;
    bool maximaReset;
  };
  const Case cases[] = {
      {"no code set: 0000 is the current code", ScreenEnterCurrentCode, 0, 0, 0, ScreenEnterNewCode,
       nullptr, 0, 0, 0, false},
      {"the stored code", ScreenEnterCurrentCode, 1234, 0, 1234, ScreenEnterNewCode, nullptr, 0,
       1234, 0, false},
      {"the master code", ScreenEnterCurrentCode, 1234, 0, 9718, ScreenEnterNewCode, nullptr, 0,
       1234, 0, false},
      {"the master code with no code set", ScreenEnterCurrentCode, 0, 0, 9718, ScreenEnterNewCode,
       nullptr, 0, 0, 0, false},
      {"a wrong current code", ScreenEnterCurrentCode, 1234, 0, 1235, ScreenCodeIncorrect,
       ScreenGForceSetup, 5, 1234, 0, false},
      {"0000 when a code is set", ScreenEnterCurrentCode, 1234, 0, 0, ScreenCodeIncorrect,
       ScreenGForceSetup, 5, 1234, 0, false},
      {"any new code", ScreenEnterNewCode, 1234, 0, 8765, ScreenConfirmNewCode, nullptr, 0, 1234,
       8765, false},
      {"a new code of 0000", ScreenEnterNewCode, 1234, 77, 0, ScreenConfirmNewCode, nullptr, 0, 1234,
       0, false},
      {"the same code confirmed", ScreenConfirmNewCode, 1234, 8765, 8765, ScreenCodeChanged,
       ScreenGForceSetup, 5, 8765, 8765, false},
      {"0000 confirmed removes the lock", ScreenConfirmNewCode, 1234, 0, 0, ScreenCodeChanged,
       ScreenGForceSetup, 5, 0, 0, false},
      {"another code confirmed", ScreenConfirmNewCode, 1234, 8765, 8766, ScreenCodeIncorrect,
       ScreenGForceSetup, 5, 1234, 8765, false},
      {"the reset code", ScreenEnterResetCode, 1234, 0, 1234, ScreenDone, ScreenMain, 3, 1234, 0,
       true},
      {"a wrong reset code", ScreenEnterResetCode, 1234, 0, 4321, ScreenCodeIncorrect, ScreenMain,
       3, 1234, 0, false},
      {"the master code does not reset", ScreenEnterResetCode, 1234, 0, 9718, ScreenCodeIncorrect,
       ScreenMain, 3, 1234, 0, false},
      {"the master code as the stored code", ScreenEnterResetCode, 9718, 0, 9718, ScreenDone,
       ScreenMain, 3, 9718, 0, true},
  };
  for (const Case& c : cases) {
    SetUp();
    SCOPED_TRACE(c.what);
    Open(c.screen);
    State.ReturnScreen = ScreenAdcValues;  // stands for "whatever it held"
    State.ResetCode = c.resetCode;
    State.PendingCode = c.pendingCode;
    State.GNow = 12;
    State.MaxPos = 40;
    State.MaxNeg = -30;
    TypeCode(c.typed);
    EXPECT_EQ(State.CurrentScreen, c.next);
    EXPECT_EQ(State.ReturnScreen, c.returnTo ? c.returnTo : ScreenAdcValues);
    EXPECT_EQ(State.Cursor, c.cursor);
    EXPECT_EQ(State.ResetCode, c.resetCodeAfter);
    EXPECT_EQ(State.PendingCode, c.pendingCodeAfter);
    EXPECT_EQ(State.MaxPos, c.maximaReset ? 12 : 40);
    EXPECT_EQ(State.MaxNeg, c.maximaReset ? 12 : -30);
    EXPECT_EQ(HookCalls[HookId::MaxValuesReset], c.maximaReset ? 1 : 0);
    if (c.next == ScreenEnterNewCode || c.next == ScreenConfirmNewCode) {
      EXPECT_EQ(CurrentDigits(), (Digits{0, 0, 0, 0})) << "the next step starts from 0000";
    }
  }
}

TEST_F(CodeLockTest, MessagesStayUntilAKeyThenGoToTheReturnScreen) {
  for (ScreenHandler message : {ScreenCodeIncorrect, ScreenCodeChanged}) {
    for (uint8_t key : {KEY_SELECT, KEY_CW, KEY_CCW, KEY_F1, KEY_F2}) {
      SetUp();
      Open(message, 5);
      State.ReturnScreen = ScreenGForceSetup;
      Passes({KEY_NONE, KEY_NONE});
      EXPECT_EQ(State.CurrentScreen, message);
      Pass(key);
      EXPECT_EQ(State.CurrentScreen, ScreenGForceSetup) << "key " << int(key);
      EXPECT_EQ(State.Cursor, 5);
    }
  }
}

TEST_F(CodeLockTest, GoldenFrames) {
  const auto entry = [](ScreenHandler screen) {
    return [screen] {
      Open(screen, 2);
      SetDigits({9, 7, 1, 0});
    };
  };
  ExpectGoldenFrames({
      {"code_enter_current", entry(ScreenEnterCurrentCode)},
      {"code_enter_new", entry(ScreenEnterNewCode)},
      {"code_confirm_new", entry(ScreenConfirmNewCode)},
      {"code_enter_reset", entry(ScreenEnterResetCode)},
      {"code_incorrect", [] { Open(ScreenCodeIncorrect, 5); }},
      {"code_changed", [] { Open(ScreenCodeChanged, 5); }},
  });
}

// The code change walked key by key through the scripted panel: every outcome comes back to
// the code row, out of edit mode.
TEST_F(CodeLockTest, SessionSetsChangesAndRemovesTheCode) {
  Session s(*panel);
  const auto backOnCodeRow = [] {
    EXPECT_EQ(State.CurrentScreen, ScreenGForceSetup);
    EXPECT_EQ(State.Cursor, 5);
    EXPECT_EQ(State.EditMode, 0);
  };
  s.OpenFromMainDisplay(2);
  s.Press(KEY_F2, 5);
  // No code yet: the four zeros are the current code; the new code is 0300.
  s.Press(KEY_SELECT);
  s.Press(KEY_SELECT, 4);
  s.Then([] { EXPECT_EQ(State.CurrentScreen, ScreenEnterNewCode); });
  s.Press({KEY_SELECT, KEY_CW, KEY_CW, KEY_F1, KEY_SELECT, KEY_SELECT, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenConfirmNewCode);
    EXPECT_EQ(State.PendingCode, 300);
  });
  s.Press({KEY_SELECT, KEY_F1, KEY_F1, KEY_F1, KEY_SELECT, KEY_SELECT, KEY_SELECT});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCodeChanged);
    EXPECT_EQ(State.ResetCode, 300);
  });
  s.Press(KEY_F2);
  s.Then(backOnCodeRow);
  // A wrong current code never reaches ENTER NEW CODE.
  s.Press(KEY_SELECT);
  s.Press(KEY_SELECT, 4);
  s.Then([] { EXPECT_EQ(State.CurrentScreen, ScreenCodeIncorrect); });
  s.Press(KEY_CCW);
  s.Then(backOnCodeRow);
  // The master code, 9718, opens the change; a confirmation that differs keeps 0300.
  s.Press(KEY_SELECT);
  s.Press({KEY_CCW, KEY_SELECT, KEY_CCW, KEY_CCW, KEY_CCW, KEY_SELECT});  // 9, 7
  s.Press({KEY_F1, KEY_SELECT, KEY_CCW, KEY_CCW, KEY_SELECT});           // 1, 8
  s.Then([] { EXPECT_EQ(State.CurrentScreen, ScreenEnterNewCode); });
  s.Press({KEY_CW, KEY_SELECT, KEY_SELECT, KEY_SELECT, KEY_SELECT});  // 1000
  s.Press({KEY_CW, KEY_CW, KEY_SELECT, KEY_SELECT, KEY_SELECT, KEY_SELECT});  // 2000
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCodeIncorrect);
    EXPECT_EQ(State.ResetCode, 300);
  });
  s.Press(KEY_SELECT);
  s.Then(backOnCodeRow);
  // 0000 confirmed removes the lock.
  s.Press(KEY_SELECT);
  s.Press({KEY_SELECT, KEY_CW, KEY_CW, KEY_CW, KEY_SELECT, KEY_SELECT, KEY_SELECT});  // 0300
  s.Press(KEY_SELECT, 8);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCodeChanged);
    EXPECT_EQ(State.ResetCode, 0);
  });
  s.Press(KEY_CW);
  s.Then(backOnCodeRow);
  s.Run();
}

// As a user would: set a code, fail to reset the maxima with a wrong one, reset them with
// it, change it with the master code to 0000, and find the maxima unprotected.
TEST_F(CodeLockTest, CodeProtectsTheMaximaFromPowerOn) {
  Session s(*panel);
  const auto toCodeRow = [&s] {
    s.OpenFromMainDisplay(2);
    s.Press(KEY_F2, 5);
    s.Press(KEY_SELECT);
  };
  const auto backToMainDisplay = [&s] {
    s.Press(KEY_F1, 5);
    s.Press(KEY_SELECT);  // DONE: the menu on G-FORCE SETUP
    s.Press(KEY_F1, 2);
    s.Press(KEY_SELECT);  // EXIT MENU
  };
  const auto setMaxima = [&s](int32_t lowZ) {
    // Down to lowZ and back to +1.0 g, settling each time.
    s.Do([lowZ](ScriptedPanel& p) { p.SetSliderZ(lowZ); });
    s.Wait(12);
    s.Do([](ScriptedPanel& p) { p.SetSliderZ(1648); });
    s.Wait(12);
  };

  toCodeRow();
  s.TypeCode(0);     // no code yet
  s.TypeCode(1234);  // new
  s.TypeCode(1234);  // confirmed
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCodeChanged);
    EXPECT_EQ(State.ResetCode, 1234);
  });
  s.Press(KEY_SELECT);
  backToMainDisplay();
  setMaxima(1248);  // +2.0 g
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenMain);
    EXPECT_EQ(State.GNow, 10);
    EXPECT_EQ(State.MaxPos, 20);
  });

  s.Press({KEY_CW, KEY_F1});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenEnterResetCode);
    EXPECT_EQ(State.MaxPos, 20) << "nothing is reset before the code is entered";
  });
  s.TypeCode(1235);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCodeIncorrect);
    EXPECT_EQ(State.MaxPos, 20);
  });
  s.Press(KEY_F2);
  s.Then([] { EXPECT_EQ(State.CurrentScreen, ScreenMain); });
  s.Press({KEY_CCW, KEY_F1});
  s.TypeCode(9718);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCodeIncorrect) << "the master code does not reset";
    EXPECT_EQ(State.MaxPos, 20);
  });
  s.Press(KEY_CW);
  s.Press({KEY_CW, KEY_F1});
  s.TypeCode(1234);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenDone);
    EXPECT_EQ(State.MaxPos, 10);
    EXPECT_EQ(State.MaxNeg, 10);
  });
  s.Press(KEY_SELECT);

  toCodeRow();
  s.TypeCode(9718);  // the master code instead of 1234
  s.TypeCode(0);
  s.TypeCode(0);
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenCodeChanged);
    EXPECT_EQ(State.ResetCode, 0);
  });
  s.Press(KEY_F1);
  backToMainDisplay();
  setMaxima(848);  // +3.0 g
  s.Press({KEY_CW, KEY_F1});
  s.Then([] {
    EXPECT_EQ(State.CurrentScreen, ScreenDone) << "no code is asked any more";
    EXPECT_EQ(State.MaxPos, 10);
  });
  s.Press(KEY_CCW);
  s.Then([] { EXPECT_EQ(State.CurrentScreen, ScreenMain); });
  s.Run();
}

TEST_F(CodeLockTest, CodeSurvivesOffAndOnWhileTheLanguageDoesNot) {
  Session first(*panel);
  first.Open(ScreenCodeChanged);
  first.Then([] {
    State.ResetCode = 2468;
    State.Language = 1;
  });
  first.Run();

  Session second(*panel);
  second.Then([] {
    EXPECT_EQ(State.ResetCode, 2468);
    EXPECT_EQ(State.Language, 0) << "the messages after a power cycle are in English";
    EXPECT_EQ(State.CurrentScreen, ScreenMain);
  });
  second.Run();
}

}  // namespace
