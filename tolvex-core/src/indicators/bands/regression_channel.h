// The state shared by the regression channels: the last n closes, their
// least-squares line (fitted after centring on the window mean) and bands
// at m times sqrt(residual sum of squares / (n - lost)), where `lost` is the
// number of degrees of freedom the channel gives up.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>

#include "indicators/bands/ols_line.h"
#include "window.h"

namespace tolvex {

class RegressionChannel {
 public:
  struct Bands {
    double upper;
    double middle;
    double lower;
  };

  RegressionChannel(std::size_t n, double m, std::size_t lost)
      : closes_(n), line_(n), m_(m), divisor_(static_cast<double>(n - lost)) {}

  // Feeds one finite close; returns the bands once n closes are held.
  std::optional<Bands> push(double close) {
    closes_.push(close);
    if (!closes_.is_full()) return std::nullopt;
    OlsLine::Fit fit = line_.fit_centred(closes_);
    double middle = line_.newest(fit);
    double sd = std::sqrt(line_.residual_sum(closes_, fit) / divisor_);
    return Bands{middle + m_ * sd, middle, middle - m_ * sd};
  }

  std::size_t period() const { return closes_.capacity(); }

 private:
  FifoWindow<double> closes_;
  OlsLine line_;
  double m_;
  double divisor_;
};

}  // namespace tolvex
