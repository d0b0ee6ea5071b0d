#include "indicators/bands/double_bollinger.h"

#include "indicators/bands/band_checks.h"
#include "window.h"

namespace tolvex {

Result<DoubleBollinger, IndicatorError> DoubleBollinger::create(std::size_t n, double k_inner,
                                                                double k_outer) {
  if (auto s = check_multiplier(k_inner); !s) return err(s.error());
  if (auto s = check_multiplier(k_outer); !s) return err(s.error());
  if (k_inner >= k_outer)
    return err(IndicatorError::invalid_period("double bollinger requires k_outer > k_inner"));
  if (auto s = check_period(n); !s) return err(s.error());
  return DoubleBollinger(n, k_inner, k_outer);
}

std::optional<double> DoubleBollinger::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  auto b = core_.push(*close);
  if (!b) return std::nullopt;
  return publish({{"upper_outer", b->upper},
                  {"upper_inner", b->middle + k_inner_ * b->sd},
                  {"middle", b->middle},
                  {"lower_inner", b->middle - k_inner_ * b->sd},
                  {"lower_outer", b->lower}});
}

}  // namespace tolvex
