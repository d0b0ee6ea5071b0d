// Refusal of window lengths whose storage cannot be had, for the few
// parameters that are not bounded by MAX_PERIOD. Construction must fail with
// an error value rather than abort the process on an absurd length.
#pragma once

#include <cstddef>
#include <limits>
#include <new>

#include "errors.h"
#include "result.h"

namespace tolvex {

inline constexpr std::string_view kStorageMessage = "window length is too large to allocate";

// Succeeds when `items` values of `item_bytes` bytes each can be allocated
// right now. Probes with a non-throwing allocation that is released at once.
inline Status<IndicatorError> check_storage(std::size_t items, std::size_t item_bytes) {
  constexpr auto kMaxBytes = static_cast<std::size_t>(std::numeric_limits<std::ptrdiff_t>::max());
  if (item_bytes != 0 && items > kMaxBytes / item_bytes)
    return err(IndicatorError::invalid_period(kStorageMessage));
  std::size_t bytes = items * item_bytes;
  void* probe = ::operator new(bytes, std::nothrow);
  if (probe == nullptr) return err(IndicatorError::invalid_period(kStorageMessage));
  ::operator delete(probe);
  return Unit{};
}

}  // namespace tolvex
