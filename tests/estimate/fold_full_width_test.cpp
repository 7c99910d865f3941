// Folding bytes in, bytes out: the table's bounds, the pairing rule and the
// lone lead byte at the end.
#include <gtest/gtest.h>

#include <string>

#include "fold_full_width.h"
#include "same_double.h"

namespace {

struct Row {
  std::string in;
  std::string out;
  const char* why;
};

void PrintTo(const Row& row, std::ostream* os) { *os << '"' << Escaped(row.in) << '"'; }

class FoldFullWidthGives : public ::testing::TestWithParam<Row> {};

TEST_P(FoldFullWidthGives, Bytes) {
  const Row& row = GetParam();
  // Guard bytes after the room the caller must give (length + 1) catch
  // writes past it.
  std::string buffer(row.in.size() + 1 + 8, '\x5A');
  const std::size_t length = FoldFullWidth(row.in.c_str(), row.in.size(), buffer.data());
  EXPECT_EQ(std::string(buffer.data(), length), row.out) << "in=" << Escaped(row.in) << " (" << row.why << ")";
  EXPECT_EQ(buffer[length], '\0') << "in=" << Escaped(row.in);
  EXPECT_EQ(buffer.substr(row.in.size() + 1), std::string(8, '\x5A')) << "in=" << Escaped(row.in);
}

const Row kRows[] = {
    {"", "", "empty"},
    {"12.5e-3 x", "12.5e-3 x", "ASCII unchanged"},
    {"\xA3\xB0\xA3\xB1\xA3\xB9", "019", "full-width digits"},
    {"\xA3\xAB\xA3\xAD\xA3\xAE", "+-.", "full-width signs and full stop"},
    {"\xA3\xC5\xA3\xE5\xA3\xC4\xA3\xE4", "EeDd", "full-width exponent letters"},
    {"\xA3\xA1", "!", "first entry A3A1"},
    {"\xA3\xFE", "~", "last entry A3FE"},
    {"\xA3\xA4", "$", "full-width yen sign"},
    {"\xA3\xA0", "\xA3\xA0", "A3A0 below the range"},
    {"\xA3\xFF", "\xA3\xFF", "A3FF above the range"},
    {"\xA1\xA1", " ", "ideographic space"},
    {"\xA1\xAB", "~", "wave dash"},
    {"\xA1\xEE\xA1\xEF", "**", "white and black stars"},
    {"\xA1\xA2\xA1\xAC\xA1\xED\xA1\xF0", "\xA1\xA2\xA1\xAC\xA1\xED\xA1\xF0", "A1 neighbours of the entries"},
    {"\xA2\xB0\xA4\xB0", "\xA2\xB0\xA4\xB0", "other lead bytes with a folding trail"},
    {"\xC2\xEB"
     "40",
     "\xC2\xEB"
     "40",
     "hanzi kept"},
    {"\x80\x35", "\x80\x35", "high byte takes an ASCII digit as partner"},
    {"\xA3\xB4"
     "5",
     "45", "full-width digit then ASCII digit"},
    {"4\xA3", "4", "lone lead byte at the end dropped"},
    {"\xA3\xA3\xB0", "#", "A3A3 folds, then B0 is a lone lead byte"},
    {"\xFF\xFF\xFF", "\xFF\xFF", "pair kept, last byte dropped"},
    {"\xA1\xA1\xA1", " ", "ideographic space, then a lone lead byte"},
};
INSTANTIATE_TEST_SUITE_P(Table, FoldFullWidthGives, ::testing::ValuesIn(kRows));

TEST(FoldFullWidth, NullTextFoldsToEmpty) {
  char out[2] = {'x', 'x'};
  EXPECT_EQ(FoldFullWidth(nullptr, 5, out), 0u);
  EXPECT_EQ(out[0], '\0');
}

}  // namespace
