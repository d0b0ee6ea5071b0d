// A value-or-error result, the library's way of reporting failure: no
// exceptions cross a module boundary.
#pragma once

#include <utility>
#include <variant>

namespace tolvex {

// Wraps an error so that Result<T, E> can be built from it unambiguously,
// even when T and E are the same type.
template <class E>
struct Err {
  E error;
};

template <class E>
Err<std::decay_t<E>> err(E&& e) {
  return {std::forward<E>(e)};
}

template <class T, class E>
class [[nodiscard]] Result {
 public:
  Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
  template <class F>
  Result(Err<F> e) : v_(std::in_place_index<1>, std::move(e.error)) {}

  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & { return std::get<0>(v_); }
  const T& value() const& { return std::get<0>(v_); }
  T&& value() && { return std::get<0>(std::move(v_)); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }

  E& error() & { return std::get<1>(v_); }
  const E& error() const& { return std::get<1>(v_); }
  E&& error() && { return std::get<1>(std::move(v_)); }

 private:
  std::variant<T, E> v_;
};

// Result of an operation that yields nothing on success.
struct Unit {};

template <class E>
using Status = Result<Unit, E>;

}  // namespace tolvex
