// LcdIcon: the only drawing operation that writes whole frame-buffer bytes.
#include "lcd/Icons.h"

#include <cstring>

#include "instrument/InstrumentState.h"

namespace {

struct IconPlace {
  uint8_t column;  // first destination column
  uint8_t page;    // first destination page
};

// Icon 0 sits one page higher and 4 columns further right than the menu icons; icon 5
// 4 columns further right.
constexpr IconPlace kIconPlaces[8] = {
    {8, 1}, {4, 2}, {4, 2}, {4, 2}, {4, 2}, {8, 2}, {4, 2}, {4, 2},
};

}  // namespace

void LcdIcon(uint8_t index) {
  if (index > 7) {
    return;
  }
  const uint8_t* sheet = IconSheets + (index / 4) * ICON_SHEET_BYTES;
  const int sourceColumn = ICON_SIZE * (index % 4);
  const IconPlace place = kIconPlaces[index];
  for (int page = 0; page < ICON_SIZE / 8; ++page) {
    std::memcpy(&State.FrameBuffer[(place.page + page) * LCD_WIDTH + place.column],
                &sheet[page * ICON_SHEET_COLUMNS + sourceColumn], ICON_SIZE);
  }
}
