// The drawing primitives and renderers, one call per iteration into the frame buffer, and
// the expansion of a frame into the window's 2x image.
#include <benchmark/benchmark.h>

#include "instrument/Hardware.h"
#include "instrument/InstrumentState.h"
#include "instrument/Panel.h"
#include "instrument/PowerOn.h"
#include "lcd/FrameBuffer.h"
#include "lcd/Furniture.h"
#include "lcd/Icons.h"
#include "lcd/Text.h"
#include "screens/Screens.h"

namespace {

void Fresh() {
  State = InstrumentState{};
  LoadSettingsDefaults();
}

template <typename Draw>
void Run(benchmark::State& bench, Draw draw) {
  Fresh();
  for (auto _ : bench) {
    draw();
    benchmark::DoNotOptimize(State.FrameBuffer);
    benchmark::ClobberMemory();
  }
}

void BM_LcdClear(benchmark::State& b) { Run(b, [] { LcdClear(); }); }
void BM_LcdSetPixel(benchmark::State& b) { Run(b, [] { LcdSetPixel(57, 33, 1); }); }
void BM_LcdLineDiagonal(benchmark::State& b) { Run(b, [] { LcdLine(0, 0, 113, 63, 1); }); }
void BM_LcdRect(benchmark::State& b) { Run(b, [] { LcdRect(0, 15, 113, 25, 1); }); }
void BM_LcdFillRectWhole(benchmark::State& b) { Run(b, [] { LcdFillRect(0, 0, 114, 63, 1); }); }
void BM_LcdText12(benchmark::State& b) { Run(b, [] { LcdText(0, 16, "ADJ CONTRAST", 0, 0); }); }
void BM_LcdText12Inverse(benchmark::State& b) { Run(b, [] { LcdText(0, 16, "ADJ CONTRAST", 0, 1); }); }
void BM_LcdText12Tall(benchmark::State& b) { Run(b, [] { LcdText(0, 14, "MAX GF+: +4.2g", 1, 0); }); }
void BM_LcdTextCenteredConst(benchmark::State& b) {
  Run(b, [] { LcdTextCenteredConst(57, 8, "*** DONE ***", 0, 1); });
}
void BM_LcdTextSmall17(benchmark::State& b) { Run(b, [] { LcdTextSmall(6, 56, MAKER_WEB_ADDRESS, 100); }); }
void BM_LcdTextSmallCentered(benchmark::State& b) {
  Run(b, [] { LcdTextSmallCenteredConst(44, 46, "CALIBRATE", 100); });
}
void BM_LcdBigNumber(benchmark::State& b) { Run(b, [] { LcdBigNumber(35, 17, "+1.2"); }); }
void BM_LcdBigNumberWhole(benchmark::State& b) { Run(b, [] { LcdBigNumber(45, 17, "-10"); }); }
void BM_LcdTitle(benchmark::State& b) { Run(b, [] { LcdTitle(" GFORCE SETUP "); }); }
void BM_LcdScrollBar(benchmark::State& b) { Run(b, [] { LcdScrollBar(2, 5); }); }
void BM_LcdMenuRow(benchmark::State& b) { Run(b, [] { LcdMenuRowConst(88, 2, "BACKLIGHT: ", "ON"); }); }
void BM_LcdIcon(benchmark::State& b) { Run(b, [] { LcdIcon(ICON_GFORCE_SETUP); }); }
void BM_DrawGBar(benchmark::State& b) { Run(b, [] { DrawGBar(30, 45); }); }
void BM_DrawMainDisplay(benchmark::State& b) {
  Run(b, [] {
    State.GNow = -15;
    State.TempMin = -25;
    State.TempMax = 12;
    DrawMainDisplay();
  });
}

// The frame into a 229 x 133 image, each LCD pixel as a 2 x 2 block.
void BM_ExpandFrameToImage(benchmark::State& bench) {
  static uint32_t image[LCD_IMAGE_WIDTH * LCD_IMAGE_HEIGHT];
  Fresh();
  LcdTitle(" MAIN MENU ");
  for (auto _ : bench) {
    ExpandFrameToImage(State.FrameBuffer, COLOUR_LCD_LIT, 0xB4B4B4, image, LCD_IMAGE_WIDTH);
    benchmark::DoNotOptimize(image);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_LcdClear);
BENCHMARK(BM_LcdSetPixel);
BENCHMARK(BM_LcdLineDiagonal);
BENCHMARK(BM_LcdRect);
BENCHMARK(BM_LcdFillRectWhole);
BENCHMARK(BM_LcdText12);
BENCHMARK(BM_LcdText12Inverse);
BENCHMARK(BM_LcdText12Tall);
BENCHMARK(BM_LcdTextCenteredConst);
BENCHMARK(BM_LcdTextSmall17);
BENCHMARK(BM_LcdTextSmallCentered);
BENCHMARK(BM_LcdBigNumber);
BENCHMARK(BM_LcdBigNumberWhole);
BENCHMARK(BM_LcdTitle);
BENCHMARK(BM_LcdScrollBar);
BENCHMARK(BM_LcdMenuRow);
BENCHMARK(BM_LcdIcon);
BENCHMARK(BM_DrawGBar);
BENCHMARK(BM_DrawMainDisplay);
BENCHMARK(BM_ExpandFrameToImage);

}  // namespace
