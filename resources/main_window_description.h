// The program's window descriptions: the main window, as one constant block
// of bytes in the stored form ReadWindowDescriptions reads.
#pragma once

#include <span>
#include <vector>

#include "main_window_units.h"
#include "window_description.h"

// The stored form the program carries. It is encoded from the readable table
// in main_window_table.h by EncodeWindowDescriptions; the bytes live
// for the whole run.
std::span<const unsigned char> MainWindowStoredForm();

// The same table as a model, for building altered descriptions (test
// programs and fixtures): change it, then EncodeWindowDescriptions.
std::vector<WindowDescription> MainWindowDescriptions();
