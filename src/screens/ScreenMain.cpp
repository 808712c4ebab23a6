// The main display: G read-out in big digits, the G bar with its peak marker and scale,
// the temporary extremes and the two cycle counters; its keys open the menu and the
// max-value and reset screens, after spending the first key of a new alarm on acknowledging it.
#include <cstdint>
#include <cstdio>
#include <limits>

#include "instrument/InstrumentState.h"
#include "lcd/FrameBuffer.h"
#include "lcd/Text.h"
#include "screens/Keys.h"
#include "screens/ScreenKit.h"
#include "screens/Screens.h"

namespace {

// Room for any int32 in tenths as "%+5.1f" ("-214748364.8") or "%u", with spare.
constexpr int NUMBER_BUFFER_SIZE = 32;

constexpr int BAR_LEFT = 3;
constexpr int BAR_RIGHT = 20;  // exclusive
constexpr int PEAK_LINE_RIGHT = 21;
constexpr int SCALE_COLUMN = 23;
constexpr int TICK_RIGHT = 26;
constexpr int BOTTOM_ROW = LCD_HEIGHT - 1;

// The pixel row for a tenths value on a scale of spanTenths (scale tenths a row): the top
// row beyond full scale, 64 - value / scale otherwise, never below the bottom row. Values
// of 0 or less land on the bottom row without dividing, so a span of 0 or a negative
// argument cannot overflow the conversion.
uint8_t RowForTenths(int32_t value, int32_t spanTenths, float scale) {
  if (value > spanTenths) {
    return 0;
  }
  if (value <= 0) {
    return BOTTOM_ROW;
  }
  const int32_t row = static_cast<int32_t>(64.0f - static_cast<float>(value) / scale);
  return static_cast<uint8_t>(row > BOTTOM_ROW ? BOTTOM_ROW : row);
}

// The magnitude of a G value; the most negative value, whose magnitude int32 cannot hold,
// counts as the largest one so that it is treated as far beyond every scale.
int32_t GMagnitude(int32_t g) {
  return g == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max() : IntAbs(g);
}

void DrawNumber(uint8_t x, uint8_t y, const char* format, double value) {
  char text[NUMBER_BUFFER_SIZE];
  std::snprintf(text, sizeof text, format, value);
  LcdText(x, y, text, 0, 0);
}

void DrawCount(uint8_t x, uint8_t y, uint32_t count) {
  char text[NUMBER_BUFFER_SIZE];
  std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(count));
  LcdText(x, y, text, 0, 0);
}

void DrawReadOut(int32_t g) {
  char text[NUMBER_BUFFER_SIZE];
  if (GMagnitude(g) < 100) {
    std::snprintf(text, sizeof text, "%+.1f", g * 0.1);
    LcdBigNumber(35, 17, text);
  } else {
    std::snprintf(text, sizeof text, "%+.0f", g * 0.1);
    LcdBigNumber(45, 17, text);
  }
}

}  // namespace

void DrawGBar(int32_t value, int32_t peak) {
  const int32_t span = State.GfSpan;
  const int32_t spanTenths = span * 10;
  const float scale = static_cast<float>(spanTenths) / 64.0f;  // tenths of g a pixel row

  const uint8_t barTop = RowForTenths(value, spanTenths, scale);
  const uint8_t peakRow = RowForTenths(peak, spanTenths, scale);

  LcdFillRect(BAR_LEFT, barTop, BAR_RIGHT, BOTTOM_ROW, 1);

  // Peak line, and the pointer beside it aiming at the bar.
  LcdLine(BAR_LEFT, peakRow, PEAK_LINE_RIGHT, peakRow, 1);
  LcdLine(0, peakRow - 2, 0, peakRow + 2, 1);
  LcdLine(1, peakRow - 1, 1, peakRow + 1, 1);
  LcdSetPixel(2, peakRow, 1);

  // Scale line with its end ticks.
  LcdLine(SCALE_COLUMN, 0, SCALE_COLUMN, BOTTOM_ROW, 1);
  LcdLine(SCALE_COLUMN, 0, TICK_RIGHT, 0, 1);
  LcdLine(SCALE_COLUMN, BOTTOM_ROW, TICK_RIGHT, BOTTOM_ROW, 1);

  // One tick per g. The position is accumulated in single precision, which decides the
  // rows for a span of 12 (47 and 63 rather than 48 and 64).
  if (span > 0) {
    const float step = 64.0f / static_cast<float>(span);
    float position = step;
    for (int32_t tick = 0; tick < span; ++tick) {
      const int32_t row = static_cast<int32_t>(position);
      LcdLine(SCALE_COLUMN, row, TICK_RIGHT, row, 1);
      position += step;
    }
  }
}

void DrawMainDisplay() {
  DrawNumber(70, 0, "%+5.1f", State.TempMax * 0.1);
  DrawNumber(70, 56, "%+5.1f", State.TempMin * 0.1);
  DrawCount(36, 0, State.CyclesPos);
  DrawCount(36, 56, State.CyclesNeg);

  // The bar grows upward with the magnitude of G; the peak follows the sign of G.
  if (State.GNow >= 0) {
    DrawGBar(State.GNow, State.TempMax);
  } else {
    DrawGBar(GMagnitude(State.GNow), GMagnitude(State.TempMin));
  }

  DrawReadOut(State.GNow);
}

void ScreenMain() {
  DrawMainDisplay();

  const uint8_t key = TakePendingKey();
  if (key == KEY_NONE) {
    return;
  }
  // A new alarm costs one key press, which has no other effect.
  if (State.AlarmActive == 1 && State.AlarmAcknowledged == 0) {
    State.AlarmAcknowledged = 1;
    return;
  }
  switch (key) {
    case KEY_SELECT:
      State.Cursor = 0;
      State.EditMode = 0;
      State.CurrentScreen = ScreenMainMenu;
      break;
    case KEY_CW:
    case KEY_CCW:
      State.CurrentScreen = ScreenMaxValues;
      break;
    case KEY_F1:
      State.CurrentScreen = ScreenResetCycles;
      break;
    case KEY_F2:
      State.CurrentScreen = ScreenResetTempMax;
      break;
    default:
      break;
  }
}
