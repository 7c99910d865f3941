// The floor program's label: an opaque button-face rectangle with a black,
// single-line, vertically centred caption in the default GUI font.
#pragma once

#include <windows.h>

// Registers the label class once; returns its name.
const char* RegisterFloorLabelClass(HINSTANCE instance);

// Marks a label as centred (the others are left-aligned).
void CentreFloorLabel(HWND label);
