// Sigma X3F properties.
#pragma once

#include "engine/reader/reader.h"
#include "engine/reader/records.h"

namespace kelvane {

void ReadX3F(Reader& f, TMakerResult& result);

}  // namespace kelvane
