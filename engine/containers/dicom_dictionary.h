// The DICOM data dictionary: captions and value representations of the
// standard attributes of the groups 0002, 0008, 0010, 0018, 0020, 0028, 0054
// and 7FE0.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kelvane {

struct DicomAttribute {
  uint16_t group;
  uint16_t element;
  std::string_view vr;
  std::string_view caption;
  // The last element of an attribute that spans a range of elements; 0 for
  // a single element.
  uint16_t element_last = 0;
};

// Every attribute of the dictionary, in the order it is kept.
std::span<const DicomAttribute> DicomAttributes();

// The attribute of (group, element), or nullptr. Element 0000 of every
// covered group is the group length.
const DicomAttribute* FindDicomAttribute(uint16_t group, uint16_t element);

// The words of a date value written out: yyyy年mm月dd日.
inline constexpr std::string_view kDicomYear = "年";
inline constexpr std::string_view kDicomMonth = "月";
inline constexpr std::string_view kDicomDay = "日";

}  // namespace kelvane
