// Lookups in the window registry: the program's window descriptions, keyed
// by window number, each leading from a control number to its record. The
// tables are tiny, so the lookups are linear scans.
#pragma once

#include <cstdint>

#include "control_object.h"
#include "window_description.h"

// The description of window, or null.
WindowDescription* FindWindowDescription(std::uint32_t window);

// The record of control in description; control 0 is the window's own record.
// Null when there is no such record.
DescriptionRecord* FindRecord(WindowDescription& description, std::uint32_t control);

// The record of control in window, or null when either is unknown.
DescriptionRecord* FindControlRecord(std::uint32_t window, std::uint32_t control);

// True when record holds an object whose system window exists.
bool IsLive(const DescriptionRecord& record);

// True when some window of the registry exists on screen.
bool AnyWindowAlive();

// Puts object into the slot of its record; with null, empties the slot of the
// record of window/unit. Unknown numbers (the registry may already have been
// released at shut-down) change nothing.
void FillObjectSlot(std::uint32_t window, std::uint32_t unit, ControlObject* object);
