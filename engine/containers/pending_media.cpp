// Not decoded yet: answers with an empty result, as a file without this
// block would.
#include "engine/containers/avi.h"
#include "engine/containers/dicom.h"
#include "engine/containers/quicktime.h"
#include "engine/containers/x3f.h"

namespace kelvane {

void ReadMovie(Reader&, uint64_t, TMakerResult& r) { r.Clear(); }
void ListBoxes(Reader&, bool, uint64_t, TMakerResult& r) { r.Clear(); }
void ReadAVI(Reader&, TMakerResult& r) { r.Clear(); }
void ReadDICOM(Reader&, bool, uint64_t, TMakerResult& r) { r.Clear(); }
void ReadX3F(Reader&, TMakerResult& r) { r.Clear(); }

}  // namespace kelvane
