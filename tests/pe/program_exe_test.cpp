// Checks the built program's file: its icon, its version block, that it
// carries no manifest and that it needs no DLL beyond the system's. The exe
// is named by TALVENOR_EXE, a path relative to the working directory (under
// Wine a Unix absolute path is no Windows path).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "icon_format.h"
#include "pe_resources.h"
#include "version_info.h"

namespace {

class ProgramExe : public testing::Test {
 protected:
  void SetUp() override {
    const char* path = std::getenv("TALVENOR_EXE");
    ASSERT_NE(path, nullptr) << "TALVENOR_EXE names the exe to check";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open " << path;
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const pe::ReadResult read = pe::ReadImage(bytes_);
    ASSERT_EQ(read.error, pe::Error::kNone) << path << ": " << pe::ErrorName(read.error);
    image_ = read.image;  // its resource data points into bytes_
  }

  std::vector<std::uint8_t> bytes_;
  pe::Image image_;
};

TEST_F(ProgramExe, IconGroupDefaultIconHoldsOne32x32Image) {
  ASSERT_EQ(pe::CountResources(image_, pe::kRtGroupIcon), 1u);
  const pe::Resource* group = pe::FindResource(image_, pe::kRtGroupIcon, "DEFAULT_ICON");
  ASSERT_NE(group, nullptr) << "the icon group is named DEFAULT_ICON";
  std::vector<pe::IconEntry> entries;
  ASSERT_TRUE(pe::ReadIconGroup(group->data, entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].width, 32);
  EXPECT_EQ(entries[0].height, 32);
  EXPECT_EQ(entries[0].bit_count, 32);
  EXPECT_EQ(entries[0].planes, 1);

  EXPECT_EQ(pe::CountResources(image_, pe::kRtIcon), 1u);
  const pe::Resource* icon = pe::FindResource(image_, pe::kRtIcon, entries[0].id);
  ASSERT_NE(icon, nullptr) << "the group points at icon " << entries[0].id;
  // 40-byte header, 32x32 BGRA, 32 rows of 4 mask bytes.
  EXPECT_EQ(icon->data.size(), 40u + 4096u + 128u);
  EXPECT_EQ(entries[0].bytes, icon->data.size());
  pe::DibHeader dib;
  ASSERT_TRUE(pe::ReadDibHeader(icon->data, dib));
  EXPECT_EQ(dib.width, 32);
  EXPECT_EQ(dib.height, 64);
  EXPECT_EQ(dib.bit_count, 32);
  EXPECT_EQ(dib.compression, 0u);
}

TEST_F(ProgramExe, CarriesNoManifest) { EXPECT_EQ(pe::CountResources(image_, pe::kRtManifest), 0u); }

TEST_F(ProgramExe, VersionBlockNamesTheProgramAndVersion) {
  ASSERT_EQ(pe::CountResources(image_, pe::kRtVersion), 1u);
  const pe::Resource* version = pe::FindResource(image_, pe::kRtVersion, 1);
  ASSERT_NE(version, nullptr) << "the version block is resource 1";
  const pe::VersionResult read = pe::ReadVersionInfo(version->data);
  ASSERT_EQ(read.error, pe::VersionError::kNone) << pe::VersionErrorName(read.error);
  const std::array<std::uint16_t, 4> one{1, 0, 0, 0};
  EXPECT_EQ(read.info.file_version, one);
  EXPECT_EQ(read.info.product_version, one);
  EXPECT_EQ(read.info.file_type, 1u);  // an application

  ASSERT_EQ(read.info.translations.size(), 1u);
  EXPECT_EQ(read.info.translations[0].first, 0x0804);
  EXPECT_EQ(read.info.translations[0].second, 936);

  struct Expected {
    const char* name;
    const char* text;
  };
  const Expected expected[] = {
      {"FileDescription", "1.0"},           {"Comments", "1.0"},           {"ProductName", "Talvenor"},
      {"FileVersion", "1.0.0.0"},           {"ProductVersion", "1.0.0.0"}, {"InternalName", "Talvenor"},
      {"OriginalFilename", "Talvenor.exe"}, {"CompanyName", ""},
  };
  for (const Expected& e : expected) {
    bool found = false;
    EXPECT_EQ(pe::FindVersionString(read.info, "080403a8", e.name, found), e.text) << e.name;
    EXPECT_TRUE(found) << e.name << " in string table 080403a8";
  }
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool IsSystemDll(const std::string& name) {
  static const char* const kSystem[] = {"kernel32.dll", "user32.dll",  "gdi32.dll",  "ole32.dll",    "oleaut32.dll",
                                        "advapi32.dll", "shell32.dll", "msvcrt.dll", "ucrtbase.dll", "comctl32.dll"};
  const std::string lower = Lower(name);
  return std::find(std::begin(kSystem), std::end(kSystem), lower) != std::end(kSystem) ||
         lower.rfind("api-ms-win-crt-", 0) == 0;
}

TEST_F(ProgramExe, ImportsOnlySystemDlls) {
  EXPECT_FALSE(image_.imported_dlls.empty());
  for (const std::string& dll : image_.imported_dlls) EXPECT_TRUE(IsSystemDll(dll)) << dll;
}

}  // namespace
