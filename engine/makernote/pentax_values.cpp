#include "engine/makernote/pentax_values.h"

#include <array>
#include <cstdio>

#include "engine/makernote/lenses_pentax.h"
#include "engine/makernote/pentax_cipher.h"

namespace kelvane::maker {

namespace {

// The date and time fact as the note's rows show it: "2008:03:02" for the
// date, then " 12:01:23" once the time is read.
constexpr size_t kDateLength = 10;
constexpr size_t kDateTimeLength = 19;

std::string Hex(std::span<const uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (uint8_t b : bytes) {
    text.push_back(kDigits[b >> 4]);
    text.push_back(kDigits[b & 15]);
  }
  return text;
}

// The date and time bytes back from the fact; false when the fact is not
// a date and time of this note's form.
bool DateTimeBytes(const std::string& fact, std::array<uint8_t, 4>& date,
                   std::array<uint8_t, 3>& time) {
  unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (fact.size() != kDateTimeLength ||
      std::sscanf(fact.c_str(), "%4u:%2u:%2u %2u:%2u:%2u", &year, &month, &day, &hour, &minute,
                  &second) != 6)
    return false;
  if (year > 0xFFFF || month > 0xFF || day > 0xFF || hour > 0xFF || minute > 0xFF ||
      second > 0xFF)
    return false;
  date = {static_cast<uint8_t>(year >> 8), static_cast<uint8_t>(year & 0xFF),
          static_cast<uint8_t>(month), static_cast<uint8_t>(day)};
  time = {static_cast<uint8_t>(hour), static_cast<uint8_t>(minute), static_cast<uint8_t>(second)};
  return true;
}

}  // namespace

std::optional<std::string> PentaxDateText(std::span<const uint8_t> bytes, bool, uint16_t,
                                          NoteFacts& facts) {
  if (bytes.size() < 4) return Hex(bytes);
  char text[16];
  std::snprintf(text, sizeof text, "%04u:%02u:%02u", unsigned{bytes[0]} << 8 | bytes[1],
                unsigned{bytes[2]}, unsigned{bytes[3]});
  facts.date_time = text;
  return facts.date_time;
}

std::optional<std::string> PentaxTimeText(std::span<const uint8_t> bytes, bool, uint16_t,
                                          NoteFacts& facts) {
  if (bytes.size() < 3) return Hex(bytes);
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", unsigned{bytes[0]}, unsigned{bytes[1]},
                unsigned{bytes[2]});
  if (facts.date_time.size() == kDateLength) facts.date_time += std::string(" ") + text;
  return std::string(text);
}

std::optional<std::string> PentaxShutterCountText(std::span<const uint8_t> bytes, bool, uint16_t,
                                                  NoteFacts& facts) {
  std::array<uint8_t, 4> date{};
  std::array<uint8_t, 3> time{};
  if (bytes.size() >= 4 && DateTimeBytes(facts.date_time, date, time)) {
    if (auto count = PentaxShutterCount(bytes, date, time)) {
      StoreFact(Fact::kShutterCount, *count, facts);
      return std::to_string(*count);
    }
  }
  return Hex(bytes);
}

std::optional<std::string> PentaxLensText(std::span<const uint8_t> bytes, bool, uint16_t,
                                          NoteFacts& facts) {
  if (bytes.size() < 2) return Hex(bytes);
  return LensText(kPentaxLenses, uint32_t{bytes[0]} << 8 | bytes[1], facts.lens);
}

}  // namespace kelvane::maker
