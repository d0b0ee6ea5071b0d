// The screener instance behind the Python `Screener` class: one validated
// specification and one live universe, driven by JSON command texts.
// Not thread-safe: the owner serialises calls (the binding enforces it).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "result.h"
#include "screener_error.h"

namespace tolvex::screener {

inline constexpr std::string_view kVersion = "0.3.0";

class Screener {
 public:
  // Parses and validates a specification document. Fails with the Parse or
  // BadSpec error whose `display()` is the constructor's ValueError text.
  static Result<std::unique_ptr<Screener>, ScreenerError> create(std::string_view spec_json);

  // Runs one command document and returns the response document. Command
  // failures come back as the error reply; this never throws.
  std::string command(std::string_view cmd_json);

  ~Screener();

  // The specification and the live universe; defined by the dispatcher.
  struct State;

 private:
  explicit Screener(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

}  // namespace tolvex::screener
