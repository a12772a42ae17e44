// The value rules of the IFD tag table (exif_tags.h): each a named function
// from an entry to its text, and the plain text of each type that an entry
// without a rule of its own gets.
#pragma once

#include <cstdint>
#include <string>

#include "engine/reader/reader.h"
#include "engine/tiff/ifd_entry.h"
#include "engine/tiff/ifd_walker.h"

namespace kelvane {

// A RATIONAL or SRATIONAL as read, signed.
struct SignedRational {
  int32_t n = 0;
  int32_t d = 0;
};

// The texts of values already read: the IFD rules below and the XMP forms
// of the same tags show them alike ("1/125秒", "F4.0", "5.00(mm)", "EV-0.3").
// ExposureBiasText throws FloatError for a zero denominator.
std::string ExposureTimeText(SignedRational r);
std::string ApexExposureText(SignedRational r);  // an APEX shutter speed
std::string FNumberText(SignedRational r);
std::string ApexApertureText(SignedRational r);  // an APEX aperture
std::string FocalLengthText(SignedRational r);
std::string ExposureBiasText(SignedRational r);

// The plain text of a value by its type, and the bytes it reads. Each rule
// throws ReadError when the value lies past the end of the file and
// FloatError where it divides by zero; the walker turns both into an empty
// text.
std::string PlainIfdText(Reader& f, bool intel, const IfdEntry& e);
uint64_t PlainIfdCost(const IfdEntry& e);

// DNG LensInfo: four rationals, shortest and longest focal length and the
// F-numbers at them. Sets `min_focal` and, when known, `max_focal`.
std::string LensInfoText(Reader& f, bool intel, const IfdEntry& e, double& min_focal,
                         double& max_focal);

// A character-coded text (UserComment, CameraOwnerID): 8 bytes naming the
// code ("JIS", "UNICODE", "ASCII" or undefined), then count - 8 bytes of
// text. UNICODE text is read in the file's byte order; JIS text is converted
// to Shift_JIS or kept as stored.
enum class JisHandling { kConvert, kKeepRaw };
std::string CharacterCodedText(Reader& f, bool intel, const IfdEntry& e, JisHandling jis);

namespace ifd_rule {

// BYTE
std::string OffsetAndBytes(TiffWalk& w, const IfdEntry& e);   // "Offset:n (nbyte)"
std::string DottedBytes(TiffWalk& w, const IfdEntry& e);      // "1.0.0.0"
std::string PlaneColours(TiffWalk& w, const IfdEntry& e);     // "RGB"
std::string TiffEpVersion(TiffWalk& w, const IfdEntry& e);    // "1.0.0.0"
// ASCII
std::string Make(TiffWalk& w, const IfdEntry& e);   // the text; names the maker
std::string Model(TiffWalk& w, const IfdEntry& e);  // the text; names the maker
std::string Copyright(TiffWalk& w, const IfdEntry& e);  // photographer's / editor's notice
// SHORT
std::string SubSampling(TiffWalk& w, const IfdEntry& e);  // "YCbCr 4:2:2"
// SHORT or RATIONAL
std::string FocalLength35(TiffWalk& w, const IfdEntry& e);  // "50(mm)"
// LONG (OffsetList: also SLONG and IFD)
std::string OffsetList(TiffWalk& w, const IfdEntry& e);  // "Offset:" + the values
std::string OffsetOnly(TiffWalk& w, const IfdEntry& e);  // "Offset:" + the value's offset
// RATIONAL
std::string ExposureTime(TiffWalk& w, const IfdEntry& e);
std::string FNumber(TiffWalk& w, const IfdEntry& e);
std::string BitsPerPixel(TiffWalk& w, const IfdEntry& e);
std::string ApexAperture(TiffWalk& w, const IfdEntry& e);
std::string SubjectDistance(TiffWalk& w, const IfdEntry& e);
std::string FocalLength(TiffWalk& w, const IfdEntry& e);
std::string LensInfo(TiffWalk& w, const IfdEntry& e);  // also notes the focal range
// RATIONAL or SRATIONAL
std::string Brightness(TiffWalk& w, const IfdEntry& e);
// SRATIONAL
std::string ShutterSpeed(TiffWalk& w, const IfdEntry& e);
std::string ExposureBias(TiffWalk& w, const IfdEntry& e);
// UNDEFINED
std::string VersionBytes(TiffWalk& w, const IfdEntry& e);  // "0220"
std::string Components(TiffWalk& w, const IfdEntry& e);    // "YCbCr"
std::string UserComment(TiffWalk& w, const IfdEntry& e);
std::string CameraOwner(TiffWalk& w, const IfdEntry& e);
std::string FileSource(TiffWalk& w, const IfdEntry& e);
std::string SceneType(TiffWalk& w, const IfdEntry& e);
std::string ByteCount(TiffWalk& w, const IfdEntry& e);  // "nBytes"
// any type
std::string MakerNote(TiffWalk& w, const IfdEntry& e);  // the maker-note locator's text
// DNGPrivateData: its byte count; Pentax's DNG files keep their maker note
// here, which the locator is then given as the file's note.
std::string DngPrivateData(TiffWalk& w, const IfdEntry& e);

}  // namespace ifd_rule

// What the walk records from an entry before its text: where other IFDs
// and blocks lie, and the image facts the loader uses. May throw like a
// value text.
namespace ifd_note {

void ExifIFD(TiffWalk& w, const IfdEntry& e);
void GpsIFD(TiffWalk& w, const IfdEntry& e);
void InteropIFD(TiffWalk& w, const IfdEntry& e);
void ThumbOffset(TiffWalk& w, const IfdEntry& e);
void ThumbLength(TiffWalk& w, const IfdEntry& e);
void Compression(TiffWalk& w, const IfdEntry& e);
void ImageWidth(TiffWalk& w, const IfdEntry& e);
void ImageLength(TiffWalk& w, const IfdEntry& e);
void Photometric(TiffWalk& w, const IfdEntry& e);
void StripOffsets(TiffWalk& w, const IfdEntry& e);
void StripByteCounts(TiffWalk& w, const IfdEntry& e);
void NewSubFileType(TiffWalk& w, const IfdEntry& e);
void Orientation(TiffWalk& w, const IfdEntry& e);
void FocalLength(TiffWalk& w, const IfdEntry& e);
void SubIFDs(TiffWalk& w, const IfdEntry& e);
void GlobalParameterIFD(TiffWalk& w, const IfdEntry& e);
void KodakSpecialEffectsIFD(TiffWalk& w, const IfdEntry& e);
void KodakBordersIFD(TiffWalk& w, const IfdEntry& e);
void KodakCameraInfoIFD(TiffWalk& w, const IfdEntry& e);
void IptcBlock(TiffWalk& w, const IfdEntry& e);
void AdobeResource(TiffWalk& w, const IfdEntry& e);
void XmpPacket(TiffWalk& w, const IfdEntry& e);
void IccProfile(TiffWalk& w, const IfdEntry& e);
void PrintImIFD(TiffWalk& w, const IfdEntry& e);
void EmbeddedJpeg(TiffWalk& w, const IfdEntry& e);  // JpgFromRaw: where the JPEG lies

}  // namespace ifd_note

}  // namespace kelvane
