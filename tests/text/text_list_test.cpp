// List texts: a short list in full, a long one as its count and its first
// values.
#include <gtest/gtest.h>

#include <string>

#include "engine/text/text_list.h"

namespace kelvane {
namespace {

std::string NumberList(uint64_t count, const char* separator) {
  TextList list(separator, count);
  for (uint64_t i = 0; i < count; ++i) list.AddNumber(static_cast<int64_t>(i));
  return list.Take();
}

TEST(TextList, ALongListShowsItsCountAndFirstValues) {
  struct Case {
    uint64_t count;
    const char* separator;
    std::string want;
  } cases[] = {
      {0, ",", ""},
      {3, ",", "0,1,2"},
      {3, "\\", "0\\1\\2"},
      {kLongListAbove + 1, ",", "65 values: 0, 1, 2, 3, 4, 5, 6, 7, …"},
      {2700, " ", "2700 values: 0, 1, 2, 3, 4, 5, 6, 7, …"},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberList(c.count, c.separator), c.want) << c.count;
  // The line: the last list shown whole.
  const std::string whole = NumberList(kLongListAbove, ",");
  EXPECT_EQ(whole.rfind(",63"), whole.size() - 3);
  TextList list(",", 1000);
  for (int i = 0; i < 8; ++i) list.Add("x");
  EXPECT_TRUE(list.Full());
}

}  // namespace
}  // namespace kelvane
