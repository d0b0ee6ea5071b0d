#include "scan/cross_section_metric.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace tolvex::screener {

void cross_section_metric(CrossSectionMetric metric, std::span<const double> values,
                          std::span<double> out) {
  const std::size_t k = values.size();
  if (k == 0) return;
  switch (metric) {
    case CrossSectionMetric::Rank: {
      std::vector<std::size_t> order(k);
      std::iota(order.begin(), order.end(), 0);
      // Members arrive in symbol order, so a stable sort breaks ties by symbol.
      std::stable_sort(order.begin(), order.end(),
                       [&](std::size_t a, std::size_t b) { return values[a] > values[b]; });
      for (std::size_t pos = 0; pos < k; ++pos) out[order[pos]] = static_cast<double>(pos + 1);
      return;
    }
    case CrossSectionMetric::PercentileRank: {
      if (k == 1) {
        out[0] = 0;
        return;
      }
      std::vector<double> sorted(values.begin(), values.end());
      std::sort(sorted.begin(), sorted.end());
      for (std::size_t i = 0; i < k; ++i) {
        const auto below =
            std::lower_bound(sorted.begin(), sorted.end(), values[i]) - sorted.begin();
        out[i] = static_cast<double>(below) / static_cast<double>(k - 1);
      }
      return;
    }
    case CrossSectionMetric::ZScore: {
      double sum = 0;
      for (double v : values) sum += v;
      const double mean = sum / static_cast<double>(k);
      double sq = 0;
      for (double v : values) sq += (v - mean) * (v - mean);
      const double variance = sq / static_cast<double>(k);
      const double sd = std::sqrt(variance);
      for (std::size_t i = 0; i < k; ++i) out[i] = variance != 0 ? (values[i] - mean) / sd : 0.0;
      return;
    }
  }
}

}  // namespace tolvex::screener
