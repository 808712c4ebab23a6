// Reading and playing scenarios.
#include "scenario/Scenario.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>

#include "instrument/Panel.h"
#include "instrument/PowerOn.h"
#include "instrument/Presets.h"
#include "lcd/LcdGeometry.h"
#include "scripted/FrameText.h"
#include "scripted/ScriptedPanel.h"
#include "screens/Keys.h"

namespace {

// ---------------------------------------------------------------------------------------
// Reading.

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool SameWord(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  // A final newline does not start another line.
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::string Trim(std::string_view text) {
  size_t first = 0;
  while (first < text.size() && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
  size_t last = text.size();
  while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
  return std::string(text.substr(first, last - first));
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::istringstream in{std::string(text)};
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

// A whole-word integer: decimal with an optional sign, or hexadecimal after 0x.
bool ParseInteger(const std::string& word, int64_t* value) {
  if (word.empty()) return false;
  const char* begin = word.c_str();
  char* end = nullptr;
  errno = 0;
  const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
  const long long parsed = std::strtoll(begin, &end, hex ? 16 : 10);
  if (errno != 0 || end != begin + word.size()) return false;
  if (!hex && !(std::isdigit(static_cast<unsigned char>(word[0])) || word[0] == '-' || word[0] == '+')) {
    return false;
  }
  *value = parsed;
  return true;
}

struct KeyName {
  const char* Name;
  uint8_t Code;
};

constexpr KeyName KEY_NAMES[] = {
    {"select", KEY_SELECT}, {"cw", KEY_CW}, {"ccw", KEY_CCW}, {"f1", KEY_F1}, {"f2", KEY_F2},
};

std::string ScreenList() {
  std::string list;
  for (int i = 0; i < SCREEN_NAME_COUNT; ++i) {
    list += (i ? ", " : "");
    list += SCREEN_NAMES[i].Name;
  }
  return list + ", none";
}

// Matches a field name regardless of case, so "gnow" reads GNow.
const StateField* FindFieldAnyCase(const std::string& name) {
  if (const StateField* field = FindStateField(name)) return field;
  for (int i = 0; i < STATE_FIELD_COUNT; ++i) {
    if (SameWord(name, STATE_FIELDS[i].Name)) return &STATE_FIELDS[i];
  }
  return nullptr;
}

ScreenHandler FindScreenAnyCase(const std::string& name, bool* found) {
  ScreenHandler screen = FindScreen(name, found);
  if (*found) return screen;
  if (SameWord(name, "none")) {
    *found = true;
    return nullptr;
  }
  for (int i = 0; i < SCREEN_NAME_COUNT; ++i) {
    if (SameWord(name, SCREEN_NAMES[i].Name)) {
      *found = true;
      return SCREEN_NAMES[i].Screen;
    }
  }
  return nullptr;
}

// Checks one line of a frame picture; returns an empty string when it is sound.
std::string CheckFrameLine(const std::string& line) {
  if (line.size() != static_cast<size_t>(LCD_WIDTH)) {
    return "a frame line has 114 characters, this one " + std::to_string(line.size());
  }
  for (size_t x = 0; x < line.size(); ++x) {
    if (line[x] != FRAME_TEXT_LIT && line[x] != FRAME_TEXT_UNLIT) {
      return "column " + std::to_string(x + 1) + " of the frame line is '" + std::string(1, line[x]) +
             "', not '#' or '.'";
    }
  }
  return "";
}

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return false;
  *text = content.str();
  return true;
}

std::string JoinPath(const std::string& baseDir, const std::string& path) {
  if (path.empty() || path[0] == '/' || baseDir.empty()) return path;
  return baseDir.back() == '/' ? baseDir + path : baseDir + "/" + path;
}

class Reader {
 public:
  Reader(std::string_view text, const std::string& baseDir, Scenario& scenario,
         std::vector<ScenarioError>& errors)
      : lines_(SplitLines(text)), baseDir_(baseDir), scenario_(scenario), errors_(errors) {}

  void ReadAll() {
    while (next_ < lines_.size()) {
      const int number = static_cast<int>(next_) + 1;
      const std::string& raw = lines_[next_++];
      const std::string source = Trim(raw.substr(0, raw.find('#')));
      if (source.empty()) continue;
      ReadStep(number, source);
    }
  }

 private:
  void Error(int line, const std::string& message) { errors_.push_back({line, message}); }

  void ReadStep(int line, const std::string& source) {
    const std::vector<std::string> w = Words(source);
    ScenarioStep step{};
    step.Line = line;
    step.Source = source;
    const std::string verb = Lower(w[0]);
    const size_t args = w.size() - 1;

    auto need = [&](size_t count, const char* form) {
      if (args != count) {
        Error(line, "'" + verb + "' takes the form: " + form);
        return false;
      }
      return true;
    };

    if (verb == "slider") {
      if (!need(2, "slider y|z <0..4096>")) return;
      const std::string axis = Lower(w[1]);
      if (axis != "y" && axis != "z") return Error(line, "slider axis must be y or z, not '" + w[1] + "'");
      int64_t position = 0;
      if (!ParseInteger(w[2], &position) || position < 0 || position > 4096) {
        return Error(line, "slider position must be a whole number from 0 to 4096, not '" + w[2] + "'");
      }
      step.Kind = axis == "y" ? StepKind::SliderY : StepKind::SliderZ;
      step.Value = position;
    } else if (verb == "preset") {
      if (!need(1, "preset 1G|0G|Left|Right|Down")) return;
      int found = -1;
      for (int i = 0; i < ORIENTATION_PRESET_COUNT; ++i) {
        if (SameWord(w[1], ORIENTATION_PRESETS[i].Caption)) found = i;
      }
      if (found < 0) return Error(line, "unknown preset '" + w[1] + "' (1G, 0G, Left, Right, Down)");
      step.Kind = StepKind::Preset;
      step.Value = found;
    } else if (verb == "key") {
      if (!need(1, "key select|cw|ccw|f1|f2")) return;
      int64_t code = -1;
      for (const KeyName& key : KEY_NAMES) {
        if (SameWord(w[1], key.Name)) code = key.Code;
      }
      if (code < 0) return Error(line, "unknown key '" + w[1] + "' (select, cw, ccw, f1, f2)");
      step.Kind = StepKind::Key;
      step.Value = code;
    } else if (verb == "keys") {
      // Each key pressed in turn, with one pass after each to handle it.
      if (args == 0) return Error(line, "'keys' takes the form: keys <key> <key> ...");
      std::vector<int64_t> codes;
      for (size_t i = 1; i < w.size(); ++i) {
        int64_t code = -1;
        for (const KeyName& key : KEY_NAMES) {
          if (SameWord(w[i], key.Name)) code = key.Code;
        }
        if (code < 0) return Error(line, "unknown key '" + w[i] + "' (select, cw, ccw, f1, f2)");
        codes.push_back(code);
      }
      for (int64_t code : codes) {
        ScenarioStep press = step;
        press.Kind = StepKind::Key;
        press.Value = code;
        scenario_.Steps.push_back(press);
        ScenarioStep pass = step;
        pass.Kind = StepKind::Wait;
        pass.Value = 1;
        scenario_.Steps.push_back(pass);
        ++scenario_.TotalWait;
      }
      return;
    } else if (verb == "button") {
      if (!need(1, "button on|off|calibrate1g|calibrate0g")) return;
      const std::string button = Lower(w[1]);
      if (button == "on") {
        step.Kind = StepKind::ButtonOn;
        ++scenario_.PowerOns;
      } else if (button == "off") {
        step.Kind = StepKind::ButtonOff;
      } else if (button == "calibrate1g") {
        step.Kind = StepKind::Calibrate1G;
      } else if (button == "calibrate0g") {
        step.Kind = StepKind::Calibrate0G;
      } else {
        return Error(line, "unknown button '" + w[1] + "' (on, off, calibrate1g, calibrate0g)");
      }
    } else if (verb == "tick") {
      if (!need(2, "tick calibrate|keyfast on|off")) return;
      const std::string box = Lower(w[1]);
      const std::string tick = Lower(w[2]);
      if (box != "calibrate" && box != "keyfast") {
        return Error(line, "unknown check box '" + w[1] + "' (calibrate, keyfast)");
      }
      if (tick != "on" && tick != "off") return Error(line, "a tick is on or off, not '" + w[2] + "'");
      step.Kind = box == "calibrate" ? StepKind::TickCalibrate : StepKind::TickKeyFast;
      step.Value = tick == "on" ? 1 : 0;
    } else if (verb == "wait") {
      if (!need(1, "wait <passes>")) return;
      int64_t passes = 0;
      if (!ParseInteger(w[1], &passes) || passes < 1 || passes > SCENARIO_MAX_WAIT) {
        return Error(line, "wait takes a number of passes from 1 to " + std::to_string(SCENARIO_MAX_WAIT) +
                               ", not '" + w[1] + "'");
      }
      step.Kind = StepKind::Wait;
      step.Value = passes;
      scenario_.TotalWait += static_cast<uint64_t>(passes);
    } else if (verb == "expect") {
      if (!ReadExpect(step, w)) return;
    } else if (verb == "print") {
      if (!need(1, "print lcd|screen|<field>")) return;
      if (SameWord(w[1], "lcd")) {
        step.Kind = StepKind::PrintLcd;
      } else if (SameWord(w[1], "screen")) {
        step.Kind = StepKind::PrintScreen;
      } else if ((step.Field = FindFieldAnyCase(w[1])) != nullptr) {
        step.Kind = StepKind::PrintField;
      } else {
        return Error(line, "unknown field '" + w[1] + "'");
      }
    } else {
      return Error(line, "unknown step '" + w[0] +
                             "' (slider, preset, key, keys, button, tick, wait, expect, print)");
    }
    scenario_.Steps.push_back(std::move(step));
  }

  bool ReadExpect(ScenarioStep& step, const std::vector<std::string>& w) {
    const int line = step.Line;
    if (w.size() < 2) {
      Error(line, "'expect' takes the form: expect <field> <value>, expect screen <name>, expect lcd [<file>]");
      return false;
    }
    const std::string what = Lower(w[1]);
    if (what == "lcd") {
      if (w.size() > 3) {
        Error(line, "'expect lcd' takes at most a file name (no spaces)");
        return false;
      }
      step.Kind = StepKind::ExpectLcd;
      return w.size() == 3 ? ReadGolden(step, w[2]) : ReadInlineFrame(step);
    }
    if (what == "screen" || what == "returnscreen") {
      if (w.size() != 3) {
        Error(line, "'expect " + what + "' takes one screen name");
        return false;
      }
      bool found = false;
      step.Screen = FindScreenAnyCase(w[2], &found);
      if (!found) {
        Error(line, "unknown screen '" + w[2] + "' (" + ScreenList() + ")");
        return false;
      }
      step.Kind = what == "screen" ? StepKind::ExpectScreen : StepKind::ExpectReturnScreen;
      return true;
    }
    step.Field = FindFieldAnyCase(w[1]);
    if (step.Field == nullptr) {
      Error(line, "unknown field '" + w[1] + "'");
      return false;
    }
    if (w.size() != 3) {
      Error(line, "'expect " + w[1] + "' takes one value");
      return false;
    }
    if (!ParseInteger(w[2], &step.Value)) {
      Error(line, "expected value must be a whole number, not '" + w[2] + "'");
      return false;
    }
    step.Kind = StepKind::ExpectField;
    return true;
  }

  bool ReadGolden(ScenarioStep& step, const std::string& name) {
    const std::string path = JoinPath(baseDir_, name);
    std::string text;
    if (!ReadFile(path, &text)) {
      Error(step.Line, "cannot read the frame file '" + path + "'");
      return false;
    }
    uint8_t frame[FRAME_BUFFER_SIZE];
    std::string problem;
    if (!TextToFrame(text, frame, &problem)) {
      Error(step.Line, "the frame file '" + path + "' is not a frame picture: " + problem);
      return false;
    }
    step.Frame = FrameToText(frame);
    step.FrameSource = name;
    return true;
  }

  // The 64 lines that follow "expect lcd" are the picture itself.
  bool ReadInlineFrame(ScenarioStep& step) {
    std::string frame;
    bool sound = true;
    for (int row = 0; row < LCD_HEIGHT; ++row) {
      if (next_ >= lines_.size()) {
        Error(step.Line, "the inline frame has " + std::to_string(row) + " of its 64 lines");
        return false;
      }
      const int number = static_cast<int>(next_) + 1;
      const std::string line = Trim(lines_[next_++]);
      const std::string problem = CheckFrameLine(line);
      if (!problem.empty()) {
        Error(number, problem);
        sound = false;
      }
      frame += line + "\n";
    }
    step.Frame = frame;
    step.FrameSource = "inline frame";
    return sound;
  }

  std::vector<std::string> lines_;
  size_t next_ = 0;
  std::string baseDir_;
  Scenario& scenario_;
  std::vector<ScenarioError>& errors_;
};

// ---------------------------------------------------------------------------------------
// Playing.

// What the window's LCD image shows, read back from its 2 x 2 blocks.
std::string ShownFrame(const ScriptedPanel& panel) {
  std::string text;
  text.reserve((LCD_WIDTH + 1) * LCD_HEIGHT);
  for (int y = 0; y < LCD_HEIGHT; ++y) {
    for (int x = 0; x < LCD_WIDTH; ++x) {
      text += panel.ImagePixel(2 * x, 2 * y) == COLOUR_LCD_LIT ? FRAME_TEXT_LIT : FRAME_TEXT_UNLIT;
    }
    text += '\n';
  }
  return text;
}

class Player {
 public:
  Player(const Scenario& scenario, std::ostream& out) : scenario_(scenario), out_(out) {}

  ScenarioOutcome Run() {
    // Every wait, every splash that can still be running at the end, and some slack: a
    // sound scenario never reaches this, and nothing can make it run longer.
    pumpLimit_ = scenario_.TotalWait + static_cast<uint64_t>(SPLASH_PASSES) * (scenario_.PowerOns + 1) + 16;
    panel_.RecordFrames(false);
    panel_.SetPumpLimit(pumpLimit_);
    panel_.EveryPump([this](ScriptedPanel&) { OnPump(); });

    const std::vector<ScenarioStep>& steps = scenario_.Steps;
    // While off, steps run here; ON hands them to the pumps of the running instrument.
    while (!stopped_ && next_ < steps.size()) {
      const ScenarioStep& step = steps[next_++];
      if (step.Kind == StepKind::Wait) {
        Stop(ScenarioStatus::Error, step, "the instrument is off, so no pass can go by");
      } else if (step.Kind == StepKind::ButtonOn) {
        panel_.PressOn();
        if (waiting_ && waitStep_ != nullptr && !stopped_) {
          Stop(ScenarioStatus::Error, *waitStep_,
               "the instrument was switched off before this wait was over");
        }
        waiting_ = false;
      } else {
        Perform(step);
      }
    }
    outcome_.Pumps = panel_.Pumps();
    return outcome_;
  }

 private:
  // Runs in every pump of every power-on, after the pass has presented its frame.
  void OnPump() {
    if (stopped_ || next_ >= scenario_.Steps.size()) {
      panel_.PressOff();
      return;
    }
    if (panel_.Pumps() >= pumpLimit_) {
      Stop(ScenarioStatus::Error, waiting_ && waitStep_ != nullptr ? *waitStep_ : scenario_.Steps[next_],
           "the pump limit was reached");
      panel_.PressOff();
      return;
    }
    if (waiting_ && panel_.Pumps() < resumeAt_) return;
    waiting_ = false;
    while (!stopped_ && next_ < scenario_.Steps.size()) {
      const ScenarioStep& step = scenario_.Steps[next_++];
      if (step.Kind == StepKind::Wait) {
        waiting_ = true;
        waitStep_ = &step;
        resumeAt_ = panel_.Pumps() + static_cast<uint64_t>(step.Value);
        return;
      }
      if (step.Kind == StepKind::ButtonOn) {
        // A nested power-on: the steps that follow play in its pumps.
        panel_.PressOn();
        return;
      }
      if (step.Kind == StepKind::ButtonOff) {
        // The steps that follow wait until the instrument has reacted: off, or the next
        // pump of a splash that goes on.
        panel_.PressOff();
        waiting_ = true;
        waitStep_ = nullptr;
        resumeAt_ = panel_.Pumps() + 1;
        return;
      }
      Perform(step);
    }
    panel_.PressOff();
  }

  void Stop(ScenarioStatus status, const ScenarioStep& step, const std::string& message) {
    stopped_ = true;
    outcome_.Status = status;
    outcome_.Line = step.Line;
    outcome_.Message = scenario_.Name + ":" + std::to_string(step.Line) + ": " + step.Source + ": " + message +
                       " (pump " + std::to_string(panel_.Pumps()) + ")";
    panel_.PressOff();
  }

  void Held() { ++outcome_.Expectations; }

  void Perform(const ScenarioStep& step) {
    switch (step.Kind) {
      case StepKind::SliderY:
        panel_.SetSliderY(static_cast<int32_t>(step.Value));
        break;
      case StepKind::SliderZ:
        panel_.SetSliderZ(static_cast<int32_t>(step.Value));
        break;
      case StepKind::Preset:
        panel_.SetSliderY(ORIENTATION_PRESETS[step.Value].SliderY);
        panel_.SetSliderZ(ORIENTATION_PRESETS[step.Value].SliderZ);
        break;
      case StepKind::Key:
        panel_.PressKey(static_cast<uint8_t>(step.Value));
        break;
      case StepKind::ButtonOff:
        panel_.PressOff();
        break;
      case StepKind::Calibrate1G:
        panel_.PressCalibrate1G();
        break;
      case StepKind::Calibrate0G:
        panel_.PressCalibrate0G();
        break;
      case StepKind::TickCalibrate:
        panel_.SetCalibrate(step.Value != 0);
        break;
      case StepKind::TickKeyFast:
        panel_.SetKeyFast(step.Value != 0);
        break;
      case StepKind::ExpectField: {
        const int64_t actual = step.Field->Read(panel_);
        if (actual == step.Value) {
          Held();
        } else {
          Stop(ScenarioStatus::Failed, step,
               std::string(step.Field->Name) + " is " + std::to_string(actual) + ", not " +
                   std::to_string(step.Value));
        }
        break;
      }
      case StepKind::ExpectScreen:
      case StepKind::ExpectReturnScreen: {
        const bool current = step.Kind == StepKind::ExpectScreen;
        const ScreenHandler actual = current ? State.CurrentScreen : State.ReturnScreen;
        if (actual == step.Screen) {
          Held();
        } else {
          Stop(ScenarioStatus::Failed, step,
               std::string(current ? "CurrentScreen" : "ReturnScreen") + " is " + NameOfScreen(actual) +
                   ", not " + NameOfScreen(step.Screen));
        }
        break;
      }
      case StepKind::ExpectLcd: {
        const std::string shown = ShownFrame(panel_);
        if (shown == step.Frame) {
          Held();
        } else {
          Stop(ScenarioStatus::Failed, step,
               "the LCD differs from the " + step.FrameSource + " (rows marked >>)\n" +
                   FrameDiff(step.Frame, shown));
        }
        break;
      }
      case StepKind::PrintLcd:
        out_ << scenario_.Name << ":" << step.Line << ": LCD at pump " << panel_.Pumps() << "\n"
             << ShownFrame(panel_);
        break;
      case StepKind::PrintScreen:
        out_ << scenario_.Name << ":" << step.Line << ": CurrentScreen " << NameOfScreen(State.CurrentScreen)
             << ", ReturnScreen " << NameOfScreen(State.ReturnScreen) << " (pump " << panel_.Pumps()
             << ")\n";
        break;
      case StepKind::PrintField:
        out_ << scenario_.Name << ":" << step.Line << ": " << step.Field->Name << " " << step.Field->Read(panel_)
             << " (pump " << panel_.Pumps() << ")\n";
        break;
      case StepKind::ButtonOn:
      case StepKind::Wait:
        break;  // handled by the callers: they change where the following steps run
    }
  }

  const Scenario& scenario_;
  std::ostream& out_;
  ScriptedPanel panel_;
  uint64_t pumpLimit_ = 0;
  size_t next_ = 0;
  bool waiting_ = false;
  const ScenarioStep* waitStep_ = nullptr;
  uint64_t resumeAt_ = 0;
  bool stopped_ = false;
  ScenarioOutcome outcome_;
};

}  // namespace

bool ParseScenario(std::string_view text, const std::string& baseDir, Scenario& scenario,
                   std::vector<ScenarioError>& errors) {
  const size_t before = errors.size();
  Reader(text, baseDir, scenario, errors).ReadAll();
  if (scenario.TotalWait > SCENARIO_MAX_TOTAL_WAIT) {
    errors.push_back({0, "the waits add up to " + std::to_string(scenario.TotalWait) + " passes, more than " +
                             std::to_string(SCENARIO_MAX_TOTAL_WAIT)});
  }
  return errors.size() == before;
}

bool LoadScenarioFile(const std::string& path, Scenario& scenario, std::vector<ScenarioError>& errors) {
  std::string text;
  scenario.Name = path;
  if (!ReadFile(path, &text)) {
    errors.push_back({0, "cannot read the scenario file '" + path + "'"});
    return false;
  }
  const size_t slash = path.find_last_of('/');
  const std::string baseDir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  return ParseScenario(text, baseDir, scenario, errors);
}

ScenarioOutcome RunScenario(const Scenario& scenario, std::ostream& out) {
  State = InstrumentState{};
  Player player(scenario, out);
  return player.Run();
}
