// Ending the process. The shut-down of the shell itself joins this once the
// shell's start-up and shut-down exist.
#include <windows.h>

#include "fatal_error.h"

void ExitProgram(std::int32_t exit_code) { ::ExitProcess(static_cast<UINT>(exit_code)); }
