#include "engine/makernote/maker_groups.h"

namespace kelvane {

TMakerResult& MakerGroups::Open(std::string_view caption) {
  MakerGroup& group = count_ < kMaxGroups ? groups_[count_++] : spare_;
  CopyInto(group.caption, caption);
  Renew(group.rows);
  return group.rows;
}

}  // namespace kelvane
