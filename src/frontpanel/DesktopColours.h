// The desktop's system colours that the window uses, taken from Qt's palette where Qt has
// a role for them and chosen here where it has none.
#pragma once
#include <QColor>
#include <QPalette>
#include <cstdint>

// Background of the window: the desktop's button-face colour.
inline QColor ButtonFaceColour(const QPalette& palette) { return palette.color(QPalette::Button); }

// Qt has no scroll-bar colour. Desktops draw scroll-bar tracks a little darker than the
// button face (200 grey against 240 on a current Windows desktop), so it is derived from
// the button face in that proportion and follows a dark or light theme alike.
inline QColor ScrollBarColour(const QPalette& palette) {
  return ButtonFaceColour(palette).darker(120);
}

// Unlit LCD pixels take the inactive-window-border colour, which Qt does not have either.
// RGB 212, 208, 200 is that colour on the classic Windows desktop, the warm light grey the
// window was laid out on; it also reads as an unlit reflective LCD.
constexpr uint32_t COLOUR_LCD_UNLIT = 0xD4D0C8;
