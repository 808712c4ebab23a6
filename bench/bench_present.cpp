// Presenting a frame into the window's LCD picture: the fast path (the frame expanded
// straight into the image's rows) against the literal one (four QImage::setPixel writes per
// LCD pixel, column by column), both through the instrument's own entry points.
#include <benchmark/benchmark.h>

#include <QColor>

#include "frontpanel/DesktopColours.h"
#include "frontpanel/LcdSurface.h"
#include "instrument/Hardware.h"
#include "instrument/InstrumentState.h"
#include "instrument/Panel.h"

namespace {

// The window's presentation without the widget: only the picture is written.
class SurfacePanel final : public InertPanel {
 public:
  SurfacePanel() : surface_(QColor(200, 200, 200), COLOUR_LCD_UNLIT) { AttachPanel(this); }
  ~SurfacePanel() override { AttachPanel(nullptr); }
  uint32_t UnlitColour() const override { return surface_.Unlit(); }
  void PlotImagePixel(int x, int y, uint32_t colour) override { surface_.Plot(x, y, colour); }
  void PresentFrame(const uint8_t* frameBuffer) override { surface_.Present(frameBuffer); }
  const QImage& Image() const { return surface_.Image(); }

 private:
  LcdSurface surface_;
};

// A frame with lit and unlit pixels mixed, as a busy screen has them.
void FillFrame() {
  for (int i = 0; i < FRAME_BUFFER_SIZE; ++i) {
    State.FrameBuffer[i] = static_cast<uint8_t>(i * 37 + (i >> 3));
  }
}

void BM_PresentFast(benchmark::State& state) {
  SurfacePanel panel;
  FillFrame();
  for (auto _ : state) {
    PresentLcd();
    benchmark::DoNotOptimize(panel.Image().constBits());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * LCD_WIDTH * LCD_HEIGHT);
}
BENCHMARK(BM_PresentFast);

void BM_PresentPixelByPixel(benchmark::State& state) {
  SurfacePanel panel;
  FillFrame();
  for (auto _ : state) {
    PresentLcdPixelByPixel();
    benchmark::DoNotOptimize(panel.Image().constBits());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * LCD_WIDTH * LCD_HEIGHT);
}
BENCHMARK(BM_PresentPixelByPixel);

}  // namespace
