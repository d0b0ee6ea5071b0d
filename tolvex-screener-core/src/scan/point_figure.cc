#include "scan/point_figure.h"

#include <cmath>

namespace tolvex::screener {

bool PointFigureChart::update(double close) {
  const double p = box_ * std::floor(close / box_);
  if (!started_) {
    started_ = true;
    top_ = bottom_ = p;
  } else if (direction_ == Direction::None) {
    if (p >= top_ + box_) {
      direction_ = Direction::Up;
      top_ = p;
    } else if (p <= bottom_ - box_) {
      direction_ = Direction::Down;
      bottom_ = p;
    }
  } else if (direction_ == Direction::Up) {
    if (p > top_) {
      top_ = p;
    } else if (p <= top_ - reversal_ * box_) {
      last_up_top_ = top_;
      direction_ = Direction::Down;
      top_ = top_ - box_;
      bottom_ = p;
    }
  } else {
    if (p < bottom_) {
      bottom_ = p;
    } else if (p >= bottom_ + reversal_ * box_) {
      last_down_bottom_ = bottom_;
      direction_ = Direction::Up;
      bottom_ = bottom_ + box_;
      top_ = p;
    }
  }
  // The signal reads the raw close, not the snapped box price.
  if (last_up_top_ && close > *last_up_top_) buy_ = true;
  if (last_down_bottom_ && close < *last_down_bottom_) buy_ = false;
  return buy_;
}

}  // namespace tolvex::screener
