// `parse` (text to DOM) and `outline` (syntax check plus top-level spans).
#include <cstring>

#include "json/dom_sink.h"
#include "json/json.h"
#include "json/machine.h"

namespace tolvex::json {

namespace {

class OutlineSink : public detail::NullSink {
 public:
  OutlineSink(const char* base, Outline& out) : base_(base), out_(out) {}

  std::string* string_target(std::size_t depth, bool key) {
    if (!key || depth != 1 || !out_.is_object) return nullptr;
    scratch_.clear();
    return &scratch_;
  }
  void key(std::size_t depth) {
    if (depth == 1 && out_.is_object) out_.members.push_back({std::move(scratch_), 0, 0});
  }
  void value_start(std::size_t depth, const char* at) {
    if (depth == 1 && out_.is_object) out_.members.back().begin = offset(at);
  }
  void begin(bool object, std::size_t depth) {
    if (depth == 0) out_.is_object = object;
  }
  void value_done(std::size_t depth, const char* after) {
    if (depth == 1 && out_.is_object) out_.members.back().end = offset(after);
  }

 private:
  std::size_t offset(const char* p) const { return static_cast<std::size_t>(p - base_); }
  const char* base_;
  Outline& out_;
  std::string scratch_;
};

}  // namespace

Result<Value, Error> parse(std::string_view text) {
  detail::Scan scan(text, 0);
  detail::DomSink sink(text);
  if (!detail::run_machine(scan, sink, true)) return err(detail::to_error(scan));
  return std::move(sink).take();
}

Result<Outline, Error> outline(std::string_view text) {
  Outline out;
  detail::Scan scan(text, 0);
  OutlineSink sink(text.data(), out);
  if (!detail::run_machine(scan, sink, true)) return err(detail::to_error(scan));
  return out;
}

const MemberSpan* Outline::find(std::string_view key) const {
  for (auto it = members.rbegin(); it != members.rend(); ++it) {
    if (it->key == key) return &*it;
  }
  return nullptr;
}

}  // namespace tolvex::json
