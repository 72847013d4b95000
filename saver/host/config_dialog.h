// The configuration dialog (resource 104): background, logo size, spin speeds,
// interactive mode and the two textures, stored through the one settings object.
#pragma once

#include <windows.h>

#include "config_dialog_ids.h"

// Registers the common-control classes the dialog's template uses (the trackbars).
// Call before DialogBoxParamA(instance, MAKEINTRESOURCE(IDD_CONFIG), ...).
void RegisterConfigDialogClasses();

// Dialog procedure of dialog 104. Reads and changes g_settings: a released speed slider
// is stored at once, OK stores everything, Cancel nothing more.
INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the link to the product web page below the "Get this saver with YOUR logo!" note.
// The link lives for the rest of the run.
void AddProductLink(HWND dialog);

class HyperLink;
// The product link made by the last AddProductLink, or null.
const HyperLink* ProductLink();
