// The main window's table as a model, for test programs and fixtures.
#include "main_window_description.h"
#include "main_window_table.h"

std::vector<WindowDescription> MainWindowDescriptions() { return main_window_table::MainWindowTable(); }
