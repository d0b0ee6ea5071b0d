// Stepping a batch scan's symbols: the input view of one step of a symbol's
// own series, and the walk of all symbols together along their merged
// timeline, which adds the reference symbol's latest close and the breadth
// snapshot of each timestamp.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>

#include "feeds/documents.h"
#include "indicator.h"
#include "result.h"
#include "scan/breadth_state.h"
#include "screener_error.h"

namespace tolvex::screener {

// The view of step i built from the symbol's own series only.
IndicatorInput own_input(const SymbolSeries& s, std::size_t i);

// Walks the ascending, de-duplicated timestamps of all `series`. At each
// timestamp the symbols whose next candle carries it are active: their
// breadth states take the bar (a breadth error ends the walk), the
// reference symbol's close becomes the reference value, and then `step`
// gets each active symbol's index and input in index order. A symbol's own
// reference and cross-section series win over the shared ones; a step
// without a synthesised snapshot has none. `breadth` is parallel to
// `series`; the inputs are valid only during the call.
Status<ScreenerError> step_synchronised(
    std::span<const SymbolSeries* const> series, std::optional<std::size_t> reference_symbol,
    std::span<BreadthState> breadth,
    const std::function<void(std::size_t, const IndicatorInput&)>& step);

}  // namespace tolvex::screener
