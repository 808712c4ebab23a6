// The instrument's one state record: every piece of mutable state of the meter lives here.
#pragma once
#include <cstddef>
#include <cstdint>

#include "lcd/LcdGeometry.h"

// A screen: draws the whole LCD image, then consumes at most one pending key.
using ScreenHandler = void (*)();

// Field order and widths are those of the instrument; the frame buffer is followed
// directly by PendingKey and KeyStep, which drawing must never disturb.
struct InstrumentState {
  uint8_t Cursor;                 // selected row or code digit of the current screen
  uint8_t EditMode;               // the selected row's value is being edited
  uint8_t CodeDigits[4];          // code digits being entered, thousands first
  int32_t PendingCode;            // new code awaiting confirmation
  uint8_t FrameBuffer[FRAME_BUFFER_SIZE];
  uint8_t PendingKey;             // key waiting to be consumed; KEY_NONE = none
  uint8_t KeyStep;                // value step: 1, or 10 while "KeyFast" is ticked
  int32_t AdcY;                   // last sample of channel Y, ADC counts
  int32_t AdcZ;                   // last sample of channel Z, ADC counts
  uint32_t CyclesPos;             // excursions above CycleLimitPos
  uint32_t CyclesNeg;             // excursions below CycleLimitNeg
  int32_t MaxPos;                 // tenths of g
  int32_t MaxNeg;
  int32_t TempMax;
  int32_t TempMin;
  int32_t GNow;                   // current G, averaged, tenths of g
  uint8_t CycleLatchPos;
  uint8_t CycleLatchNeg;
  int32_t GHistory[10];           // moving-average window, oldest first
  int32_t AdcInputY;              // simulated input of channel Y, 0 to 4096
  int32_t AdcInputZ;              // simulated input of channel Z, 0 to 4096
  uint8_t Contrast;               // 0 to 57
  uint8_t BacklightOn;
  uint8_t GfSpan;                 // full scale of the G bar, whole g, 2 to 12
  int8_t CycleLimitPos;           // tenths of g
  int8_t CycleLimitNeg;           // tenths of g
  int32_t ZeroY;                  // calibration, ADC counts
  int32_t SpanY;
  int32_t ZeroZ;
  int32_t SpanZ;
  int32_t ResetCode;              // stored code lock; 0 = no code
  uint8_t Language;               // 0 English, 1 French
  ScreenHandler CurrentScreen;    // screen called once per pass
  ScreenHandler ReturnScreen;     // screen a message or sub-screen goes back to
  uint8_t AlarmActive;
  uint8_t CalibrateMode;          // service mode: the menu shows the service entries
  uint8_t AlarmAcknowledged;
  uint8_t PowerOffRequested;      // OFF was pressed; ends the run loop
};

static_assert(offsetof(InstrumentState, PendingKey) ==
                  offsetof(InstrumentState, FrameBuffer) + FRAME_BUFFER_SIZE,
              "PendingKey must follow the frame buffer directly");
static_assert(offsetof(InstrumentState, KeyStep) == offsetof(InstrumentState, PendingKey) + 1);

// The single instance, all zero at program start.
extern InstrumentState State;
