// The Windows system folder as the wizards use it.
#pragma once

#include "ansi_string.h"

// The Windows system folder (GetSystemDirectoryA), ending with "\"; empty when it cannot
// be had.
CString SystemFolder();

// The folder Setup installs the saver into and records in system.ini, and Uninstall
// removes it from, ending with "\": the system folder, except for a 32-bit wizard on
// 64-bit Windows (WOW64), where it is the 32-bit system folder (SysWOW64). That is where
// a 32-bit program's writes to system32 really land, and the recorded path must name
// the file for the 64-bit system that reads it too.
CString SaverSystemFolder();
