// Builds a list text such as "1,2,3" item by item, without collecting the
// items first.
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

class TextList {
 public:
  explicit TextList(std::string_view separator) : separator_(separator) {}

  void Add(std::string_view item) {
    if (!empty_) out_ += separator_;
    empty_ = false;
    out_ += item;
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string_view separator_;
  std::string out_;
  bool empty_ = true;
};

}  // namespace kelvane
