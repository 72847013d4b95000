// The saver host's trace hook; see debug_trace.h.
#include "debug_trace.h"

void DebugTrace(const char*) {}
