// Panel: everything the instrument reaches of its window. The Qt window implements it,
// and so does the scripted panel the tests drive headless.
#pragma once
#include <cstdint>

// Colours are 0xRRGGBB.
constexpr uint32_t COLOUR_LCD_LIT = 0x000000;
constexpr uint32_t COLOUR_LED_RED = 0xFF0000;       // the LED as the window is built
constexpr uint32_t COLOUR_LED_DARK_RED = 0x800000;  // the LED once the instrument has run

// The LCD image: the 114 x 64 pixels at twice their size in its top-left 228 x 128 pixels.
constexpr int LCD_IMAGE_WIDTH = 229;
constexpr int LCD_IMAGE_HEIGHT = 133;

class Panel {
 public:
  virtual ~Panel() = default;

  // Positions of the Y and Z sliders, 0 to 4096.
  virtual int32_t SliderPositionY() const = 0;
  virtual int32_t SliderPositionZ() const = 0;
  // Ticks of the "Calibrate" and "KeyFast" check boxes.
  virtual bool CalibrateTicked() const = 0;
  virtual bool KeyFastTicked() const = 0;
  virtual void TickCalibrate() = 0;

  // The LCD image: visibility, the colour of an unlit pixel, one image pixel, a whole frame.
  virtual void SetLcdVisible(bool visible) = 0;
  virtual uint32_t UnlitColour() const = 0;
  virtual void PlotImagePixel(int x, int y, uint32_t colour) = 0;
  // Shows the whole frame buffer (912 bytes, the instrument's layout) at twice its size.
  virtual void PresentFrame(const uint8_t* frameBuffer) = 0;

  virtual void SetLedColour(uint32_t colour) = 0;

  // Handles every pending window event and returns without waiting for more.
  virtual void PumpEvents() = 0;
};

// A panel with nothing on it: sliders at 2048, nothing ticked, and every output ignored.
// The instrument uses it while no window is attached; a panel that implements only part of
// the window (a benchmark's picture, say) overrides what it has.
class InertPanel : public Panel {
 public:
  int32_t SliderPositionY() const override { return 2048; }
  int32_t SliderPositionZ() const override { return 2048; }
  bool CalibrateTicked() const override { return false; }
  bool KeyFastTicked() const override { return false; }
  void TickCalibrate() override {}
  void SetLcdVisible(bool) override {}
  uint32_t UnlitColour() const override { return 0xC0C0C0; }
  void PlotImagePixel(int, int, uint32_t) override {}
  void PresentFrame(const uint8_t*) override {}
  void SetLedColour(uint32_t) override {}
  void PumpEvents() override {}
};

// The panel the instrument talks to; without one, presenting and pumping do nothing
// and the inputs read as sliders at 2048 with nothing ticked.
void AttachPanel(Panel* panel);
Panel& AttachedPanel();
