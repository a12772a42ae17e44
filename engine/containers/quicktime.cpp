#include "engine/containers/quicktime.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "engine/containers/isobmff.h"
#include "engine/containers/movie_details.h"
#include "engine/reader/primitives.h"
#include "engine/text/number_text.h"
#include "engine/text/date_text.h"

namespace kelvane {

namespace {

// Every walk over a run of atoms looks at no more than this many.
constexpr int kAtomsPerWalk = 100;
// A user-data text longer than this is cut: no row shows more, and the
// walks may pass the same atom many times.
constexpr int64_t kMaxUserText = 64 * 1024;

struct Atom {
  uint64_t start = 0;
  uint64_t size = 0;  // header included
  std::string type;   // NUL bytes dropped
  uint32_t code = 0;  // the four bytes as stored
};

// Reads the header at the current position (a size of 1 says that the real
// size follows the type as a 64-bit number). Nothing is checked here: the
// walks below keep their own rules for where the next atom starts.
Atom ReadAtom(Reader& f, bool intel) {
  const bmff::Box box = bmff::ReadRawHeader(f, f.Position(), intel);
  Atom a;
  a.start = box.start;
  a.size = box.declared;
  a.code = box.type;
  a.type = bmff::TypeBytes(box.type);
  std::erase(a.type, '\0');
  return a;
}

// Walks the atoms from `from` on: reads each header, hands it to `on_atom`
// (which may read on; it returns false to end the walk), then goes to the
// atom's end. Ends at an atom of size 0, at the end of the file, or after
// kAtomsPerWalk atoms. A walk is not bounded by any parent atom.
template <typename OnAtom>
void WalkAtoms(Reader& f, bool intel, uint64_t from, OnAtom on_atom) {
  f.Seek(from);
  for (int n = 0; n < kAtomsPerWalk && !f.AtEnd(); ++n) {
    const Atom atom = ReadAtom(f, intel);
    if (!on_atom(atom)) return;
    if (atom.size == 0 || atom.size > f.Size() - atom.start) return;
    f.Seek(atom.start + atom.size);
  }
}

bool Full(const TMakerResult& r) { return r.Count >= kRowCapacity; }

// Clears what the movie reader and the box lister own.
void ResetRows(TMakerResult& r) {
  r.Count = 0;
  r.PrintIMOffset = 0;
  r.InnerIFD = 0;
  r.LinkOffset = 0;
}

// Rounds a non-negative quotient to the nearest whole number, halves to the
// even neighbour.
uint64_t RoundedQuotient(uint64_t dividend, uint64_t divisor) {
  uint64_t q = dividend / divisor;
  uint64_t r = dividend % divisor;
  uint64_t rest = divisor - r;
  if (r > rest || (r == rest && (q & 1) != 0)) ++q;
  return q;
}

// "%2.1f": one decimal, at least two characters.
std::string OneDecimal(double v) {
  std::string s = FormatFixed(v, 1);
  if (s.size() < 2) s.insert(0, 2 - s.size(), ' ');
  return s;
}

// A QuickTime date (seconds since 1904-01-01) as the page shows it.
std::string MovieDate(uint64_t seconds_since_1904) {
  // 64-bit headers can hold any number; beyond this the year has no meaning.
  seconds_since_1904 = std::min<uint64_t>(seconds_since_1904, uint64_t{1} << 50);
  return text::DateTimeText(static_cast<int64_t>(seconds_since_1904) - text::kSecondsFrom1904To1970);
}

// The movie header: creation and modification dates and the length.
void ReadMovieHeader(Reader& f, TMakerResult& r) {
  const uint8_t version = ReadByte(f);
  f.Skip(3);  // flags
  // Version 1 headers hold the dates and the duration in 64 bits.
  auto read_wide = [&](bool wide) -> uint64_t {
    uint64_t v = ReadLongWord(f, false);
    return wide ? (v << 32 | ReadLongWord(f, false)) : v;
  };
  const bool wide = version == 1;
  const uint64_t created = read_wide(wide);
  const uint64_t modified = read_wide(wide);
  AddItem(r, "撮影日時", MovieDate(created));
  AddItem(r, "更新日時", MovieDate(modified));
  const uint32_t time_scale = ReadLongWord(f, false);
  const uint64_t duration = read_wide(wide);
  AddItem(r, "長さ", MovieLengthText(duration, time_scale));
}

// The signed pairs of a "TAGS" block, as their rows show them.
std::string ShutterText(int32_t numerator, int32_t denominator) {
  if (numerator == 0) return "--";
  double t = std::nearbyint(static_cast<double>(denominator) / numerator);
  return "1/" + std::to_string(static_cast<long long>(t)) + "秒";
}

std::string ApertureText(int32_t numerator, int32_t denominator) {
  if (denominator == 0) return "--";
  return "F" + OneDecimal(static_cast<double>(numerator) / denominator);
}

std::string ExposureBiasText(int32_t numerator, int32_t denominator) {
  if (numerator == 0) return "±0";
  if (denominator == 0) return "--";
  return FormatGeneral(static_cast<double>(numerator) / denominator);
}

// A camera maker's "TAGS" block: maker, model and, when the word after them
// is 1, shutter speed, aperture and exposure compensation.
void ReadTagsBlock(Reader& f, TMakerResult& r) {
  AddItem(r, "メーカー名", ReadTextSkipNul(f, 24));
  AddItem(r, "機種名", ReadTextSkipNul(f, 8));
  if (ReadWord(f, true) != 1) return;
  int32_t pairs[6];
  for (int32_t& v : pairs) v = static_cast<int32_t>(ReadLong(f, true));
  AddItem(r, "シャッタースピード", ShutterText(pairs[0], pairs[1]));
  AddItem(r, "レンズF値", ApertureText(pairs[2], pairs[3]));
  AddItem(r, "EV補正値", ExposureBiasText(pairs[4], pairs[5]));
}

// A "©inf"/"©fmt" text: a length and language code, then the text.
std::string UserText(Reader& f, const Atom& atom) {
  f.Skip(4);
  int64_t length = static_cast<int64_t>(std::min<uint64_t>(atom.size, kMaxUserText + 12)) - 12;
  return ReadTextSkipNul(f, length);
}

void WalkUserData(Reader& f, uint64_t from, TMakerResult& r) {
  WalkAtoms(f, false, from, [&](const Atom& atom) {
    if (Full(r)) return false;
    if (atom.type == "\xA9" "inf") {
      AddItem(r, "コメント", UserText(f, atom));
    } else if (atom.type == "\xA9" "fmt") {
      AddItem(r, "動画形式", UserText(f, atom));
    } else if (atom.type == "TAGS") {
      ReadTagsBlock(f, r);
    } else if (IsNamedUserDataItem(atom.code)) {
      // Shown by name with the movie's details.
    } else {
      AddItem(r, bmff::TypeText(atom.code),
              "Offset:" + std::to_string(atom.start) + "  " + std::to_string(atom.size) + "bytes");
    }
    return true;
  });
}

void WalkMovieChildren(Reader& f, uint64_t from, TMakerResult& r) {
  WalkAtoms(f, false, from, [&](const Atom& atom) {
    if (Full(r)) return false;
    if (atom.type == "mvhd") ReadMovieHeader(f, r);
    else if (atom.type == "udta") WalkUserData(f, f.Position(), r);
    return true;
  });
}

// A "PICT" atom that holds a JPEG: the picture starts after the first two
// consecutive 0xFF bytes behind the "jpeg" tag, within the atom.
void FindPictPreview(Reader& f, const Atom& atom, TMakerResult& r) {
  f.Seek(atom.start + 148);
  if (ReadRaw(f, 4) != "jpeg") return;
  const uint64_t atom_end = atom.start + std::min(atom.size, f.Size() - atom.start);
  int previous = -1;
  while (f.Position() < atom_end) {
    const int current = f.Get();
    if (current < 0) return;
    if (previous == 0xFF && current == 0xFF) {
      const uint64_t offset = f.Position();
      const uint64_t length = atom.size - (offset - atom.start);
      if (offset > UINT32_MAX || length > UINT32_MAX) return;
      r.ThumbOffset = static_cast<uint32_t>(offset);
      r.ThumbLength = static_cast<uint32_t>(length);
      return;
    }
    previous = current;
  }
}

}  // namespace

DurationParts SplitDuration(uint64_t milliseconds) {
  return DurationParts{milliseconds / 60000, static_cast<uint32_t>(milliseconds / 1000 % 60),
                       static_cast<uint32_t>(milliseconds % 1000)};
}

std::string MovieLengthText(uint64_t duration, uint32_t time_scale) {
  if (time_scale == 0) return "--";
  // The length in hundredths of a second, rounded once (halves to even):
  // the whole seconds, then the rest of the duration in hundredths.
  const uint64_t whole = duration / time_scale;
  const uint64_t rest = duration % time_scale;
  const uint64_t hundredths =
      std::min(whole, UINT64_MAX / 100 - 1) * 100 + RoundedQuotient(rest * 100, time_scale);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%02llu:%02u.%02u",
                static_cast<unsigned long long>(hundredths / 6000),
                static_cast<unsigned>(hundredths / 100 % 60), static_cast<unsigned>(hundredths % 100));
  return std::string(buf) + "(秒)";
}

void ReadMovie(Reader& f, uint64_t start, TMakerResult& result) {
  ResetRows(result);
  try {
    WalkAtoms(f, false, start, [&](const Atom& atom) {
      if (atom.type == "PICT") FindPictPreview(f, atom, result);
      else if (atom.type == "moov") WalkMovieChildren(f, f.Position(), result);
      return true;
    });
  } catch (const ReadError&) {
    // A truncated movie keeps the rows read before the cut.
  }
}

void ListBoxes(Reader& f, bool intel, uint64_t start, TMakerResult& result) {
  ResetRows(result);
  try {
    WalkAtoms(f, intel, start, [&](const Atom& box) {
      AddItem(result, box.type, std::to_string(box.size));
      return true;
    });
  } catch (const ReadError&) {
    // A truncated file keeps the boxes listed before the cut.
  }
}

}  // namespace kelvane
