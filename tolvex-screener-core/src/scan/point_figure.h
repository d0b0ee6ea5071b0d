// The point-and-figure chart behind each symbol's breadth buy signal.
#pragma once

#include <optional>

namespace tolvex::screener {

class PointFigureChart {
 public:
  enum class Direction { None, Up, Down };

  // `box` must be finite and positive; checked by the caller.
  PointFigureChart(double box, double reversal) : box_(box), reversal_(reversal) {}

  // Feeds the close of a valid bar and returns the buy signal afterwards:
  // set when the close rises above the last completed up column, cleared
  // when it falls below the last completed down column, else kept.
  bool update(double close);

  Direction direction() const { return direction_; }
  double top() const { return top_; }
  double bottom() const { return bottom_; }
  bool buy() const { return buy_; }

 private:
  double box_;
  double reversal_;
  bool started_ = false;
  Direction direction_ = Direction::None;
  double top_ = 0;
  double bottom_ = 0;
  std::optional<double> last_up_top_;
  std::optional<double> last_down_bottom_;
  bool buy_ = false;
};

}  // namespace tolvex::screener
