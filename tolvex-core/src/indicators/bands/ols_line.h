// Ordinary least squares of a window of N values y_0 (oldest) .. y_(N-1)
// against x = 0 .. N-1, the fit behind the regression channels, projection
// bands and the squeeze momentum. The x sums and the denominator depend only
// on N and are fixed at construction.
#pragma once

#include <cstddef>

#include "indicators/common/least_squares.h"
#include "window.h"

namespace tolvex {

class OlsLine {
 public:
  // y(x) = base + intercept + slope * x, where base is the value subtracted
  // from every y before fitting.
  struct Fit {
    double slope;
    double intercept;
    double base;
  };

  explicit OlsLine(std::size_t n)
      : n_(static_cast<double>(n)), sx_(n_ * (n_ - 1) / 2), denom_(regression_denominator(n)) {}

  // Fits the window after centring it on its mean, for precision.
  Fit fit_centred(const FifoWindow<double>& y) const {
    double sum = -0.0;
    y.for_each([&](double v) { sum += v; });
    return fit(y, sum / n_);
  }
  // Fits the series y_i - base, without further centring.
  Fit fit_about(const FifoWindow<double>& y, double base) const { return fit(y, base); }

  // The fitted value at the newest point of a centred fit.
  double newest(const Fit& f) const { return (n_ - 1) * f.slope + f.base + f.intercept; }
  // The fitted value of the shifted series y_i - base at the newest point.
  double newest_shifted(const Fit& f) const { return (n_ - 1) * f.slope + f.intercept; }

  // Sum of squared residuals (y_i - base - intercept - slope * i)^2.
  double residual_sum(const FifoWindow<double>& y, const Fit& f) const {
    double r = -0.0;
    for (std::size_t i = 0; i < y.size(); ++i) {
      double e = (y[i] - f.base) - f.intercept - f.slope * static_cast<double>(i);
      r += e * e;
    }
    return r;
  }

 private:
  Fit fit(const FifoWindow<double>& y, double base) const {
    double sy = -0.0, sxy = -0.0;
    for (std::size_t i = 0; i < y.size(); ++i) {
      double v = y[i] - base;
      sy += v;
      sxy += static_cast<double>(i) * v;
    }
    double slope = (n_ * sxy - sx_ * sy) / denom_;
    return {slope, (sy - sx_ * slope) / n_, base};
  }

  double n_;
  double sx_;
  double denom_;
};

}  // namespace tolvex
