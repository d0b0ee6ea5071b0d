#include "registry.h"

#include <cmath>
#include <limits>
#include <string>

#include "number_text.h"

namespace tolvex {

namespace {

constexpr double kEpsilon = 2.220446049250313e-16;

StrategyError reason(std::string_view name, std::string text) {
  return StrategyError::invalid_parameters(name, std::move(text));
}

std::string position_reason(std::string_view what, std::size_t k, double v) {
  return "parameter #" + std::to_string(k) + " must be " + std::string(what) + ", got " +
         plain_decimal(v);
}

bool integral(double v) {
  return std::fabs(v - std::trunc(v)) <= kEpsilon;
}

}  // namespace

Result<double, StrategyError> param_f64(std::span<const double> params, std::size_t k,
                                        std::string_view name) {
  if (k >= params.size()) return err(reason(name, "missing parameter #" + std::to_string(k)));
  double v = params[k];
  if (!std::isfinite(v))
    return err(reason(name, "parameter #" + std::to_string(k) + " must be finite"));
  return v;
}

Result<std::size_t, StrategyError> param_usize(std::span<const double> params, std::size_t k,
                                               std::string_view name) {
  auto v = param_f64(params, k, name);
  if (!v) return err(std::move(v).error());
  double x = *v;
  if (!(x > 0) || !integral(x))
    return err(reason(name, position_reason("a positive integer", k, x)));
  double t = std::trunc(x);
  constexpr double kLimit = 18446744073709551616.0;  // 2^64
  if (t >= kLimit) return std::numeric_limits<std::size_t>::max();
  return static_cast<std::size_t>(t);
}

Result<int32_t, StrategyError> param_i32(std::span<const double> params, std::size_t k,
                                         std::string_view name) {
  auto v = param_f64(params, k, name);
  if (!v) return err(std::move(v).error());
  double x = *v;
  if (!integral(x) || x < -2147483648.0 || x > 2147483647.0)
    return err(reason(name, position_reason("an i32", k, x)));
  return static_cast<int32_t>(std::trunc(x));
}

Result<uint32_t, StrategyError> param_u32(std::span<const double> params, std::size_t k,
                                          std::string_view name) {
  auto v = param_f64(params, k, name);
  if (!v) return err(std::move(v).error());
  double x = *v;
  if (!(x >= 0 && x <= 4294967295.0) || !integral(x))
    return err(reason(name, position_reason("a u32", k, x)));
  return static_cast<uint32_t>(std::trunc(x));
}

BuildResult build_from_row(const IndicatorRow& row, std::span<const double> params) {
  Params decoded;
  for (std::size_t k = 0; k < row.params.size() && k < kMaxParams; ++k) {
    Params::Slot& slot = decoded.v_[k];
    switch (row.params[k]) {
      case 'P': {
        auto v = param_usize(params, k, row.name);
        if (!v) return err(std::move(v).error());
        slot.u = *v;
        break;
      }
      case 'R': {
        auto v = param_f64(params, k, row.name);
        if (!v) return err(std::move(v).error());
        slot.f = *v;
        break;
      }
      case 'I': {
        auto v = param_i32(params, k, row.name);
        if (!v) return err(std::move(v).error());
        slot.i = *v;
        break;
      }
      case 'U': {
        auto v = param_u32(params, k, row.name);
        if (!v) return err(std::move(v).error());
        slot.u = *v;
        break;
      }
      default:
        break;
    }
  }
  auto built = row.make(decoded);
  if (!built) return err(StrategyError::invalid_parameters(row.name, to_string(built.error())));
  return std::move(built).value();
}

std::string_view resolve_alias(std::string_view name) {
  if (name == "Macd") return "MacdIndicator";
  if (name == "Bollinger") return "BollingerBands";
  return name;
}

BuildResult build_from(std::span<const IndicatorRow> rows, std::string_view name,
                       std::span<const double> params) {
  for (const IndicatorRow& row : rows) {
    if (row.name.size() == name.size() && row.name == name) return build_from_row(row, params);
  }
  return err(StrategyError::unknown_indicator_type(name));
}

}  // namespace tolvex
