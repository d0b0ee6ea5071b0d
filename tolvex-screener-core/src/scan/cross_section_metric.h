// How a symbol stands against the other members of the universe: rank,
// percentile rank or population z-score of one value per member.
#pragma once

#include <span>

#include "scan/spec.h"

namespace tolvex::screener {

// `values` holds the members' values in symbol order (all finite); writes
// each member's metric to the same position of `out`. Rank is 1 for the
// largest value, ties broken by symbol; percentile rank is the share of the
// other members with a strictly smaller value; the z-score uses the
// population deviation and is 0 for every member when it is 0.
void cross_section_metric(CrossSectionMetric metric, std::span<const double> values,
                          std::span<double> out);

}  // namespace tolvex::screener
