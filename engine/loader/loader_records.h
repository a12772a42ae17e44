// The records one run of the loader fills. The Loader keeps them between
// runs, so that a run refills the rows' storage the last one left instead of
// allocating it again.
#pragma once

#include "engine/makernote/maker_groups.h"
#include "engine/reader/records.h"
#include "engine/tiff/ifd_walker.h"

namespace kelvane {

struct LoaderRecords {
  // IFD0 (and IFD1 after it), the Exif IFD, and any other IFD of the run.
  TSubIFDResult main, sub, other;
  // The side results of the TIFF path's walks, and of the IFDs IFD0 lists.
  TempData temp, temp2;
  // A container's own rows; Photoshop resources; IPTC; the maker note; and
  // the blocks shown one after another (GPS, PrintIM, linked maker IFDs).
  TMakerResult container, resources, iptc, maker, block;
  // The groups of the maker note's sub-directories and records.
  MakerGroups maker_groups;

  // Back to newly made records; the rows' storage stays.
  void Renew() {
    kelvane::Renew(main);
    kelvane::Renew(sub);
    kelvane::Renew(other);
    temp = TempData{};
    temp2 = TempData{};
    kelvane::Renew(container);
    kelvane::Renew(resources);
    kelvane::Renew(iptc);
    kelvane::Renew(maker);
    kelvane::Renew(block);
    maker_groups.Reset();
  }
};

}  // namespace kelvane
