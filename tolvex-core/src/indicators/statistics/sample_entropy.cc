#include "indicators/statistics/sample_entropy.h"

#include <cmath>

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<SampleEntropy, IndicatorError> SampleEntropy::create(std::size_t n, std::size_t m,
                                                            double r) {
  if (n == 0 || m == 0) return err(IndicatorError::period_zero());
  if (n < 2 || n - 2 < m)
    return err(IndicatorError::invalid_period("sample entropy needs period >= m + 2"));
  if (!std::isfinite(r) || !(r > 0))
    return err(
        IndicatorError::invalid_parameter("sample entropy r_factor must be finite and positive"));
  auto room = check_storage(n, 2 * sizeof(double));
  if (!room) return err(room.error());
  return SampleEntropy(n, m, r);
}

SampleEntropy::SampleEntropy(std::size_t n, std::size_t m, double r)
    : window_(n), flat_(n), m_(m), r_(r) {}

std::optional<double> SampleEntropy::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> SampleEntropy::push(double x) {
  window_.push(x);
  run_.push(x);
  if (!window_.is_full()) return std::nullopt;
  if (run_.covers(window_.capacity())) return 0.0;
  std::size_t n = window_.size();
  double nf = static_cast<double>(n);
  double sum = -0.0;
  for (std::size_t i = 0; i < n; ++i) {
    flat_[i] = window_[i];
    sum += flat_[i];
  }
  double mean = sum / nf;
  double ss = -0.0;
  for (double v : flat_) ss += (v - mean) * (v - mean);
  double var = ss / nf;
  if (var == 0) return 0.0;
  double tol = r_ * std::sqrt(var);
  const double* v = flat_.data();
  std::size_t starts = n - m_;
  std::size_t b = 0;
  std::size_t a = 0;
  for (std::size_t i = 0; i < starts; ++i) {
    for (std::size_t j = i + 1; j < starts; ++j) {
      std::size_t t = 0;
      while (t < m_ && std::fabs(v[i + t] - v[j + t]) <= tol) ++t;
      if (t < m_) continue;
      ++b;
      if (std::fabs(v[i + m_] - v[j + m_]) <= tol) ++a;
    }
  }
  if (b == 0) return 0.0;
  double bf = static_cast<double>(b);
  if (a == 0) return std::log(bf);
  return -std::log(static_cast<double>(a) / bf);
}

}  // namespace tolvex
