// Builds a DOM from the grammar machine's events. Internal to the reader.
#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "json/json.h"
#include "json/lexer.h"
#include "json/machine.h"

namespace tolvex::json::detail {

class DomSink : public NullSink {
 public:
  // `text` is the whole text that positions count from.
  explicit DomSink(std::string_view text) : text_(text) {}

  std::string* string_target(std::size_t, bool) {
    scratch_.clear();
    return &scratch_;
  }
  void key(std::size_t) { keys_.back() = std::move(scratch_); }
  void begin(bool object, std::size_t) {
    open_.push_back(object ? Value::object() : Value::array());
    keys_.emplace_back();
  }
  void scalar_null() { pending_ = Value(); }
  void scalar_bool(bool b) { pending_ = Value::boolean(b); }
  void scalar_number(const char* first, const char* last) {
    pending_ = Value::number(convert_number(first, last));
  }
  void scalar_string() { pending_ = Value::string(std::move(scratch_)); }
  void end(std::size_t) {
    pending_ = std::move(open_.back());
    open_.pop_back();
    keys_.pop_back();
  }
  void value_done(std::size_t, const char* after) {
    advance(static_cast<std::size_t>(after - text_.data()));
    pending_.set_position(line_, offset_ - line_start_);
    if (open_.empty()) {
      root_ = std::move(pending_);
    } else if (open_.back().is_array()) {
      open_.back().items().push_back(std::move(pending_));
    } else {
      open_.back().members().push_back({std::move(keys_.back()), std::move(pending_)});
    }
  }

  Value take() && { return std::move(root_); }

 private:
  // Moves the line count forward; values finish in text order, so the
  // whole parse counts each newline once.
  void advance(std::size_t to) {
    const char* base = text_.data();
    while (offset_ < to) {
      const void* nl = std::memchr(base + offset_, '\n', to - offset_);
      if (!nl) break;
      offset_ = static_cast<std::size_t>(static_cast<const char*>(nl) - base) + 1;
      ++line_;
      line_start_ = offset_;
    }
    offset_ = to;
  }

  std::string_view text_;
  std::size_t offset_ = 0;
  std::size_t line_ = 1;
  std::size_t line_start_ = 0;
  std::vector<Value> open_;
  std::vector<std::string> keys_;
  std::string scratch_;
  Value pending_;
  Value root_;
};

}  // namespace tolvex::json::detail
