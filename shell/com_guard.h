// No exception leaves a COM method: each body runs inside ComGuard, which
// turns an escaping exception into an error result.
#pragma once

#include <windows.h>

#include <new>

namespace kelvane::shell {

template <typename Body>
HRESULT ComGuard(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace kelvane::shell
