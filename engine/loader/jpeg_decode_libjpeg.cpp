// DecodeJpeg over libjpeg(-turbo).
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "engine/loader/jpeg_decode.h"

namespace kelvane {

namespace {

// The most memory the decoder may take for one picture. A progressive JPEG
// keeps all of its coefficients; a file claiming a huge size then fails
// instead of allocating gigabytes.
constexpr long kMemoryLimit = 64L * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

// libjpeg's default ends the process; ours returns to the decode call.
extern "C" void ExitToDecoder(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::longjmp(err->jump, 1);
}

// Warnings about corrupt data are not printed.
extern "C" void IgnoreMessage(j_common_ptr) {}

// The decode itself. Only plain C objects live in this frame, so a longjmp
// out of libjpeg skips no destructor; `out` belongs to the caller.
bool DecodeTopLeft(const unsigned char* data, unsigned long size, Bitmap& out) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = ExitToDecoder;
  err.pub.output_message = IgnoreMessage;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMemoryLimit;
  jpeg_mem_src(&cinfo, data, size);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  cinfo.scale_num = 1;
  cinfo.scale_denom = 1;
  jpeg_start_decompress(&cinfo);

  const JDIMENSION show_w =
      cinfo.output_width < JDIMENSION{kJpegPictureWidth} ? cinfo.output_width : kJpegPictureWidth;
  const JDIMENSION show_h = cinfo.output_height < JDIMENSION{kJpegPictureHeight}
                                ? cinfo.output_height
                                : kJpegPictureHeight;
  // Only the left columns are converted (the crop may widen to a block edge).
  JDIMENSION x_offset = 0;
  JDIMENSION crop_w = show_w;
  if (crop_w < cinfo.output_width) jpeg_crop_scanline(&cinfo, &x_offset, &crop_w);

  // Room for one decoded row of the cropped width; libjpeg owns it.
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * static_cast<JDIMENSION>(cinfo.output_components), 1);
  out.width = static_cast<int>(show_w);
  out.height = static_cast<int>(show_h);
  unsigned char* dst = out.rgb.data();
  while (cinfo.output_scanline < show_h) {
    jpeg_read_scanlines(&cinfo, row, 1);
    std::memcpy(dst, row[0], size_t{show_w} * 3);
    dst += size_t{show_w} * 3;
  }
  // The rows below the picture are never decoded.
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

std::optional<Bitmap> DecodeJpeg(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  Bitmap picture;
  picture.rgb.resize(size_t{kJpegPictureWidth} * kJpegPictureHeight * 3);
  if (!DecodeTopLeft(reinterpret_cast<const unsigned char*>(bytes.data()),
                     static_cast<unsigned long>(bytes.size()), picture))
    return std::nullopt;
  picture.rgb.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 3);
  return picture;
}

}  // namespace kelvane
