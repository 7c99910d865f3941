// ReadWindowDescriptions and EncodeWindowDescriptions: the stored layout
// against a hand-written form, round trips, truncation, inconsistent data and
// hostile counts.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "allocation_watch.h"
#include "description_writer.h"
#include "le_bytes.h"
#include "window_description.h"

namespace {

using Bytes = std::vector<unsigned char>;

// One record written by hand in the stored layout.
struct HandRecord {
  std::uint32_t type = 65546;
  std::uint32_t link = 0;
  std::string name = "n";
  std::int32_t left = -3, top = 4, width = 50, height = 60;
  std::uint32_t parent = 0;
  std::vector<std::uint32_t> children;
  std::string mouse_pointer = std::string(4, '\0');
  std::string tag;
  std::uint32_t flags = 5;
  std::int32_t tab_order = 2;
  std::vector<std::int32_t> bindings;  // event, offset, event, offset ...
  std::string property_block = "PB";
  std::uint32_t binding_count_override = 0;  // nonzero: stored instead of the real count
  std::uint32_t child_count_override = 0;
};

Bytes Body(const HandRecord& r) {
  LeBytes b;
  b.U32(r.type).U32(r.link).Zeros(16).Raw(r.name).Zeros(1).Raw("rem").Zeros(1).Zeros(4);
  b.U32(static_cast<std::uint32_t>(r.left)).U32(static_cast<std::uint32_t>(r.top));
  b.U32(static_cast<std::uint32_t>(r.width)).U32(static_cast<std::uint32_t>(r.height));
  b.Zeros(4).U32(r.parent);
  b.U32(r.child_count_override ? r.child_count_override : static_cast<std::uint32_t>(r.children.size()));
  for (std::uint32_t child : r.children) b.U32(child);
  b.Counted(r.mouse_pointer).Raw(r.tag).Zeros(1).Zeros(4).U32(r.flags).U32(static_cast<std::uint32_t>(r.tab_order));
  b.U32(r.binding_count_override ? r.binding_count_override : static_cast<std::uint32_t>(r.bindings.size() / 2));
  for (std::int32_t v : r.bindings) b.U32(static_cast<std::uint32_t>(v));
  b.Zeros(20).Raw(r.property_block);
  return b.bytes();
}

// One window holding the given record bodies, laid out by hand.
Bytes HandForm(const std::vector<Bytes>& bodies, std::uint32_t first_unit = 100) {
  LeBytes data;
  for (std::size_t i = 0; i < bodies.size(); ++i) data.U32(first_unit + static_cast<std::uint32_t>(i));
  std::uint32_t offset = 0;
  for (const Bytes& body : bodies) {
    data.U32(offset);
    offset += 4 + static_cast<std::uint32_t>(body.size());
  }
  for (const Bytes& body : bodies) data.U32(static_cast<std::uint32_t>(body.size())).Raw(body);
  LeBytes form;
  form.U32(8).U32(0x52010001).U32(0);
  form.U32(11).U32(22).Counted("win").Counted("");
  form.U32(static_cast<std::uint32_t>(bodies.size())).U32(static_cast<std::uint32_t>(data.size())).Raw(data.bytes());
  return form.bytes();
}

// The model HandForm({Body(HandRecord{}), Body(second)}) describes.
std::vector<WindowDescription> HandModel() {
  DescriptionRecord first;
  first.unit_number = 100;
  first.control_type = 65546;
  first.name = "n";
  first.remark = "rem";
  first.left = -3;
  first.top = 4;
  first.width = 50;
  first.height = 60;
  first.mouse_pointer = {0, 0, 0, 0};
  first.flags = 5;
  first.tab_order = 2;
  first.property_block = {'P', 'B'};
  DescriptionRecord second = first;
  second.unit_number = 101;
  second.control_type = 65547;
  second.name =
      "\xB0\xB4\xC5\xA5"
      "1";
  second.children = {7, 0, 8};
  second.tag = "tag";
  second.event_bindings = {{0, 199}, {-7, -1}};
  second.property_block = {};
  WindowDescription window;
  window.window_number = 0x52010001;
  window.reserved1 = 11;
  window.reserved2 = 22;
  window.name = "win";
  window.records = {first, second};
  return {window};
}

HandRecord SecondHandRecord() {
  HandRecord r;
  r.type = 65547;
  r.name =
      "\xB0\xB4\xC5\xA5"
      "1";
  r.children = {7, 0, 8};
  r.tag = "tag";
  r.bindings = {0, 199, -7, -1};
  r.property_block = "";
  return r;
}

Bytes HandWrittenPair() { return HandForm({Body(HandRecord{}), Body(SecondHandRecord())}); }

TEST(StoredLayout, WriterProducesTheHandWrittenForm) {
  const std::vector<WindowDescription> model = HandModel();
  EXPECT_EQ(EncodeWindowDescriptions(model), HandWrittenPair());
}

TEST(StoredLayout, ReaderGivesTheModelOfTheHandWrittenForm) {
  const DescriptionReadResult read = ReadWindowDescriptions(HandWrittenPair());
  ASSERT_TRUE(read) << read.field << " at " << read.offset;
  EXPECT_TRUE(read.windows == HandModel());
}

// Varied descriptions for round trips.
std::vector<WindowDescription> NoWindows() { return {}; }

std::vector<WindowDescription> WindowWithoutRecords() {
  WindowDescription window;
  window.window_number = 1;
  return {window};
}

std::vector<WindowDescription> SeveralWindows() {
  std::vector<WindowDescription> windows = HandModel();
  WindowDescription other;
  other.window_number = 0xFFFFFFFF;
  other.reserved1 = 0x80000000;
  other.name = std::string("name\0with zero", 14);  // counted texts may hold zeros
  other.remark = "\xFF\x80";
  DescriptionRecord frame;
  frame.unit_number = 1;
  frame.control_type = 65537;
  frame.flags = 0xFFFFFFFF;
  frame.left = -2147483647 - 1;
  frame.width = 2147483647;
  frame.tab_order = -1;
  frame.event_bindings = {{0, 0}, {1, 2}, {12, -1}, {-8, 2147483647}};
  frame.property_block = Bytes(300, 0xAB);
  DescriptionRecord container = frame;
  container.unit_number = 2;
  container.binding_link = 1;
  container.parent = 1;
  container.children = {3, 0, 4, 0};
  container.mouse_pointer = Bytes(17, 0x80);
  container.event_bindings = {};
  container.property_block = {};
  other.records = {frame, container};
  windows.push_back(other);
  windows.push_back(WindowWithoutRecords()[0]);
  return windows;
}

struct RoundTripRow {
  const char* name;
  std::vector<WindowDescription> (*make)();
};

void PrintTo(const RoundTripRow& row, std::ostream* os) { *os << row.name; }

class DescriptionRoundTrip : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(DescriptionRoundTrip, ReadsBackWhatWasWritten) {
  const std::vector<WindowDescription> windows = GetParam().make();
  const Bytes stored = EncodeWindowDescriptions(windows);
  const DescriptionReadResult read = ReadWindowDescriptions(stored);
  ASSERT_TRUE(read) << GetParam().name << ": " << read.field << " at " << read.offset;
  EXPECT_TRUE(read.windows == windows) << GetParam().name;
  EXPECT_EQ(EncodeWindowDescriptions(read.windows), stored) << GetParam().name;
}

const RoundTripRow kRoundTripRows[] = {
    {"no windows", NoWindows},
    {"a window without records", WindowWithoutRecords},
    {"two records with children and bindings", HandModel},
    {"several windows, extreme values, links and parents", SeveralWindows},
};
INSTANTIATE_TEST_SUITE_P(Descriptions, DescriptionRoundTrip, ::testing::ValuesIn(kRoundTripRows));

TEST(DescriptionTruncation, EveryCutFailsAndLeavesNothing) {
  const Bytes stored = EncodeWindowDescriptions(SeveralWindows());
  for (std::size_t cut = 0; cut < stored.size(); ++cut) {
    const DescriptionReadResult read = ReadWindowDescriptions(std::span(stored).first(cut));
    EXPECT_EQ(read.error, DescriptionError::kUnexpectedEnd) << "cut at " << cut << " of " << stored.size();
    EXPECT_TRUE(read.windows.empty()) << "cut at " << cut;
  }
}

// Data that does not add up is refused, not read in a guessed way.
struct BadFormRow {
  const char* name;
  Bytes (*make)();
  DescriptionError error;
  const char* field;
};

void PrintTo(const BadFormRow& row, std::ostream* os) { *os << row.name; }

class InconsistentForm : public ::testing::TestWithParam<BadFormRow> {};

TEST_P(InconsistentForm, IsRefused) {
  const BadFormRow& row = GetParam();
  const DescriptionReadResult read = ReadWindowDescriptions(row.make());
  EXPECT_EQ(read.error, row.error) << row.name;
  EXPECT_STREQ(read.field, row.field) << row.name;
  EXPECT_TRUE(read.windows.empty()) << row.name;
}

// Overwrites the u32 at offset in a copy of the hand-written pair.
Bytes PatchedPair(std::size_t offset, std::uint32_t value) {
  Bytes form = HandWrittenPair();
  for (int i = 0; i < 4; ++i) form[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
  return form;
}

// Offsets in the hand-written pair: header 12, reserved 8, "win" 7, remark 4,
// record count at 31, data size at 35, units at 39, offsets at 47, records at 55.
constexpr std::size_t kRecordCountAt = 31, kDataSizeAt = 35, kOffsetsAt = 47, kRecordsAt = 55;

const BadFormRow kBadFormRows[] = {
    {"window count not a multiple of 8", [] { return PatchedPair(0, 9); }, DescriptionError::kBadWindowCount,
     "window count"},
    {"first record offset not 0", [] { return PatchedPair(kOffsetsAt, 4); }, DescriptionError::kRecordOffsetMismatch,
     "record offsets"},
    {"second record offset off by one",
     [] {
       const Bytes form = HandWrittenPair();
       const std::uint32_t second = form[kOffsetsAt + 4] | (form[kOffsetsAt + 5] << 8);
       return PatchedPair(kOffsetsAt + 4, second + 1);
     },
     DescriptionError::kRecordOffsetMismatch, "record offsets"},
    {"data size larger than its records",
     [] {
       Bytes form = PatchedPair(kDataSizeAt, static_cast<std::uint32_t>(HandWrittenPair().size() - 39 + 4));
       form.insert(form.end(), 4, 0);
       return form;
     },
     DescriptionError::kRecordDataMismatch, "record data"},
    {"byte after the last window",
     [] {
       Bytes form = HandWrittenPair();
       form.push_back(0);
       return form;
     },
     DescriptionError::kTrailingBytes, "end of descriptions"},
    {"record count one short", [] { return PatchedPair(kRecordCountAt, 1); }, DescriptionError::kRecordOffsetMismatch,
     "record offsets"},
    {"record length beyond the data", [] { return PatchedPair(kRecordsAt, 0x1000); }, DescriptionError::kUnexpectedEnd,
     "record"},
    {"name without terminator inside the record",
     [] {
       HandRecord r;
       r.name = std::string(3, 'x');
       Bytes body = Body(r);
       body.erase(body.begin() + 24 + 3, body.end());  // ends inside the name
       return HandForm({body});
     },
     DescriptionError::kUnexpectedEnd, "name"},
    {"record shorter than its common part",
     [] {
       Bytes body = Body(HandRecord{});
       body.erase(body.end() - 3, body.end());  // the block and one reserved byte
       return HandForm({body});
     },
     DescriptionError::kUnexpectedEnd, "reserved"},
};
INSTANTIATE_TEST_SUITE_P(Cases, InconsistentForm, ::testing::ValuesIn(kBadFormRows));

// Counts of 2^31 or so with only a few bytes behind them must fail before
// anything is allocated for them.
class HostileCount : public ::testing::TestWithParam<BadFormRow> {};

TEST_P(HostileCount, FailsWithoutAllocatingTheCount) {
  const BadFormRow& row = GetParam();
  const Bytes form = row.make();
  DescriptionReadResult read;
  std::size_t largest = 0;
  {
    AllocationWatch watch;
    read = ReadWindowDescriptions(form);
    largest = watch.largest_request();
  }
  EXPECT_EQ(read.error, row.error) << row.name;
  EXPECT_STREQ(read.field, row.field) << row.name;
  EXPECT_LT(largest, 64u * 1024) << row.name;
}

const BadFormRow kHostileRows[] = {
    {"8 * 2^28 windows", [] { return LeBytes().U32(0x80000000).U32(1).bytes(); }, DescriptionError::kUnexpectedEnd,
     "window numbers"},
    {"2^29 - 1 windows", [] { return LeBytes().U32(0xFFFFFFF8).U32(1).bytes(); }, DescriptionError::kUnexpectedEnd,
     "window numbers"},
    {"2^31 records", [] { return PatchedPair(kRecordCountAt, 0x80000000); }, DescriptionError::kUnexpectedEnd,
     "unit numbers"},
    {"record data of 2^31 bytes", [] { return PatchedPair(kDataSizeAt, 0x80000000); }, DescriptionError::kUnexpectedEnd,
     "record data"},
    {"window name of 2^31 bytes", [] { return PatchedPair(20, 0x80000000); }, DescriptionError::kUnexpectedEnd,
     "window name"},
    {"record of 2^31 bytes", [] { return PatchedPair(kRecordsAt, 0x80000000); }, DescriptionError::kUnexpectedEnd,
     "record"},
    {"2^31 children",
     [] {
       HandRecord r;
       r.child_count_override = 0x80000000;
       return HandForm({Body(r)});
     },
     DescriptionError::kUnexpectedEnd, "children"},
    {"2^31 event bindings",
     [] {
       HandRecord r;
       r.binding_count_override = 0x80000000;
       return HandForm({Body(r)});
     },
     DescriptionError::kUnexpectedEnd, "event bindings"},
    {"mouse pointer of 2^32 - 1 bytes",
     [] {
       HandRecord r;
       Bytes body = Body(r);
       // The mouse pointer count follows the child count: 24 + 2 + 4 + 4 + 16 + 4 + 4 + 4 bytes in.
       const std::size_t at = 24 + 2 + 4 + 4 + 16 + 4 + 4 + 4;
       for (int i = 0; i < 4; ++i) body[at + static_cast<std::size_t>(i)] = 0xFF;
       return HandForm({body});
     },
     DescriptionError::kUnexpectedEnd, "mouse pointer"},
};
INSTANTIATE_TEST_SUITE_P(Counts, HostileCount, ::testing::ValuesIn(kHostileRows));

TEST(RecordFlags, HelpersReadTheirBits) {
  DescriptionRecord record;
  record.flags = 0b101;
  EXPECT_TRUE(record.IsVisible());
  EXPECT_FALSE(record.IsDisabled());
  EXPECT_TRUE(record.IsTabStop());
  record.flags = 0b010;
  EXPECT_FALSE(record.IsVisible());
  EXPECT_TRUE(record.IsDisabled());
  EXPECT_FALSE(record.IsTabStop());
}

}  // namespace
