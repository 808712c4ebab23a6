// The three font tables: the fixed bytes, the spacing rules of the main font, orientation and
// bit order as the renderers show them, the read-out digits' box, and one picture per font.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "lcd/Text.h"
#include "support/Golden.h"
#include "test_text_kit.h"

namespace {

using namespace text_kit;

class FontTest : public LcdTest {};

TEST_F(FontTest, FixedGlyphsHoldTheirBytes) {
  struct Case {
    const char* name;
    const uint8_t* table;
    int first, glyphBytes, code;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"8x8 A", Font8x8, FONT8X8_FIRST, FONT8X8_GLYPH_BYTES, 'A', {0x7C, 0x7E, 0x13, 0x11, 0x13, 0x7E, 0x7C, 0x00}},
      {"8x8 0", Font8x8, FONT8X8_FIRST, FONT8X8_GLYPH_BYTES, '0', {0x3E, 0x7F, 0x41, 0x41, 0x41, 0x7F, 0x3E, 0x00}},
      {"8x8 up key", Font8x8, FONT8X8_FIRST, FONT8X8_GLYPH_BYTES, 123, {0x20, 0x30, 0x38, 0x3C, 0x38, 0x30, 0x20, 0x00}},
      {"8x8 degree", Font8x8, FONT8X8_FIRST, FONT8X8_GLYPH_BYTES, 124, {0x00, 0x00, 0x06, 0x09, 0x09, 0x06, 0x00, 0x00}},
      {"8x8 down key", Font8x8, FONT8X8_FIRST, FONT8X8_GLYPH_BYTES, 125, {0x04, 0x0C, 0x1C, 0x3C, 0x1C, 0x0C, 0x04, 0x00}},
      {"8x8 knob", Font8x8, FONT8X8_FIRST, FONT8X8_GLYPH_BYTES, 126, {0x1C, 0x3E, 0x63, 0x63, 0x63, 0x2A, 0x0C, 0x0E}},
      {"8x8 tilde", Font8x8, FONT8X8_FIRST, FONT8X8_GLYPH_BYTES, 127, {0x04, 0x06, 0x02, 0x06, 0x04, 0x06, 0x02, 0x00}},
      {"small A", SmallFont, SMALL_FONT_FIRST, SMALL_FONT_GLYPH_BYTES, 'A', {0x3F, 0x48, 0x48, 0x48, 0x3F}},
      {"small 0", SmallFont, SMALL_FONT_FIRST, SMALL_FONT_GLYPH_BYTES, '0', {0x3E, 0x45, 0x49, 0x51, 0x3E}},
  };
  for (const Case& c : cases) {
    const uint8_t* glyph = c.table + (c.code - c.first) * c.glyphBytes;
    EXPECT_EQ(std::vector<uint8_t>(glyph, glyph + c.glyphBytes), c.bytes) << c.name;
  }
}

TEST_F(FontTest, MainFontKeepsColumnSevenAndRowSevenForSpacing) {
  const std::string usesRow7 = "gjpqy,;Q_";
  const std::string usesColumn7 = "Y\\_~";
  for (int code = FONT8X8_FIRST; code <= FONT8X8_LAST; ++code) {
    bool row7 = false;
    bool column7 = false;
    for (int i = 0; i < 8; ++i) {
      row7 = row7 || Font8x8Bit(code, i, 7);
      column7 = column7 || Font8x8Bit(code, 7, i);
    }
    const bool rowListed = code < 128 && usesRow7.find(static_cast<char>(code)) != std::string::npos;
    const bool columnListed = code < 128 && usesColumn7.find(static_cast<char>(code)) != std::string::npos;
    EXPECT_EQ(row7, rowListed) << "row 7 of code " << code;
    EXPECT_EQ(column7, columnListed) << "column 7 of code " << code;
  }
}

TEST_F(FontTest, GlyphsAreUprightAndNotMirrored) {
  // "L", "F" and "7" each tell a mirror image and an upside-down one from the real glyph.
  struct Case {
    const char* name;
    void (*draw)();
    std::vector<Pixel> lit, unlit;
  };
  const Case cases[] = {
      {"8x8 L", [] { LcdText(0, 0, "L", 0, 0); }, {{0, 0}, {0, 6}, {6, 6}}, {{6, 0}}},
      {"8x8 F", [] { LcdText(0, 0, "F", 0, 0); }, {{0, 0}, {6, 0}, {0, 6}}, {{6, 6}}},
      {"small L", [] { LcdTextSmall(0, 1, "L", 100); }, {{0, 1}, {0, 7}, {4, 7}}, {{4, 1}}},
      {"small F", [] { LcdTextSmall(0, 1, "F", 100); }, {{0, 1}, {4, 1}, {0, 7}}, {{4, 7}}},
      {"big 7", [] { LcdBigNumber(0, 0, "7"); }, {{3, 2}, {17, 2}, {15, 10}}, {{5, 10}, {3, 27}, {17, 27}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Pixels lit = Drawn(c.draw);
    for (const Pixel& p : c.lit) EXPECT_TRUE(lit.count(p)) << p.first << "," << p.second << " should be lit";
    for (const Pixel& p : c.unlit) EXPECT_FALSE(lit.count(p)) << p.first << "," << p.second << " should be unlit";
  }
}

TEST_F(FontTest, EveryGlyphIsDrawnAndNoTwoAreAlike) {
  struct Case {
    const char* name;
    const uint8_t* table;
    int first, count, glyphBytes;
    std::vector<int> blank;                  // codes that draw nothing
    std::vector<std::pair<int, int>> alike;  // pairs that show the same sign
  };
  const Case cases[] = {
      {"8x8", Font8x8, FONT8X8_FIRST, FONT8X8_LAST - FONT8X8_FIRST + 1, FONT8X8_GLYPH_BYTES, {' '}, {}},
      {"small", SmallFont, SMALL_FONT_FIRST, SMALL_FONT_LAST - SMALL_FONT_FIRST + 1, SMALL_FONT_GLYPH_BYTES, {' '},
       {{'}', 127}}},
      {"big digits", BigDigitFont, BIG_DIGIT_FIRST, BIG_DIGIT_SLOTS, BIG_DIGIT_GLYPH_BYTES, {'-', '.', '/'}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto glyphAt = [&](int i) { return c.table + i * c.glyphBytes; };
    auto blank = [&](int i) {
      for (int k = 0; k < c.glyphBytes; ++k)
        if (glyphAt(i)[k] != 0) return false;
      return true;
    };
    auto same = [&](int i, int j) {
      for (int k = 0; k < c.glyphBytes; ++k)
        if (glyphAt(i)[k] != glyphAt(j)[k]) return false;
      return true;
    };
    for (int i = 0; i < c.count; ++i) {
      const int code = c.first + i;
      const bool shouldBeBlank = std::find(c.blank.begin(), c.blank.end(), code) != c.blank.end();
      EXPECT_EQ(blank(i), shouldBeBlank) << "code " << code;
      if (blank(i)) continue;
      for (int j = 0; j < i; ++j) {
        if (blank(j) || !same(i, j)) continue;
        const std::pair<int, int> pair{c.first + j, code};
        EXPECT_NE(std::find(c.alike.begin(), c.alike.end(), pair), c.alike.end())
            << "codes " << pair.first << " and " << code << " look the same";
        break;
      }
    }
  }
}

TEST_F(FontTest, SmallFontNeverUsesBitSeven) {
  for (int i = 0; i < SMALL_FONT_SIZE; ++i) EXPECT_EQ(SmallFont[i] & 0x80, 0) << "byte " << i;
}

TEST_F(FontTest, ReadOutDigitsFillTheirBoxWithBoldStrokes) {
  for (int digit = 0; digit <= 9; ++digit) {
    SCOPED_TRACE(::testing::Message() << "digit " << digit);
    int top = 99, bottom = -1, left = 99, right = -1;
    for (int c = 0; c < BIG_DIGIT_COLUMNS; ++c) {
      for (int r = 0; r < 8 * BIG_DIGIT_PAGES; ++r) {
        if (!BigDigitBit(3 + digit, c, r)) continue;
        top = std::min(top, r);
        bottom = std::max(bottom, r);
        left = std::min(left, c);
        right = std::max(right, c);
      }
    }
    EXPECT_EQ(top, 0);
    EXPECT_EQ(bottom, 29) << "30 rows tall; rows 30 and 31 stay blank";
    EXPECT_GE(left, 0);
    EXPECT_LE(right, 20) << "column 21 stays blank";
    if (digit == 1) {
      EXPECT_LT(right - left + 1, 15) << "the 1 is narrower than the other digits";
    } else {
      EXPECT_GE(right - left + 1, 17) << "about 19 columns wide";
    }
  }
  // Stroke widths at mid-height: the stem of the 1 and both walls of the 0.
  auto run = [](int digit, int row, int from) {
    int c = from;
    while (c < BIG_DIGIT_COLUMNS && !BigDigitBit(3 + digit, c, row)) ++c;
    int n = 0;
    while (c + n < BIG_DIGIT_COLUMNS && BigDigitBit(3 + digit, c + n, row)) ++n;
    return std::pair<int, int>{c, n};
  };
  const auto stem = run(1, 15, 0);
  const auto leftWall = run(0, 15, 0);
  const auto rightWall = run(0, 15, leftWall.first + leftWall.second);
  for (int width : {stem.second, leftWall.second, rightWall.second}) {
    EXPECT_GE(width, 5);
    EXPECT_LE(width, 6);
  }
}

// One picture per font, every glyph in code order, for a person to look at and to catch any
// change to a glyph.
TEST_F(FontTest, EveryGlyphMatchesItsPicture) {
  LcdClear();
  for (int code = FONT8X8_FIRST; code <= FONT8X8_LAST; ++code) {
    const int i = code - FONT8X8_FIRST;
    const char text[2] = {static_cast<char>(code), '\0'};
    LcdText(static_cast<uint8_t>(8 * (i % 14)), static_cast<uint8_t>(8 * (i / 14)), text, 0, 0);
  }
  EXPECT_TRUE(CurrentFrameMatchesGolden("font_8x8"));

  LcdClear();
  for (int code = SMALL_FONT_FIRST; code <= SMALL_FONT_LAST; ++code) {
    const int i = code - SMALL_FONT_FIRST;
    const char text[2] = {static_cast<char>(code), '\0'};
    LcdTextSmall(static_cast<uint8_t>(6 * (i % 19)), static_cast<uint8_t>(1 + 9 * (i / 19)), text, 100);
  }
  EXPECT_TRUE(CurrentFrameMatchesGolden("font_small"));

  LcdClear();
  LcdBigNumber(2, 0, "01234");
  LcdBigNumber(2, 32, "56789");
  EXPECT_TRUE(CurrentFrameMatchesGolden("font_big_digits"));
}

}  // namespace
