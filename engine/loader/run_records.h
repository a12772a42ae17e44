// The records one run of the loader fills. The info tree keeps them between
// runs, so that a run refills the rows' storage the last one left instead of
// allocating it again.
#pragma once

#include "engine/reader/records.h"
#include "engine/tiff/ifd_walker.h"

namespace kelvane {

struct RunRecords {
  TSubIFDResult main, sub, other;
  TempData temp, temp2;
  TMakerResult r, r2;

  // Back to newly made records; the rows' storage stays.
  void Renew() {
    kelvane::Renew(main);
    kelvane::Renew(sub);
    kelvane::Renew(other);
    temp = TempData{};
    temp2 = TempData{};
    kelvane::Renew(r);
    kelvane::Renew(r2);
  }
};

}  // namespace kelvane
