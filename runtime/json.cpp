#include "runtime/json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/fnv1a.h"

namespace rt {

Json& Json::push(Json value) {
  items_.push_back(std::move(value));
  return items_.back();
}

Json& Json::set(const std::string& key, Json value) {
  for (auto& member : members_) {
    if (member.first == key) return member.second = std::move(value);
  }
  members_.emplace_back(key, std::move(value));
  return members_.back().second;
}

const Json* Json::find(const std::string& path) const {
  const Json* at = this;
  std::size_t start = 0;
  while (at != nullptr && start <= path.size()) {
    std::size_t end = path.find('.', start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    const Json* next = nullptr;
    if (at->kind_ == Kind::Object) {
      for (const auto& member : at->members_) {
        if (member.first == part) next = &member.second;
      }
    } else if (at->kind_ == Kind::Array && !part.empty() &&
               part.find_first_not_of("0123456789") == std::string::npos) {
      const std::size_t index = std::strtoul(part.c_str(), nullptr, 10);
      if (index < at->items_.size()) next = &at->items_[index];
    }
    at = next;
    start = end + 1;
  }
  return at;
}

std::uint64_t Json::digest(std::uint64_t hash) const {
  hash = fnv1a(&kind_, sizeof kind_, hash);
  switch (kind_) {
    case Kind::Bool:
    case Kind::Number:
      return fnv1a(&number_, sizeof number_, hash);
    case Kind::String:
      return fnv1a(text_.data(), text_.size(), hash);
    case Kind::Array:
      for (const Json& item : items_) hash = item.digest(hash);
      return hash;
    case Kind::Object:
      for (const auto& [key, value] : members_) {
        hash = value.digest(fnv1a(key.data(), key.size() + 1, hash));
      }
      return hash;
    case Kind::Null:
      break;
  }
  return hash;
}

std::string Json::dump() const {
  std::string out;
  dumpTo(out);
  return out;
}

void Json::dumpTo(std::string& out) const {
  switch (kind_) {
    case Kind::Null:
      out += "null";
      break;
    case Kind::Bool:
      out += number_ != 0 ? "true" : "false";
      break;
    case Kind::Number: {
      char text[64];
      if (std::isfinite(number_) && number_ == std::floor(number_) && std::fabs(number_) < 1e15) {
        std::snprintf(text, sizeof text, "%.0f", number_);
      } else if (std::isfinite(number_)) {
        std::snprintf(text, sizeof text, "%.9g", number_);
      } else {
        std::snprintf(text, sizeof text, "null");
      }
      out += text;
      break;
    }
    case Kind::String:
      out += '"';
      for (unsigned char c : text_) {
        if (c == '"' || c == '\\') {
          out += '\\';
          out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04X", c);
          out += escape;
        } else {
          out += static_cast<char>(c);
        }
      }
      out += '"';
      break;
    case Kind::Array:
      out += '[';
      for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i > 0) out += ',';
        items_[i].dumpTo(out);
      }
      out += ']';
      break;
    case Kind::Object:
      out += '{';
      for (std::size_t i = 0; i < members_.size(); ++i) {
        if (i > 0) out += ',';
        Json(members_[i].first).dumpTo(out);
        out += ':';
        members_[i].second.dumpTo(out);
      }
      out += '}';
      break;
  }
}

}  // namespace rt
