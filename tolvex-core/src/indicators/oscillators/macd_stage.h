// The MACD computation shared by the MACD types and the Elder impulse:
// fast and slow exponential stages over one series, their difference fed
// to a signal stage; and the bases of the types publishing its three lines.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

struct MacdPoint {
  double macd;
  double signal;
  double histogram;
};

class MacdStage {
 public:
  MacdStage(EmaStage fast, EmaStage slow, EmaStage signal)
      : fast_(fast), slow_(slow), signal_(signal) {}

  // The period rules of the classic MACD: any period 0, then fast >= slow,
  // then the window limit of each period in order.
  static Status<IndicatorError> check(std::size_t fast, std::size_t slow, std::size_t signal) {
    if (fast == 0 || slow == 0 || signal == 0) return err(IndicatorError::period_zero());
    if (fast >= slow)
      return err(
          IndicatorError::invalid_period("fast period must be strictly less than slow period"));
    for (std::size_t n : {fast, slow, signal})
      if (auto st = check_period(n); !st) return st;
    return Unit{};
  }

  // Feeds one finite input; a point once the signal stage has a value.
  std::optional<MacdPoint> push(double x) {
    auto f = fast_.push(x);
    auto s = slow_.push(x);
    if (!f || !s) return std::nullopt;
    double macd = *f - *s;
    if (!std::isfinite(macd)) return std::nullopt;
    auto sig = signal_.push(macd);
    if (!sig) return std::nullopt;
    return MacdPoint{macd, *sig, macd - *sig};
  }

  // Steps until the first point: the longer of the two averages, then the
  // signal stage's seeding (slow + signal - 1 wherever fast < slow).
  std::size_t warmup() const {
    return std::max(fast_.period(), slow_.period()) + signal_.period() - 1;
  }

 private:
  EmaStage fast_, slow_, signal_;
};

// Base of the types that publish the three MACD lines, the MACD line being
// the primary value.
class MacdLines : public MultiOutputEvaluator {
 protected:
  double publish_lines(const MacdPoint& p) {
    return publish({{"macd", p.macd}, {"signal", p.signal}, {"histogram", p.histogram}});
  }
};

// The MACD of the close; its types differ only in how their stages are built.
class CloseMacd : public MacdLines {
 public:
  std::optional<double> update(const IndicatorInput& in) override {
    auto x = finite_close(in);
    if (!x) return std::nullopt;
    auto p = stage_.push(*x);
    if (!p) return std::nullopt;
    return publish_lines(*p);
  }
  std::size_t warmup() const override { return stage_.warmup(); }

 protected:
  explicit CloseMacd(MacdStage s) : stage_(s) {}

 private:
  MacdStage stage_;
};

}  // namespace tolvex
