// Every screen of the instrument. A screen draws its whole image into the freshly cleared
// frame buffer, then acts on at most one pending key and sets PendingKey to KEY_NONE;
// a transition is an assignment to State.CurrentScreen, seen from the next pass.
#pragma once
#include <cstdint>

// Main display and main menu.
void ScreenMain();
void DrawMainDisplay();
// Bar, peak marker and scale in columns 0-26; value and peak in tenths of g, both >= 0.
void DrawGBar(int32_t value, int32_t peak);
void ScreenMainMenu();

// Display setup and contrast.
void ScreenDisplaySetup();
void ScreenContrast();

// G-force setup.
void ScreenGForceSetup();

// Code lock.
void ScreenEnterCurrentCode();
void ScreenEnterNewCode();
void ScreenConfirmNewCode();
void ScreenEnterResetCode();
void ScreenCodeIncorrect();
void ScreenCodeChanged();

// Max values, resets and the DONE message.
void ScreenMaxValues();
void ScreenResetTempMax();
void ScreenResetCycles();
void ScreenDone();

// Service screens.
void ScreenCalibrate();
void ScreenZAxisCal();
void ScreenAdcValues();

// The code that ENTER CURRENT CODE accepts besides the stored one.
constexpr int MasterCode = 9718;
