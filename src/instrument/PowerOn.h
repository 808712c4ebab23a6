// The power cycle: defaults, the splash, the warm-up and the run loop.
#pragma once
#include <cstdint>

constexpr int SPLASH_PASSES = 80;
constexpr int WARM_UP_PASSES = 10;

// The maker's web address on the splash's bottom line (17 characters: columns 6 to 107).
constexpr char MAKER_WEB_ADDRESS[] = "kelvaneaero.co.uk";
constexpr char FIRMWARE_VERSION[] = "1.06";

// The ON button: returns only when the run loop ends (after OFF).
void PowerOn();

// Contrast 37, backlight on, G span 6, cycle limits +5.0 g and -5.0 g, English.
void LoadSettingsDefaults();

// One pass of the splash with the maker's-name position m and the model-name position g,
// both moved as the pass moves them.
void SplashPass(int8_t& m, int8_t& g);

// One pass of the run loop.
void RunLoopPass();
