// A window kept in ascending IEEE total order beside its arrival order, for
// medians and other order statistics. -0.0 sorts before +0.0.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "window.h"

namespace tolvex {

class SortedWindow {
 public:
  explicit SortedWindow(std::size_t n) : arrival_(n), window_(n) { sorted_.reserve(n); }

  // Adds a finite value, evicting the oldest when the window is full.
  void push(double x);

  std::size_t len() const { return arrival_.size(); }
  bool is_full() const { return arrival_.size() == window_; }
  std::size_t window() const { return window_; }
  // The values in ascending total order.
  const std::vector<double>& sorted() const { return sorted_; }
  // The values in arrival order.
  const FifoWindow<double>& arrival() const { return arrival_; }
  // Median of the full window; nothing before it is full.
  std::optional<double> median() const;

 private:
  FifoWindow<double> arrival_;
  std::vector<double> sorted_;
  std::size_t window_;
};

// True when a orders strictly before b in the IEEE total order.
bool total_order_less(double a, double b);

}  // namespace tolvex
