// Finding the stand-alone preview host "Scrprev" for the preview switch.
#pragma once

#include <windows.h>

// The preview area of the "Scrprev" host window: the host is started first when no
// window of class "Scrprev" exists, and must become idle within two seconds. Brings the
// host to the foreground. Returns null on any failure.
HWND FindPreviewHost();
