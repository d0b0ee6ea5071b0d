// The Chande momentum stage of length m: up and down moves of the last m
// steps as running sums, giving cmo = (SU - SD) * 100 / (SU + SD), or 0 when
// the window moved neither way. The first input only sets the previous value.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>

#include "window.h"

namespace tolvex {

class ChandeMomentum {
 public:
  explicit ChandeMomentum(std::size_t m) : moves_(m) {}

  // Feeds one finite input; returns the oscillator once m moves are held.
  std::optional<double> push(double x) {
    if (!has_prev_) {
      prev_ = x;
      has_prev_ = true;
      return std::nullopt;
    }
    Move mv{std::max(x - prev_, 0.0), std::max(prev_ - x, 0.0)};
    prev_ = x;
    if (moves_.is_full()) {
      Move old = moves_.pop_front();
      up_ = up_ - old.up;
      down_ = down_ - old.down;
      nonzero_up_ -= old.up != 0;
      nonzero_down_ -= old.down != 0;
    }
    moves_.push(mv);
    up_ = mv.up + up_;
    down_ = mv.down + down_;
    nonzero_up_ += mv.up != 0;
    nonzero_down_ += mv.down != 0;
    // A window without moves in one direction sums to exactly zero there;
    // the running sum may have kept a rounding residue, which would turn a
    // flat window into a full-scale reading.
    if (nonzero_up_ == 0) up_ = 0.0;
    if (nonzero_down_ == 0) down_ = 0.0;
    if (!moves_.is_full()) return std::nullopt;
    double total = up_ + down_;
    if (total == 0) return 0.0;
    return (up_ - down_) * 100.0 / total;
  }

  std::size_t period() const { return moves_.capacity(); }

 private:
  struct Move {
    double up = 0;
    double down = 0;
  };
  FifoWindow<Move> moves_;
  double up_ = -0.0;
  double down_ = -0.0;
  std::size_t nonzero_up_ = 0;
  std::size_t nonzero_down_ = 0;
  double prev_ = 0;
  bool has_prev_ = false;
};

}  // namespace tolvex
