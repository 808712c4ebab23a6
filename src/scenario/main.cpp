// tq4-scenario: plays a scenario file headless and reports whether its expectations held.
// Exit status: 0 every expectation held, 1 one failed, 2 the scenario is unsound or unreadable.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "scenario/Scenario.h"

namespace {

void Usage(std::ostream& out) {
  out << "usage: tq4-scenario [--check] <file.scn>\n"
         "  plays the scenario through a headless instrument; --check only reads and checks it.\n"
         "  exit status 0: every expectation held; 1: an expectation failed; 2: the scenario is unsound\n";
}

}  // namespace

int main(int argc, char** argv) {
  bool checkOnly = false;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--check") == 0) {
      checkOnly = true;
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      Usage(std::cout);
      return 0;
    } else if (path.empty() && argv[i][0] != '-') {
      path = argv[i];
    } else {
      Usage(std::cerr);
      return 2;
    }
  }
  if (path.empty()) {
    Usage(std::cerr);
    return 2;
  }

  Scenario scenario;
  std::vector<ScenarioError> errors;
  if (!LoadScenarioFile(path, scenario, errors)) {
    for (const ScenarioError& error : errors) {
      std::cerr << path << ":" << (error.Line > 0 ? std::to_string(error.Line) + ":" : "") << " "
                << error.Message << "\n";
    }
    std::cerr << path << ": rejected, nothing was played\n";
    return 2;
  }
  if (checkOnly) {
    std::cout << path << ": " << scenario.Steps.size() << " steps, sound\n";
    return 0;
  }

  const ScenarioOutcome outcome = RunScenario(scenario, std::cout);
  if (outcome.Status != ScenarioStatus::Passed) {
    std::cout.flush();
    std::cerr << outcome.Message << "\n";
    std::cerr << path << ": " << (outcome.Status == ScenarioStatus::Failed ? "FAILED" : "ERROR") << " after "
              << outcome.Expectations << " expectations held\n";
    return static_cast<int>(outcome.Status);
  }
  std::cout << path << ": passed, " << outcome.Expectations << " expectations held in " << outcome.Pumps
            << " passes\n";
  return 0;
}
