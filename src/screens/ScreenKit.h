// Helpers every screen shares: taking the pending key and the list and value key conventions.
#pragma once
#include <cstdint>

// Returns the pending key (KEY_NONE when there is none) and consumes it.
uint8_t TakePendingKey();

// The inverse flag of a text that is highlighted while selected.
inline uint8_t InverseWhen(bool selected) { return selected ? 1 : 0; }

// Row 0 of every list screen opened from the main menu: "*** DONE ***" centred on line 0,
// inverse while the cursor is on it.
void DrawDoneRow();

// CW and F1 raise a value being edited; CCW and F2 lower it.
bool IsRaiseKey(uint8_t key);
bool IsLowerKey(uint8_t key);

// List movement: CW and F2 move the cursor down, CCW and F1 up, stopping at row 0 and at
// lastRow. Returns whether the key was a movement key.
bool MoveListCursor(uint8_t key, uint8_t lastRow);
