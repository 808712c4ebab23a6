// Placeholder screens until their layouts and keys land: they only consume the key.
#include "screens/Screens.h"
#include "screens/ScreenKit.h"

void ScreenEnterCurrentCode() { TakePendingKey(); }
void ScreenEnterNewCode() { TakePendingKey(); }
void ScreenConfirmNewCode() { TakePendingKey(); }
void ScreenEnterResetCode() { TakePendingKey(); }
void ScreenCodeIncorrect() { TakePendingKey(); }
void ScreenCodeChanged() { TakePendingKey(); }
