#include "indicators/statistics/lin_reg_angle.h"

#include <cmath>

#include "indicators/statistics/period_rules.h"

namespace tolvex {

namespace {
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

Result<LinRegAngle, IndicatorError> LinRegAngle::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "linear regression slope needs period >= 2");
  if (!ok) return err(ok.error());
  return LinRegAngle(n);
}

LinRegAngle::LinRegAngle(std::size_t n) : core_(n) {}

std::optional<double> LinRegAngle::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> LinRegAngle::push(double x) {
  core_.push(x);
  if (!core_.is_full()) return std::nullopt;
  return std::atan(core_.slope()) * kDegreesPerRadian;
}

}  // namespace tolvex
