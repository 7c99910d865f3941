// The floor program's edit box: a single-line "EDIT" whose client area is
// narrowed to one vertically centred line of text, so that a click above or
// below that line does not place the caret.
#pragma once

#include <windows.h>

// Subclasses an edit box, gives it the font and recalculates its frame.
void MakeFloorEdit(HWND edit, HFONT font);
