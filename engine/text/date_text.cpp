#include "engine/text/date_text.h"

#include <cstdio>

namespace kelvane::text {

namespace {

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

// The proleptic Gregorian date of a day counted from 1970-01-01.
void CivilFromDays(int64_t days, int64_t& year, int& month, int& day) {
  days += 719468;  // count from 0000-03-01
  const int64_t era = FloorDiv(days, 146097);
  const int64_t day_of_era = days - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t mp = (5 * day_of_year + 2) / 153;
  day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
}

}  // namespace

std::string DateTimeText(int64_t seconds_since_1970) {
  const int64_t days = FloorDiv(seconds_since_1970, 86400);
  const int64_t second_of_day = seconds_since_1970 - days * 86400;
  int64_t year = 0;
  int month = 0, day = 0;
  CivilFromDays(days, year, month, day);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04lld/%02d/%02d %02d:%02d:%02d", static_cast<long long>(year),
                month, day, static_cast<int>(second_of_day / 3600),
                static_cast<int>(second_of_day / 60 % 60), static_cast<int>(second_of_day % 60));
  return buf;
}

}  // namespace kelvane::text
