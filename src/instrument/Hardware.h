// The simulated hardware boundary: ADC channels, keys, LCD presentation, LED, events.
#pragma once
#include <cstdint>

constexpr uint8_t AdcChannelY = 0;
constexpr uint8_t AdcChannelZ = 1;

// Sample of a channel: 0 reads AdcInputY, 1 AdcInputZ, any other number AdcInputY.
int32_t ReadAdc(uint8_t channel);

// Stores key in PendingKey only when no key is pending; otherwise the press is lost.
void InjectKey(uint8_t key);

// The OFF button: the run loop ends before its next pass.
void RequestPowerOff();

// Shows the frame buffer in the window's LCD image (the panel's whole-frame path).
void PresentLcd();
// The same picture written pixel by pixel, column by column, through PlotLcdPixel.
void PresentLcdPixelByPixel();
// Paints the 2 x 2 image pixels of LCD pixel (x, y): (2x,2y), (2x+1,2y), (2x,2y+1), (2x+1,2y+1).
void PlotLcdPixel(uint8_t x, uint8_t y, uint32_t colour);

// Lets the window handle every pending event; never waits.
void PumpHostEvents();

// Expands a frame buffer into the top-left 228 x 128 pixels of a 32-bit image, row by row,
// each LCD pixel as a 2 x 2 block; the image's right-most column and bottom five rows are
// left alone. imageStride counts pixels.
void ExpandFrameToImage(const uint8_t* frameBuffer, uint32_t litColour, uint32_t unlitColour,
                        uint32_t* image, int imageStride);
