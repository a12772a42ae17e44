// Watches the test binary's allocations: the largest single request made
// through operator new since the last reset.
#pragma once

#include <cstddef>

namespace kelvane::testing {

void ResetLargestAllocation();
size_t LargestAllocation();

}  // namespace kelvane::testing
