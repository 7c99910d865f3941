// The object behind every window and control built from a description
// record. It knows its window number and unit number, so that the events it
// raises name their source, and answers its control type's own properties.
#pragma once

#include <cstdint>

#include "property_access.h"

class ControlObject {
 public:
  ControlObject(std::uint32_t window_number, std::uint32_t unit_number)
      : window_number_(window_number), unit_number_(unit_number) {}
  virtual ~ControlObject() = default;
  ControlObject(const ControlObject&) = delete;
  ControlObject& operator=(const ControlObject&) = delete;

  std::uint32_t WindowNumber() const { return window_number_; }
  std::uint32_t UnitNumber() const { return unit_number_; }

  // True while the object's system window exists.
  virtual bool IsLive() const = 0;

  // Own properties, own index = property number - 8. GetOwnProperty fills
  // value; for a text the low half points at text the object keeps until its
  // next read or write. SetOwnProperty returns true when the control must be
  // re-created to show the new value. A type answers only the properties it
  // has; any other index leaves value untouched and changes nothing.
  virtual void GetOwnProperty(std::int32_t own_index, PropertyValue& value);
  virtual bool SetOwnProperty(std::int32_t own_index, const PropertyValue& value);

 private:
  std::uint32_t window_number_;
  std::uint32_t unit_number_;
};
