#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// The MESA adaptive engine behind Mama and Fama: a Hilbert transform of the
// smoothed price measures the dominant cycle's phase, whose rate of change
// sets the smoothing factor of both lines.
class MesaAdaptive {
 public:
  struct Lines {
    double mama = 0;
    double fama = 0;
  };

  MesaAdaptive(double fast_limit, double slow_limit) : fast_(fast_limit), slow_(slow_limit) {}

  // Validates the pair of limits shared by both types.
  static Status<IndicatorError> check(double fast_limit, double slow_limit);

  // Feeds one finite close; both lines once 33 closes have been accepted.
  std::optional<Lines> push(double x);

 private:
  // The last N values, newest at index 0.
  template <std::size_t N>
  struct History {
    std::array<double, N> v{};
    std::size_t size = 0;
    void push(double x) {
      for (std::size_t i = N - 1; i > 0; --i) v[i] = v[i - 1];
      v[0] = x;
      if (size < N) ++size;
    }
    bool full() const { return size == N; }
    double operator[](std::size_t back) const { return v[back]; }
  };

  static double filter(const History<7>& h, double k);

  double fast_, slow_;
  History<4> price_;
  History<7> smooth_, detrender_, q1_, i1_;
  double i2_ = 0, q2_ = 0, re_ = 0, im_ = 0;
  double period_ = 0, phase_ = 0;
  Lines lines_;
  std::size_t accepted_ = 0;
};

// MESA adaptive moving average; publishes "mama" and "fama".
class Mama final : public MultiOutputEvaluator {
 public:
  static Result<Mama, IndicatorError> create(double fast_limit, double slow_limit);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 33; }

 private:
  explicit Mama(MesaAdaptive engine) : engine_(engine) {}
  MesaAdaptive engine_;
};

}  // namespace tolvex
