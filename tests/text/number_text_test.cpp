// Fixed-decimal texts must be printf's "%.Nf" for every value, whether the
// digits come from the whole-number shortcut or from the general conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "engine/text/number_text.h"

namespace kelvane {
namespace {

std::string Printf(double v, int decimals) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

TEST(FormatFixed, MatchesPrintfOnRationalsAndEdges) {
  std::vector<double> values = {
      0.0, -0.0, 1.0, -1.0, 0.5, 0.125, 0.375, 2.675, 1.005, -2.5, 0.1, 0.7,
      1e-7, -1e-7, 5e-324, -5e-324, 1e15, 1e22, 1e300,
      // Around the shortcut's limit of 2^40 after scaling.
      std::ldexp(1.0, 40), std::ldexp(1.0, 40) - 1, std::ldexp(1.0, 40) / 100,
      std::ldexp(1.0, 40) / 100 + 0.01, std::ldexp(1.0, 52) + 1, std::ldexp(1.0, 53),
      std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
  // The quotients the value texts divide: numerators and denominators as
  // cameras write them.
  for (int64_t n : {0LL, 1LL, 3LL, 7LL, 10LL, 28LL, 72LL, 125LL, 300LL, 1005LL, 2675LL, 65535LL, 4294967295LL})
    for (int64_t d : {1LL, 2LL, 3LL, 8LL, 10LL, 100LL, 1000LL, 3600LL, 65536LL, 1000000LL}) {
      values.push_back(static_cast<double>(n) / static_cast<double>(d));
      values.push_back(-static_cast<double>(n) / static_cast<double>(d));
    }
  for (double v : values)
    for (int decimals = 0; decimals <= 8; ++decimals)
      EXPECT_EQ(FormatFixed(v, decimals), Printf(v, decimals)) << v << " to " << decimals;
}

TEST(FormatFixed, HasNoTextForInfiniteOrNaN) {
  EXPECT_THROW(FormatFixed(std::numeric_limits<double>::infinity(), 2), FloatError);
  EXPECT_THROW(FormatFixed(std::nan(""), 1), FloatError);
}

// FLOAT values are shown with the fewest digits that read back as the
// same float, not with the digits of the double they widen to.
TEST(FormatShortest, FewestDigitsThatReadBack) {
  const std::pair<float, const char*> cases[] = {
      {0.1f, "0.1"},     {-1.5f, "-1.5"},  {100.0f, "100"},   {0.0f, "0"},
      {1e20f, "1e+20"},  {3.4028235e38f, "3.4028235e+38"}, {1e-7f, "1e-07"},
      {16777216.0f, "16777216"}, {2.2f, "2.2"},
  };
  for (const auto& [v, want] : cases) EXPECT_EQ(FormatShortest(v), want) << want;
  for (float v : {0.1f, 1.0f / 3, 2.71828f, 123456.789f, 1e-30f, 7e30f})
    EXPECT_EQ(std::stof(FormatShortest(v)), v) << v;
  EXPECT_THROW(FormatShortest(std::numeric_limits<float>::infinity()), FloatError);
  EXPECT_THROW(FormatShortest(std::nanf("")), FloatError);
}

}  // namespace
}  // namespace kelvane
