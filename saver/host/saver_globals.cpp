// Program-wide state of the saver process; see saver_globals.h.
#include "saver_globals.h"

HINSTANCE g_instance = nullptr;
