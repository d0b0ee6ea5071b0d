// Close-to-close logarithmic returns. The first accepted close only primes
// the stage; each later one gives r = ln(C / Cp) and becomes Cp.
#pragma once

#include <cmath>
#include <optional>

namespace tolvex {

// Called a stage to keep the name `LogReturn` free for the statistics
// indicator type of that name (n-bar log return).
class LogReturnStage {
 public:
  // Only finite, strictly positive closes have a logarithm; return-based
  // types skip every other close without touching their state.
  static bool accepts(double close) { return std::isfinite(close) && close > 0.0; }

  // Takes any close: the return it closes, or nothing when it only primes
  // the stage or is not accepted (then the stage is left as it was).
  std::optional<double> feed(double close) {
    if (!accepts(close)) return std::nullopt;
    return push(close);
  }

  // Takes an accepted close; returns the return it closes, if any.
  std::optional<double> push(double close) {
    std::optional<double> r;
    if (prev_) r = std::log(close / *prev_);
    prev_ = close;
    return r;
  }

  std::optional<double> prev_close() const { return prev_; }

 private:
  std::optional<double> prev_;
};

}  // namespace tolvex
