#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace olvex::shell {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Val, ReadsTheLeadingNumber) {
  struct Case { const char* text; double want; };
  const Case cases[] = {
      {"", 0},          {"  42", 42},      {"-3.5", -3.5},    {"+7", 7},
      {"1 2 3", 123},   {" - 5", -5},      {"\t8", 8},        {"12abc", 12},
      {"1.2.3", 1.2},   {"abc", 0},        {"-", 0},          {".5", 0.5},
      {"5.", 5},        {"1e3", 1000},     {"2.5E-1", 0.25},  {"1 e 2", 100},
      {"1e", 1},        {"1e+x", 1},       {"1,5", 1},        {"&HFF", 255},
      {"&hff", 255},    {"&H 1 0", 16},    {"&O17", 15},      {"&O8", 0},
      {"&H", 0},        {"&Z1", 0},        {"-&H10", 0},      {"&HFFFFFFFF", 4294967295.0},
      {"1e999", kInf},  {"-1e999", -kInf}, {"1e-999", 0},     {"0.0001e999", kInf},
      // Long whole numbers round to the nearest double, however many digits they have.
      {"000123", 123},  {"9007199254740993", 9007199254740993.0},
      {"-999999999999999999", -999999999999999999.0},
      {"12345678901234567891", 12345678901234567891.0},
  };
  for (const Case& c : cases) EXPECT_EQ(Val(c.text), c.want) << '"' << c.text << '"';
}

TEST(StrictNumber, AcceptsWholeNumbersOnly) {
  struct Case { const char* text; double want; };
  const Case valid[] = {
      {"12", 12},     {" 12 ", 12}, {"-10", -10},  {"+1.5", 1.5}, {".5", 0.5},
      {"5.", 5},      {"1e3", 1e3}, {"1.5E+2", 150}, {"2e-1", 0.2}, {"&H1F", 31},
      {"&o17", 15},   {"\t0\t", 0}, {"1.5E+07", 15000000},
  };
  for (const Case& c : valid) {
    auto v = StrictNumber(c.text);
    ASSERT_TRUE(v.has_value()) << '"' << c.text << '"';
    EXPECT_EQ(*v, c.want) << '"' << c.text << '"';
  }
  const char* invalid[] = {"",   " ",      "abc", "12abc", "1 2",  "1.2.3", "1e",     "1e+",
                           "&H", "-&H10",  "+",   ".",     "-.",   "&HG",   "1e999",  "1,5",
                           "- 1", "&H1 x"};
  for (const char* text : invalid) EXPECT_FALSE(StrictNumber(text).has_value()) << '"' << text << '"';
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
  struct Case { double x, want; };
  const Case cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},   {3.5, 4},    {-0.5, 0},  {-1.5, -2},
                        {-2.5, -2}, {2.4, 2},   {2.6, 3},   {-2.6, -3},  {7, 7},     {1e300, 1e300}};
  for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.x), c.want) << c.x;
}

}  // namespace
}  // namespace olvex::shell
