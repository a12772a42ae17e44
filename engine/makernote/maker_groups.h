// The groups a maker note's sub-directories and binary records fill: each
// is shown after the note's main rows, under its own caption row.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "engine/reader/records.h"

namespace kelvane {

struct MakerGroup {
  std::string caption;  // "カメラ設定", shown as "(カメラ設定)"
  TMakerResult rows;
};

class MakerGroups {
 public:
  static constexpr size_t kMaxGroups = 32;

  // A new, empty group at the end; a reference that stays valid while
  // further groups open. Past kMaxGroups the rows go to a spare group that
  // is never shown. A group left empty is not shown either.
  TMakerResult& Open(std::string_view caption);
  std::span<MakerGroup> Groups() { return {groups_.data(), count_}; }
  // Empties every group; their storage stays for the next file.
  void Reset() { count_ = 0; }

 private:
  std::array<MakerGroup, kMaxGroups> groups_;
  MakerGroup spare_;
  size_t count_ = 0;
};

}  // namespace kelvane
