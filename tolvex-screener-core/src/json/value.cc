#include "json/json.h"

namespace tolvex::json {

std::string Error::display() const {
  return message + " at line " + std::to_string(line) + " column " + std::to_string(column);
}

Value Value::boolean(bool b) {
  Value v;
  v.type_ = Type::kBool;
  v.bool_ = b;
  return v;
}

Value Value::number(Number n) {
  Value v;
  v.type_ = Type::kNumber;
  v.number_ = n;
  return v;
}

Value Value::number(double d) {
  Number n;
  n.kind = NumberKind::kFloat;
  n.d = d;
  return number(n);
}

Value Value::string(std::string s) {
  Value v;
  v.type_ = Type::kString;
  v.string_ = std::move(s);
  return v;
}

Value Value::array(std::vector<Value> items) {
  Value v;
  v.type_ = Type::kArray;
  v.items_ = std::move(items);
  return v;
}

Value Value::object(std::vector<Member> members) {
  Value v;
  v.type_ = Type::kObject;
  v.members_ = std::move(members);
  return v;
}

const Value* Value::find(std::string_view key) const {
  for (auto it = members_.rbegin(); it != members_.rend(); ++it) {
    if (it->key == key) return &it->value;
  }
  return nullptr;
}

}  // namespace tolvex::json
