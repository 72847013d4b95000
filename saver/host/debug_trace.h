// The saver host's trace hook: each close-rule step and each failure of an optional
// system component names itself here with a fixed text.
#pragma once

// Receives a fixed text and discards it.
void DebugTrace(const char* text);
