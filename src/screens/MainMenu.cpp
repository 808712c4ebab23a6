// Placeholder screens until their layouts and keys land: they only consume the key.
#include "screens/Screens.h"
#include "screens/ScreenKit.h"

void ScreenMainMenu() { TakePendingKey(); }
