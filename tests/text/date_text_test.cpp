#include "engine/text/date_text.h"

#include <gtest/gtest.h>

namespace kelvane::text {
namespace {

TEST(DateTimeText, ShowsTheMomentAsShortDateAndLongTime) {
  struct Case {
    int64_t seconds;
    const char* want;
  } cases[] = {
      {0, "1970/01/01 00:00:00"},
      {-1, "1969/12/31 23:59:59"},
      {-kSecondsFrom1904To1970, "1904/01/01 00:00:00"},
      {951782400, "2000/02/29 00:00:00"},     // a leap day of a century year
      {4107542400, "2100/03/01 00:00:00"},    // 2100 has no 29 February
      {2147483647, "2038/01/19 03:14:07"},
      {int64_t{4294967295} - kSecondsFrom1904To1970, "2040/02/06 06:28:15"},
  };
  for (const auto& c : cases) EXPECT_EQ(DateTimeText(c.seconds), c.want) << c.seconds;
}

}  // namespace
}  // namespace kelvane::text
