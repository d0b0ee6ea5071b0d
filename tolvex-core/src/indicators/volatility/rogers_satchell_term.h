#pragma once

#include <cmath>

#include "records.h"

namespace tolvex {

// ln(H/C) ln(H/O) + ln(L/C) ln(L/O): one bar's drift-free variance term,
// shared by the Rogers-Satchell and Yang-Zhang estimators.
inline double rogers_satchell_term(const Candle& bar) {
  return std::log(bar.high / bar.close) * std::log(bar.high / bar.open) +
         std::log(bar.low / bar.close) * std::log(bar.low / bar.open);
}

}  // namespace tolvex
