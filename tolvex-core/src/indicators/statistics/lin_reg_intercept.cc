#include "indicators/statistics/lin_reg_intercept.h"

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<LinRegIntercept, IndicatorError> LinRegIntercept::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "linear regression intercept needs period >= 2");
  if (!ok) return err(ok.error());
  return LinRegIntercept(n);
}

LinRegIntercept::LinRegIntercept(std::size_t n) : core_(n) {}

std::optional<double> LinRegIntercept::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> LinRegIntercept::push(double x) {
  core_.push(x);
  if (!core_.is_full()) return std::nullopt;
  return core_.intercept();
}

}  // namespace tolvex
