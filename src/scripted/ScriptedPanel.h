// A headless panel for tests and the scenario runner: its event pump plays actions
// scheduled for given pumps and it records frames, LED colours and visibility changes.
// The first splash pass pumps as number 1; the run loop's pass k (counting from 1) pumps
// as SPLASH_PASSES + k after a single power-on.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "instrument/Panel.h"
#include "lcd/LcdGeometry.h"

class ScriptedPanel final : public Panel {
 public:
  using Action = std::function<void(ScriptedPanel&)>;
  using Frame = std::array<uint8_t, FRAME_BUFFER_SIZE>;

  // The colour of an image pixel that was never painted.
  static constexpr uint32_t UNPAINTED = 0xFF000000u;
  static constexpr uint32_t UNLIT = 0xB4B4B4;

  // Attaches itself as the instrument's panel; detaches on destruction.
  ScriptedPanel();
  ~ScriptedPanel() override;
  ScriptedPanel(const ScriptedPanel&) = delete;
  ScriptedPanel& operator=(const ScriptedPanel&) = delete;

  // Runs action inside pump number pump (1-based), after the actions scheduled before it.
  void At(uint64_t pump, Action action);
  void KeyAt(uint64_t pump, uint8_t key);
  void OffAt(uint64_t pump);
  // Calls action on every pump after the scheduled actions of that pump.
  void EveryPump(Action action);
  // From this pump on every pump presses OFF, so a run always ends.
  void SetPumpLimit(uint64_t pump);
  // Keeps a copy of every presented frame (on by default).
  void RecordFrames(bool on);

  // The window's controls, usable while off or from an action.
  void SetSliderY(int32_t position);  // the change handling runs only when the position differs
  void SetSliderZ(int32_t position);
  void SetCalibrate(bool ticked);
  void SetKeyFast(bool ticked);
  void PressKey(uint8_t key);         // face keys and knob buttons
  void PressOn();                     // nested inside the running instrument when called from an action
  void PressOff();
  void PressCalibrate1G();
  void PressCalibrate0G();

  // What the window shows.
  int32_t SliderY() const { return sliderY_; }
  int32_t SliderZ() const { return sliderZ_; }
  int32_t LabelY() const { return labelY_; }
  int32_t LabelZ() const { return labelZ_; }
  bool Calibrate() const { return calibrate_; }
  bool KeyFast() const { return keyFast_; }
  bool LcdVisible() const { return lcdVisible_; }
  uint32_t Led() const { return led_; }
  uint32_t ImagePixel(int x, int y) const { return image_[y * LCD_IMAGE_WIDTH + x]; }
  uint64_t Pumps() const { return pumps_; }
  uint64_t Presents() const { return presents_; }
  // Every LED colour set, every visibility change, every recorded frame, in order.
  const std::vector<uint32_t>& LedColours() const { return ledColours_; }
  const std::vector<bool>& VisibilityChanges() const { return visibilityChanges_; }
  const std::vector<Frame>& Frames() const { return frames_; }
  // The number of the pump during which the current action runs (0 outside a pump).
  uint64_t CurrentPump() const { return pumps_; }

  // Panel.
  int32_t SliderPositionY() const override { return sliderY_; }
  int32_t SliderPositionZ() const override { return sliderZ_; }
  bool CalibrateTicked() const override { return calibrate_; }
  bool KeyFastTicked() const override { return keyFast_; }
  void TickCalibrate() override { calibrate_ = true; }
  void SetLcdVisible(bool visible) override;
  uint32_t UnlitColour() const override { return UNLIT; }
  void PlotImagePixel(int x, int y, uint32_t colour) override;
  void PresentFrame(const uint8_t* frameBuffer) override;
  void SetLedColour(uint32_t colour) override;
  void PumpEvents() override;

 private:
  int32_t sliderY_ = 2048;
  int32_t sliderZ_ = 2048;
  int32_t labelY_ = 0;
  int32_t labelZ_ = 0;
  bool calibrate_ = false;
  bool keyFast_ = false;
  bool lcdVisible_ = true;
  bool recordFrames_ = true;
  uint32_t led_ = COLOUR_LED_RED;
  uint64_t pumps_ = 0;
  uint64_t presents_ = 0;
  uint64_t pumpLimit_ = UINT64_MAX;
  std::multimap<uint64_t, Action> actions_;
  std::vector<Action> everyPump_;
  std::vector<uint32_t> ledColours_;
  std::vector<bool> visibilityChanges_;
  std::vector<Frame> frames_;
  std::vector<uint32_t> image_;
};
