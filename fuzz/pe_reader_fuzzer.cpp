// The executable, version block and icon readers from arbitrary bytes: no
// crash, no read outside the input, whatever arrives.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "icon_format.h"
#include "pe_resources.h"
#include "version_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const pe::ReadResult image = pe::ReadImage(bytes);
  for (const pe::Resource& r : image.image.resources) {
    // Resource data must lie inside the input.
    if (!r.data.empty() && (r.data.data() < data || r.data.data() + r.data.size() > data + size)) __builtin_trap();
    std::vector<pe::IconEntry> entries;
    pe::ReadIconGroup(r.data, entries);
    pe::DibHeader dib;
    pe::ReadDibHeader(r.data, dib);
    pe::ReadVersionInfo(r.data);
  }
  // The same bytes taken as a bare resource or icon file.
  pe::ReadVersionInfo(bytes);
  std::vector<pe::IconEntry> entries;
  pe::ReadIcoFile(bytes, entries);
  pe::ReadIconGroup(bytes, entries);
  return 0;
}
