// Key codes: one unsigned byte, at most one pending at a time.
#pragma once
#include <cstdint>

constexpr uint8_t KEY_NONE = 0;
constexpr uint8_t KEY_SELECT = 1;  // knob pressed
constexpr uint8_t KEY_CW = 2;      // knob turned clockwise
constexpr uint8_t KEY_CCW = 3;     // knob turned anticlockwise
constexpr uint8_t KEY_F1 = 4;      // left face key, up arrow
constexpr uint8_t KEY_F2 = 5;      // right face key, down arrow
