// The text renderers: exact pixels of normal, inverse and tall text, the flags that act only
// when exactly 1, centring and 8-bit wrap-round, the small font's inverse blocks, the big
// read-out's cells and advances, the copying entry points and characters outside a font.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>

#include "lcd/Text.h"
#include "test_text_kit.h"

namespace {

using namespace text_kit;

class TextTest : public LcdTest {};

TEST_F(TextTest, EmptyTextLeavesTheScreenAsItWas) {
  void (*const draws[])() = {
      [] { LcdText(10, 10, "", 1, 1); },           [] { LcdTextCentered(57, 10, "", 1, 1); },
      [] { LcdTextSmall(10, 10, "", 0); },         [] { LcdTextSmallCentered(57, 10, "", 0); },
      [] { LcdBigNumber(10, 10, ""); },            [] { LcdTextConst(10, 10, "", 0, 1); },
      [] { LcdTextSmallCenteredConst(57, 10, "", 0); },
      [] { LcdText(10, 10, nullptr, 0, 1); },      [] { LcdTextSmallConst(10, 10, nullptr, 0); },
      [] { LcdBigNumber(10, 10, nullptr); },
  };
  for (size_t i = 0; i < std::size(draws); ++i) {
    std::memset(State.FrameBuffer, 0x5A, FRAME_BUFFER_SIZE);
    draws[i]();
    for (int b = 0; b < FRAME_BUFFER_SIZE; ++b) ASSERT_EQ(State.FrameBuffer[b], 0x5A) << "draw " << i << " byte " << b;
  }
}

TEST_F(TextTest, NormalTextAddsGlyphPixelsAndInverseWritesTheWholeCell) {
  const Pixels glyph = Font8x8Glyph('A', 10, 8);
  EXPECT_EQ(Drawn([] { LcdText(10, 8, "A", 0, 0); }), glyph);

  Pixels band = Block(10, 17, 8, 15);
  for (const Pixel& p : glyph) band.erase(p);
  EXPECT_EQ(Drawn([] { LcdText(10, 8, "A", 0, 1); }), band) << "spacing column 17 and row 15 lit too";

  // Over a lit background normal text changes nothing; inverse text still shows the letter.
  const Pixels everything = Block(0, LCD_WIDTH - 1, 0, LCD_HEIGHT - 1);
  std::memset(State.FrameBuffer, 0xFF, FRAME_BUFFER_SIZE);
  LcdText(10, 8, "A", 0, 0);
  EXPECT_EQ(LitPixels(), everything);
  LcdText(10, 8, "A", 0, 1);
  Pixels letterCut = everything;
  for (const Pixel& p : glyph) letterCut.erase(p);
  EXPECT_EQ(LitPixels(), letterCut);
}

TEST_F(TextTest, TallAndInverseActOnlyWhenExactlyOne) {
  struct Case {
    uint8_t tall, inverse, sameAsTall, sameAsInverse;
  };
  const Case cases[] = {
      {0, 100, 0, 0}, {2, 0, 0, 0}, {255, 255, 0, 0}, {1, 2, 1, 0}, {100, 1, 0, 1},
  };
  for (const Case& c : cases) {
    const Pixels expected = Drawn([&] { LcdText(3, 4, "G8", c.sameAsTall, c.sameAsInverse); });
    EXPECT_EQ(Drawn([&] { LcdText(3, 4, "G8", c.tall, c.inverse); }), expected)
        << "tall " << int(c.tall) << " inverse " << int(c.inverse);
  }
}

TEST_F(TextTest, TallTextDoublesEveryGlyphRow) {
  const Pixels block = Drawn([] { LcdText(2, 10, "A", 1, 1); });
  Pixels expected;
  for (int c = 0; c < 8; ++c)
    for (int r = 0; r < 8; ++r)
      if (!Font8x8Bit('A', c, r)) expected.merge(Block(2 + c, 2 + c, 10 + 2 * r, 11 + 2 * r));
  EXPECT_EQ(block, expected) << "an 8 x 16 block over columns 2-9, rows 10-25";

  // At y = 50 the glyph rows 0-6 land on rows 50-63; rows 64 and 65 fall off the bottom.
  Pixels clipped;
  for (int c = 0; c < 8; ++c)
    for (int r = 0; r < 8; ++r)
      if (Font8x8Bit('Q', c, r) && 50 + 2 * r < LCD_HEIGHT) clipped.merge(Block(20 + c, 20 + c, 50 + 2 * r, 51 + 2 * r));
  EXPECT_EQ(Drawn([] { LcdText(20, 50, "Q", 1, 0); }), clipped);
}

TEST_F(TextTest, CentredTextStartsHalfItsWidthLeftAndWrapsInEightBits) {
  // 15 characters centred on 57 start at 57 - 60 = 253: the first character's column 3
  // lands on x = 0 and its columns 0-2 are lost.
  const char* text = "WXYZWXYZWXYZWXY";
  const Pixels centred = Drawn([&] { LcdTextCentered(57, 0, text, 0, 0); });
  EXPECT_EQ(centred, Drawn([&] { LcdText(253, 0, text, 0, 0); }));
  for (int r = 0; r < 8; ++r) {
    EXPECT_EQ(centred.count({0, r}) == 1, Font8x8Bit('W', 3, r)) << "row " << r;
    EXPECT_EQ(centred.count({5, r}) == 1, Font8x8Bit('X', 0, r)) << "row " << r;
  }
  EXPECT_EQ(Drawn([] { LcdTextCentered(57, 8, "AB", 1, 1); }), Drawn([] { LcdText(49, 8, "AB", 1, 1); }));
  EXPECT_EQ(Drawn([] { LcdTextSmallCentered(57, 56, "kelvaneaero.co.uk", 0); }),
            Drawn([] { LcdTextSmall(6, 56, "kelvaneaero.co.uk", 0); }))
      << "17 small characters centred on 57 start at 6";
  const Pixels address = Drawn([] { LcdTextSmallCentered(57, 56, "kelvaneaero.co.uk", 0); });
  EXPECT_EQ(address.begin()->first, 6);
  EXPECT_EQ(address.rbegin()->first, 107) << "the inverse block of the last character ends at 107";
}

TEST_F(TextTest, SmallTextTurnsInverseFromItsPositionOn) {
  struct Case {
    uint8_t inverseFrom;
    int firstInverse;  // position of the first inverse character; 4 = none
  };
  const Case cases[] = {{2, 2}, {0, 0}, {3, 3}, {4, 4}, {100, 4}, {255, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "inverseFrom " << int(c.inverseFrom));
    Pixels expected;
    for (int i = 0; i < 4; ++i) {
      const int code = "ABCD"[i];
      const int x0 = 2 + 6 * i;
      Pixels cell;
      for (int col = 0; col < 6; ++col)
        for (int row = -1; row < 7; ++row) {
          const bool bit = col < 5 && row >= 0 && SmallFontBit(code, col, row);
          if (bit != (i >= c.firstInverse)) cell.insert({x0 + col, 10 + row});
        }
      expected.merge(cell);
    }
    EXPECT_EQ(Drawn([&] { LcdTextSmall(2, 10, "ABCD", c.inverseFrom); }), expected);
  }
  // The inverse block of "C" and "D": columns 14-25, rows 9-16, with the letters cut out.
  const Pixels cd = Drawn([] { LcdTextSmall(2, 10, "ABCD", 2); });
  for (const Pixel& p : Block(14, 25, 9, 16)) {
    const int i = (p.first - 14) / 6, col = (p.first - 14) % 6, row = p.second - 10;
    const bool bit = col < 5 && row >= 0 && SmallFontBit("CD"[i], col, row);
    EXPECT_EQ(cd.count(p) == 0, bit) << p.first << "," << p.second;
  }
}

TEST_F(TextTest, SmallInverseNeverClearsAndItsTopRowWrapsOffAtYZero) {
  std::memset(State.FrameBuffer, 0xFF, FRAME_BUFFER_SIZE);
  LcdTextSmall(0, 20, "AB", 0);
  EXPECT_EQ(LitPixels().size(), static_cast<size_t>(LCD_WIDTH * LCD_HEIGHT)) << "the glyphs stay as they were";

  // At y = 0 the cell's top row is row 255 and is dropped: the block covers rows 0-6 only.
  const Pixels top = Drawn([] { LcdTextSmall(0, 0, "A", 0); });
  Pixels expected = Block(0, 5, 0, 6);
  for (int col = 0; col < 5; ++col)
    for (int row = 0; row < 7; ++row)
      if (SmallFontBit('A', col, row)) expected.erase({col, row});
  EXPECT_EQ(top, expected);
}

TEST_F(TextTest, BigNumberCellsAndAdvances) {
  auto plus = [](int x, int y) { return Union(Block(x + 4, x + 7, y + 9, y + 20), Block(x, x + 11, y + 13, y + 16)); };
  auto minus = [](int x, int y) { return Block(x, x + 11, y + 13, y + 16); };
  auto dot = [](int x, int y) {
    return Union(Union(Block(x + 2, x + 2, y + 27, y + 28), Block(x + 3, x + 5, y + 26, y + 29)),
                 Block(x + 6, x + 6, y + 27, y + 28));
  };
  struct Case {
    const char* text;
    uint8_t x, y;
    Pixels expected;
  };
  const Case cases[] = {
      // +1.0 at (35, 17): sign 35-46, "1" in the cell 49-70, dot 73-77 on rows 43-46, "0" in 83-104.
      {"+1.0", 35, 17, Union(Union(plus(35, 17), BigDigitGlyph(1, 49, 17)), Union(dot(71, 17), BigDigitGlyph(0, 83, 17)))},
      // +12 at (45, 17): 14 + 22 + 22 columns, 45 to 102.
      {"+12", 45, 17, Union(plus(45, 17), Union(BigDigitGlyph(1, 59, 17), BigDigitGlyph(2, 81, 17)))},
      // "- 9": the bar, a blank cell 14-35, the 9 in 36-57.
      {"- 9", 0, 0, Union(minus(0, 0), BigDigitGlyph(9, 36, 0))},
      {"-0.5", 0, 30, Union(Union(minus(0, 30), BigDigitGlyph(0, 14, 30)), Union(dot(36, 30), BigDigitGlyph(5, 48, 30)))},
      // A digit past the right edge keeps only its columns up to 113.
      {"8888", 30, 0, [] {
         Pixels p = Union(Union(BigDigitGlyph(8, 30, 0), BigDigitGlyph(8, 52, 0)), Union(BigDigitGlyph(8, 74, 0), BigDigitGlyph(8, 96, 0)));
         std::erase_if(p, [](const Pixel& q) { return q.first >= LCD_WIDTH || q.second >= LCD_HEIGHT; });
         return p;
       }()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Drawn([&] { LcdBigNumber(c.x, c.y, c.text); }), c.expected) << c.text;
  }
  const Pixels one = Drawn([] { LcdBigNumber(35, 17, "+1.0"); });
  EXPECT_GE(one.begin()->first, 35);
  EXPECT_LE(one.rbegin()->first, 104);
  const Pixels twelve = Drawn([] { LcdBigNumber(45, 17, "+12"); });
  EXPECT_EQ(twelve.begin()->first, 45);
  EXPECT_LE(twelve.rbegin()->first, 102);
}

TEST_F(TextTest, BigNumberOnlyAddsPixels) {
  std::memset(State.FrameBuffer, 0xFF, FRAME_BUFFER_SIZE);
  LcdBigNumber(0, 0, "-8.8+");
  EXPECT_EQ(LitPixels().size(), static_cast<size_t>(LCD_WIDTH * LCD_HEIGHT));
}

TEST_F(TextTest, CopyingEntryPointsDrawAtMostThirtyOneCharacters) {
  // 40 characters: the copy keeps the first 31 and draws exactly what the plain call draws
  // with those; nothing beyond the 32-byte working buffer is read or written.
  const std::string longText = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
  const std::string kept = longText.substr(0, TEXT_BUFFER_SIZE - 1);
  struct Case {
    const char* name;
    void (*copying)(uint8_t, uint8_t, const char*, uint8_t);
    void (*plain)(uint8_t, uint8_t, const char*, uint8_t);
  };
  const Case cases[] = {
      {"LcdTextConst", [](uint8_t x, uint8_t y, const char* t, uint8_t) { LcdTextConst(x, y, t, 0, 1); },
       [](uint8_t x, uint8_t y, const char* t, uint8_t) { LcdText(x, y, t, 0, 1); }},
      {"LcdTextCenteredConst", [](uint8_t x, uint8_t y, const char* t, uint8_t) { LcdTextCenteredConst(x, y, t, 1, 0); },
       [](uint8_t x, uint8_t y, const char* t, uint8_t) { LcdTextCentered(x, y, t, 1, 0); }},
      {"LcdTextSmallConst", [](uint8_t x, uint8_t y, const char* t, uint8_t f) { LcdTextSmallConst(x, y, t, f); },
       [](uint8_t x, uint8_t y, const char* t, uint8_t f) { LcdTextSmall(x, y, t, f); }},
      {"LcdTextSmallCenteredConst",
       [](uint8_t x, uint8_t y, const char* t, uint8_t f) { LcdTextSmallCenteredConst(x, y, t, f); },
       [](uint8_t x, uint8_t y, const char* t, uint8_t f) { LcdTextSmallCentered(x, y, t, f); }},
  };
  for (const Case& c : cases) {
    for (uint8_t x : {0, 57}) {
      EXPECT_EQ(Drawn([&] { c.copying(x, 20, longText.c_str(), 5); }), Drawn([&] { c.plain(x, 20, kept.c_str(), 5); }))
          << c.name << " at " << int(x);
    }
    EXPECT_EQ(Drawn([&] { c.copying(57, 20, "MENU", 1); }), Drawn([&] { c.plain(57, 20, "MENU", 1); })) << c.name;
  }
  const TextCopy copy(longText.c_str());
  EXPECT_EQ(std::string(copy.text), kept);
}

TEST_F(TextTest, CharactersOutsideAFontDrawABlankCellOfTheUsualAdvance) {
  struct Case {
    const char* name;
    void (*outside)();
    void (*reference)();
  };
  const Case cases[] = {
      {"8x8 below 32", [] { LcdText(0, 0, "A\x1F" "B", 0, 0); }, [] { LcdText(0, 0, "A B", 0, 0); }},
      {"8x8 above 138", [] { LcdText(0, 0, "A\x8B\xFF" "B", 0, 1); }, [] { LcdText(0, 0, "A  B", 0, 1); }},
      {"small above 127", [] { LcdTextSmall(0, 1, "A\x80\x1F" "B", 1); }, [] { LcdTextSmall(0, 1, "A  B", 1); }},
      {"big letter and slash", [] { LcdBigNumber(0, 0, "1a/2"); }, [] { LcdBigNumber(0, 0, "1  2"); }},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Drawn(c.outside), Drawn(c.reference)) << c.name;
  }
}

}  // namespace
