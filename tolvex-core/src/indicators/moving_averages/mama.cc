#include "indicators/moving_averages/mama.h"

#include <algorithm>
#include <cmath>

namespace tolvex {

namespace {

constexpr double kEpsilon = 2.220446049250313e-16;
constexpr std::size_t kFirstValue = 33;

}  // namespace

Status<IndicatorError> MesaAdaptive::check(double fast_limit, double slow_limit) {
  bool ok = std::isfinite(fast_limit) && std::isfinite(slow_limit) && slow_limit > 0 &&
            slow_limit <= fast_limit && fast_limit <= 1;
  if (!ok)
    return err(IndicatorError::invalid_period(
        "fast_limit, slow_limit must satisfy 0 < slow_limit <= fast_limit <= 1"));
  return Unit{};
}

double MesaAdaptive::filter(const History<7>& h, double k) {
  return k * (h[0] * 0.0962 + h[2] * 0.5769 - h[4] * 0.5769 - h[6] * 0.0962);
}

std::optional<MesaAdaptive::Lines> MesaAdaptive::push(double x) {
  ++accepted_;
  price_.push(x);
  if (!price_.full()) return std::nullopt;

  double smooth = (x * 4 + price_[1] * 3 + price_[2] * 2 + price_[3]) / 10;
  smooth_.push(smooth);
  if (!smooth_.full()) {
    lines_.mama = lines_.fama = smooth;
    return std::nullopt;
  }

  double k = std::clamp(period_, 6.0, 50.0) * 0.075 + 0.54;
  detrender_.push(filter(smooth_, k));
  if (!detrender_.full()) return std::nullopt;

  double q1 = filter(detrender_, k);
  double i1 = detrender_[3];
  q1_.push(q1);
  i1_.push(i1);
  if (!q1_.full() || !i1_.full()) return std::nullopt;

  double ji = filter(i1_, k);
  double jq = filter(q1_, k);
  double i2 = 0.2 * (i1 - jq) + 0.8 * i2_;
  double q2 = 0.2 * (q1 + ji) + 0.8 * q2_;
  double re = i2 * i2_ + q2 * q2_;
  double im = i2 * q2_ - q2 * i2_;
  i2_ = i2;
  q2_ = q2;
  re_ = 0.2 * re + 0.8 * re_;
  im_ = 0.2 * im + 0.8 * im_;

  double prev_period = period_;
  double candidate = prev_period;
  if (std::fabs(im_) > kEpsilon && std::fabs(re_) > kEpsilon)
    candidate = 6.283185307179586 / std::atan2(im_, re_);
  candidate = std::min(candidate, 1.5 * prev_period);
  candidate = std::max(candidate, 0.67 * prev_period);
  candidate = std::min(std::max(candidate, 6.0), 50.0);
  period_ = prev_period * 0.8 + candidate * 0.2;

  double phase = phase_;
  if (std::fabs(i1) > kEpsilon) phase = std::atan(q1 / i1) * 57.29577951308232;
  double delta = std::max(phase_ - phase, 1.0);
  phase_ = phase;
  double alpha = std::max(fast_ / delta, slow_);

  lines_.mama = x * alpha + lines_.mama * (1 - alpha);
  lines_.fama = lines_.fama * (1 - alpha * 0.5) + alpha * 0.5 * lines_.mama;
  if (accepted_ < kFirstValue) return std::nullopt;
  return lines_;
}

Result<Mama, IndicatorError> Mama::create(double fast_limit, double slow_limit) {
  if (auto st = MesaAdaptive::check(fast_limit, slow_limit); !st) return err(st.error());
  return Mama(MesaAdaptive(fast_limit, slow_limit));
}

std::optional<double> Mama::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto lines = engine_.push(*x);
  if (!lines) return std::nullopt;
  return publish({{"mama", lines->mama}, {"fama", lines->fama}});
}

}  // namespace tolvex
