#include "indicators/statistics/lin_reg_slope.h"

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<LinRegSlope, IndicatorError> LinRegSlope::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "linear regression slope needs period >= 2");
  if (!ok) return err(ok.error());
  return LinRegSlope(n);
}

LinRegSlope::LinRegSlope(std::size_t n) : core_(n) {}

std::optional<double> LinRegSlope::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> LinRegSlope::push(double x) {
  core_.push(x);
  if (!core_.is_full()) return std::nullopt;
  return core_.slope();
}

}  // namespace tolvex
