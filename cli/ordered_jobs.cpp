#include "cli/ordered_jobs.h"

namespace kelvane::cli {

unsigned JobThreads(unsigned requested) {
  if (requested != 0) return requested;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : cores;
}

}  // namespace kelvane::cli
