#include "pe_resources.h"

#include <algorithm>

#include "byte_reader.h"
#include "utf16.h"

namespace pe {

const char* ErrorName(Error error) {
  switch (error) {
    case Error::kNone:
      return "none";
    case Error::kTruncated:
      return "truncated";
    case Error::kNoDosHeader:
      return "no DOS header";
    case Error::kNoPeSignature:
      return "no PE signature";
    case Error::kBadOptionalHeader:
      return "bad optional header";
    case Error::kBadRva:
      return "bad RVA";
    case Error::kBadResourceDirectory:
      return "bad resource directory";
    case Error::kBadImportTable:
      return "bad import table";
  }
  return "unknown";
}

namespace {

constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kImportDirectory = 1;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kDirectoryEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;
constexpr std::uint32_t kHighBit = 0x80000000u;
// Directories may share subdirectories, so a small file could describe an
// enormous tree; real programs have a few dozen resources.
constexpr std::size_t kMaxResources = 4096;
constexpr std::size_t kMaxVisitedEntries = 16 * kMaxResources;
constexpr std::size_t kMaxImports = 1024;
constexpr std::size_t kMaxDllNameLength = 260;

struct Section {
  std::uint32_t virtual_address;
  std::uint32_t virtual_size;
  std::uint32_t raw_size;
  std::uint32_t raw_offset;
};

struct DataDirectory {
  std::uint32_t rva = 0;
  std::uint32_t size = 0;
};

class ImageReader {
 public:
  explicit ImageReader(std::span<const std::uint8_t> file) : in_(file) {}

  Error Read(Image& image) {
    if (const Error e = ReadHeaders(image); e != Error::kNone) return e;
    if (resources_.size != 0) {
      if (const Error e = ReadResources(image); e != Error::kNone) return e;
    }
    if (imports_.size != 0) {
      if (const Error e = ReadImports(image); e != Error::kNone) return e;
    }
    return Error::kNone;
  }

 private:
  Error ReadHeaders(Image& image) {
    std::uint16_t mz = 0;
    if (!in_.U16(0, mz)) return Error::kTruncated;
    if (mz != 0x5A4D) return Error::kNoDosHeader;
    std::uint32_t pe_offset = 0, signature = 0;
    if (!in_.U32(0x3C, pe_offset)) return Error::kTruncated;
    if (!in_.U32(pe_offset, signature) || signature != 0x00004550) return Error::kNoPeSignature;

    const std::size_t coff = std::size_t{pe_offset} + 4;
    std::uint16_t section_count = 0, optional_size = 0, magic = 0;
    if (!in_.U16(coff, image.machine) || !in_.U16(coff + 2, section_count) || !in_.U16(coff + 16, optional_size)) {
      return Error::kTruncated;
    }
    const std::size_t optional = coff + 20;
    if (!in_.Has(optional, optional_size)) return Error::kTruncated;
    if (!in_.U16(optional, magic)) return Error::kBadOptionalHeader;
    if (magic != kPe32Magic && magic != kPe32PlusMagic) return Error::kBadOptionalHeader;
    image.pe32_plus = magic == kPe32PlusMagic;

    // NumberOfRvaAndSizes, then the directories of 8 bytes each.
    const std::size_t count_offset = optional + (image.pe32_plus ? 108 : 92);
    std::uint32_t directory_count = 0;
    if (count_offset + 4 > optional + optional_size || !in_.U32(count_offset, directory_count)) {
      return Error::kBadOptionalHeader;
    }
    const auto read_directory = [&](std::uint32_t index, DataDirectory& out) {
      if (index >= directory_count) return true;  // absent: stays empty
      const std::size_t at = count_offset + 4 + std::size_t{index} * 8;
      if (at + 8 > optional + optional_size) return false;
      return in_.U32(at, out.rva) && in_.U32(at + 4, out.size);
    };
    if (!read_directory(kImportDirectory, imports_) || !read_directory(kResourceDirectory, resources_)) {
      return Error::kBadOptionalHeader;
    }

    const std::size_t table = optional + optional_size;
    for (std::size_t i = 0; i < section_count; ++i) {
      const std::size_t at = table + i * kSectionHeaderSize;
      Section s{};
      if (!in_.U32(at + 8, s.virtual_size) || !in_.U32(at + 12, s.virtual_address) || !in_.U32(at + 16, s.raw_size) ||
          !in_.U32(at + 20, s.raw_offset)) {
        return Error::kTruncated;
      }
      sections_.push_back(s);
    }
    return Error::kNone;
  }

  // The file bytes of [rva, rva + size), which must lie in one section's
  // file data; empty when they do not.
  std::span<const std::uint8_t> Map(std::uint32_t rva, std::uint32_t size) const {
    for (const Section& s : sections_) {
      // Only bytes present in the file count: the zero fill past the raw
      // data holds no resource or import data in a sound image.
      if (rva < s.virtual_address || rva - s.virtual_address >= s.raw_size) continue;
      const std::uint32_t start = rva - s.virtual_address;
      if (size > s.raw_size - start) return {};
      return in_.Slice(std::size_t{s.raw_offset} + start, size);
    }
    return {};
  }

  // Everything from rva to the end of its section's file data.
  std::span<const std::uint8_t> MapToSectionEnd(std::uint32_t rva) const {
    for (const Section& s : sections_) {
      if (rva < s.virtual_address || rva - s.virtual_address >= s.raw_size) continue;
      return Map(rva, s.raw_size - (rva - s.virtual_address));
    }
    return {};
  }

  Error ReadResources(Image& image) {
    const std::span<const std::uint8_t> tree = Map(resources_.rva, resources_.size);
    if (tree.empty()) return Error::kBadRva;
    const ByteReader rsrc(tree);
    Resource path;
    return WalkDirectory(rsrc, 0, 0, path, image);
  }

  // level 0: types, 1: names, 2: languages; a language entry points at a
  // data entry, every other entry at a directory.
  Error WalkDirectory(const ByteReader& rsrc, std::uint32_t offset, int level, Resource& path, Image& image) {
    std::uint16_t named = 0, numbered = 0;
    if (!rsrc.U16(offset + 12, named) || !rsrc.U16(offset + 14, numbered)) return Error::kBadResourceDirectory;
    const std::size_t entries = std::size_t{named} + numbered;
    if (!rsrc.Has(offset + kDirectoryHeaderSize, entries * kDirectoryEntrySize)) return Error::kBadResourceDirectory;
    for (std::size_t i = 0; i < entries; ++i) {
      if (++visited_entries_ > kMaxVisitedEntries) return Error::kBadResourceDirectory;
      const std::size_t at = offset + kDirectoryHeaderSize + i * kDirectoryEntrySize;
      std::uint32_t id = 0, target = 0;
      if (!rsrc.U32(at, id) || !rsrc.U32(at + 4, target)) return Error::kBadResourceDirectory;
      ResourceId key;
      if ((id & kHighBit) != 0) {
        std::uint16_t length = 0;
        const std::size_t name_at = id & ~kHighBit;
        if (!rsrc.U16(name_at, length) || !rsrc.Has(name_at + 2, std::size_t{length} * 2)) {
          return Error::kBadResourceDirectory;
        }
        key.is_name = true;
        key.name = Utf16LeToUtf8(rsrc.Slice(name_at + 2, std::size_t{length} * 2));
      } else {
        key.number = static_cast<std::uint16_t>(id);
      }
      const bool is_directory = (target & kHighBit) != 0;
      if (is_directory != (level < 2)) return Error::kBadResourceDirectory;
      if (level == 0) path.type = key;
      if (level == 1) path.name = key;
      if (level == 2) {
        path.language = key.number;
        if (const Error e = ReadDataEntry(rsrc, target, path, image); e != Error::kNone) return e;
        continue;
      }
      const Error e = WalkDirectory(rsrc, target & ~kHighBit, level + 1, path, image);
      if (e != Error::kNone) return e;
    }
    return Error::kNone;
  }

  Error ReadDataEntry(const ByteReader& rsrc, std::uint32_t offset, Resource& path, Image& image) const {
    if (image.resources.size() >= kMaxResources) return Error::kBadResourceDirectory;
    std::uint32_t rva = 0, size = 0;
    if (!rsrc.Has(offset, kDataEntrySize) || !rsrc.U32(offset, rva) || !rsrc.U32(offset + 4, size) ||
        !rsrc.U32(offset + 8, path.code_page)) {
      return Error::kBadResourceDirectory;
    }
    path.data = Map(rva, size);
    if (path.data.size() != size) return Error::kBadRva;
    image.resources.push_back(path);
    return Error::kNone;
  }

  Error ReadImports(Image& image) const {
    const std::span<const std::uint8_t> table = MapToSectionEnd(imports_.rva);
    if (table.empty()) return Error::kBadRva;
    const ByteReader descriptors(table);
    constexpr std::size_t kDescriptorSize = 20;
    for (std::size_t i = 0;; ++i) {
      if (i >= kMaxImports || !descriptors.Has(i * kDescriptorSize, kDescriptorSize)) return Error::kBadImportTable;
      const std::span<const std::uint8_t> d = descriptors.Slice(i * kDescriptorSize, kDescriptorSize);
      if (std::all_of(d.begin(), d.end(), [](std::uint8_t b) { return b == 0; })) break;
      std::uint32_t name_rva = 0;
      descriptors.U32(i * kDescriptorSize + 12, name_rva);
      const std::span<const std::uint8_t> rest = MapToSectionEnd(name_rva);
      const auto end = std::find(rest.begin(), rest.begin() + std::min(rest.size(), kMaxDllNameLength + 1), 0);
      if (rest.empty() || end == rest.end() || end - rest.begin() > static_cast<std::ptrdiff_t>(kMaxDllNameLength)) {
        return Error::kBadImportTable;
      }
      image.imported_dlls.emplace_back(rest.begin(), end);
    }
    return Error::kNone;
  }

  ByteReader in_;
  std::vector<Section> sections_;
  DataDirectory imports_;
  DataDirectory resources_;
  std::size_t visited_entries_ = 0;
};

bool Matches(const ResourceId& id, std::uint16_t number) { return !id.is_name && id.number == number; }

}  // namespace

ReadResult ReadImage(std::span<const std::uint8_t> file) {
  ReadResult result;
  result.error = ImageReader(file).Read(result.image);
  if (result.error != Error::kNone) result.image = Image{};
  return result;
}

const Resource* FindResource(const Image& image, std::uint16_t type, std::uint16_t number) {
  const auto it = std::find_if(image.resources.begin(), image.resources.end(),
                               [&](const Resource& r) { return Matches(r.type, type) && Matches(r.name, number); });
  return it == image.resources.end() ? nullptr : &*it;
}

const Resource* FindResource(const Image& image, std::uint16_t type, std::string_view name) {
  const auto it = std::find_if(image.resources.begin(), image.resources.end(), [&](const Resource& r) {
    return Matches(r.type, type) && r.name.is_name && r.name.name == name;
  });
  return it == image.resources.end() ? nullptr : &*it;
}

std::size_t CountResources(const Image& image, std::uint16_t type) {
  return static_cast<std::size_t>(std::count_if(image.resources.begin(), image.resources.end(),
                                                [&](const Resource& r) { return Matches(r.type, type); }));
}

}  // namespace pe
