// Arbitrary bytes as a stored description and as each kind of property
// block: nothing may crash, leak or allocate by a hostile count. What reads
// successfully must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <span>

#include "description_writer.h"
#include "property_blocks.h"
#include "window_description.h"

namespace {

// Reads block as a property block of Properties; a block that reads must
// read the same after being written again.
template <class Properties, class Read, class Encode>
void CheckBlock(std::span<const unsigned char> block, Read read, Encode encode) {
  const PropertyReadResult<Properties> first = read(block);
  if (!first) return;
  const PropertyReadResult<Properties> second = read(encode(first.properties));
  if (!second || !(second.properties == first.properties)) __builtin_trap();
}

void CheckEveryBlockKind(std::span<const unsigned char> block) {
  CheckBlock<WindowProperties>(block, ReadWindowProperties, EncodeWindowProperties);
  CheckBlock<EditBoxProperties>(block, ReadEditBoxProperties, EncodeEditBoxProperties);
  CheckBlock<LabelProperties>(block, ReadLabelProperties, EncodeLabelProperties);
  CheckBlock<ButtonProperties>(block, ReadButtonProperties, EncodeButtonProperties);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const unsigned char> bytes(data, size);
  CheckEveryBlockKind(bytes);

  const DescriptionReadResult read = ReadWindowDescriptions(bytes);
  if (!read) {
    if (!read.windows.empty()) __builtin_trap();  // a failed read leaves nothing
    return 0;
  }
  const DescriptionReadResult again = ReadWindowDescriptions(EncodeWindowDescriptions(read.windows));
  if (!again || !(again.windows == read.windows)) __builtin_trap();
  for (const WindowDescription& window : read.windows) {
    for (const DescriptionRecord& record : window.records) CheckEveryBlockKind(record.property_block);
  }
  return 0;
}
