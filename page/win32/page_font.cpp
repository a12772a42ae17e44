#include "page/win32/page_font.h"

namespace kelvane::page {

HFONT CreatePageFont(int pixels, int weight) {
  LOGFONTW lf = {};
  lf.lfHeight = -pixels;
  lf.lfWeight = weight;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  lstrcpynW(lf.lfFaceName, kPageFontFace, LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

}  // namespace kelvane::page
