// A small JSON value for the state dump: built by the game, printed on one line, and looked up
// by dotted paths ("bat.size", "records.0.score") by the script's expect and until.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace rt {

class Json {
 public:
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Json() = default;
  Json(bool value) : kind_(Kind::Bool), number_(value ? 1 : 0) {}
  Json(int value) : kind_(Kind::Number), number_(value) {}
  Json(long value) : kind_(Kind::Number), number_(static_cast<double>(value)) {}
  Json(double value) : kind_(Kind::Number), number_(value) {}
  Json(std::string value) : kind_(Kind::String), text_(std::move(value)) {}
  Json(const char* value) : kind_(Kind::String), text_(value) {}

  static Json array() { return Json(Kind::Array); }
  static Json object() { return Json(Kind::Object); }

  Kind kind() const { return kind_; }
  double number() const { return number_; }
  const std::string& text() const { return text_; }
  const std::vector<Json>& items() const { return items_; }

  // Appends to an array.
  Json& push(Json value);
  // Sets a member of an object (members keep their insertion order).
  Json& set(const std::string& key, Json value);
  // A member or element by path ("a.b.0.c"); nullptr when absent.
  const Json* find(const std::string& path) const;

  // One line; bytes from 0x80 up in strings are written as \u00XX.
  std::string dump() const;
  // A hash of the whole value, to the last bit of every number: two values whose lines print
  // alike may still differ here.
  std::uint64_t digest(std::uint64_t hash = 0xCBF29CE484222325ull) const;

 private:
  explicit Json(Kind kind) : kind_(kind) {}
  void dumpTo(std::string& out) const;

  Kind kind_ = Kind::Null;
  double number_ = 0;
  std::string text_;
  std::vector<Json> items_;
  std::vector<std::pair<std::string, Json>> members_;
};

}  // namespace rt
