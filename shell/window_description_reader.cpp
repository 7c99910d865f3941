// ReadWindowDescriptions: the stored form into the description model.
//
// A record is a u32 length L followed by L bytes:
//   u32 control type, u32 binding link, 16 reserved bytes,
//   zero-terminated name, zero-terminated remark, u32 reserved (the object
//   slot at run time), i32 left, top, width, height, u32 reserved,
//   u32 parent, u32 child count N and N unit numbers, byte data mouse pointer,
//   zero-terminated tag, u32 reserved, u32 flags, i32 tab order,
//   u32 binding count E and E pairs of i32 (event, handler offset),
//   20 reserved bytes, and the property block: whatever of the L bytes is left.
// L bounds the record's fields: a field that would run past it fails the read.
// Reserved bytes are passed over unread.
#include <cstdint>
#include <utility>

#include "field_reader.h"
#include "window_description.h"

namespace {

DescriptionReadResult Failure(DescriptionError error, std::size_t offset, const char* field) {
  DescriptionReadResult result;
  result.error = error;
  result.offset = offset;
  result.field = field;
  return result;
}

DescriptionReadResult UnexpectedEnd(const FieldReader& in) {
  return Failure(DescriptionError::kUnexpectedEnd, in.failed_offset(), in.failed_field());
}

// Reads count u32 values. Reserves only what the remaining bytes can hold, so
// a hostile count allocates nothing before the read fails.
bool ReadUnitList(FieldReader& in, std::uint32_t count, std::vector<std::uint32_t>& values, const char* field) {
  if (count > in.remaining() / 4) return in.Skip(std::uint64_t{count} * 4, field);
  values.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t value = 0;
    if (!in.U32(value, field)) return false;
    values.push_back(value);
  }
  return true;
}

bool ReadBindings(FieldReader& in, std::vector<EventBinding>& bindings) {
  std::uint32_t count = 0;
  if (!in.U32(count, "event binding count")) return false;
  if (count > in.remaining() / 8) return in.Skip(std::uint64_t{count} * 8, "event bindings");
  bindings.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    EventBinding binding;
    if (!in.I32(binding.event, "event bindings") || !in.I32(binding.handler_offset, "event bindings")) return false;
    bindings.push_back(binding);
  }
  return true;
}

// The fields of one record from its L bytes.
bool ReadRecord(FieldReader& in, DescriptionRecord& record) {
  std::uint32_t child_count = 0;
  std::span<const unsigned char> property_block;
  const bool ok = in.U32(record.control_type, "control type") && in.U32(record.binding_link, "binding link") &&
                  in.Skip(16, "reserved") && in.ZeroTerminatedText(record.name, "name") &&
                  in.ZeroTerminatedText(record.remark, "remark") && in.Skip(4, "object slot") &&
                  in.I32(record.left, "left") && in.I32(record.top, "top") && in.I32(record.width, "width") &&
                  in.I32(record.height, "height") && in.Skip(4, "reserved") && in.U32(record.parent, "parent") &&
                  in.U32(child_count, "child count") && ReadUnitList(in, child_count, record.children, "children") &&
                  in.CountedBytes(record.mouse_pointer, "mouse pointer") && in.ZeroTerminatedText(record.tag, "tag") &&
                  in.Skip(4, "reserved") && in.U32(record.flags, "flags") && in.I32(record.tab_order, "tab order") &&
                  ReadBindings(in, record.event_bindings) && in.Skip(20, "reserved") &&
                  in.View(in.remaining(), property_block, "property block");
  if (!ok) return false;
  record.property_block.assign(property_block.begin(), property_block.end());
  return true;
}

// One window's record data: unit numbers, record offsets, records. Records
// are read in sequence; each stored offset must name the place its record
// was found at, and the records must fill the data exactly.
DescriptionReadResult ReadRecords(FieldReader& in, std::uint32_t record_count, WindowDescription& window) {
  std::vector<std::uint32_t> unit_numbers;
  std::vector<std::uint32_t> offsets;
  if (!ReadUnitList(in, record_count, unit_numbers, "unit numbers") ||
      !ReadUnitList(in, record_count, offsets, "record offsets")) {
    return UnexpectedEnd(in);
  }
  const std::size_t records_start = in.offset();
  for (std::uint32_t i = 0; i < record_count; ++i) {
    if (offsets[i] != in.offset() - records_start) {
      return Failure(DescriptionError::kRecordOffsetMismatch, records_start - 4 * std::size_t{record_count - i},
                     "record offsets");
    }
    std::uint32_t length = 0;
    std::span<const unsigned char> body;
    if (!in.U32(length, "record length")) return UnexpectedEnd(in);
    const std::size_t body_offset = in.offset();
    if (!in.View(length, body, "record")) return UnexpectedEnd(in);
    FieldReader record_in(body, body_offset);
    // Grown record by record: memory follows the bytes actually present.
    DescriptionRecord& record = window.records.emplace_back();
    record.unit_number = unit_numbers[i];
    if (!ReadRecord(record_in, record)) return UnexpectedEnd(record_in);
  }
  if (!in.AtEnd()) return Failure(DescriptionError::kRecordDataMismatch, in.offset(), "record data");
  return {};
}

}  // namespace

DescriptionReadResult ReadWindowDescriptions(std::span<const unsigned char> stored_form) {
  FieldReader in(stored_form);
  std::uint32_t eight_times_count = 0;
  if (!in.U32(eight_times_count, "window count")) return UnexpectedEnd(in);
  if (eight_times_count % 8 != 0) return Failure(DescriptionError::kBadWindowCount, 0, "window count");
  const std::uint32_t window_count = eight_times_count / 8;

  std::vector<std::uint32_t> window_numbers;
  if (!ReadUnitList(in, window_count, window_numbers, "window numbers") ||
      !in.Skip(std::uint64_t{window_count} * 4, "window header reserved")) {
    return UnexpectedEnd(in);
  }

  std::vector<WindowDescription> windows;
  for (std::uint32_t w = 0; w < window_count; ++w) {
    WindowDescription& window = windows.emplace_back();
    window.window_number = window_numbers[w];
    std::uint32_t record_count = 0;
    std::uint32_t data_size = 0;
    std::span<const unsigned char> data;
    if (!in.U32(window.reserved1, "reserved") || !in.U32(window.reserved2, "reserved") ||
        !in.CountedText(window.name, "window name") || !in.CountedText(window.remark, "window remark") ||
        !in.U32(record_count, "record count") || !in.U32(data_size, "record data size")) {
      return UnexpectedEnd(in);
    }
    const std::size_t data_offset = in.offset();
    if (!in.View(data_size, data, "record data")) return UnexpectedEnd(in);
    FieldReader data_in(data, data_offset);
    DescriptionReadResult records = ReadRecords(data_in, record_count, window);
    if (!records) return records;
  }
  if (!in.AtEnd()) return Failure(DescriptionError::kTrailingBytes, in.offset(), "end of descriptions");

  DescriptionReadResult result;
  result.windows = std::move(windows);
  return result;
}
