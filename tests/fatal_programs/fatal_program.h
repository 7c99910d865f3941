// Test programs that meet one fatal error each: the shell and the main
// window's description as in the product, with one piece of the program's
// data altered. Their clean-up routine leaves a file in the current directory
// (the program's own directory once the shell has started), so a driver can
// see that a fatal error never runs it.
#pragma once

#include <span>
#include <vector>

#include "program_data.h"

namespace fatal_program {

// The name of the file the clean-up routine creates.
inline constexpr char kCleanUpMarker[] = "cleanup_ran.txt";

// The product's data with the given stored form, start window and
// initialisation; its handler table binds the click to a routine that does
// nothing, and the clean-up leaves the marker.
ProgramData WithData(std::span<const unsigned char> descriptions, std::uint32_t start_window, void (*init)());

// The main window's stored form, as the product carries it.
std::span<const unsigned char> MainStoredForm();

}  // namespace fatal_program
