#include "indicators/moving_averages/vwma.h"

namespace tolvex {

Vwma::Vwma(std::size_t n) : win_(n) {}

Result<Vwma, IndicatorError> Vwma::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Vwma(n);
}

std::optional<double> Vwma::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  Pair p{in.candle.close, in.candle.volume};
  if (win_.is_full()) {
    Pair old = win_.pop_front();
    pv_sum_ = pv_sum_ - old.close * old.volume;
    v_sum_ = v_sum_ - old.volume;
    c_sum_ = c_sum_ - old.close;
    traded_ -= old.volume != 0;
  }
  win_.push(p);
  pv_sum_ = p.close * p.volume + pv_sum_;
  v_sum_ = p.volume + v_sum_;
  c_sum_ = p.close + c_sum_;
  traded_ += p.volume != 0;
  // A window that traded nothing has volume sums of exactly zero; evicting
  // the last volumes can leave a rounding residue above zero instead, and
  // residue over residue would replace the plain mean with a meaningless
  // ratio.
  if (traded_ == 0) pv_sum_ = v_sum_ = 0.0;
  if (++pushes_ >= win_.capacity()) {
    pushes_ = 0;
    double pv = -0.0, v = -0.0, c = -0.0;
    win_.for_each([&](const Pair& q) {
      pv += q.close * q.volume;
      v += q.volume;
      c += q.close;
    });
    pv_sum_ = pv;
    v_sum_ = v;
    c_sum_ = c;
  }
  if (!win_.is_full()) return std::nullopt;
  if (v_sum_ > 0) return pv_sum_ / v_sum_;
  return c_sum_ / static_cast<double>(win_.capacity());
}

}  // namespace tolvex
