// The maker codes: which maker-note layout a file's note has. The IFD walk
// sets one from Make, Model and the note's signature (maker_dispatch.cpp);
// the note is then read by its layout (maker_layouts.h). Rows of a note are
// keyed by the code shifted left by 16 plus the tag.
#pragma once

#include <cstdint>

namespace kelvane {

enum class MakerCode : int32_t {
  kNone = 0,
  kOlympus = 1,          // also Agfa
  kEpson = 2,
  kSanyo = 3,
  kRicohGeneral = 4,     // a text row only
  kNikonCoolpix = 5,     // older COOLPIX layout
  kNikon = 6,            // newer layout, a plain IFD
  kCasio = 7,            // first layout
  kCanon = 8,
  kKonica = 9,
  kToshibaHex = 10,      // a hex-dumped block
  kKodak = 11,
  kFujifilm = 12,
  kKodakEos = 13,        // Kodak-made EOS bodies
  kFujifilm230 = 14,     // DS-230HD
  kKodakDc4800 = 15,
  kFdi = 16,             // SP-1500's FDI block
  kSony = 17,
  kMinolta = 18,         // DiMAGE
  kPentax = 19,          // Optio 330/430
  kRicoh = 20,           // Caplio, RDC-i500
  kRicohCameraInfo = 21, // the camera-info IFD inside a Ricoh note
  kKodakEffects = 22,    // Kodak special-effects IFD
  kKodakBorders = 23,    // Kodak borders IFD
  kKyocera = 24,
  kPanasonic = 25,       // also Leica
  kRicohRdc = 26,        // RDC-7S
  kNikonEmbedded = 27,   // newer layout with its own TIFF header
  kReserved28 = 28,      // nothing sets it; decodable, with no table
  kToshiba = 29,         // PDR-M81, PDR-M25
  kToshibaM25 = 30,      // provisional: becomes 29 or none
  kCasio2 = 31,          // second layout
  kSigma = 33,
  kKddi = 35,
  kOlympusNew = 36,      // "OLYMPUS\0" and "OM SYSTEM\0" notes: their own
                         // byte order, offsets from the note's start
  kSonyPlain = 40,       // a Sony note with no header, its IFD at its start
                         // (ARW files, most bodies since 2012)
  kSonyMobile = 41,      // "SONY MOBILE\0" (Xperia phones)
  kApple = 50,           // "Apple iOS\0", a version word, "MM": offsets from the note's start
  kSamsung = 51,         // Samsung's second layout: an IFD with no header
  kHuawei = 52,          // "HUAWEI\0\0"
  kMotorola = 53,        // "MOT\0" and four bytes, then the IFD: offsets from the note's start
  kDji = 54,             // DJI drones: an IFD with no header
  kGoogle = 55,          // Google Pixel
  kTextNote = 56,        // a note that is plain text (vivo, Xiaomi and others)
  kPentaxAoc = 70,       // "AOC\0" notes of Pentax bodies: "II", "MM" or the
                         // file's order, offsets from the TIFF header
  kPentaxNew = 71,       // "PENTAX \0" notes of Ricoh-made Pentax bodies: their
                         // own byte order, offsets from the note's start
};

constexpr int32_t Code(MakerCode code) { return static_cast<int32_t>(code); }
constexpr MakerCode ToMakerCode(int32_t code) { return static_cast<MakerCode>(code); }

}  // namespace kelvane
