// The single instrument state record; static storage makes it all zero at program start.
#include "instrument/InstrumentState.h"

InstrumentState State;
