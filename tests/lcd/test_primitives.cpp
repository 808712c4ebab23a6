// Frame buffer primitives: bit layout, clipping, the 8-bit coordinate rule, the exact
// Bresenham walk, rectangles, fills and icon destinations.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "instrument/InstrumentState.h"
#include "lcd/FrameBuffer.h"
#include "lcd/Icons.h"
#include "lcd/test_text_kit.h"

namespace {

using namespace text_kit;

// Every test starts from a blank screen and checks that nothing was drawn past it.
class PrimitivesTest : public LcdTest {};

TEST_F(PrimitivesTest, SetPixelUsesColumnBytesWithBitZeroOnTopAndClips) {
  LcdSetPixel(113, 63, 1);
  EXPECT_EQ(State.FrameBuffer[911], 0x80);
  LcdSetPixel(114, 0, 1);
  LcdSetPixel(0, 64, 1);
  LcdSetPixel(255, 255, 1);
  EXPECT_EQ(LitPixels(), (std::set<Pixel>{{113, 63}}));

  State.FrameBuffer[119] = 0xFF;
  LcdSetPixel(5, 9, 0);
  EXPECT_EQ(State.FrameBuffer[119], 0xFD) << "only bit 1 of byte 119 is cleared";
  LcdSetPixel(5, 9, 7);
  EXPECT_EQ(State.FrameBuffer[119], 0xFF) << "any non-zero value lights";
}

TEST_F(PrimitivesTest, ClearEmptiesExactlyTheFrameBuffer) {
  std::memset(State.FrameBuffer, 0xFF, FRAME_BUFFER_SIZE);
  LcdClear();
  for (uint8_t byte : State.FrameBuffer) ASSERT_EQ(byte, 0);
}

TEST_F(PrimitivesTest, LineWalksExactlyAsBresenhamFromTheFirstEnd) {
  struct Case {
    int x0, y0, x1, y1;
    std::vector<Pixel> lit;
  };
  const Case cases[] = {
      {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      {4, 2, 0, 0, {{4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}},
      {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
      {0, 0, 5, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 1}}},
      {10, 10, 10, 10, {{10, 10}}},
      {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
      {0, 5, -3, 5, {{0, 5}}},
      {250, 3, 260, 3, {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}},
      {112, 62, 116, 66, {{112, 62}, {113, 63}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "line " << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1);
    LcdClear();
    LcdLine(c.x0, c.y0, c.x1, c.y1, 1);
    EXPECT_EQ(LitPixels(), std::set<Pixel>(c.lit.begin(), c.lit.end()));
  }
}

TEST_F(PrimitivesTest, LineWithFarEndPointsStaysDefined) {
  LcdLine(-100000, 20, 100000, 20, 1);
  EXPECT_EQ(LitPixels().size(), static_cast<size_t>(LCD_WIDTH)) << "every column of row 20, wrapped";
}

TEST_F(PrimitivesTest, RectAndFillRectCoverTheirColumnsAndRows) {
  struct Case {
    const char* name;
    void (*draw)();
    std::set<Pixel> lit;
  };
  std::set<Pixel> border = Block(2, 5, 2, 4);
  border.erase({3, 3});
  border.erase({4, 3});
  const Case cases[] = {
      {"fill 2,2,5,4", [] { LcdFillRect(2, 2, 5, 4, 1); }, Block(2, 4, 2, 4)},
      {"fill with x0 = x1", [] { LcdFillRect(5, 2, 5, 4, 1); }, {}},
      {"fill with x0 > x1", [] { LcdFillRect(6, 2, 5, 4, 1); }, {}},
      {"fill rows upside down", [] { LcdFillRect(2, 4, 4, 2, 1); }, Block(2, 3, 2, 4)},
      {"fill past the right edge", [] { LcdFillRect(110, 60, 255, 70, 1); }, Block(110, 113, 60, 63)},
      {"rect 2,2,5,4", [] { LcdRect(2, 2, 5, 4, 1); }, border},
      {"rect corners swapped", [] { LcdRect(5, 4, 2, 2, 1); }, border},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LcdClear();
    c.draw();
    EXPECT_EQ(LitPixels(), c.lit);
  }
}

TEST_F(PrimitivesTest, FillRectClearsWithOnZero) {
  std::memset(State.FrameBuffer, 0xFF, FRAME_BUFFER_SIZE);
  LcdFillRect(0, 0, 114, 63, 0);
  EXPECT_TRUE(LitPixels().empty());
}

TEST_F(PrimitivesTest, IconReplacesWholeBytesOfItsSquare) {
  struct Case {
    uint8_t index;
    int x0, y0;
  };
  const Case cases[] = {{0, 8, 8}, {1, 4, 16}, {2, 4, 16}, {3, 4, 16},
                        {4, 4, 16}, {5, 8, 16}, {6, 4, 16}, {7, 4, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "icon " << int(c.index));
    std::memset(State.FrameBuffer, 0xFF, FRAME_BUFFER_SIZE);
    LcdIcon(c.index);
    const uint8_t* sheet = IconSheets + (c.index / 4) * ICON_SHEET_BYTES;
    for (int y = 0; y < LCD_HEIGHT; ++y) {
      for (int x = 0; x < LCD_WIDTH; ++x) {
        const bool inside = x >= c.x0 && x < c.x0 + 32 && y >= c.y0 && y < c.y0 + 32;
        int expected = 1;
        if (inside) {
          const int col = 32 * (c.index % 4) + (x - c.x0);
          const int row = y - c.y0;
          expected = (sheet[(row / 8) * ICON_SHEET_COLUMNS + col] >> (row % 8)) & 1;
        }
        ASSERT_EQ(LcdGetPixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y)), expected) << x << "," << y;
      }
    }
  }
}

TEST_F(PrimitivesTest, IconIndexAboveSevenIsIgnored) {
  LcdIcon(8);
  LcdIcon(255);
  EXPECT_TRUE(LitPixels().empty());
}

TEST(IntAbsTest, AbsoluteValues) {
  const std::pair<int32_t, int32_t> cases[] = {
      {-7, 7}, {0, 0}, {7, 7}, {INT32_MAX, INT32_MAX}, {-INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MIN}};
  for (auto [v, expected] : cases) EXPECT_EQ(IntAbs(v), expected) << v;
}

}  // namespace
