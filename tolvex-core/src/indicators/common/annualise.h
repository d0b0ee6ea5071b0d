// Annualised volatility in percent: sigma * sqrt(bars per year) * 100.
#pragma once

#include <cmath>
#include <cstddef>

namespace tolvex {

// sqrt(p), taken once at construction by the types that annualise.
inline double annualisation_factor(std::size_t bars_per_year) {
  return std::sqrt(static_cast<double>(bars_per_year));
}

inline double annualised_percent(double sigma, double factor) {
  return sigma * factor * 100.0;
}

}  // namespace tolvex
