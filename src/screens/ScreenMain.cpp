// Placeholder screens until their layouts and keys land: they only consume the key.
#include "screens/Screens.h"
#include "screens/ScreenKit.h"

void ScreenMain() { TakePendingKey(); }
void DrawMainDisplay() {}
void DrawGBar(int32_t, int32_t) {}
