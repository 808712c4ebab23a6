// The attached panel, and the inert one used when none is attached.
#include "instrument/Panel.h"

namespace {

class DetachedPanel final : public Panel {
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

DetachedPanel detachedPanel;
Panel* attachedPanel = &detachedPanel;

}  // namespace

void AttachPanel(Panel* panel) { attachedPanel = panel != nullptr ? panel : &detachedPanel; }

Panel& AttachedPanel() { return *attachedPanel; }
