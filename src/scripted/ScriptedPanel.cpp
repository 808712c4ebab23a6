// The scripted panel: plays timed actions from its event pump and records what it is shown.
#include "scripted/ScriptedPanel.h"

#include <algorithm>

#include "instrument/Hardware.h"
#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "measurement/Calibration.h"

ScriptedPanel::ScriptedPanel() : image_(LCD_IMAGE_WIDTH * LCD_IMAGE_HEIGHT, UNPAINTED) {
  AttachPanel(this);
}

ScriptedPanel::~ScriptedPanel() {
  if (&AttachedPanel() == this) {
    AttachPanel(nullptr);
  }
}

void ScriptedPanel::At(uint64_t pump, Action action) { actions_.emplace(pump, std::move(action)); }

void ScriptedPanel::KeyAt(uint64_t pump, uint8_t key) {
  At(pump, [key](ScriptedPanel& panel) { panel.PressKey(key); });
}

void ScriptedPanel::OffAt(uint64_t pump) {
  At(pump, [](ScriptedPanel& panel) { panel.PressOff(); });
}

void ScriptedPanel::EveryPump(Action action) { everyPump_.push_back(std::move(action)); }

void ScriptedPanel::SetPumpLimit(uint64_t pump) { pumpLimit_ = pump; }

void ScriptedPanel::RecordFrames(bool on) { recordFrames_ = on; }

void ScriptedPanel::SetSliderY(int32_t position) {
  position = std::clamp(position, 0, 4096);
  if (position != sliderY_) {
    sliderY_ = position;
    State.AdcInputY = position;
    labelY_ = position;
  }
}

void ScriptedPanel::SetSliderZ(int32_t position) {
  position = std::clamp(position, 0, 4096);
  if (position != sliderZ_) {
    sliderZ_ = position;
    State.AdcInputZ = position;
    labelZ_ = position;
  }
}

void ScriptedPanel::SetCalibrate(bool ticked) { calibrate_ = ticked; }

void ScriptedPanel::SetKeyFast(bool ticked) { keyFast_ = ticked; }

void ScriptedPanel::PressKey(uint8_t key) { InjectKey(key); }

void ScriptedPanel::PressOn() { PowerOn(); }

void ScriptedPanel::PressOff() { RequestPowerOff(); }

void ScriptedPanel::PressCalibrate1G() { CalibrateOneG(); }

void ScriptedPanel::PressCalibrate0G() { CalibrateZeroG(); }

void ScriptedPanel::SetLcdVisible(bool visible) {
  if (visible != lcdVisible_) {
    lcdVisible_ = visible;
    visibilityChanges_.push_back(visible);
  }
}

void ScriptedPanel::PlotImagePixel(int x, int y, uint32_t colour) {
  if (x >= 0 && x < LCD_IMAGE_WIDTH && y >= 0 && y < LCD_IMAGE_HEIGHT) {
    image_[y * LCD_IMAGE_WIDTH + x] = colour;
  }
}

void ScriptedPanel::PresentFrame(const uint8_t* frameBuffer) {
  ++presents_;
  ExpandFrameToImage(frameBuffer, COLOUR_LCD_LIT, UNLIT, image_.data(), LCD_IMAGE_WIDTH);
  if (recordFrames_) {
    Frame frame;
    std::copy(frameBuffer, frameBuffer + FRAME_BUFFER_SIZE, frame.begin());
    frames_.push_back(frame);
  }
}

void ScriptedPanel::SetLedColour(uint32_t colour) {
  if (colour != led_) {
    ledColours_.push_back(colour);
  }
  led_ = colour;
}

void ScriptedPanel::PumpEvents() {
  const uint64_t pump = ++pumps_;
  // Take this pump's actions out first: an action may schedule more or nest a power-on,
  // which pumps again.
  std::vector<Action> due;
  for (auto it = actions_.lower_bound(pump); it != actions_.end() && it->first == pump;) {
    due.push_back(std::move(it->second));
    it = actions_.erase(it);
  }
  for (Action& action : due) {
    action(*this);
  }
  for (size_t i = 0; i < everyPump_.size(); ++i) {
    everyPump_[i](*this);
  }
  if (pump >= pumpLimit_) {
    RequestPowerOff();
  }
}
