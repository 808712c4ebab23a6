// Screen furniture: title rules for every title length in use, scroll-bar thumbs, menu-row
// highlighting by Cursor and EditMode, over-long texts, and where each icon may light pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "lcd/Furniture.h"
#include "lcd/Icons.h"
#include "lcd/Text.h"
#include "test_text_kit.h"

namespace {

using namespace text_kit;

class FurnitureTest : public LcdTest {};

TEST_F(FurnitureTest, TitleIsCentredWithRulesStoppingShortOfItsLetters) {
  struct Case {
    const char* title;
    int textX;      // first column of the text, 8-bit
    int leftEnd;    // the left rule covers columns 0..leftEnd of row 4
    int rightFrom;  // the right rule covers columns rightFrom..113 (114: none)
  };
  const Case cases[] = {
      {" MESSAGE ", 21, 23, 91},       {" NEW CODE ", 17, 19, 95},       {" MAIN MENU ", 13, 15, 99},
      {" DISP SETUP ", 9, 11, 103},    {" MAX. VALUES ", 5, 7, 107},     {" GFORCE SETUP ", 1, 3, 111},
      {" CONFIG FORCEG ", 253, 0, 114},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    const Pixels letters = Drawn([&] { LcdText(static_cast<uint8_t>(c.textX), 0, c.title, 0, 0); });
    const Pixels rules = Union(Block(0, c.leftEnd, 4, 4), Block(c.rightFrom, LCD_WIDTH - 1, 4, 4));
    EXPECT_EQ(Drawn([&] { LcdTitle(c.title); }), Union(letters, rules));
  }
  const Pixels mainMenu = Drawn([] { LcdText(13, 0, " MAIN MENU ", 0, 0); });
  EXPECT_EQ(mainMenu.begin()->first, 21);
  EXPECT_EQ(mainMenu.rbegin()->first, 91);
  for (const Pixel& p : mainMenu) EXPECT_LE(p.second, 6);
}

TEST_F(FurnitureTest, OverLongTitleIsCutToThirtyOneCharacters) {
  const std::string title(40, 'M');
  const Pixels drawn = Drawn([&] { LcdTitle(title.c_str()); });
  EXPECT_EQ(drawn, Drawn([&] { LcdTitle(title.substr(0, 31).c_str()); }));
}

TEST_F(FurnitureTest, ScrollBarThumbStraddlesTheTrack) {
  struct Case {
    uint8_t index, count;
    int top, bottom;  // thumb rows; bottom < top means no thumb
  };
  const Case cases[] = {
      {0, 3, 8, 26},  {1, 3, 26, 44}, {2, 3, 45, 63},  {0, 5, 8, 19},  {1, 5, 19, 30},
      {2, 5, 30, 41}, {3, 5, 41, 52}, {4, 5, 52, 63},  {0, 1, 8, 63},  {0, 0, 1, 0},
  };
  const Pixels track = Block(111, 111, 8, 63);
  for (const Case& c : cases) {
    const Pixels thumb = c.bottom >= c.top ? Block(109, 113, c.top, c.bottom) : Pixels{};
    EXPECT_EQ(Drawn([&] { LcdScrollBar(c.index, c.count); }), Union(track, thumb))
        << "index " << int(c.index) << " of " << int(c.count);
  }
}

TEST_F(FurnitureTest, RowTextIsNormalHeightText) {
  EXPECT_EQ(Drawn([] { LcdRowText(0, 8, "Z-AXIS CAL", 0); }), Drawn([] { LcdText(0, 8, "Z-AXIS CAL", 0, 0); }));
  EXPECT_EQ(Drawn([] { LcdRowText(0, 8, "2048", 100); }), Drawn([] { LcdText(0, 8, "2048", 0, 0); }));
  EXPECT_EQ(Drawn([] { LcdRowTextConst(4, 56, "LANG: ", 1); }), Drawn([] { LcdText(4, 56, "LANG: ", 0, 1); }));
  for (const Pixel& p : Drawn([] { LcdRowText(0, 8, "Z-AXIS CAL", 1); })) {
    EXPECT_GE(p.second, 8);
    EXPECT_LE(p.second, 15);
  }
}

TEST_F(FurnitureTest, MenuRowHighlightsByCursorAndEditMode) {
  struct Case {
    uint8_t cursor, editMode;
    uint8_t labelInverse, valueInverse;
  };
  const Case cases[] = {
      {2, 0, 1, 1},  // the cursor rests on the row: one inverse band
      {2, 1, 0, 1},  // the value is being edited: only the value
      {3, 0, 0, 0},  // another row is current
      {3, 1, 0, 0},
  };
  for (const Case& c : cases) {
    State.Cursor = c.cursor;
    State.EditMode = c.editMode;
    const Pixels expected = Drawn([&] {
      LcdText(0, 24, "LANG: ", 0, c.labelInverse);
      LcdText(48, 24, "ENGLISH", 0, c.valueInverse);
    });
    EXPECT_EQ(Drawn([] { LcdMenuRow(0, 2, "LANG: ", "ENGLISH"); }), expected)
        << "Cursor " << int(c.cursor) << " EditMode " << int(c.editMode);
    EXPECT_EQ(Drawn([] { LcdMenuRowConst(0, 2, "LANG: ", "ENGLISH"); }), expected);
  }
  State.Cursor = 0;
  State.EditMode = 0;
  EXPECT_EQ(Drawn([] { LcdMenuRow(8, 0, "GF SPAN: ", "6g"); }),
            Drawn([] { LcdText(0, 8, "GF SPAN: ", 0, 1); LcdText(80, 8, "6g", 0, 1); }))
      << "valueX shifts the value right of the label";
}

TEST_F(FurnitureTest, MenuRowCutsOverLongLabelsAndConstantValues) {
  const std::string label(40, 'L');
  const std::string value(40, 'V');
  const std::string label31 = label.substr(0, 31);
  const std::string value31 = value.substr(0, 31);
  State.Cursor = 1;
  EXPECT_EQ(Drawn([&] { LcdMenuRowConst(0, 1, label.c_str(), value.c_str()); }),
            Drawn([&] { LcdMenuRow(0, 1, label31.c_str(), value31.c_str()); }));
  EXPECT_EQ(Drawn([&] { LcdMenuRow(0, 1, label.c_str(), "X"); }), Drawn([&] { LcdMenuRow(0, 1, label31.c_str(), "X"); }));
}

TEST_F(FurnitureTest, IconsLightOnlyInsideTheirPlaceAndFillMostOfIt) {
  struct Case {
    uint8_t index;
    int x0, x1, y0, y1;  // where the icon may light pixels
  };
  const Case cases[] = {
      {ICON_QUESTION, 8, 39, 8, 38},  {ICON_EXIT, 4, 35, 16, 47},          {ICON_CALIBRATE, 4, 35, 16, 47},
      {ICON_ADC_VALUES, 4, 35, 16, 47}, {ICON_WAVEFORM, 4, 35, 16, 47},    {ICON_MESSAGE, 8, 39, 17, 47},
      {ICON_GFORCE_SETUP, 4, 35, 16, 47}, {ICON_DISPLAY_SETUP, 4, 35, 16, 47},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "icon " << int(c.index));
    const Pixels lit = Drawn([&] { LcdIcon(c.index); });
    ASSERT_FALSE(lit.empty());
    int left = 999, right = -1, top = 999, bottom = -1;
    for (const Pixel& p : lit) {
      left = std::min(left, p.first);
      right = std::max(right, p.first);
      top = std::min(top, p.second);
      bottom = std::max(bottom, p.second);
    }
    EXPECT_GE(left, c.x0);
    EXPECT_LE(right, c.x1);
    EXPECT_GE(top, c.y0);
    EXPECT_LE(bottom, c.y1);
    EXPECT_GE(right - left + 1, 28) << "the picture fills most of its square";
    EXPECT_GE(bottom - top + 1, 28) << "the picture fills most of its square";
  }
  EXPECT_TRUE(Drawn([] { LcdIcon(8); }).empty());
  EXPECT_TRUE(Drawn([] { LcdIcon(255); }).empty());
}

}  // namespace
