// The executable reader on small built images: what it reads back, and the
// errors (never a crash or a read outside) for damaged files.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pe_image_builder.h"
#include "pe_resources.h"

namespace {

using pe_fixture::BuildImage;
using pe_fixture::FixtureImage;
using pe_fixture::Layout;
using pe_fixture::Name;
using pe_fixture::Number;
using pe_fixture::Put16;
using pe_fixture::Put32;

FixtureImage ProgramLike(bool pe32_plus) {
  FixtureImage f;
  f.pe32_plus = pe32_plus;
  f.resources = {
      {Number(3), Number(1), 0x0804, {0x28, 0, 0, 0, 0xAA}},
      {Number(14), Name("DEFAULT_ICON"), 0x0804, {0, 0, 1, 0, 1, 0}},
      {Number(16), Number(1), 0x0804, {1, 2, 3}},
      {Number(16), Number(1), 0x0409, {4, 5}},
  };
  f.imports = {"KERNEL32.dll", "USER32.dll", "msvcrt.dll"};
  return f;
}

struct FormatRow {
  const char* label;
  bool pe32_plus;
  std::uint16_t machine;
};

class ReadsBack : public testing::TestWithParam<FormatRow> {};

TEST_P(ReadsBack, ResourcesAndImportsOfAProgramLikeImage) {
  const FormatRow& row = GetParam();
  const std::vector<std::uint8_t> file = BuildImage(ProgramLike(row.pe32_plus));
  const pe::ReadResult r = pe::ReadImage(file);
  ASSERT_EQ(r.error, pe::Error::kNone) << row.label << ": " << pe::ErrorName(r.error);
  EXPECT_EQ(r.image.machine, row.machine) << row.label;
  EXPECT_EQ(r.image.pe32_plus, row.pe32_plus) << row.label;

  ASSERT_EQ(r.image.resources.size(), 4u) << row.label;
  const pe::Resource& group = r.image.resources[1];
  EXPECT_EQ(group.type, Number(14)) << row.label;
  EXPECT_EQ(group.name, Name("DEFAULT_ICON")) << row.label;
  EXPECT_EQ(group.language, 0x0804) << row.label;
  EXPECT_EQ(group.code_page, 936u) << row.label;
  EXPECT_EQ(std::vector<std::uint8_t>(group.data.begin(), group.data.end()),
            (std::vector<std::uint8_t>{0, 0, 1, 0, 1, 0}))
      << row.label;
  EXPECT_EQ(r.image.resources[3].language, 0x0409) << row.label;
  EXPECT_EQ(r.image.resources[3].data.size(), 2u) << row.label;

  EXPECT_EQ(pe::FindResource(r.image, 14, "DEFAULT_ICON"), &r.image.resources[1]) << row.label;
  EXPECT_EQ(pe::FindResource(r.image, 14, "DEFAULT_ICO"), nullptr) << row.label;
  EXPECT_EQ(pe::FindResource(r.image, 3, 1), &r.image.resources[0]) << row.label;
  EXPECT_EQ(pe::FindResource(r.image, 3, 2), nullptr) << row.label;
  EXPECT_EQ(pe::CountResources(r.image, 16), 2u) << row.label;
  EXPECT_EQ(pe::CountResources(r.image, 24), 0u) << row.label;

  EXPECT_EQ(r.image.imported_dlls, (std::vector<std::string>{"KERNEL32.dll", "USER32.dll", "msvcrt.dll"})) << row.label;
}

const FormatRow kFormats[] = {
    {"PE32+ (x86-64)", true, 0x8664},
    {"PE32 (i386)", false, 0x14C},
};
INSTANTIATE_TEST_SUITE_P(Formats, ReadsBack, testing::ValuesIn(kFormats));

TEST(ReadsBack, ImageWithoutResourcesOrImports) {
  const std::vector<std::uint8_t> file = BuildImage(FixtureImage{});
  const pe::ReadResult r = pe::ReadImage(file);
  ASSERT_EQ(r.error, pe::Error::kNone) << pe::ErrorName(r.error);
  EXPECT_TRUE(r.image.resources.empty());
  EXPECT_TRUE(r.image.imported_dlls.empty());
}

struct DamageRow {
  const char* what;
  std::function<void(std::vector<std::uint8_t>&, const Layout&)> damage;
  pe::Error expected;
};

class Damaged : public testing::TestWithParam<DamageRow> {};

TEST_P(Damaged, GivesTheError) {
  const DamageRow& row = GetParam();
  Layout layout;
  std::vector<std::uint8_t> file = BuildImage(ProgramLike(true), &layout);
  row.damage(file, layout);
  const pe::ReadResult r = pe::ReadImage(file);
  EXPECT_EQ(r.error, row.expected) << row.what << ": got " << pe::ErrorName(r.error);
  EXPECT_TRUE(r.image.resources.empty() && r.image.imported_dlls.empty()) << row.what << ": no half-read image";
}

const DamageRow kDamage[] = {
    {"not MZ", [](auto& f, const Layout&) { f[0] = 'X'; }, pe::Error::kNoDosHeader},
    {"PE offset past the end", [](auto& f, const Layout&) { Put32(f, 0x3C, static_cast<std::uint32_t>(f.size())); },
     pe::Error::kNoPeSignature},
    {"PE offset near 4 GiB", [](auto& f, const Layout&) { Put32(f, 0x3C, 0xFFFFFFFE); }, pe::Error::kNoPeSignature},
    {"wrong signature", [](auto& f, const Layout& l) { f[l.pe_offset + 1] = 'F'; }, pe::Error::kNoPeSignature},
    {"unknown optional header magic", [](auto& f, const Layout& l) { Put16(f, l.optional_offset, 0x107); },
     pe::Error::kBadOptionalHeader},
    {"optional header too short for its directory count",
     [](auto& f, const Layout& l) { Put16(f, l.pe_offset + 4 + 16, 100); }, pe::Error::kBadOptionalHeader},
    {"optional header larger than the file", [](auto& f, const Layout& l) { Put16(f, l.pe_offset + 4 + 16, 0xFFFF); },
     pe::Error::kTruncated},
    {"more sections than the headers hold", [](auto& f, const Layout& l) { Put16(f, l.pe_offset + 6, 0xFFFF); },
     pe::Error::kTruncated},
    {"resource directory outside every section",
     [](auto& f, const Layout& l) { Put32(f, l.import_directory + 8, 0x00900000); }, pe::Error::kBadRva},
    {"resource directory longer than its section",
     [](auto& f, const Layout& l) { Put32(f, l.import_directory + 12, 0x10000); }, pe::Error::kBadRva},
    {"type entry points outside the resource data",
     [](auto& f, const Layout& l) { Put32(f, l.rsrc_offset + 20, 0x80FFFFF0); }, pe::Error::kBadResourceDirectory},
    {"type entry points at a data entry (leaf too early)",
     [](auto& f, const Layout& l) { Put32(f, l.rsrc_offset + 20, 16); }, pe::Error::kBadResourceDirectory},
    {"name level loops back to the root",
     [](auto& f, const Layout& l) {
       // The root's first entry leads to a type directory; point that
       // directory's first entry at the root again.
       const std::size_t type_dir = l.rsrc_offset + (f[l.rsrc_offset + 20] | (f[l.rsrc_offset + 21] << 8));
       Put32(f, type_dir + 20, 0x80000000u);
     },
     pe::Error::kBadResourceDirectory},
    {"directory claims more entries than the data holds",
     [](auto& f, const Layout& l) { Put16(f, l.rsrc_offset + 14, 0xFFFF); }, pe::Error::kBadResourceDirectory},
    {"resource name longer than the data", [](auto& f, const Layout& l) { Put16(f, l.first_name, 0xFFFF); },
     pe::Error::kBadResourceDirectory},
    {"resource data outside every section", [](auto& f, const Layout& l) { Put32(f, l.first_data_entry, 0x7FFF0000); },
     pe::Error::kBadRva},
    {"resource data size past its section",
     [](auto& f, const Layout& l) { Put32(f, l.first_data_entry + 4, 0xFFFFFFF0); }, pe::Error::kBadRva},
    {"import directory outside every section",
     [](auto& f, const Layout& l) { Put32(f, l.import_directory, 0x00800000); }, pe::Error::kBadRva},
    {"DLL name outside every section", [](auto& f, const Layout& l) { Put32(f, l.idata_offset + 12, 0x00700000); },
     pe::Error::kBadImportTable},
    {"DLL name without its terminator",
     [](auto& f, const Layout& l) {
       for (std::size_t i = l.idata_offset + 80; i < f.size(); ++i) f[i] = 'A';
     },
     pe::Error::kBadImportTable},
    {"import descriptors with no zero descriptor to end them",
     [](auto& f, const Layout& l) {
       // Every descriptor slot names the first DLL, to the end of the section.
       const std::uint32_t name_rva = f[l.idata_offset + 12] | (f[l.idata_offset + 13] << 8);
       for (std::size_t at = l.idata_offset; at + 20 <= f.size(); at += 20) Put32(f, at + 12, name_rva);
     },
     pe::Error::kBadImportTable},
};
INSTANTIATE_TEST_SUITE_P(Files, Damaged, testing::ValuesIn(kDamage));

TEST(Truncated, EveryShorterPrefixIsAnError) {
  const std::vector<std::uint8_t> file = BuildImage(ProgramLike(true));
  for (std::size_t length = 0; length < file.size(); ++length) {
    const std::vector<std::uint8_t> prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_NE(pe::ReadImage(prefix).error, pe::Error::kNone) << "length=" << length << " of " << file.size();
  }
}

// Three directories of 300 entries, each entry of one leading to the next:
// 27 million leaves described in a few kilobytes.
TEST(SharedDirectories, AHugeTreeIsRefusedNotWalked) {
  constexpr std::uint32_t kEntries = 300;
  const std::uint32_t dir_size = 16 + 8 * kEntries;
  std::vector<std::uint8_t> rsrc(3 * dir_size + 16 + 16);
  const std::uint32_t data_entry = 3 * dir_size;
  for (std::uint32_t level = 0; level < 3; ++level) {
    const std::uint32_t at = level * dir_size;
    Put16(rsrc, at + 14, kEntries);
    for (std::uint32_t i = 0; i < kEntries; ++i) {
      Put32(rsrc, at + 16 + 8 * i, i + 1);
      Put32(rsrc, at + 16 + 8 * i + 4, level < 2 ? (0x80000000u | (at + dir_size)) : data_entry);
    }
  }
  Put32(rsrc, data_entry, pe_fixture::kResourceRva + data_entry + 16);
  Put32(rsrc, data_entry + 4, 16);
  FixtureImage f;
  f.raw_resource_section = rsrc;
  const std::vector<std::uint8_t> file = BuildImage(f);
  EXPECT_EQ(pe::ReadImage(file).error, pe::Error::kBadResourceDirectory);
}

}  // namespace
