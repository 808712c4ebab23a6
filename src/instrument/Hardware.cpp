// The hardware boundary in the simulator: channel inputs, key injection, presentation.
#include "instrument/Hardware.h"

#include "instrument/InstrumentState.h"
#include "instrument/Panel.h"
#include "screens/Keys.h"

int32_t ReadAdc(uint8_t channel) {
  return channel == AdcChannelZ ? State.AdcInputZ : State.AdcInputY;
}

void InjectKey(uint8_t key) {
  if (State.PendingKey == KEY_NONE) {
    State.PendingKey = key;
  }
}

void RequestPowerOff() { State.PowerOffRequested = 1; }

void PresentLcd() { AttachedPanel().PresentFrame(State.FrameBuffer); }

void PlotLcdPixel(uint8_t x, uint8_t y, uint32_t colour) {
  Panel& panel = AttachedPanel();
  const int ix = 2 * x;
  const int iy = 2 * y;
  panel.PlotImagePixel(ix, iy, colour);
  panel.PlotImagePixel(ix + 1, iy, colour);
  panel.PlotImagePixel(ix, iy + 1, colour);
  panel.PlotImagePixel(ix + 1, iy + 1, colour);
}

void PresentLcdPixelByPixel() {
  const uint32_t unlit = AttachedPanel().UnlitColour();
  for (int x = 0; x < LCD_WIDTH; ++x) {
    for (int y = 0; y < LCD_HEIGHT; ++y) {
      const bool lit = (State.FrameBuffer[(y / 8) * LCD_WIDTH + x] >> (y % 8)) & 1;
      PlotLcdPixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), lit ? COLOUR_LCD_LIT : unlit);
    }
  }
}

void PumpHostEvents() { AttachedPanel().PumpEvents(); }

void ExpandFrameToImage(const uint8_t* frameBuffer, uint32_t litColour, uint32_t unlitColour,
                        uint32_t* image, int imageStride) {
  for (int y = 0; y < LCD_HEIGHT; ++y) {
    const uint8_t* page = frameBuffer + (y / 8) * LCD_WIDTH;
    const int bit = y % 8;
    uint32_t* row0 = image + (2 * y) * imageStride;
    uint32_t* row1 = row0 + imageStride;
    for (int x = 0; x < LCD_WIDTH; ++x) {
      const uint32_t colour = ((page[x] >> bit) & 1) ? litColour : unlitColour;
      row0[2 * x] = colour;
      row0[2 * x + 1] = colour;
      row1[2 * x] = colour;
      row1[2 * x + 1] = colour;
    }
  }
}
