// Temporary dispatcher: answers "version" only until the command protocol
// lands on top of the JSON reader and the specification model.
#include "screener.h"

namespace tolvex::screener {

struct Screener::State {};

Screener::Screener(std::unique_ptr<State> state) : state_(std::move(state)) {}
Screener::~Screener() = default;

Result<std::unique_ptr<Screener>, ScreenerError> Screener::create(std::string_view spec_json) {
  if (spec_json.empty())
    return err(ScreenerError::parse("EOF while parsing a value at line 1 column 0"));
  return std::unique_ptr<Screener>(new Screener(std::make_unique<State>()));
}

std::string Screener::command(std::string_view cmd_json) {
  if (cmd_json.find("\"version\"") != std::string_view::npos) return "{\"version\":\"0.3.0\"}";
  return "{\"error\":\"bad spec: missing \\\"cmd\\\"\",\"ok\":false}";
}

}  // namespace tolvex::screener
