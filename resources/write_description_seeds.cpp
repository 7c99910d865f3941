// Writes the fuzzer's seed inputs for the description readers: the main
// window's stored form and its window, label and button property blocks.
//   write_description_seeds <directory>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "main_window_description.h"

namespace {

bool WriteFile(const std::string& path, std::span<const unsigned char> bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_description_seeds <directory>\n");
    return 2;
  }
  const std::string directory = argv[1];
  const std::vector<WindowDescription> windows = MainWindowDescriptions();
  const std::vector<DescriptionRecord>& records = windows.at(0).records;
  const bool ok = WriteFile(directory + "/main_window", MainWindowStoredForm()) &&
                  WriteFile(directory + "/window_block", records.at(0).property_block) &&
                  WriteFile(directory + "/label_block", records.at(1).property_block) &&
                  WriteFile(directory + "/button_block", records.at(6).property_block);
  if (!ok) std::fprintf(stderr, "cannot write the seeds into %s\n", directory.c_str());
  return ok ? 0 : 1;
}
