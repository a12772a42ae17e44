#include "engine/makernote/lens_table.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace kelvane::maker {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number that starts at `i` ("3.5"); advances `i` past it.
double NumberAt(std::string_view s, size_t& i) {
  double whole = 0;
  while (i < s.size() && IsDigit(s[i])) whole = whole * 10 + (s[i++] - '0');
  if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
    ++i;
    double scale = 0.1;
    while (i < s.size() && IsDigit(s[i])) {
      whole += (s[i++] - '0') * scale;
      scale /= 10;
    }
  }
  return whole;
}

// A number, or a range "a-b", starting at `i`.
void RangeAt(std::string_view s, size_t& i, double& low, double& high) {
  low = high = NumberAt(s, i);
  if (i + 1 < s.size() && s[i] == '-' && IsDigit(s[i + 1])) {
    ++i;
    high = NumberAt(s, i);
  }
}

bool Near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

// Apertures match within 0.15 stop: F-numbers go as the square root of two
// per stop.
bool SameAperture(double a, double b) {
  return a > 0 && b > 0 && std::fabs(std::log2(a / b) * 2) <= 0.15;
}

bool Fits(const LensClues& lens, const LensClues& recorded) {
  const bool range = recorded.focal_min > 0 || recorded.focal_max > 0;
  const bool aperture = recorded.aperture_max > 0;
  if (!range && !aperture) return false;
  if (range) {
    const double low = recorded.focal_min > 0 ? recorded.focal_min : recorded.focal_max;
    const double high = recorded.focal_max > 0 ? recorded.focal_max : recorded.focal_min;
    if (!Near(lens.focal_min, low, 0.5) || !Near(lens.focal_max, high, 0.5)) return false;
  }
  return !aperture || SameAperture(lens.aperture_max, recorded.aperture_max);
}

template <typename Row, typename Id>
std::optional<std::string> Choose(std::span<const Row> list, Id id, const LensClues& clues) {
  std::vector<const char*> candidates;
  for (const Row& row : list)
    if (row.id == id) candidates.push_back(row.name);
  if (candidates.empty()) return std::nullopt;
  if (candidates.size() == 1) return std::string(candidates.front());
  std::vector<const char*> fitting;
  for (const char* name : candidates)
    if (Fits(CluesFromName(name), clues)) fitting.push_back(name);
  const std::vector<const char*>& shown = fitting.empty() ? candidates : fitting;
  std::string text;
  for (const char* name : shown) {
    if (!text.empty()) text += " / ";
    text += name;
  }
  return text;
}

}  // namespace

LensClues CluesFromName(std::string_view name) {
  LensClues clues;
  for (size_t i = 0; i < name.size(); ++i) {
    const bool word_start = i == 0 || !IsDigit(name[i - 1]);
    if (clues.focal_min == 0 && IsDigit(name[i]) && word_start) {
      size_t j = i;
      double low = 0, high = 0;
      RangeAt(name, j, low, high);
      if (name.substr(j, 2) == "mm") {
        clues.focal_min = low;
        clues.focal_max = high;
        i = j + 1;
        continue;
      }
    }
    if (clues.aperture_max == 0 && (name[i] == 'f' || name[i] == 'F') &&
        (i == 0 || name[i - 1] == ' ' || name[i - 1] == '(')) {
      size_t j = i + 1;
      if (j < name.size() && name[j] == '/') ++j;
      if (j < name.size() && IsDigit(name[j])) {
        double low = 0, high = 0;
        RangeAt(name, j, low, high);
        clues.aperture_max = low;
        i = j - 1;
      }
    }
  }
  return clues;
}

std::optional<std::string> LensName(std::span<const LensId> list, uint32_t id,
                                    const LensClues& clues) {
  return Choose(list, id, clues);
}

std::optional<std::string> LensName(std::span<const LensId64> list, uint64_t id,
                                    const LensClues& clues) {
  return Choose(list, id, clues);
}

std::string UnlistedLensText(uint64_t id) { return "ID " + std::to_string(id); }

std::string LensText(std::span<const LensId> list, uint32_t id, const LensClues& clues) {
  if (auto name = LensName(list, id, clues)) return *name;
  return UnlistedLensText(id);
}

}  // namespace kelvane::maker
