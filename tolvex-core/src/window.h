// Window primitives shared by the indicator types: the period check, the
// running-sum window, the bounded FIFO window, the lag window and the two
// forms of rolling extremes. Each primitive belongs to one evaluator.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "errors.h"
#include "result.h"

namespace tolvex {

// The largest window length any constructor accepts (2^24).
inline constexpr std::size_t MAX_PERIOD = 16777216;

inline constexpr std::string_view kMaxPeriodMessage =
    "period exceeds the maximum supported window length (see MAX_PERIOD)";

// The check every windowed constructor runs before allocating.
inline Status<IndicatorError> check_period(std::size_t n) {
  if (n == 0) return err(IndicatorError::period_zero());
  if (n > MAX_PERIOD) return err(IndicatorError::invalid_period(kMaxPeriodMessage));
  return Unit{};
}

// A bounded first-in-first-out ring. Storage for `capacity` items is
// reserved at construction; pushing into a full window evicts the oldest.
template <class T>
class FifoWindow {
 public:
  explicit FifoWindow(std::size_t capacity = 1) : buf_(capacity == 0 ? 1 : capacity) {}

  std::size_t capacity() const { return buf_.size(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  bool is_full() const { return size_ == buf_.size(); }

  // Appends `v`; when full, the oldest item is dropped first.
  void push(const T& v) {
    if (size_ == buf_.size()) {
      buf_[head_] = v;
      head_ = next(head_);
    } else {
      buf_[index(size_)] = v;
      ++size_;
    }
  }
  // Removes and returns the oldest item. The window must not be empty.
  T pop_front() {
    T v = buf_[head_];
    head_ = next(head_);
    --size_;
    return v;
  }
  const T& oldest() const { return buf_[head_]; }
  const T& newest() const { return buf_[index(size_ - 1)]; }
  // Item by position from the oldest (0) to the newest (size() - 1).
  const T& operator[](std::size_t i) const { return buf_[index(i)]; }
  // Item by age: 0 is the newest, 1 the one before it, ...
  const T& back(std::size_t age) const { return buf_[index(size_ - 1 - age)]; }

  template <class F>
  void for_each(F&& f) const {
    for (std::size_t i = 0; i < size_; ++i) f(buf_[index(i)]);
  }

 private:
  std::size_t next(std::size_t i) const { return i + 1 == buf_.size() ? 0 : i + 1; }
  std::size_t index(std::size_t i) const {
    std::size_t j = head_ + i;
    return j >= buf_.size() ? j - buf_.size() : j;
  }

  std::vector<T> buf_;
  std::size_t head_ = 0;
  std::size_t size_ = 0;
};

// The running-sum window behind `Sma`: constant-time push, with the sum
// recomputed exactly from the held values every 16 * n pushes to bound the
// drift of the running sum.
class SumWindow {
 public:
  explicit SumWindow(std::size_t n) : buf_(n, 0.0), n_(n) {}

  void push(double x) {
    if (count_ < n_) {
      buf_[head_] = x;
      sum_ = x + sum_;
      ++count_;
    } else {
      double old = buf_[head_];
      buf_[head_] = x;
      sum_ = x + (sum_ - old);
    }
    head_ = head_ + 1 == n_ ? 0 : head_ + 1;
    if (++pushes_ >= 16 * n_) {
      rebuild();
      pushes_ = 0;
    }
  }

  bool is_full() const { return count_ == n_; }
  std::size_t count() const { return count_; }
  std::size_t capacity() const { return n_; }
  double sum() const { return sum_; }
  std::optional<double> mean() const {
    if (count_ < n_) return std::nullopt;
    return sum_ / static_cast<double>(n_);
  }
  // Value by position from the oldest (0) once the window is full.
  double operator[](std::size_t i) const {
    std::size_t start = count_ < n_ ? 0 : head_;
    std::size_t j = start + i;
    return buf_[j >= n_ ? j - n_ : j];
  }

 private:
  void rebuild() {
    // Oldest to newest: from head to the end, then from the start to head.
    double s = -0.0;
    for (std::size_t i = head_; i < n_; ++i) s += buf_[i];
    for (std::size_t i = 0; i < head_; ++i) s += buf_[i];
    sum_ = s;
  }

  std::vector<double> buf_;
  std::size_t n_;
  std::size_t head_ = 0;
  std::size_t count_ = 0;
  double sum_ = 0.0;
  std::size_t pushes_ = 0;
};

// Holds the last n + 1 values, so that the oldest is the value exactly n
// steps before the newest once full.
class LagWindow {
 public:
  explicit LagWindow(std::size_t n) : win_(n + 1) {}
  void push(double x) { win_.push(x); }
  bool is_full() const { return win_.is_full(); }
  // The value n steps back; only meaningful when full.
  double lagged() const { return win_.oldest(); }
  double newest() const { return win_.newest(); }
  const FifoWindow<double>& window() const { return win_; }

 private:
  FifoWindow<double> win_;
};

// Rolling extremes by scanning the window, oldest to newest, with maxNum /
// minNum semantics (a NaN operand is ignored). Linear in the window.
template <class Window, class Get>
double scan_max(const Window& w, Get get) {
  double m = -std::numeric_limits<double>::infinity();
  w.for_each([&](const auto& item) { m = std::fmax(m, get(item)); });
  return m;
}
template <class Window, class Get>
double scan_min(const Window& w, Get get) {
  double m = std::numeric_limits<double>::infinity();
  w.for_each([&](const auto& item) { m = std::fmin(m, get(item)); });
  return m;
}
inline double scan_max(const FifoWindow<double>& w) {
  return scan_max(w, [](double v) { return v; });
}
inline double scan_min(const FifoWindow<double>& w) {
  return scan_min(w, [](double v) { return v; });
}

// A ring deque of fixed capacity: push at the back, pop at either end.
template <class T>
class RingDeque {
 public:
  explicit RingDeque(std::size_t cap) : buf_(cap == 0 ? 1 : cap) {}
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  void push_back(T v) {
    buf_[wrap(head_ + size_)] = v;
    ++size_;
  }
  void pop_front() {
    head_ = wrap(head_ + 1);
    --size_;
  }
  void pop_back() { --size_; }
  const T& front() const { return buf_[head_]; }
  const T& back() const { return buf_[wrap(head_ + size_ - 1)]; }

 private:
  std::size_t wrap(std::size_t i) const { return i >= buf_.size() ? i - buf_.size() : i; }
  std::vector<T> buf_;
  std::size_t head_ = 0;
  std::size_t size_ = 0;
};

// Rolling maximum (or minimum) by a monotonic queue of sequence numbers:
// amortised constant time per step. Among equal values the newest survives.
class ExtremeQueue {
 public:
  enum class Kind { Max, Min };
  ExtremeQueue(std::size_t window, Kind kind)
      : window_(window), kind_(kind), seq_(window + 1), val_(window + 1) {}

  // Adds the value of the next step and returns the window's extreme.
  double push(double v) {
    uint64_t t = next_++;
    while (!seq_.empty() && seq_.front() + window_ <= t) {
      seq_.pop_front();
      val_.pop_front();
    }
    while (!seq_.empty() && dominated(val_.back(), v)) {
      seq_.pop_back();
      val_.pop_back();
    }
    seq_.push_back(t);
    val_.push_back(v);
    return val_.front();
  }
  double extreme() const { return val_.front(); }
  // Steps since the extreme was pushed (0 when it is the newest value).
  std::size_t age() const { return static_cast<std::size_t>(next_ - 1 - seq_.front()); }
  // Number of values pushed so far.
  std::size_t steps() const { return static_cast<std::size_t>(next_); }
  bool is_full() const { return next_ >= window_; }

 private:
  bool dominated(double old, double v) const { return kind_ == Kind::Max ? old <= v : old >= v; }

  std::size_t window_;
  Kind kind_;
  RingDeque<uint64_t> seq_;
  RingDeque<double> val_;
  uint64_t next_ = 0;
};

}  // namespace tolvex
