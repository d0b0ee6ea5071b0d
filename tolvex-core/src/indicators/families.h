// The row tables of the indicator families. Each family defines its own in
// indicators/<family>/rows.cc; registry_table.cc lists them all.
#pragma once

#include <span>

#include "registry.h"

namespace tolvex {

std::span<const IndicatorRow> moving_averages_rows();
std::span<const IndicatorRow> volatility_rows();
std::span<const IndicatorRow> statistics_rows();
std::span<const IndicatorRow> bands_rows();
std::span<const IndicatorRow> momentum_rows();
std::span<const IndicatorRow> oscillators_rows();

}  // namespace tolvex
