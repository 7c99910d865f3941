// The host C library's iconv as the independent judge of the program's
// escaped code page 936 texts (native tests only).
#pragma once

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

// The GBK bytes of a UTF-8 text; a text iconv cannot convert fails the test.
inline std::string Utf8ToGbk(std::string utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  std::string out(utf8.size() * 2, '\0');
  char* in = utf8.data();
  char* to = out.data();
  std::size_t in_left = utf8.size(), out_left = out.size();
  const std::size_t done = iconv(cd, &in, &in_left, &to, &out_left);
  iconv_close(cd);
  EXPECT_NE(done, static_cast<std::size_t>(-1)) << utf8;
  out.resize(out.size() - out_left);
  return out;
}
