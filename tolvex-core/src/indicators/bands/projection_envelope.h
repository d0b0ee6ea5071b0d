// The envelope behind the projection bands: every high (low) of the last n
// bars is carried forward to the newest bar along the regression slope of
// the highs (lows), and the outermost projections are its edges. Header-only
// so that the projection oscillator can use it too.
#pragma once

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "indicators/bands/ols_line.h"
#include "records.h"
#include "window.h"

namespace tolvex {

class ProjectionEnvelope {
 public:
  struct Edges {
    double upper;
    double lower;
  };

  explicit ProjectionEnvelope(std::size_t n) : highs_(n), lows_(n), line_(n) {}

  // Feeds one validated bar; returns the edges once n bars are held.
  std::optional<Edges> push(const Candle& bar) {
    highs_.push(bar.high);
    lows_.push(bar.low);
    if (!highs_.is_full()) return std::nullopt;
    double slope_high = line_.fit_centred(highs_).slope;
    double slope_low = line_.fit_centred(lows_).slope;
    double upper = -std::numeric_limits<double>::infinity();
    double lower = std::numeric_limits<double>::infinity();
    std::size_t n = highs_.size();
    for (std::size_t i = 0; i < n; ++i) {
      double ahead = static_cast<double>(n - 1 - i);
      upper = std::fmax(upper, highs_[i] + slope_high * ahead);
      lower = std::fmin(lower, lows_[i] + slope_low * ahead);
    }
    return Edges{upper, lower};
  }

  std::size_t period() const { return highs_.capacity(); }

 private:
  FifoWindow<double> highs_;
  FifoWindow<double> lows_;
  OlsLine line_;
};

}  // namespace tolvex
