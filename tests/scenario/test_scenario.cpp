// The scenario runner: what it rejects before anything runs, how steps map to passes, and
// how a failed expectation is reported.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "scenario/Scenario.h"
#include "screens/Screens.h"
#include "support/CountingHooks.h"

namespace {

std::string BlankFrame() {
  std::string frame;
  for (int y = 0; y < 64; ++y) frame += std::string(114, '.') + "\n";
  return frame;
}

struct Parsed {
  bool sound;
  Scenario scenario;
  std::vector<ScenarioError> errors;
};

Parsed Parse(const std::string& text, const std::string& baseDir = "") {
  Parsed parsed;
  parsed.scenario.Name = "test.scn";
  parsed.sound = ParseScenario(text, baseDir, parsed.scenario, parsed.errors);
  return parsed;
}

struct Played {
  ScenarioOutcome outcome;
  std::string printed;
};

Played Play(const std::string& text, const std::string& baseDir = "") {
  Parsed parsed = Parse(text, baseDir);
  EXPECT_TRUE(parsed.sound) << (parsed.errors.empty() ? "" : parsed.errors[0].Message);
  std::ostringstream out;
  Played played;
  played.outcome = RunScenario(parsed.scenario, out);
  played.printed = out.str();
  return played;
}

class ScenarioTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetHookCounters(); }
  void TearDown() override { ResetHookCounters(); }
};

// ---------------------------------------------------------------------------------------
// Reading.

struct RejectedLine {
  const char* line;
  const char* message;  // a part of the message
};

TEST_F(ScenarioTest, RejectsMalformedStepsWithTheirLineNumber) {
  const RejectedLine cases[] = {
      {"presss 1G", "unknown step 'presss'"},
      {"slider x 100", "axis must be y or z"},
      {"slider y 4097", "0 to 4096"},
      {"slider y -1", "0 to 4096"},
      {"slider z 12ab", "0 to 4096"},
      {"slider y", "slider y|z <0..4096>"},
      {"preset Up", "unknown preset 'Up'"},
      {"key enter", "unknown key 'enter'"},
      {"key select cw", "key select|cw|ccw|f1|f2"},
      {"button up", "unknown button 'up'"},
      {"tick calibrate maybe", "on or off"},
      {"tick backlight on", "unknown check box"},
      {"wait 0", "from 1 to 1000000"},
      {"wait 1000001", "from 1 to 1000000"},
      {"wait", "wait <passes>"},
      {"wait 3.5", "from 1 to 1000000"},
      {"expect", "expect <field> <value>"},
      {"expect Bogus 1", "unknown field 'Bogus'"},
      {"expect GNow", "takes one value"},
      {"expect GNow ten", "whole number"},
      {"expect GNow 1 2", "takes one value"},
      {"expect screen ScreenNowhere", "unknown screen 'ScreenNowhere'"},
      {"expect screen", "one screen name"},
      {"expect lcd missing-frame.txt", "cannot read the frame file"},
      {"expect lcd a b", "at most a file name"},
      {"print nothing", "unknown field 'nothing'"},
      {"keys", "keys <key> <key>"},
      {"keys select up", "unknown key 'up'"},
  };
  for (const RejectedLine& c : cases) {
    // Comments and blank lines before the step still count as lines.
    const Parsed parsed = Parse("# a comment\n\nbutton on   # fine\n" + std::string(c.line) + "\nwait 1\n");
    EXPECT_FALSE(parsed.sound) << c.line;
    ASSERT_EQ(parsed.errors.size(), 1u) << c.line;
    EXPECT_EQ(parsed.errors[0].Line, 4) << c.line;
    EXPECT_NE(parsed.errors[0].Message.find(c.message), std::string::npos)
        << c.line << " gave: " << parsed.errors[0].Message;
  }
}

TEST_F(ScenarioTest, ReportsEveryBadLineAndRunsNothing) {
  const Parsed parsed = Parse("button on\nkey up\nwait 80\nexpect screen Nowhere\nexpect GNow 0\n");
  EXPECT_FALSE(parsed.sound);
  ASSERT_EQ(parsed.errors.size(), 2u);
  EXPECT_EQ(parsed.errors[0].Line, 2);
  EXPECT_EQ(parsed.errors[1].Line, 4);
  EXPECT_EQ(HookCalls[HookId::PowerOnFirst], 0);
}

TEST_F(ScenarioTest, AcceptsEveryStepInAnyCase) {
  const Parsed parsed = Parse(
      "SLIDER Y 0\nslider z 4096\npreset left\nKey F1\nbutton ON\nbutton calibrate1G\n"
      "button calibrate0g\ntick KeyFast on\ntick calibrate off\nwait 1000000\nexpect gnow -3\n"
      "expect Panel.Led 0x800000\nexpect CodeDigits[3] 9\nexpect screen screenmainmenu\n"
      "expect returnscreen none\nprint lcd\nprint screen\nprint GHistory[9]\nbutton off\n");
  EXPECT_TRUE(parsed.sound) << (parsed.errors.empty() ? "" : parsed.errors[0].Message);
  EXPECT_EQ(parsed.scenario.Steps.size(), 19u);
  EXPECT_EQ(parsed.scenario.TotalWait, 1000000u);
  EXPECT_EQ(parsed.scenario.PowerOns, 1);
}

TEST_F(ScenarioTest, BoundsTheWholeScenariosWaiting) {
  std::string text;
  for (int i = 0; i < 21; ++i) text += "wait 1000000\n";
  const Parsed parsed = Parse(text);
  EXPECT_FALSE(parsed.sound);
  ASSERT_EQ(parsed.errors.size(), 1u);
  EXPECT_NE(parsed.errors[0].Message.find("add up to 21000000"), std::string::npos);
}

TEST_F(ScenarioTest, ChecksInlineFramesLineByLine) {
  std::string frame = BlankFrame();
  frame[5 * 115 + 7] = 'x';  // frame line 6, column 8
  const Parsed bad = Parse("expect lcd\n" + frame);
  ASSERT_EQ(bad.errors.size(), 1u);
  EXPECT_EQ(bad.errors[0].Line, 7);
  EXPECT_NE(bad.errors[0].Message.find("column 8"), std::string::npos) << bad.errors[0].Message;

  const Parsed shortFrame = Parse("expect lcd\n" + BlankFrame().substr(0, 115 * 10));
  ASSERT_EQ(shortFrame.errors.size(), 1u);
  EXPECT_EQ(shortFrame.errors[0].Line, 1);
  EXPECT_NE(shortFrame.errors[0].Message.find("10 of its 64 lines"), std::string::npos);

  // The frame's '#' are pixels, not comments, and the step after it is read as a step.
  std::string lit = BlankFrame();
  lit[0] = '#';
  const Parsed sound = Parse("expect lcd\n" + lit + "wait 1\n");
  EXPECT_TRUE(sound.sound);
  ASSERT_EQ(sound.scenario.Steps.size(), 2u);
  EXPECT_EQ(sound.scenario.Steps[0].Frame, lit);
  EXPECT_EQ(sound.scenario.Steps[1].Line, 66);
}

TEST_F(ScenarioTest, ReadsFrameFilesBesideTheScenario) {
  const std::string dir = ::testing::TempDir();
  {
    std::ofstream(dir + "/frame-good.txt") << BlankFrame();
    std::ofstream(dir + "/frame-bad.txt") << "#.#\n";
    std::ofstream(dir + "/flow.scn") << "expect lcd frame-good.txt\nexpect lcd frame-bad.txt\n";
  }
  Scenario scenario;
  std::vector<ScenarioError> errors;
  EXPECT_FALSE(LoadScenarioFile(dir + "/flow.scn", scenario, errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].Line, 2);
  EXPECT_NE(errors[0].Message.find("not a frame picture"), std::string::npos) << errors[0].Message;
  ASSERT_EQ(scenario.Steps.size(), 1u);
  EXPECT_EQ(scenario.Steps[0].Frame, BlankFrame());

  errors.clear();
  Scenario missing;
  EXPECT_FALSE(LoadScenarioFile(dir + "/no-such.scn", missing, errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].Line, 0);
}

// ---------------------------------------------------------------------------------------
// Playing.

TEST_F(ScenarioTest, StepsBeforeOnRunWhileOffAndOnReachesTheRunLoopAfterTheSplash) {
  const Played played = Play(
      "slider y 1000\npreset 0G\nkey f1\ntick calibrate on\nexpect screen none\nexpect Panel.LabelY 2112\n"
      "button on\nexpect Panel.Pumps 1\nexpect PendingKey 0\nwait 79\nexpect Panel.Pumps 80\n"
      "expect Panel.Led 0xFF0000\nwait 1\nexpect Panel.Led 0x800000\nexpect AdcInputY 2112\n"
      "expect AdcInputZ 2087\nexpect CalibrateMode 1\nexpect screen ScreenMain\n");
  EXPECT_EQ(played.outcome.Status, ScenarioStatus::Passed) << played.outcome.Message;
  EXPECT_EQ(played.outcome.Expectations, 11);
  EXPECT_EQ(played.outcome.Pumps, SPLASH_PASSES + 1u) << "OFF is pressed after the last step";
  EXPECT_EQ(HookCalls[HookId::RunLoopEnter], 1);
  EXPECT_EQ(State.PowerOffRequested, 1);
}

TEST_F(ScenarioTest, AKeyIsHandledByTheNextPassAndASecondKeyInThePumpIsLost) {
  const Played played = Play(
      "button on\nwait 80\nprint lcd\nkey select\nkey cw\nexpect PendingKey 1\nwait 1\n"
      "expect PendingKey 0\nexpect screen ScreenMainMenu\nexpect Cursor 0\nprint lcd\nwait 1\nprint lcd\n");
  ASSERT_EQ(played.outcome.Status, ScenarioStatus::Passed) << played.outcome.Message;
  // Three pictures: the main display, the main display again (the pass that handled the key
  // still drew it), then the menu.
  std::vector<std::string> frames;
  std::istringstream in(played.printed);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find("LCD at pump") != std::string::npos) {
      frames.emplace_back();
    } else if (!frames.empty()) {
      frames.back() += line + "\n";
    }
  }
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames[0].size(), 64u * 115u);
  EXPECT_EQ(frames[1], frames[0]);
  EXPECT_NE(frames[2], frames[1]);
}

TEST_F(ScenarioTest, KeysLetOnePassHandleEachKey) {
  const Played played = Play(
      "tick calibrate on\nbutton on\nwait 80\nkeys select cw cw cw\nexpect Panel.Pumps 85\n"
      "expect screen ScreenMainMenu\nexpect Cursor 3\nkeys f1\nexpect Cursor 2\n");
  EXPECT_EQ(played.outcome.Status, ScenarioStatus::Passed) << played.outcome.Message;
}

TEST_F(ScenarioTest, ANestedOnPlaysTheFollowingStepsAndOneOffEndsBoth) {
  const Played played = Play(
      "button on\nwait 85\nkey select\nwait 1\nexpect screen ScreenMainMenu\nbutton on\n"
      "expect Panel.Pumps 88\nwait 80\nexpect screen ScreenMain\nexpect Panel.Pumps 168\n");
  EXPECT_EQ(played.outcome.Status, ScenarioStatus::Passed) << played.outcome.Message;
  EXPECT_EQ(played.outcome.Pumps, 168u);
  EXPECT_EQ(HookCalls[HookId::PowerOnFirst], 2);
  EXPECT_EQ(HookCalls[HookId::RunLoopEnter], 2);
}

TEST_F(ScenarioTest, OffDuringTheSplashLetsTheSplashFinishButNotTheRunLoop) {
  const Played played =
      Play("button on\nwait 10\nbutton off\nexpect Panel.Pumps 12\nwait 68\nexpect Panel.Pumps 80\n");
  EXPECT_EQ(played.outcome.Status, ScenarioStatus::Passed) << played.outcome.Message;
  EXPECT_EQ(played.outcome.Pumps, 80u);
  EXPECT_EQ(HookCalls[HookId::RunLoopEnter], 1);
  EXPECT_EQ(HookCalls[HookId::BacklightOn], 1) << "no run-loop pass called the backlight hook";
}

TEST_F(ScenarioTest, OffThenOnAgainPlaysTheRestOfTheScenario) {
  const Played played = Play(
      "button on\nwait 80\nbutton off\nslider z 1648\nexpect AdcInputZ 1648\nexpect Panel.Pumps 81\n"
      "button on\nwait 80\nexpect GNow 10\n");
  EXPECT_EQ(played.outcome.Status, ScenarioStatus::Passed) << played.outcome.Message;
  EXPECT_EQ(HookCalls[HookId::PowerOnFirst], 2);
  EXPECT_EQ(played.outcome.Pumps, 2u * (SPLASH_PASSES + 1));
}

struct Misplayed {
  const char* text;
  int line;
  const char* message;
};

TEST_F(ScenarioTest, RejectsWaitingWhileTheInstrumentIsOff) {
  const Misplayed cases[] = {
      {"slider y 10\nwait 5\nbutton on\n", 2, "the instrument is off"},
      {"button on\nwait 80\nbutton off\nwait 1\nexpect GNow 0\n", 4, "the instrument is off"},
      {"button on\nwait 80\nbutton on\nwait 85\nbutton off\nwait 1\n", 6, "the instrument is off"},
      // The nested power-on ends while the outer one is still splashing: the wait goes on
      // in the outer splash, but not past its end.
      {"button on\nwait 5\nbutton on\nwait 80\nbutton off\nwait 200\n", 6, "switched off before this wait"},
  };
  for (const Misplayed& c : cases) {
    const Played played = Play(c.text);
    EXPECT_EQ(played.outcome.Status, ScenarioStatus::Error) << c.text;
    EXPECT_EQ(played.outcome.Line, c.line) << c.text;
    EXPECT_NE(played.outcome.Message.find(c.message), std::string::npos) << played.outcome.Message;
  }
}

TEST_F(ScenarioTest, TheFirstFailedExpectationStopsTheScenarioWithExpectedAndActual) {
  const Played played = Play(
      "button on\nwait 80\nexpect GNow 0\nexpect screen ScreenMainMenu\nprint GNow\nexpect GNow 5\n");
  EXPECT_EQ(played.outcome.Status, ScenarioStatus::Failed);
  EXPECT_EQ(played.outcome.Line, 4);
  EXPECT_EQ(played.outcome.Expectations, 1);
  EXPECT_NE(played.outcome.Message.find("test.scn:4: expect screen ScreenMainMenu"), std::string::npos)
      << played.outcome.Message;
  EXPECT_NE(played.outcome.Message.find("CurrentScreen is ScreenMain, not ScreenMainMenu"), std::string::npos)
      << played.outcome.Message;
  EXPECT_EQ(played.printed, "") << "nothing after the failure runs";
  EXPECT_EQ(played.outcome.Pumps, SPLASH_PASSES + 1u);

  const Played field = Play("button on\nwait 80\nexpect CycleLimitNeg -40\n");
  EXPECT_NE(field.outcome.Message.find("CycleLimitNeg is -50, not -40"), std::string::npos)
      << field.outcome.Message;
}

TEST_F(ScenarioTest, AFailedFrameShowsBothPicturesSideBySide) {
  const Played played = Play("button on\nwait 80\nexpect lcd\n" + BlankFrame());
  ASSERT_EQ(played.outcome.Status, ScenarioStatus::Failed);
  EXPECT_EQ(played.outcome.Line, 3);
  const std::string& message = played.outcome.Message;
  EXPECT_NE(message.find("differs from the inline frame"), std::string::npos) << message;
  EXPECT_NE(message.find("expected | actual"), std::string::npos);
  // The main display's bottom row is lit by the bar; the blank picture's is not.
  EXPECT_NE(message.find(">> 63 " + std::string(114, '.') + " | "), std::string::npos) << message;
}

TEST_F(ScenarioTest, AFrameThatMatchesHolds) {
  // The LCD before any power-on has never been painted and reads as blank.
  const Played played = Play("expect lcd\n" + BlankFrame() + "button on\nexpect PendingKey 0\n");
  EXPECT_EQ(played.outcome.Status, ScenarioStatus::Passed) << played.outcome.Message;
  EXPECT_EQ(played.outcome.Expectations, 2);
}

TEST_F(ScenarioTest, ThePumpLimitEndsAScenarioThatWouldRunTooLong) {
  // A scenario built by hand that understates its waiting: the limit still ends it.
  Parsed parsed = Parse("button on\nwait 100000\nexpect GNow 0\n");
  parsed.scenario.TotalWait = 0;
  std::ostringstream out;
  const ScenarioOutcome outcome = RunScenario(parsed.scenario, out);
  EXPECT_EQ(outcome.Status, ScenarioStatus::Error);
  EXPECT_EQ(outcome.Line, 2);
  EXPECT_NE(outcome.Message.find("pump limit"), std::string::npos) << outcome.Message;
  EXPECT_LE(outcome.Pumps, 2u * SPLASH_PASSES + 16u);
}

TEST_F(ScenarioTest, PrintsFieldsAndScreens) {
  const Played played = Play("preset Down\nbutton on\nwait 80\nprint AdcInputZ\nprint screen\n");
  EXPECT_EQ(played.printed,
            "test.scn:4: AdcInputZ 2167 (pump 81)\n"
            "test.scn:5: CurrentScreen ScreenMain, ReturnScreen none (pump 81)\n");
}

}  // namespace
