// The hardware boundary: channel reads, key injection, presenting the frame buffer.
#include <gtest/gtest.h>

#include <cstring>

#include "instrument/Hardware.h"
#include "instrument/PowerOn.h"
#include "screens/Keys.h"
#include "support/InstrumentFixture.h"

namespace {

class HardwareTest : public InstrumentTest {};

TEST_F(HardwareTest, ReadAdcPicksTheChannelAndReadsYForAnyOtherNumber) {
  State.AdcInputY = 4096;
  State.AdcInputZ = 0;
  EXPECT_EQ(ReadAdc(AdcChannelY), 4096);
  EXPECT_EQ(ReadAdc(AdcChannelZ), 0);
  for (uint8_t channel : {uint8_t{2}, uint8_t{7}, uint8_t{255}}) EXPECT_EQ(ReadAdc(channel), 4096);
}

TEST_F(HardwareTest, SecondKeyWhileOneIsPendingIsLost) {
  InjectKey(KEY_CW);
  InjectKey(KEY_F1);
  EXPECT_EQ(State.PendingKey, KEY_CW);
  State.PendingKey = KEY_NONE;
  InjectKey(KEY_F1);
  EXPECT_EQ(State.PendingKey, KEY_F1);
}

TEST_F(HardwareTest, SlidersSetInputsAndLabelsOnlyWhenThePositionChanges) {
  EXPECT_EQ(panel->LabelY(), 0) << "the labels read 0 although the sliders stand at 2048";
  panel->SetSliderY(2048);
  EXPECT_EQ(panel->LabelY(), 0);
  EXPECT_EQ(State.AdcInputY, 0);
  panel->SetSliderY(4096);
  panel->SetSliderZ(0);
  EXPECT_EQ(State.AdcInputY, 4096);
  EXPECT_EQ(State.AdcInputZ, 0);
  EXPECT_EQ(panel->LabelY(), 4096);
  EXPECT_EQ(panel->LabelZ(), 0);
}

// Checks every pixel of the image against the frame buffer, and that the right-most column
// and the bottom five rows were never painted.
void ExpectImageShowsFrame(const ScriptedPanel& p, const uint8_t* frame) {
  for (int iy = 0; iy < LCD_IMAGE_HEIGHT; ++iy) {
    for (int ix = 0; ix < LCD_IMAGE_WIDTH; ++ix) {
      const uint32_t pixel = p.ImagePixel(ix, iy);
      if (ix >= 2 * LCD_WIDTH || iy >= 2 * LCD_HEIGHT) {
        ASSERT_EQ(pixel, ScriptedPanel::UNPAINTED) << ix << "," << iy;
        continue;
      }
      const int x = ix / 2;
      const int y = iy / 2;
      const bool lit = (frame[(y / 8) * LCD_WIDTH + x] >> (y % 8)) & 1;
      ASSERT_EQ(pixel, lit ? COLOUR_LCD_LIT : ScriptedPanel::UNLIT) << ix << "," << iy;
    }
  }
}

TEST_F(HardwareTest, PresentShowsTheFrameBufferAtTwiceItsSize) {
  struct Case {
    const char* name;
    void (*fill)(uint8_t*);
  };
  const Case cases[] = {
      {"all lit", [](uint8_t* f) { std::memset(f, 0xFF, FRAME_BUFFER_SIZE); }},
      {"all unlit", [](uint8_t* f) { std::memset(f, 0, FRAME_BUFFER_SIZE); }},
      {"pattern", [](uint8_t* f) {
         for (int i = 0; i < FRAME_BUFFER_SIZE; ++i) f[i] = static_cast<uint8_t>(i * 37 + (i >> 3));
       }},
      {"corner pixels", [](uint8_t* f) {
         std::memset(f, 0, FRAME_BUFFER_SIZE);
         f[0] = 0x01;    // (0, 0)
         f[911] = 0x80;  // (113, 63)
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool pixelByPixel : {false, true}) {
      SetUp();
      c.fill(State.FrameBuffer);
      if (pixelByPixel) {
        PresentLcdPixelByPixel();
      } else {
        PresentLcd();
      }
      ExpectImageShowsFrame(*panel, State.FrameBuffer);
    }
  }
}

TEST_F(HardwareTest, PlotLcdPixelPaintsItsTwoByTwoBlock) {
  PlotLcdPixel(3, 5, 0x123456);
  for (int iy = 0; iy < LCD_IMAGE_HEIGHT; ++iy) {
    for (int ix = 0; ix < LCD_IMAGE_WIDTH; ++ix) {
      const bool inBlock = (ix == 6 || ix == 7) && (iy == 10 || iy == 11);
      ASSERT_EQ(panel->ImagePixel(ix, iy), inBlock ? 0x123456u : ScriptedPanel::UNPAINTED);
    }
  }
}

TEST_F(HardwareTest, EveryRunLoopFrameReachesTheImage) {
  panel->EveryPump([](ScriptedPanel& p) {
    // Scribble a new pattern for the next pass's screen to be cleared and redrawn over.
    ExpectImageShowsFrame(p, State.FrameBuffer);
  });
  panel->OffAt(SPLASH_PASSES + 3);
  PowerOn();
}

}  // namespace
