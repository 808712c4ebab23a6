// Golden frame comparison with an explicit, opt-in regeneration.
#include "support/Golden.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "instrument/InstrumentState.h"
#include "scripted/FrameText.h"

namespace {

std::string GoldenPath(const std::string& name) { return std::string(TQ4_GOLDEN_DIR) + "/" + name + ".txt"; }

bool UpdateRequested() {
  const char* update = std::getenv("TQ4_UPDATE_GOLDEN");
  return update != nullptr && std::string(update) == "1";
}

}  // namespace

::testing::AssertionResult MatchesGolden(const std::string& name, const uint8_t* frameBuffer) {
  const std::string actual = FrameToText(frameBuffer);
  const std::string path = GoldenPath(name);
  if (UpdateRequested()) {
    std::ofstream out(path, std::ios::binary);
    out << actual;
    return out ? ::testing::AssertionSuccess() << "rewrote " << path
               : ::testing::AssertionFailure() << "cannot write " << path;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return ::testing::AssertionFailure()
           << "golden frame " << path << " is missing; run with TQ4_UPDATE_GOLDEN=1 to create it\n"
           << actual;
  }
  std::stringstream expected;
  expected << in.rdbuf();
  if (expected.str() == actual) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "frame differs from " << path << "\n"
                                       << FrameDiff(expected.str(), actual);
}

::testing::AssertionResult CurrentFrameMatchesGolden(const std::string& name) {
  return MatchesGolden(name, State.FrameBuffer);
}
