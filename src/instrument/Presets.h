// The orientation presets of the window: slider positions that stand for the instrument held
// in five orientations. One table for the window's buttons and the headless tools.
#pragma once
#include <cstdint>

struct OrientationPreset {
  const char* Caption;  // the button's caption
  int32_t SliderY;      // set first
  int32_t SliderZ;
};

constexpr OrientationPreset ORIENTATION_PRESETS[] = {
    {/* Caption = */ "1G", /* SliderY = */ 2029, /* SliderZ = */ 2012},
    {/* Caption = */ "0G", /* SliderY = */ 2112, /* SliderZ = */ 2087},
    {/* Caption = */ "Left", /* SliderY = */ 2030, /* SliderZ = */ 2090},
    {/* Caption = */ "Right", /* SliderY = */ 2029, /* SliderZ = */ 2089},
    {/* Caption = */ "Down", /* SliderY = */ 2031, /* SliderZ = */ 2167},
};

constexpr int ORIENTATION_PRESET_COUNT =
    static_cast<int>(sizeof(ORIENTATION_PRESETS) / sizeof(ORIENTATION_PRESETS[0]));
