#include "control_object.h"

void ControlObject::GetOwnProperty(std::int32_t /*own_index*/, PropertyValue& /*value*/) {}

bool ControlObject::SetOwnProperty(std::int32_t /*own_index*/, const PropertyValue& /*value*/) { return false; }
