// The state shared by the Bollinger family: population mean and standard
// deviation of the last n closes from recentred window moments, and the
// band multiplier.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>

#include "indicators/common/window_moments.h"

namespace tolvex {

class BollingerCore {
 public:
  struct Bands {
    double upper;
    double middle;
    double lower;
    double sd;
  };

  BollingerCore(std::size_t n, double k) : moments_(n), k_(k) {}

  // Feeds one finite close; returns the bands once n closes are held.
  std::optional<Bands> push(double close) {
    moments_.push(close);
    if (!moments_.is_full()) return std::nullopt;
    double mean = moments_.mean();
    double sd = std::sqrt(moments_.population_variance());
    return Bands{mean + k_ * sd, mean, mean - k_ * sd, sd};
  }

  std::size_t period() const { return moments_.capacity(); }

 private:
  WindowMoments moments_;
  double k_;
};

}  // namespace tolvex
