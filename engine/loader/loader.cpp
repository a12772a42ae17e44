#include "engine/loader/loader.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

#include "engine/containers/avi.h"
#include "engine/containers/box_kinds.h"
#include "engine/containers/canon_vrd.h"
#include "engine/containers/cr3.h"
#include "engine/containers/crw.h"
#include "engine/containers/dicom.h"
#include "engine/containers/heif.h"
#include "engine/containers/embedded_metadata.h"
#include "engine/containers/file_signature.h"
#include "engine/containers/iptc.h"
#include "engine/containers/jxl.h"
#include "engine/containers/movie_details.h"
#include "engine/containers/movie_xmp.h"
#include "engine/containers/photoshop.h"
#include "engine/containers/png.h"
#include "engine/containers/quicktime.h"
#include "engine/containers/webp.h"
#include "engine/containers/x3f.h"
#include "engine/loader/flashpix.h"
#include "engine/loader/interop_rows.h"
#include "engine/loader/loader_records.h"
#include "engine/loader/raw_headers.h"
#include "engine/loader/xmp_group.h"
#include "engine/makernote/maker_code.h"
#include "engine/makernote/maker_dispatch.h"
#include "engine/makernote/makernote.h"
#include "engine/reader/primitives.h"
#include "engine/tiff/gps.h"
#include "engine/tiff/ifd_walker.h"
#include "engine/xmp/extended_xmp.h"

namespace kelvane {

namespace {

constexpr const char* kErrorCaption = "エラー";
constexpr const char* kCannotOpen = "ファイルが開けません";
constexpr const char* kNoExif = "Exif情報が見つかりません";
constexpr const char* kMakerCaption = "メーカー独自情報";

// Custom-function rows of Canon maker notes are held back and shown last.
constexpr int32_t kCustomFunctionFirst = 0x90F000;
constexpr int32_t kCustomFunctionEnd = 0x90FFFF;

// The JPEG walk's limit and the markers it treats apart.
constexpr int kMaxJpegSegments = 100;
constexpr uint32_t kTemporary = 0xFF01;
constexpr uint32_t kRestartFirst = 0xFFD0;
constexpr uint32_t kRestartLast = 0xFFD7;
constexpr uint32_t kEndOfImage = 0xFFD9;
constexpr uint32_t kStartOfScan = 0xFFDA;
// A JFIF extension segment's identifier and the extension code of a JPEG
// thumbnail.
constexpr std::string_view kJfxxThumbnailHeader{"JFXX\0\x10", 6};

constexpr const char* kTiffExtensions[] = {".cr2", ".dcr", ".orf", ".nsk", ".nef", ".pef",
                                           ".erf", ".srf", ".dng", ".tiff", ".tif", ".arw",
                                           ".sr2", ".srw", ".nrw", ".rwl", ".3fr", ".iiq",
                                           ".rw2"};

// The TIFF raws of today's cameras: where IFD1 holds no thumbnail, their
// embedded JPEG preview is shown instead.
constexpr const char* kPreviewRawExtensions[] = {".arw", ".sr2", ".srw", ".nrw", ".rwl", ".3fr",
                                                 ".iiq", ".rw2", ".orf", ".pef", ".dng"};

bool IsOneOf(const std::string& ext, std::span<const char* const> list) {
  return std::any_of(list.begin(), list.end(), [&](const char* e) { return ext == e; });
}

bool Contains(const std::string& s, const char* what) { return s.find(what) != std::string::npos; }

// The first `want` characters of what ReadTextSkipNul(count) would give,
// with the same error when the count runs past the end of the file, without
// reading the rest: an APP13 segment is only tested for its identifier.
std::string LeadingTextSkipNul(Reader& f, int64_t count, size_t want) {
  if (count <= 0) return {};
  if (static_cast<uint64_t>(count) > f.Remaining()) throw ReadError("segment past the end");
  std::string out;
  while (count > 0 && out.size() < want) {
    int64_t chunk = std::min<int64_t>(count, 64);
    for (char c : ReadRaw(f, chunk))
      if (c != '\0') out.push_back(c);
    count -= chunk;
  }
  return out;
}

// Bytes of a JPEG segment of `length` (its length field included) that lie
// behind the first `skip` bytes of its data.
uint32_t BytesLeft(uint32_t length, uint32_t skip) {
  return length >= skip + 2 ? length - 2 - skip : 0;
}

bool StartsWith(const std::string& s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// Where the loader goes after the JPEG walk and the extension dispatch.
enum class Next { kStop, kTiffPath, kMainIFD };

// An absolute position and length in the file (0, 0: none).
struct Block {
  uint64_t pos = 0;
  uint64_t len = 0;
};

// What the JPEG segment walk found for the later steps.
struct JpegSegments {
  uint64_t exif_pos = 0;  // the TIFF header of the APP1 Exif block
  uint64_t meta_pos = 0;  // a Kodak Meta block (APP1 or APP3 "Meta")
  Block photoshop;        // the image resources of an APP13 segment
  std::vector<uint64_t> fpxr;  // FlashPix APP2 segments
  Block jfxx_thumbnail;        // the JPEG thumbnail of a JFXX APP0 segment
};

// What a run of Photoshop image resources reported.
struct ResourceFindings {
  Block thumbnail;         // its JPEG thumbnail
  uint32_t exif_base = 0;  // its Exif block's TIFF header
};

// PNG, WebP and JPEG XL are read alike: a header group (and, for PNG, a
// group of its text chunks), then the Exif block they hold goes the TIFF
// path and their XMP packet's place is noted.
struct ContainerKind {
  const char* caption;
  const char* missing;        // the error row's value when the header is not found
  const char* texts_caption;  // nullptr: no text group
  XmpPlaces::Coding compressed_xmp;
  bool (*read)(Reader& f, TMakerResult& header, TMakerResult& texts, EmbeddedMetadata& found);
};

constexpr ContainerKind kPngKind{"PNG情報", "PNG情報が見つかりません", "PNGテキスト情報",
                                 XmpPlaces::Coding::kZlib, ReadPng};
constexpr ContainerKind kWebPKind{
    "WebP情報", "WebP情報が見つかりません", nullptr, XmpPlaces::Coding::kPlain,
    [](Reader& f, TMakerResult& header, TMakerResult&, EmbeddedMetadata& found) {
      return ReadWebP(f, header, found);
    }};
constexpr ContainerKind kJxlKind{
    "JPEG XL情報", "JPEG XL情報が見つかりません", nullptr, XmpPlaces::Coding::kBrotli,
    [](Reader& f, TMakerResult& header, TMakerResult&, EmbeddedMetadata& found) {
      return ReadJxl(f, header, found);
    }};

class Run {
 public:
  // A run lives on the stack; its records are the loader's, made new for
  // each run but with their rows' storage kept.
  Run(Reader& f, const std::string& path, const LoadSwitches& sw, InfoTree& tree,
      PageFields& page, LoaderRecords& records)
      : f_(f), ext_(LowerExtension(path)), sw_(sw), tree_(tree), page_(page), rec_(records),
        main_(records.main), sub_(records.sub), temp_(records.temp) {
    records.Renew();
  }

  void Steps() {
    // A HEIF, CR3 or movie is known by its `ftyp` box whatever its name.
    box_kind_ = RecognizeBoxFile(f_, ext_);
    JpegSegments jpeg;
    if (box_kind_ == BoxFileKind::kNone && IsJpeg()) jpeg = WalkJpeg();
    try {
      if (jpeg.photoshop.pos != 0) {
        // The resources run from behind the identifier to the segment's end.
        embedded_jpeg_ = ShowResources(jpeg.photoshop, true, true).thumbnail;
      }
      Next next;
      if (jpeg.exif_pos != 0) {
        f_.Seek(jpeg.exif_pos);
        next = Next::kTiffPath;
      } else {
        next = Dispatch();
      }
      TiffPath(next, jpeg);
    } catch (...) {
      // What the walk found is still shown when a later step fails.
      try {
        Finish(jpeg);
      } catch (...) {
      }
      throw;
    }
    Finish(jpeg);
  }

 private:
  // The JFXX thumbnail when nothing else gave one; the XMP group after the
  // Exif groups.
  void Finish(const JpegSegments& jpeg) {
    ShowJfxxThumbnail(jpeg.jfxx_thumbnail);
    if (sw_.xmp) AddXmpGroup(f_, xmp_, sw_.abbreviated, tree_);
  }

  // From the TIFF header (kTiffPath) or from IFD0 (kMainIFD) on; `jpeg` is
  // what the JPEG walk found.
  void TiffPath(Next next, const JpegSegments& jpeg = {}) {
    if (next == Next::kStop) return;
    if (next == Next::kTiffPath && !ReadTiffHeader()) return;
    ShowMain();
    ShowIFD0Blocks();
    if (main_.ExifIFD != 0) {
      ShowSub();
      ShowGps();
      const int64_t print_im = ShowMakerNotes();
      ShowPrintIM(print_im);
      if (!sw_.abbreviated && sub_.InteropIFD != 0)
        AddInteropRows(f_, intel_, base_, sub_.InteropIFD, rec_.block, tree_);
    }
    ShowThumbnail();
    ShowKodakMeta(jpeg.meta_pos);
    for (uint64_t p : jpeg.fpxr) AddFlashPixRows(f_, p, content_names_, tree_);
    if (panasonic_raw_) ShowEmbeddedJpegExif();
  }

  // A Panasonic raw's embedded JPEG carries the camera's full Exif block
  // (the maker notes, the lens); its groups follow the raw's own, after a
  // caption naming them. The raw's preview stays the thumbnail.
  void ShowEmbeddedJpegExif() {
    if (preview_jpeg_.offset == 0) return;
    const uint64_t jpeg = uint64_t{base_} + preview_jpeg_.offset;
    f_.Seek(jpeg);
    if (f_.Remaining() < 12 || ReadBigEndian(f_, 2) != 0xFFD8 || ReadBigEndian(f_, 2) != 0xFFE1)
      return;
    f_.Skip(2);
    if (ReadRaw(f_, 6) != std::string_view("Exif\0\0", 6) || jpeg + 12 > UINT32_MAX) return;
    Add(kStyleCaption, "埋め込みJPEG", "(Exif情報)");
    Run embedded(f_, ext_, sw_, tree_, page_, rec_);
    embedded.record_thumbnail_ = false;
    embedded.base_ = static_cast<uint32_t>(jpeg + 12);
    embedded.TiffPath(Next::kTiffPath);
  }

  void Add(int style, std::string_view name, std::string_view value = {}) {
    tree_.AddRow(style, name, value);
  }

  // A result row goes into the tree. Its texts are copied into the storage
  // of a row an earlier run left; the record keeps its own for the next run.
  void Add(int style, const TIFDItem& item) {
    if (item.NameFromTable)
      tree_.AddRowUtf8Name(style, item.Name, item.Value);
    else
      tree_.AddRow(style, item.Name, item.Value);
  }

  // Rows of a result in one style.
  template <typename Result>
  void AddRows(Result& r, int style) {
    for (int32_t i = 0; i < std::min<int32_t>(r.Count, kRowCapacity); ++i)
      Add(style, r.Items[static_cast<size_t>(i)]);
  }

  // Rows of an IFD result with a style table; detail rows are left out of
  // the abbreviated view.
  template <typename Result, typename OnRow>
  void AddStyledRows(Result& r, RowStyle TIFDItem::*style_of, OnRow on_row) {
    for (int32_t i = 0; i < std::min<int32_t>(r.Count, kRowCapacity); ++i) {
      TIFDItem& item = r.Items[static_cast<size_t>(i)];
      on_row(item);
      int style = item.*style_of;
      if (sw_.abbreviated && style == kStyleDetail) continue;
      Add(style, item);
    }
  }

  bool IsJpeg() {
    f_.Seek(6);
    std::string kind = ReadRaw(f_, 4);
    return kind == "JFIF" || kind == "Exif" || ext_ == ".jpg";
  }

  // The segment walk. A read error ends it, not the run: what it found
  // before is decoded all the same.
  JpegSegments WalkJpeg() {
    JpegSegments found;
    try {
      WalkSegments(found);
    } catch (const ReadError&) {
    }
    return found;
  }

  // From SOI up to the first frame header (SOF0, SOF2), the start of the
  // scan or EOI, at most 100 markers. Markers without a length (TEM, RST0 to
  // RST7) and the fill bytes 0xFF before a marker are stepped over.
  void WalkSegments(JpegSegments& found) {
    f_.Seek(4);
    uint32_t app0_length = ReadBigEndian(f_, 2);
    if (ReadRaw(f_, 4) == "JFIF") base_ = app0_length + 14;

    f_.Seek(2);
    for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
      uint32_t marker = ReadBigEndian(f_, 2);
      while (marker == 0xFFFF) marker = 0xFF00 | ReadByte(f_);
      if (marker == kEndOfImage || marker == kStartOfScan) return;
      if (marker == kTemporary || (marker >= kRestartFirst && marker <= kRestartLast)) continue;
      uint32_t length = ReadBigEndian(f_, 2);
      if (length < 2) return;
      uint64_t seg_start = f_.Position();
      std::string caption;
      std::string value;
      int style = kStyleDetail;
      if (marker == 0xFFE1) {
        value = ReadRaw(f_, 4);
        caption = "JFIF_APP1";
        if (value == "Exif") {
          found.exif_pos = f_.Position() + 2;
          base_ = static_cast<uint32_t>(found.exif_pos);
        } else if (value == "Meta") {
          found.meta_pos = f_.Position();
        } else if (value == "http") {
          NoteXmpSegment(seg_start, length);
        }
      } else if (marker == 0xFFE2) {
        caption = "JFIF_APP2";
        value = ReadRaw(f_, 11);
        if (value == "ICC_PROFILE") {
          style = kStyleKey;
          value = "ICC Profile (offset:" + std::to_string(seg_start + 11) +
                  " size:" + std::to_string(int64_t{length} - 9) + "bytes)";
        }
        if (StartsWith(value, "FPXR")) {
          value = "FXPR (offset:" + std::to_string(seg_start) +
                  " size:" + std::to_string(int64_t{length} - 9) + "bytes)";
          found.fpxr.push_back(seg_start);
        }
      } else if (marker == 0xFFE3) {
        value = ReadRaw(f_, 4);
        caption = "JFIF_APP3";
        if (value == "Meta") {
          found.meta_pos = f_.Position();
          value = "Kodak Meta IFD";
        }
      } else if (marker >= 0xFFE4 && marker <= 0xFFEB) {
        caption = "JFIF_APPx";
        value = "Unknown:" + HexDigits(marker, 4);
      } else if (marker == 0xFFEC) {
        caption = "JFIF_APP12";
        value = ReadTextSkipNul(f_, int64_t{length} - 2);
      } else if (marker == 0xFFED) {
        value = LeadingTextSkipNul(f_, int64_t{length} - 2, 18);
        caption = "JFIF_APP13";
        // The resources run from behind the identifier to the segment's end.
        if (StartsWith(value, "Photoshop 3.0")) {
          value = "Photoshop 3.0";
          found.photoshop = {static_cast<uint32_t>(seg_start + 13), BytesLeft(length, 13)};
        } else if (StartsWith(value, "Adobe_Photoshop2.5")) {
          value = "Adobe_Photoshop2.5";
          found.photoshop = {static_cast<uint32_t>(seg_start + 27), BytesLeft(length, 27)};
        } else {
          value = "Unknown:" + HexDigits(marker, 4);
        }
      } else if (marker == 0xFFEE) {
        value = ReadRaw(f_, 13);
        caption = "JFIF_APP14";
      } else if (marker == 0xFFFE) {
        caption = "コメント";
        value = ReadRaw(f_, int64_t{length} - 2);
      } else if (marker == 0xFFE0) {
        // A JFIF extension segment that holds a JPEG thumbnail: the stream
        // runs from behind the extension code to the segment's end.
        constexpr auto header = static_cast<uint32_t>(kJfxxThumbnailHeader.size());
        if (BytesLeft(length, header) > 0 && ReadRaw(f_, header) == kJfxxThumbnailHeader) {
          found.jfxx_thumbnail = {seg_start + header, BytesLeft(length, header)};
          caption = "JFIF_APP0";
          value = "JFXX Thumbnail (offset:" + std::to_string(found.jfxx_thumbnail.pos) +
                  " size:" + std::to_string(found.jfxx_thumbnail.len) + "bytes)";
        }
      } else if (marker == 0xFFC0 || marker == 0xFFC2) {
        return;
      }
      if (!caption.empty()) Add(style, caption, value);
      f_.Seek(seg_start + length - 2);
      if (f_.AtEnd()) return;
    }
  }

  // An APP1 segment holding the XMP packet or a chunk of its extension.
  void NoteXmpSegment(uint64_t seg_start, uint32_t length) {
    const uint64_t data_length = BytesLeft(length, 0);
    auto holds = [&](std::string_view signature) {
      if (data_length < signature.size()) return false;
      f_.Seek(seg_start);
      return ReadRaw(f_, static_cast<int64_t>(signature.size())) == signature;
    };
    if (holds(xmp::kMainXmpSignature)) {
      const uint64_t n = xmp::kMainXmpSignature.size();
      xmp_.Note(seg_start + n, data_length - n);
    } else if (holds(xmp::kExtendedXmpSignature)) {
      const uint64_t n = xmp::kExtendedXmpSignature.size();
      xmp_.extension.push_back({seg_start + n, data_length - n});
    }
  }

  // Photoshop image resources: AdobeResource (outside the abbreviated
  // view), then, when `with_iptc` is set, the IPTC block among them. A
  // JPEG segment's resources (`from_segment`) name their blocks as a
  // document's do.
  ResourceFindings ShowResources(Block block, bool from_segment, bool with_iptc) {
    TMakerResult& r = rec_.resources;
    ResourceData xmp;
    ReadImageResources(f_, false, block.pos, static_cast<uint32_t>(block.len), from_segment, r,
                       &xmp);
    xmp_.Note(xmp.pos, xmp.length);
    if (!sw_.abbreviated) {
      Add(kStyleCaption, "AdobeResource");
      AddRows(r, kStyleDetail);
    }
    if (with_iptc && sw_.iptc && r.LinkOffset != 0) ShowIptc({r.LinkOffset, r.LinkSize});
    return {{r.ThumbOffset, r.ThumbLength}, r.ExifBase};
  }

  void ShowIptc(Block block) {
    Add(kStyleCaption, "IPTC");
    ReadIPTC(f_, false, block.pos, static_cast<uint32_t>(block.len), rec_.iptc);
    AddRows(rec_.iptc, kStyleDetail);
  }

  Next Dispatch() {
    if (box_kind_ == BoxFileKind::kHeif) return ShowHeif();
    if (box_kind_ == BoxFileKind::kCr3) return ShowCr3();
    // PNG, WebP and JPEG XL by their first bytes or their extension.
    const SignatureKind kind = RecognizeSignature(f_);
    if (kind == SignatureKind::kPng || ext_ == ".png") return ShowContainer(kPngKind);
    if (kind == SignatureKind::kWebP || ext_ == ".webp") return ShowContainer(kWebPKind);
    if (kind == SignatureKind::kJxl || ext_ == ".jxl") return ShowContainer(kJxlKind);
    const Next next = DispatchByExtension();
    // A TIFF header under a name the table does not know.
    if (next == Next::kStop && kind == SignatureKind::kTiff && !dispatched_) {
      base_ = 0;
      return Next::kTiffPath;
    }
    return next;
  }

  Next ShowContainer(const ContainerKind& kind) {
    Add(kStyleCaption, kind.caption);
    EmbeddedMetadata found;
    if (!kind.read(f_, rec_.container, rec_.block, found)) {
      Add(kStyleDetail, kErrorCaption, kind.missing);
      return Next::kStop;
    }
    AddRows(rec_.container, kStyleKey);
    if (kind.texts_caption && rec_.block.Count > 0) {
      Add(kStyleCaption, kind.texts_caption);
      AddRows(rec_.block, kStylePlain);
    }
    xmp_.Note(found.xmp_pos, found.xmp_length,
              found.xmp_compressed ? kind.compressed_xmp : XmpPlaces::Coding::kPlain);
    return ExifOf(found);
  }

  // A container's Exif block into the TIFF path: at its place in the file,
  // or, when it was decoded from the file (hex text, a compressed box), read
  // from memory by a run of its own over the same tree. Such a block's
  // thumbnail has no place in the file to be saved from, so none is
  // recorded.
  Next ExifOf(EmbeddedMetadata& found) {
    if (found.exif_tiff_pos != 0 && found.exif_tiff_pos <= UINT32_MAX) {
      base_ = static_cast<uint32_t>(found.exif_tiff_pos);
      return Next::kTiffPath;
    }
    if (found.exif_block.empty()) return Next::kStop;
    MemoryReader block(std::move(found.exif_block));
    Run decoded(block, ext_, sw_, tree_, page_, rec_);
    decoded.record_thumbnail_ = false;
    decoded.base_ = 0;
    decoded.TiffPath(Next::kTiffPath);
    return Next::kStop;
  }

  Next DispatchByExtension() {
    dispatched_ = true;
    TMakerResult& r = rec_.container;
    if (box_kind_ == BoxFileKind::kMovie || ext_ == ".mov") {
      Add(kStyleCaption, ext_ == ".mov" ? "QuickTime Movie" : "MP4 Movie");
      ReadMovie(f_, 0, r);
      base_ = 0;
      const MovieDetails details = ReadMovieDetails(f_, r);
      const ItemSpan xmp = FindMovieXmp(f_);
      xmp_.Note(xmp.offset, xmp.length);
      AddRows(r, kStyleKey);
      if (r.ThumbOffset != 0 && r.ThumbLength != 0) ShowJpegThumbnail(r.ThumbOffset, r.ThumbLength);
      ShowMovieLocation(details.location);
      return Next::kStop;
    }
    if (ext_ == ".jp2") {
      Add(kStyleCaption, "JPEG2000");
      ListBoxes(f_, false, 0, r);
      AddRows(r, kStyleKey);
      return Next::kStop;
    }
    if (ext_ == ".x3f") {
      Add(kStyleCaption, "X3F");
      ReadX3F(f_, r);
      AddRows(r, kStyleKey);
      return Next::kStop;
    }
    if (ext_ == ".avi") {
      Add(kStyleCaption, "AVI");
      EmbeddedMetadata found;
      ReadAVI(f_, r, &found);
      AddRows(r, kStyleKey);
      xmp_.Note(found.xmp_pos, found.xmp_length);
      if (r.ExifBase == 0) return Next::kStop;
      intel_ = true;
      base_ = r.ExifBase;
      ifd0_offset_ = 0;
      return Next::kMainIFD;
    }
    if (ext_ == ".crw") {
      base_ = 0;
      Add(kStyleCaption, "Canon CRW 情報");
      int32_t width = 0, height = 0, rotation = 0;
      ReadCRW(f_, 0, width, height, rotation, r);
      for (int32_t i = 0; i < std::min<int32_t>(r.Count, kRowCapacity); ++i) {
        const TIFDItem& item = r.Items[static_cast<size_t>(i)];
        if (!Contains(item.Name, "Unknown"))
          Add(kStyleKey, item.Name, item.Value);
        else if (!sw_.abbreviated)
          Add(kStylePlain, item.Name, item.Value);
      }
      // The embedded JPEG is shown as a movie's is.
      if (r.ThumbOffset != 0 && r.ThumbLength != 0) ShowJpegThumbnail(r.ThumbOffset, r.ThumbLength);
      const ItemSpan xmp = FindCanonVrdXmp(f_);
      xmp_.Note(xmp.offset, xmp.length);
      return Next::kStop;
    }
    if (ext_ == ".raf") {
      uint32_t origin = 0;
      ReadFujiHeader(f_, tree_, base_, origin);
      return Next::kTiffPath;
    }
    if (ext_ == ".mrw") {
      ReadMinoltaHeader(f_, tree_, base_);
      return Next::kTiffPath;
    }
    for (const char* e : kTiffExtensions) {
      if (ext_ == e) {
        base_ = 0;
        return Next::kTiffPath;
      }
    }
    if (ext_ == ".psd") {
      base_ = 0;
      Add(kStyleCaption, "Photoshop PSD");
      ReadPhotoshopHeader(f_, false, 0, r);
      AddRows(r, kStylePlain);
      embedded_jpeg_ = {};
      if (r.LinkOffset != 0) {
        // The resources' Exif block, when they hold one, is the TIFF path's.
        const ResourceFindings found = ShowResources({r.LinkOffset, r.LinkSize}, false, true);
        embedded_jpeg_ = found.thumbnail;
        if (found.exif_base != 0) base_ = found.exif_base;
      }
      return Next::kTiffPath;
    }
    if (ext_ == ".dcm") {
      f_.Seek(0);
      int64_t p = FindDicomPrefix(f_);
      if (p == -1) {
        Add(kStyleDetail, kErrorCaption, kCannotOpen);
      } else {
        Add(kStyleCaption, "DICOMヘッダー");
        ReadDICOM(f_, true, static_cast<uint64_t>(p), r);
        AddRows(r, kStylePlain);
      }
      return Next::kStop;
    }
    dispatched_ = false;
    return Next::kStop;
  }

  // A HEIF image's header rows; its Exif item goes the TIFF path.
  Next ShowHeif() {
    Add(kStyleCaption, IsAvif(f_) ? "AVIF 情報" : "HEIF 情報");
    HeifItems items = ReadHeif(f_, rec_.container);
    AddRows(rec_.container, kStyleKey);
    xmp_.Note(items.xmp.offset, items.xmp.length);
    EmbeddedMetadata found;
    found.exif_tiff_pos = items.exif_tiff;
    found.exif_block = std::move(items.exif_block);
    return ExifOf(found);
  }

  // A CR3's blocks are TIFF blocks of their own, each with its own header:
  // IFD0, the Exif IFD, the Canon maker note and the GPS IFD go the steps
  // of the TIFF path one by one, each from its block's header.
  Next ShowCr3() {
    Add(kStyleCaption, "Canon CR3 情報");
    const Cr3Parts parts = ReadCr3(f_, rec_.container);
    AddRows(rec_.container, kStyleKey);
    const ItemSpan xmp = FindMovieXmp(f_);
    xmp_.Note(xmp.offset, xmp.length);
    auto enter = [this](uint64_t tiff) {
      if (tiff == 0 || tiff > UINT32_MAX) return false;
      base_ = static_cast<uint32_t>(tiff);
      return ReadTiffHeader();
    };
    if (enter(parts.ifd0)) {
      ShowMain();
      ShowIFD0Blocks();
    }
    if (enter(parts.exif)) {
      const uint32_t exif_base = base_;
      const bool exif_intel = intel_;
      main_.ExifIFD = ifd0_offset_;
      ShowSub();
      if (enter(parts.gps)) {
        main_.GPSIFD = ifd0_offset_;
        ShowGps();
      }
      if (enter(parts.maker_note)) {
        sub_.MakerNoteIFD = ifd0_offset_;
        sub_.MakerNoteSize = 0;  // a note of its own, not an Exif MakerNote
        ShowMakerNotes();
      }
      if (!sw_.abbreviated && sub_.InteropIFD != 0)
        AddInteropRows(f_, exif_intel, exif_base, sub_.InteropIFD, rec_.block, tree_);
    }
    ShowJpegThumbnail(parts.thumbnail.offset, parts.thumbnail.length);
    return Next::kStop;
  }

  // Reads the byte order and magic at `tiff_base`, leaving the file after
  // the magic; false when they are not a TIFF header. 42 is accepted in
  // both orders, and "OR"/"RO" as Olympus writes them in either order.
  bool ReadByteOrderAndMagic(uint64_t tiff_base, bool& intel) {
    f_.Seek(tiff_base);
    std::string order = ReadRaw(f_, 2);
    if (order != "II" && order != "MM") return false;
    intel = order == "II";
    std::string magic = ReadRaw(f_, 2);
    std::string forty_two = intel ? std::string("\x2A\x00", 2) : std::string("\x00\x2A", 2);
    return magic == forty_two || magic == "OR" || magic == "RO";
  }

  // The raw forms of a TIFF header: Panasonic's "IIU\0" (magic 0x55, IFD0
  // with tags of its own) and Olympus' "IIRS".
  bool ReadRawTiffHeader() {
    f_.Seek(base_);
    const std::string header = ReadRaw(f_, 4);
    panasonic_raw_ = header == std::string("IIU\0", 4);
    if (!panasonic_raw_ && header != "IIRS") return false;
    intel_ = true;
    return true;
  }

  bool ReadTiffHeader() {
    if (!ReadByteOrderAndMagic(base_, intel_) && !ReadRawTiffHeader()) {
      Add(kStyleDetail, kErrorCaption, kNoExif);
      return false;
    }
    ifd0_offset_ = ReadValue(f_, intel_, ext_ == ".dcr" ? 2 : 4);
    return true;
  }

  void ShowMain() {
    Add(kStyleCaption, "メイン情報");
    const IfdTable table = panasonic_raw_ ? IfdTable::kPanasonicRaw : IfdTable::kTiff;
    ReadIFD(f_, intel_, base_, uint64_t{base_} + ifd0_offset_, maker_code_, temp_, main_, makers_,
            table);
    // IFD0's own JPEG, and one it points to by a tag of its own (IFD1 will
    // reuse the record).
    ifd0_jpeg_ = {main_.ThumbOffset, main_.ThumbLength};
    preview_jpeg_ = {temp_.PreviewOffset, temp_.PreviewLength};
    main_.NextIFD = ReadValue(f_, intel_, 4);
    if (temp_.Photometric == 2) {
      try {
        page_.Thumbnail =
            ReadRgbThumbnail(f_, intel_, base_, uint64_t{base_} + ifd0_offset_, temp_);
      } catch (...) {
        page_.Thumbnail.reset();
      }
    }
    AddStyledRows(main_, &TIFDItem::Style, [](const TIFDItem&) {});
  }

  void ShowIFD0Blocks() {
    xmp_.Note(temp_.XmpPos, temp_.XmpLength);
    if (temp_.KodakCameraInfoIFD != 0) {
      ReadIFD(f_, intel_, base_, uint64_t{base_} + temp_.KodakCameraInfoIFD, maker_code_,
              rec_.temp2, rec_.other, makers_);
      Add(kStyleCaption, "Kodak CameraInfo IFD");
      AddRows(rec_.other, kStyleDetail);
    }
    uint32_t listed = std::min<uint32_t>(temp_.SubIFDCount, kListedIFDCapacity);
    for (uint32_t i = 0; i < listed; ++i) {
      const std::string name = temp_.SubIFDName[i];
      const uint32_t offset = temp_.SubIFDOffset[i];
      if (name == "PrintIM IFD") {
        if (!sw_.pim) continue;
        ShowPrintIMBlock(offset);
      } else if (!sw_.abbreviated) {
        ReadIFD(f_, intel_, base_, uint64_t{base_} + offset, maker_code_, rec_.temp2, rec_.other,
                makers_);
        Add(kStyleCaption, name);
        AddRows(rec_.other, kStyleDetail);
      }
    }
    if (temp_.PhotoshopPos != 0) {
      // The tag holds a bare run of resources, names length-prefixed; the
      // IPTC shown is the IPTC tag's.
      embedded_jpeg_ = ShowResources({temp_.PhotoshopPos, temp_.PhotoshopCount}, false, false).thumbnail;
    }
    if (sw_.iptc && temp_.IPTCPos != 0) ShowIptc({temp_.IPTCPos, temp_.IPTCSize});
  }

  void ShowSub() {
    Add(kStyleCaption, "サブ情報");
    ReadIFD(f_, intel_, base_, uint64_t{base_} + main_.ExifIFD, maker_code_, temp_, sub_, makers_);
    AddStyledRows(sub_, &TIFDItem::ExifStyle, [this](const TIFDItem& item) {
      if (item.Tag == 0x9286) {
        page_.NameEdit = " " + item.Name;
        page_.Memo1 = item.Value;
      }
    });
  }

  void ShowGps() {
    if (main_.GPSIFD == 0) return;
    Add(kStyleCaption, "GPS情報");
    TMakerResult& gps = rec_.block;
    ReadGPS(f_, intel_, base_, uint64_t{base_} + main_.GPSIFD, gps);
    bool latitude_row = false;
    AddStyledRows(gps, &TIFDItem::Style, [&](const TIFDItem& item) {
      if (item.Tag == 2) latitude_row = true;
    });
    if (latitude_row) SetMapFields(gps.Texts);
  }

  // A movie's ISO 6709 location, shown as a photo's GPS IFD would be.
  void ShowMovieLocation(const std::string& location) {
    TMakerResult& gps = rec_.block;
    if (location.empty() || !ReadIso6709Gps(location, gps)) return;
    Add(kStyleCaption, "GPS情報");
    bool latitude_row = false;
    AddStyledRows(gps, &TIFDItem::Style, [&](const TIFDItem& item) {
      if (item.Tag == 2) latitude_row = true;
    });
    if (latitude_row) SetMapFields(gps.Texts);
  }

  // The map link and coordinates, only for a position whose latitude and
  // longitude were both decoded (the GPS texts 8 and 9 are set). The texts
  // carry no hemisphere: a southern or western position gets its minus
  // sign here, so the map never shows the mirrored place.
  void SetMapFields(const std::array<std::string, 10>& t) {
    using namespace gps_text;
    if (t[kLongitudeArc].empty() || t[kLatitudeArc].empty()) return;
    const bool south = HemisphereIs(t[kLatitudeRef], 'S');
    const bool west = HemisphereIs(t[kLongitudeRef], 'W');
    auto signed_degrees = [](const std::string& text, bool negative) {
      return negative ? "-" + text : text;
    };
    auto signed_number = [](const std::string& text, bool negative) {
      return negative && text != "0" ? "-" + text : text;
    };
    page_.MapURL = std::string(kWebMapEndpoint) + "/c/f?nl=" +
                   signed_degrees(t[kLatitudeDeg], south) + "/" + t[kLatitudeMin] + "/" +
                   t[kLatitudeSec] + "&uc=1&grp=all&el=" + signed_degrees(t[kLongitudeDeg], west) +
                   "/" + t[kLongitudeMin] + "/" + t[kLongitudeSec];
    page_.ShowMapEnabled = true;
    page_.MapLon = signed_number(t[kLongitudeArc], west);
    page_.MapLat = signed_number(t[kLatitudeArc], south);
    page_.MapfannetEnabled = true;
  }

  static bool HemisphereIs(const std::string& ref, char letter) {
    size_t i = ref.find_first_not_of(' ');
    return i != std::string::npos &&
           std::toupper(static_cast<unsigned char>(ref[i])) == static_cast<unsigned char>(letter);
  }

  // The maker note's rows, its thumbnail IFD and its linked IFD. Answers
  // the PrintIM offset the note reports (relative to the TIFF header; -1:
  // search the file). The embedded JPEG it reports replaces any found
  // before; so does its absence, once a note was decoded.
  int64_t ShowMakerNotes() {
    TMakerResult& r = rec_.maker;
    int64_t print_im = 0;
    if (maker_code_ == Code(MakerCode::kToshibaHex)) {
      ReadToshibaBlock(sub_.MakerNoteText, r);
      embedded_jpeg_ = {};
      print_im = r.PrintIMOffset;
      if (r.Count != 0) {
        Add(kStyleCaption, kMakerCaption);
        AddRows(r, kStyleDetail);
      }
    }
    if (sub_.MakerNoteIFD == 0 || !IsMakerNoteDecodable(maker_code_)) return print_im;
    const bool maker_intel = MakerNoteIntel(maker_code_, intel_, sub_.MakerNoteText);
    // Every maker counts from the TIFF header; Fujifilm notes find their
    // own start.
    const uint64_t maker_note = uint64_t{base_} + sub_.MakerNoteIFD;
    const MakerNoteExtent extent{uint64_t{base_} + sub_.MakerNoteOffset, sub_.MakerNoteSize};
    ReadMakerNote(f_, maker_intel, base_, maker_note, maker_code_, r, extent, &rec_.maker_groups);
    embedded_jpeg_ = {r.ThumbOffset, r.ThumbLength};
    print_im = r.PrintIMOffset;
    if (r.Count != 0) {
      Add(kStyleCaption, kMakerCaption);
      AddMakerRows(r);
    }
    for (MakerGroup& group : rec_.maker_groups.Groups()) {
      if (group.rows.Count == 0) continue;
      Add(kStyleCaption, kMakerCaption, "(" + group.caption + ")");
      AddStyledRows(group.rows, &TIFDItem::Style, [](const TIFDItem&) {});
    }
    if (r.InnerIFD != 0) {
      // Nikon's thumbnail IFD counts from the TIFF header of its maker note.
      uint32_t inner_base = base_;
      bool inner_intel = maker_intel;
      if (auto header = FindEmbeddedTiffHeader(f_, maker_code_, maker_note)) {
        inner_base = static_cast<uint32_t>(header->position);
        inner_intel = header->intel;
      }
      ReadIFD(f_, inner_intel, inner_base, uint64_t{base_} + r.InnerIFD, maker_code_, temp_,
              rec_.other, makers_);
      Add(kStyleCaption, kMakerCaption, "(サムネイル情報 IFD)");
      AddRows(rec_.other, kStyleDetail);
    }
    if (r.LinkOffset != 0) {
      const auto code = static_cast<int32_t>(r.LinkSize);
      ReadMakerNote(f_, maker_intel, base_, uint64_t{base_} + r.LinkOffset, code, rec_.block);
      Add(kStyleCaption, kMakerCaption,
          ToMakerCode(code) == MakerCode::kRicohCameraInfo ? "(Ricoh Camera Info IFD)" : "");
      AddRows(rec_.block, kStyleDetail);
    }
    return print_im;
  }

  void AddMakerRows(TMakerResult& r) {
    auto held_back = [](int32_t tag) {
      return tag >= kCustomFunctionFirst && tag < kCustomFunctionEnd;
    };
    const int32_t count = std::min<int32_t>(r.Count, kRowCapacity);
    bool any_held = false;
    for (int32_t i = 0; i < count; ++i) {
      TIFDItem& item = r.Items[static_cast<size_t>(i)];
      if (held_back(item.Tag)) {
        any_held = true;
        continue;
      }
      if (item.Style == kStyleDetail && sw_.abbreviated) continue;
      Add(item.Style, item);
    }
    if (!any_held) return;
    for (int32_t i = 0; i < count; ++i) {
      TIFDItem& item = r.Items[static_cast<size_t>(i)];
      if (!held_back(item.Tag)) continue;
      int style = Contains(item.Name, "Unknown") ? kStyleDetail : kStyleKey;
      if (item.Tag == kCustomFunctionFirst) style = kStyleCaption;
      if (style == kStyleDetail && sw_.abbreviated) continue;
      Add(style, item);
    }
  }

  void ShowPrintIM(int64_t offset) {
    if (offset == -1) {
      f_.Seek(0);
      if (!ScanSignature(f_, "PrintIM").empty())
        offset = static_cast<int64_t>(f_.Position()) - base_ - 7;
      else
        offset = 0;
    }
    if (sw_.pim && offset != 0) ShowPrintIMBlock(offset);
  }

  // A PrintIM block at `offset` from the TIFF header: PIM情報, outside the
  // abbreviated view.
  void ShowPrintIMBlock(int64_t offset) {
    TMakerResult& r = rec_.block;
    ReadPrintIM(f_, intel_, base_, offset, maker_code_, main_.MakerNoteText, r);
    if (r.Count != 0 && !sw_.abbreviated) {
      Add(kStyleCaption, "PIM情報");
      AddRows(r, kStyleDetail);
    }
  }

  // A thumbnail found before IFD1 is the one shown: an AVI's in IFD0
  // (counted from the TIFF header), or the last one Photoshop resources, a
  // container or a maker note reported. IFD1's rows are shown all the same;
  // its thumbnail is the next choice, then a raw's preview.
  void ShowThumbnail() {
    Block earlier = embedded_jpeg_;
    if (ext_ == ".avi" && main_.ThumbOffset != 0)
      earlier = {uint64_t{base_} + main_.ThumbOffset, main_.ThumbLength};
    if (earlier.pos != 0) ShowJpegThumbnail(earlier.pos, earlier.len);
    if (main_.NextIFD != 0) {
      ReadIFD(f_, intel_, base_, uint64_t{base_} + main_.NextIFD, maker_code_, temp_, main_,
              makers_);
      if (!sw_.abbreviated) {
        Add(kStyleCaption, "サムネイル情報");
        AddRows(main_, kStyleDetail);
      }
      if (earlier.pos == 0 && main_.ThumbOffset != 0 && main_.ThumbLength != 0) {
        ShowJpegThumbnail(uint64_t{base_} + main_.ThumbOffset, main_.ThumbLength);
        if (page_.ThumbLen != 0) return;
      }
    }
    if (earlier.pos != 0) return;
    if (panasonic_raw_ || IsOneOf(ext_, kPreviewRawExtensions)) ShowRawPreview();
  }

  // A JFXX thumbnail is shown when the run found no other, also when a
  // later step ended it early.
  void ShowJfxxThumbnail(Block jfxx) {
    if (jfxx.pos == 0 || page_.ThumbLen != 0 || page_.Thumbnail) return;
    ShowJpegThumbnail(jfxx.pos, jfxx.len);
  }

  // A raw file's embedded JPEG preview, where IFD1 gave no thumbnail: IFD0's
  // own JPEG, the JPEG a tag of IFD0 holds (JpgFromRaw), or the first
  // reduced-resolution sub-IFD that holds a JPEG. Only a block that starts
  // as a JPEG stream does (SOI) is taken.
  void ShowRawPreview() {
    if (ShowPreviewIfJpeg(ifd0_jpeg_) || ShowPreviewIfJpeg(preview_jpeg_)) return;
    if (ifd0_offset_ == 0) return;
    // The sub-IFDs IFD0 lists, walked again quietly (IFD1 reused the lists).
    TempData& temp2 = rec_.temp2;
    TSubIFDResult& other = rec_.other;
    int32_t maker_code = maker_code_;
    ReadIFD(f_, intel_, base_, uint64_t{base_} + ifd0_offset_, maker_code, temp2, other);
    std::vector<uint32_t> sub_ifds;
    const uint32_t listed = std::min<uint32_t>(temp2.SubIFDCount, kListedIFDCapacity);
    for (uint32_t i = 0; i < listed; ++i)
      if (temp2.SubIFDName[i].starts_with("SubIFD(")) sub_ifds.push_back(temp2.SubIFDOffset[i]);
    for (uint32_t offset : sub_ifds) {
      // Facts a walk does not clear must not come from the last one.
      temp2.NewSubFileType = 0;
      temp2.StripByteCount = 0;
      ReadIFD(f_, intel_, base_, uint64_t{base_} + offset, maker_code, temp2, other);
      if (ShowPreviewIfJpeg({other.ThumbOffset, other.ThumbLength})) return;
      const bool reduced = (temp2.NewSubFileType & 1) != 0;
      const bool jpeg = temp2.Compression == 6 || temp2.Compression == 7;
      if (reduced && jpeg && ShowPreviewIfJpeg({temp2.StripOffset, temp2.StripByteCount}))
        return;
    }
  }

  // A block relative to the TIFF header.
  struct RelativeBlock {
    uint32_t offset = 0;
    uint32_t length = 0;
  };

  bool ShowPreviewIfJpeg(RelativeBlock block) {
    if (block.offset == 0 || block.length < 2) return false;
    const uint64_t position = uint64_t{base_} + block.offset;
    if (position > f_.Size() || f_.Size() - position < block.length) return false;
    f_.Seek(position);
    if (ReadBigEndian(f_, 2) != 0xFFD8) return false;
    ShowJpegThumbnail(position, block.length);
    return page_.ThumbLen != 0;
  }

  // Records the embedded JPEG for the front ends, which decode it when they
  // show it. A thumbnail that does not lie wholly inside the file is none.
  void ShowJpegThumbnail(uint64_t position, uint64_t length) {
    if (!record_thumbnail_) return;
    if (length == 0 || position > f_.Size() || length > f_.Size() - position) return;
    page_.ThumbPos = position;
    page_.ThumbLen = length;
  }

  void ShowKodakMeta(uint64_t meta_pos) {
    if (meta_pos == 0) return;
    const uint64_t meta_base = meta_pos + 2;
    bool intel = false;
    if (!ReadByteOrderAndMagic(meta_base, intel)) return;
    intel_ = intel;
    uint32_t offset = ReadValue(f_, intel_, 4);
    const auto meta_base32 = static_cast<uint32_t>(meta_base);
    ReadIFD(f_, intel_, meta_base32, meta_base + offset, maker_code_, temp_, rec_.other, makers_);
    Add(kStyleCaption, "Kodak Meta IFD");
    AddRows(rec_.other, kStyleDetail);
    uint32_t listed = std::min<uint32_t>(temp_.SubIFDCount, kListedIFDCapacity);
    for (uint32_t i = 0; i < listed; ++i) {
      MakerCode code = MakerCode::kNone;
      if (temp_.SubIFDName[i] == "KodakSpecialEffects IFD") code = MakerCode::kKodakEffects;
      if (temp_.SubIFDName[i] == "KodakBorders IFD") code = MakerCode::kKodakBorders;
      if (code == MakerCode::kNone) continue;
      ReadMakerNote(f_, intel_, meta_base32, meta_base + temp_.SubIFDOffset[i], Code(code),
                    rec_.block);
      Add(kStyleCaption, temp_.SubIFDName[i]);
      AddRows(rec_.block, kStyleDetail);
    }
  }

  Reader& f_;
  const std::string ext_;
  const LoadSwitches& sw_;
  InfoTree& tree_;
  PageFields& page_;

  LoaderRecords& rec_;
  // The two IFD results later steps read, and the side results every IFD
  // walk of the TIFF path adds to.
  TSubIFDResult& main_;
  TSubIFDResult& sub_;
  TempData& temp_;

  const MakerIdentification* makers_ = &MakerNoteIdentification();
  BoxFileKind box_kind_ = BoxFileKind::kNone;
  uint32_t base_ = 12;  // the TIFF header (absolute)
  bool intel_ = false;
  int32_t maker_code_ = 0;
  uint32_t ifd0_offset_ = 0;
  // The embedded JPEG thumbnail the last Photoshop resources, container or
  // maker note reported (absolute).
  Block embedded_jpeg_;
  ContentNameTable content_names_;
  // A Panasonic raw (its IFD0 has tags of its own), and its previews: IFD0's
  // own JPEG and the one a tag of IFD0 holds.
  bool panasonic_raw_ = false;
  RelativeBlock ifd0_jpeg_;
  RelativeBlock preview_jpeg_;
  bool dispatched_ = false;  // the extension table knew the file
  XmpPlaces xmp_;  // where the XMP packet lies
  // False when the thumbnail is not this run's to record: a block decoded
  // into memory has no place in the file, and a raw's embedded JPEG leaves
  // the raw's preview in place.
  bool record_thumbnail_ = true;
};

void Reset(const std::string& path, InfoTree& tree, PageFields& page) {
  tree.Clear();
  page = PageFields{};
  page.FileFolder = FolderOf(path);
  page.NameEdit = " 項目名";
}

}  // namespace

std::string LowerExtension(const std::string& path) {
  size_t dot = path.find_last_of('.');
  size_t sep = path.find_last_of("/\\");
  if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return {};
  std::string ext = path.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

Loader::Loader() : records_(std::make_unique<LoaderRecords>()) {}
Loader::~Loader() = default;

void Loader::LoadFrom(Reader& f, const std::string& path, const LoadSwitches& switches,
                      InfoTree& tree, PageFields& page) {
  TreeUpdate update(tree);
  Reset(path, tree, page);
  try {
    Run run(f, path, switches, tree, page, *records_);
    run.Steps();
  } catch (...) {
    // A truncated file, an offset past the end or an allocation failure ends
    // the run quietly with the rows added so far.
  }
}

void Loader::Load(const std::string& path, const LoadSwitches& switches, InfoTree& tree,
                  PageFields& page) {
  TreeUpdate update(tree);
  Reset(path, tree, page);
  std::unique_ptr<FileReader> f;
  try {
    f = FileReader::Open(path);
  } catch (...) {
  }
  if (!f) {
    tree.AddRow(kStyleDetail, kErrorCaption, kCannotOpen);
    return;
  }
  LoadFrom(*f, path, switches, tree, page);
}

void Load(const std::string& path, const LoadSwitches& switches, InfoTree& tree,
          PageFields& page) {
  Loader().Load(path, switches, tree, page);
}

void LoadFrom(Reader& f, const std::string& path, const LoadSwitches& switches, InfoTree& tree,
              PageFields& page) {
  Loader().LoadFrom(f, path, switches, tree, page);
}

}  // namespace kelvane
