#include "version_info.h"

#include <algorithm>
#include <cstddef>

#include "byte_reader.h"
#include "utf16.h"

namespace pe {

const char* VersionErrorName(VersionError error) {
  switch (error) {
    case VersionError::kNone:
      return "none";
    case VersionError::kTruncated:
      return "truncated";
    case VersionError::kBadRoot:
      return "bad root";
    case VersionError::kBadSignature:
      return "bad signature";
  }
  return "unknown";
}

namespace {

constexpr std::size_t Align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

constexpr std::size_t kBlockHeaderSize = 6;  // wLength, wValueLength, wType
constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoSize = 52;

// One block: header, zero-terminated UTF-16 key, value and children, each
// start aligned to 4 bytes from the resource's start.
struct Block {
  std::string key;
  std::uint16_t value_length = 0;  // bytes for binary values, characters for text
  std::uint16_t type = 0;          // 1 text, 0 binary
  std::size_t value_offset = 0;
  std::size_t children_offset = 0;
  std::size_t end = 0;
};

class VersionReader {
 public:
  explicit VersionReader(std::span<const std::uint8_t> bytes) : in_(bytes) {}

  VersionError Read(VersionInfo& info) {
    Block root;
    if (const VersionError e = ReadBlock(0, in_.size(), root); e != VersionError::kNone) return e;
    if (root.key != "VS_VERSION_INFO" || root.value_length < kFixedInfoSize) return VersionError::kBadRoot;
    if (root.value_offset + kFixedInfoSize > root.end) return VersionError::kTruncated;
    if (const VersionError e = ReadFixed(root.value_offset, info); e != VersionError::kNone) return e;
    return ForEachChild(root, [&](const Block& child) {
      if (child.key == "StringFileInfo") return ReadStringFileInfo(child, info);
      if (child.key == "VarFileInfo") return ReadVarFileInfo(child, info);
      return VersionError::kNone;  // unknown blocks are skipped
    });
  }

 private:
  VersionError ReadBlock(std::size_t offset, std::size_t limit, Block& block) const {
    std::uint16_t length = 0;
    if (!in_.U16(offset, length) || !in_.U16(offset + 2, block.value_length) || !in_.U16(offset + 4, block.type)) {
      return VersionError::kTruncated;
    }
    if (length < kBlockHeaderSize || length > limit - offset) return VersionError::kTruncated;
    block.end = offset + length;
    std::size_t at = offset + kBlockHeaderSize;
    std::size_t key_end = at;
    for (;; key_end += 2) {
      std::uint16_t unit = 0;
      if (key_end + 2 > block.end || !in_.U16(key_end, unit)) return VersionError::kTruncated;
      if (unit == 0) break;
    }
    block.key = Utf16LeToUtf8(in_.Slice(at, key_end - at));
    block.value_offset = Align4(key_end + 2);
    const std::size_t value_bytes = block.type == 1 ? std::size_t{block.value_length} * 2 : block.value_length;
    // A text value may claim its terminator past the block's end in files
    // from some tools; the value is cut at the block's end instead.
    block.children_offset = Align4(std::min(block.value_offset + value_bytes, block.end));
    if (block.value_offset > block.end) block.value_offset = block.end;
    return VersionError::kNone;
  }

  template <typename Visit>
  VersionError ForEachChild(const Block& parent, Visit visit) const {
    for (std::size_t at = parent.children_offset; at < parent.end;) {
      Block child;
      if (const VersionError e = ReadBlock(at, parent.end, child); e != VersionError::kNone) return e;
      if (const VersionError e = visit(child); e != VersionError::kNone) return e;
      at = Align4(child.end);
    }
    return VersionError::kNone;
  }

  VersionError ReadFixed(std::size_t at, VersionInfo& info) const {
    std::uint32_t signature = 0;
    std::array<std::uint32_t, 4> versions{};
    if (!in_.U32(at, signature)) return VersionError::kTruncated;
    if (signature != kFixedSignature) return VersionError::kBadSignature;
    for (std::size_t i = 0; i < versions.size(); ++i) {
      if (!in_.U32(at + 8 + 4 * i, versions[i])) return VersionError::kTruncated;
    }
    if (!in_.U32(at + 28, info.file_flags) || !in_.U32(at + 32, info.file_os) || !in_.U32(at + 36, info.file_type)) {
      return VersionError::kTruncated;
    }
    const auto split = [](std::uint32_t ms, std::uint32_t ls) {
      return std::array<std::uint16_t, 4>{static_cast<std::uint16_t>(ms >> 16), static_cast<std::uint16_t>(ms),
                                          static_cast<std::uint16_t>(ls >> 16), static_cast<std::uint16_t>(ls)};
    };
    info.file_version = split(versions[0], versions[1]);
    info.product_version = split(versions[2], versions[3]);
    return VersionError::kNone;
  }

  VersionError ReadStringFileInfo(const Block& block, VersionInfo& info) const {
    return ForEachChild(block, [&](const Block& table_block) {
      StringTable table{table_block.key, {}};
      const VersionError e = ForEachChild(table_block, [&](const Block& value) {
        const std::size_t chars = std::min<std::size_t>(value.value_length, (value.end - value.value_offset) / 2);
        std::span<const std::uint8_t> text = in_.Slice(value.value_offset, chars * 2);
        for (std::size_t i = 0; i + 1 < text.size(); i += 2) {  // stop at the terminator
          if (text[i] == 0 && text[i + 1] == 0) {
            text = text.first(i);
            break;
          }
        }
        table.values.emplace_back(value.key, Utf16LeToUtf8(text));
        return VersionError::kNone;
      });
      if (e != VersionError::kNone) return e;
      info.string_tables.push_back(std::move(table));
      return VersionError::kNone;
    });
  }

  VersionError ReadVarFileInfo(const Block& block, VersionInfo& info) const {
    return ForEachChild(block, [&](const Block& var) {
      if (var.key != "Translation") return VersionError::kNone;
      const std::size_t bytes = std::min<std::size_t>(var.value_length, var.end - var.value_offset);
      for (std::size_t i = 0; i + 4 <= bytes; i += 4) {
        std::uint16_t language = 0, code_page = 0;
        in_.U16(var.value_offset + i, language);
        in_.U16(var.value_offset + i + 2, code_page);
        info.translations.emplace_back(language, code_page);
      }
      return VersionError::kNone;
    });
  }

  ByteReader in_;
};

}  // namespace

VersionResult ReadVersionInfo(std::span<const std::uint8_t> resource) {
  VersionResult result;
  result.error = VersionReader(resource).Read(result.info);
  if (result.error != VersionError::kNone) result.info = VersionInfo{};
  return result;
}

std::string FindVersionString(const VersionInfo& info, const std::string& table, const std::string& name, bool& found) {
  found = false;
  for (const StringTable& t : info.string_tables) {
    if (t.key != table) continue;
    for (const auto& [key, text] : t.values) {
      if (key == name) {
        found = true;
        return text;
      }
    }
  }
  return {};
}

}  // namespace pe
