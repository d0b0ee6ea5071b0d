#include "indicators/statistics/variance_ratio.h"

#include <cmath>

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<VarianceRatio, IndicatorError> VarianceRatio::create(std::size_t n, std::size_t q) {
  if (q <= 1) return err(IndicatorError::invalid_period("variance ratio needs q >= 2"));
  auto ok = check_period(q);
  if (!ok) return err(ok.error());
  if (n < q + 2) return err(IndicatorError::invalid_period("variance ratio needs period >= q + 2"));
  auto room = check_storage(n, 2 * sizeof(double));
  if (!room) return err(room.error());
  return VarianceRatio(n, q);
}

VarianceRatio::VarianceRatio(std::size_t n, std::size_t q) : spreads_(n), diffs_(n - 1), q_(q) {}

std::optional<double> VarianceRatio::update(const IndicatorInput& in) {
  double x = in.candle.close;
  if (!std::isfinite(x) || !in.reference || !std::isfinite(*in.reference)) return std::nullopt;
  return push(x - *in.reference);
}

std::optional<double> VarianceRatio::push(double x) {
  spreads_.push(x);
  if (!spreads_.is_full()) return std::nullopt;
  std::size_t n = spreads_.size();
  std::size_t m = n - 1;
  double sum = -0.0;
  for (std::size_t i = 0; i < m; ++i) {
    diffs_[i] = spreads_[i + 1] - spreads_[i];
    sum += diffs_[i];
  }
  double mu = sum / static_cast<double>(m);
  double v1 = -0.0;
  for (double d : diffs_) v1 += (d - mu) * (d - mu);
  v1 /= static_cast<double>(m);
  if (v1 <= 0) return 1.0;
  // Each run of q consecutive changes is summed afresh. Sliding one running
  // total along the changes would be cheaper, but it carries the rounding of
  // every change it has passed over into the later runs.
  double qf = static_cast<double>(q_);
  double vq = -0.0;
  for (std::size_t j = 0; j + q_ <= m; ++j) {
    double run = -0.0;
    for (std::size_t i = j; i < j + q_; ++i) run += diffs_[i];
    double e = run - qf * mu;
    vq += e * e;
  }
  vq /= static_cast<double>(n - q_);
  return vq / (qf * v1);
}

}  // namespace tolvex
