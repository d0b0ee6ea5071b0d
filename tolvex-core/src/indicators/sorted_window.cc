#include "indicators/sorted_window.h"

#include <bit>
#include <cstdint>

#include "indicator.h"

namespace tolvex {

namespace {

// The bit pattern with all non-sign bits of negative numbers flipped,
// compared as a signed integer, orders doubles totally.
int64_t total_key(double v) {
  int64_t bits = std::bit_cast<int64_t>(v);
  return bits ^ static_cast<int64_t>(static_cast<uint64_t>(bits >> 63) >> 1);
}

std::size_t lower_bound(const std::vector<double>& sorted, double x) {
  int64_t key = total_key(x);
  std::size_t lo = 0, hi = sorted.size();
  while (lo < hi) {
    std::size_t mid = lo + (hi - lo) / 2;
    if (total_key(sorted[mid]) < key)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

}  // namespace

bool total_order_less(double a, double b) {
  return total_key(a) < total_key(b);
}

void SortedWindow::push(double x) {
  if (arrival_.size() == window_) {
    double v = arrival_.pop_front();
    sorted_.erase(sorted_.begin() + static_cast<std::ptrdiff_t>(lower_bound(sorted_, v)));
  }
  arrival_.push(x);
  sorted_.insert(sorted_.begin() + static_cast<std::ptrdiff_t>(lower_bound(sorted_, x)), x);
}

std::optional<double> SortedWindow::median() const {
  if (!is_full()) return std::nullopt;
  std::size_t n = sorted_.size();
  if (n % 2 == 1) return sorted_[n / 2];
  return midpoint(sorted_[n / 2 - 1], sorted_[n / 2]);
}

}  // namespace tolvex
