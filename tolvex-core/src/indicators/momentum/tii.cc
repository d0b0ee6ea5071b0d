#include "indicators/momentum/tii.h"

#include <algorithm>

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<Tii, IndicatorError> Tii::create(std::size_t m, std::size_t n) {
  if (m == 0 || n == 0) return err(IndicatorError::period_zero());
  if (auto st = check_period(m); !st) return err(st.error());
  // The deviation window has no upper bound of its own, but an absurd
  // length must still fail as an error rather than abort the process.
  if (auto st = check_storage(n, sizeof(double)); !st) return err(st.error());
  return Tii(m, n);
}

std::optional<double> Tii::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  mean_.push(*x);
  auto m = mean_.mean();
  if (!m) return std::nullopt;
  devs_.push(*x - *m);
  if (!devs_.is_full()) return std::nullopt;
  double total = devs_.up() + devs_.down();
  if (!(total > 0.0)) return 50.0;
  return std::clamp(devs_.up() * 100.0 / total, 0.0, 100.0);
}

}  // namespace tolvex
