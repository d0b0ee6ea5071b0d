// The command dispatcher: one JSON command document in, one response
// document out. Syntax is checked once over the whole text; request members
// are then read from their spans, so a scan's bulk "data" goes straight
// from text into records.
#include "screener.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "feeds/documents.h"
#include "feeds/live_universe.h"
#include "json/json.h"
#include "scan/engine.h"
#include "scan/result_writer.h"
#include "scan/spec.h"

namespace tolvex::screener {

struct Screener::State {
  ScanSpec spec;
  LiveUniverse live;
};

Screener::Screener(std::unique_ptr<State> state) : state_(std::move(state)) {}
Screener::~Screener() = default;

Result<std::unique_ptr<Screener>, ScreenerError> Screener::create(std::string_view spec_json) {
  auto spec = parse_spec_text(spec_json);
  if (!spec) return err(std::move(spec).error());
  auto state = std::make_unique<State>();
  state->spec = std::move(spec).value();
  return std::unique_ptr<Screener>(new Screener(std::move(state)));
}

namespace {

using Reply = Result<std::string, ScreenerError>;

// One command document: its text and the spans of its members.
struct Request {
  std::string_view text;
  json::Outline outline;

  std::string_view member_text(const json::MemberSpan& m) const {
    return text.substr(m.begin, m.end - m.begin);
  }
  // A document member ("spec", "candle", "candles", "data") that must be
  // present.
  Result<std::string_view, ScreenerError> document(std::string_view key) const {
    const json::MemberSpan* m = outline.find(key);
    if (!m) return err(ScreenerError::bad_spec("missing \"" + std::string(key) + "\""));
    return member_text(*m);
  }
  // A member that must be a JSON string; nothing when absent or of
  // another type.
  std::optional<std::string> string_member(std::string_view key) const {
    const json::MemberSpan* m = outline.find(key);
    if (!m) return std::nullopt;
    json::Cursor c(text, m->begin);
    auto type = c.peek();
    if (!type || *type != json::Value::Type::kString) return std::nullopt;
    std::string scratch;
    auto s = c.string(scratch);
    if (!s) return std::nullopt;
    return std::string(*s);
  }
  // "feeds": absent means nothing supplied; present is read and validated.
  Result<LiveStep, ScreenerError> step_feeds(std::string_view symbol) const {
    StepFeeds feeds;
    if (const json::MemberSpan* m = outline.find("feeds")) {
      auto read = read_step_feeds(member_text(*m));
      if (!read) return err(std::move(read).error());
      feeds = std::move(read).value();
    }
    return validate_step_feeds(symbol, std::move(feeds));
  }
};

std::string ok() {
  return json::ok_reply();
}

Reply set_spec(Screener::State& state, const Request& req) {
  auto text = req.document("spec");
  if (!text) return err(std::move(text).error());
  json::Cursor c(*text);
  auto value = c.value();
  if (!value) return err(ScreenerError::parse(std::move(value).error().message));
  auto spec = spec_from_value(*value);
  if (!spec) return err(ScreenerError::parse(std::move(spec).error()));
  auto valid = validate_spec(*spec);
  if (!valid) return err(ScreenerError::bad_spec(std::move(valid).error()));
  state.spec = std::move(spec).value();
  state.live.clear();
  return ok();
}

std::span<const Candle> steps_of(const Candle& candle) {
  return {&candle, 1};
}
std::span<const Candle> steps_of(const std::vector<Candle>& candles) {
  return candles;
}

// "feed" and "feed_batch": the symbol, the candle document under `key`
// (converted by `read`), the feeds read and validated once, then one step
// per candle in order. Steps before a failing one stay applied.
template <class Read>
Reply live_steps(Screener::State& state, const Request& req, std::string_view key, Read read) {
  auto symbol = req.string_member("symbol");
  if (!symbol) return err(ScreenerError::bad_spec("missing string \"symbol\""));
  auto text = req.document(key);
  if (!text) return err(std::move(text).error());
  auto candles = read(*text);
  if (!candles) return err(std::move(candles).error());
  auto step = req.step_feeds(*symbol);
  if (!step) return err(std::move(step).error());
  for (const Candle& candle : steps_of(*candles)) {
    auto applied = state.live.apply_step(state.spec, *symbol, candle, *step);
    if (!applied) return err(std::move(applied).error());
  }
  return ok();
}

Reply scan(const Screener::State& state, const Request& req) {
  auto text = req.document("data");
  if (!text) return err(std::move(text).error());
  auto data = read_scan_data(*text);
  if (!data) return err(std::move(data).error());
  auto result = run_scan(state.spec, *data);
  if (!result) return err(std::move(result).error());
  return write_result(*result);
}

Reply dispatch(Screener::State& state, std::string_view text) {
  auto outline = json::outline(text);
  if (!outline) return err(ScreenerError::parse(outline.error().display()));
  Request req{text, std::move(outline).value()};
  std::optional<std::string> cmd;
  if (req.outline.is_object) cmd = req.string_member("cmd");
  if (!cmd) return err(ScreenerError::bad_spec("missing \"cmd\""));

  if (*cmd == "version") return std::string("{\"version\":\"") + std::string(kVersion) + "\"}";
  if (*cmd == "set_spec") return set_spec(state, req);
  if (*cmd == "reset") {
    state.live.clear();
    return ok();
  }
  if (*cmd == "feed") {
    return live_steps(state, req, "candle", [](std::string_view t) { return read_candle(t); });
  }
  if (*cmd == "feed_batch") {
    return live_steps(state, req, "candles", [](std::string_view t) { return read_candles(t); });
  }
  if (*cmd == "scan") return scan(state, req);
  if (*cmd == "evaluate") return write_result(state.live.evaluate(state.spec));
  return err(ScreenerError::bad_spec("unknown cmd: " + *cmd));
}

}  // namespace

std::string Screener::command(std::string_view cmd_json) {
  auto reply = dispatch(*state_, cmd_json);
  if (!reply) return json::error_reply(reply.error().display());
  return std::move(reply).value();
}

}  // namespace tolvex::screener
