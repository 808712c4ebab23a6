// The eight 32 x 32 icons: two sheets of 4 pages x 128 column bytes, four icons a sheet.
#pragma once
#include <cstdint>

constexpr uint8_t ICON_QUESTION = 0;       // ring with a question mark
constexpr uint8_t ICON_EXIT = 1;           // ring with a zigzag path ending in a left arrowhead
constexpr uint8_t ICON_CALIBRATE = 2;      // crossed spanner and screwdriver
constexpr uint8_t ICON_ADC_VALUES = 3;     // frame holding a smooth wave
constexpr uint8_t ICON_WAVEFORM = 4;       // frame holding a jagged trace
constexpr uint8_t ICON_MESSAGE = 5;        // ring with an exclamation mark
constexpr uint8_t ICON_GFORCE_SETUP = 6;   // four arrows round a central disc
constexpr uint8_t ICON_DISPLAY_SETUP = 7;  // television set with an antenna

constexpr int ICON_SIZE = 32;
constexpr int ICON_SHEET_COLUMNS = 128;
constexpr int ICON_SHEET_PAGES = 4;
constexpr int ICON_SHEET_BYTES = ICON_SHEET_COLUMNS * ICON_SHEET_PAGES;  // 512
extern const uint8_t IconSheets[2 * ICON_SHEET_BYTES];

// Copies icon index into its fixed place, replacing whole bytes; indexes above 7 are ignored.
void LcdIcon(uint8_t index);
