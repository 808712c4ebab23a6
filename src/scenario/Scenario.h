// Scenarios: small text scripts that play the instrument through the scripted panel, one
// step a line, and check what it shows. The syntax is described in src/scenario/README.md.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "instrument/InstrumentState.h"
#include "scenario/StateFields.h"

enum class StepKind {
  SliderY,
  SliderZ,
  Preset,
  Key,
  ButtonOn,
  ButtonOff,
  Calibrate1G,
  Calibrate0G,
  TickCalibrate,
  TickKeyFast,
  Wait,
  ExpectField,
  ExpectScreen,
  ExpectReturnScreen,
  ExpectLcd,
  PrintLcd,
  PrintScreen,
  PrintField,
};

struct ScenarioStep {
  StepKind Kind;
  int Line;                     // 1-based line of the step in its file
  std::string Source;           // the step as written, without its comment
  int64_t Value = 0;            // slider position, key code, preset index, tick, passes, expected value
  const StateField* Field = nullptr;
  ScreenHandler Screen = nullptr;
  std::string Frame;            // expected LCD picture (64 lines of 114 '#' or '.')
  std::string FrameSource;      // the golden file's path, or "inline frame"
};

struct Scenario {
  std::string Name;             // the file name, for messages
  std::vector<ScenarioStep> Steps;
  uint64_t TotalWait = 0;       // sum of every wait
  int PowerOns = 0;             // number of "button on" steps
};

struct ScenarioError {
  int Line;                     // 0 when the error concerns the whole file
  std::string Message;
};

// The largest wait a step may ask for, and the most a whole scenario may wait.
constexpr int64_t SCENARIO_MAX_WAIT = 1000000;
constexpr uint64_t SCENARIO_MAX_TOTAL_WAIT = 20000000;

// Parses and checks a whole scenario before anything runs: every malformed line is reported
// with its number, golden files (relative to baseDir) are read and checked. Returns whether
// the scenario is sound; errors holds every problem found.
bool ParseScenario(std::string_view text, const std::string& baseDir, Scenario& scenario,
                   std::vector<ScenarioError>& errors);
// Reads path and parses it, with golden files relative to its folder.
bool LoadScenarioFile(const std::string& path, Scenario& scenario, std::vector<ScenarioError>& errors);

enum class ScenarioStatus {
  Passed = 0,  // every expectation held
  Failed = 1,  // an expectation did not hold
  Error = 2,   // the scenario could not be played as written
};

struct ScenarioOutcome {
  ScenarioStatus Status = ScenarioStatus::Passed;
  int Line = 0;                 // the step that failed
  std::string Message;          // what failed: expected and actual, frames side by side
  uint64_t Pumps = 0;           // host event pumps (passes) played
  int Expectations = 0;         // expectations that held
};

// Plays the scenario from the program-start state through a fresh scripted panel, unpaced.
// "print" steps write to out. After the last step OFF is pressed so every power-on returns.
ScenarioOutcome RunScenario(const Scenario& scenario, std::ostream& out);
