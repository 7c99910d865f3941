// The program's one job: the click handler of the "biubiu" button.
#pragma once

// Reads the shoe size from the entry box, estimates the height and writes it,
// followed by " CM", into the output box. Holds three text values while it
// runs and releases each right after its last use.
void OnEstimateClick();
