// Writes the program's icon file: make_icon <path to talvenor.ico>.
#include <cstdio>
#include <fstream>
#include <vector>

#include "ico_file.h"
#include "talvenor_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon <output .ico>\n");
    return 2;
  }
  const std::vector<std::uint8_t> bytes = icon::EncodeIcoFile(icon::RenderTalvenorIcon());
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
