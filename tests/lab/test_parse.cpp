#include <gtest/gtest.h>

#include "lab/parse.h"

using quorvan::parseLeadingInt;

TEST(ParseLeadingInt, ReadsTheLeadingDecimalNumber) {
  struct Case {
    const char* text;
    std::int32_t value;
  };
  const Case cases[] = {
      {"25", 25},
      {"25a", 25},
      {"  -7abc", -7},
      {"+12", 12},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {" 5 6", 5},
      {"\t9", 9},
      {"12abc", 12},
      {"-0", 0},
      {"007", 7},
      {"99999999999999999999999", 2147483647},
      {"-99999999999999999999999", -2147483647 - 1},
      {"2147483648", 2147483647},
      {"-2147483648", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(parseLeadingInt(c.text), c.value) << '"' << c.text << '"';
}
