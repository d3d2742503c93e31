#include "runtime/xmodel.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace rt {
namespace {

// Splits the text into words (names and numbers), braces and quoted strings; separators ';' and
// ',' and comments ("//", "#") are dropped, since the reader only counts values.
class Tokens {
 public:
  explicit Tokens(std::string_view text) : text_(text) {}

  // The next token, or an empty view at the end.
  std::string_view next() {
    skipSpace();
    if (at_ >= text_.size()) return {};
    const std::size_t start = at_;
    const char c = text_[at_];
    if (c == '{' || c == '}') {
      ++at_;
      return text_.substr(start, 1);
    }
    if (c == '"') {
      const std::size_t end = text_.find('"', at_ + 1);
      at_ = end == std::string_view::npos ? text_.size() : end + 1;
      return text_.substr(start, at_ - start);
    }
    while (at_ < text_.size() && !isBreak(text_[at_])) ++at_;
    return text_.substr(start, at_ - start);
  }

 private:
  static bool isBreak(char c) {
    return c == '{' || c == '}' || c == ';' || c == ',' || c == '"' || c == ' ' || c == '\t' ||
           c == '\r' || c == '\n' || c == '#' || c == '/';
  }
  void skipSpace() {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '#' || (c == '/' && at_ + 1 < text_.size() && text_[at_ + 1] == '/')) {
        while (at_ < text_.size() && text_[at_] != '\n') ++at_;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ';' || c == ',' ||
                 c == '/') {
        ++at_;
      } else {
        return;
      }
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

template <typename T>
bool toNumber(std::string_view word, T& value) {
  if (word.empty()) return false;
  const char* first = word.data();
  if (*first == '+') ++first;
  const char* last = word.data() + word.size();
  const auto result = std::from_chars(first, last, value);
  return result.ec == std::errc() && result.ptr == last;
}

// The model's extent in x and y (at least one vertex).
struct Extent {
  float left, right, bottom, top;
};

Extent extentOf(const XModel& model) {
  const auto [minX, maxX] = std::minmax_element(model.vertices.begin(), model.vertices.end(),
                                                [](auto& a, auto& b) { return a.x < b.x; });
  const auto [minY, maxY] = std::minmax_element(model.vertices.begin(), model.vertices.end(),
                                                [](auto& a, auto& b) { return a.y < b.y; });
  return {minX->x, maxX->x, minY->y, maxY->y};
}

class Reader {
 public:
  Reader(std::string_view text, std::string& error) : tokens_(text), error_(error) {}

  bool fail(const char* why) {
    error_ = why;
    return false;
  }

  bool count(std::size_t& n, std::size_t max, const char* what) {
    long long value = 0;
    if (!toNumber(tokens_.next(), value)) return fail(what);
    if (value < 0 || static_cast<unsigned long long>(value) > max) return fail(what);
    n = static_cast<std::size_t>(value);
    return true;
  }

  bool real(float& value) {
    if (!toNumber(tokens_.next(), value)) return fail("bad number in model");
    return true;
  }

  // Moves past the name (if any) and the opening brace of a data object.
  bool open() {
    std::string_view t = tokens_.next();
    if (t != "{") t = tokens_.next();
    return t == "{" ? true : fail("model object without '{'");
  }

  // Skips to the brace that closes the object whose opening brace was just read.
  bool skipObject() {
    for (int depth = 1; depth > 0;) {
      const std::string_view t = tokens_.next();
      if (t.empty()) return fail("model cut short");
      if (t == "{") ++depth;
      if (t == "}") --depth;
    }
    return true;
  }

  bool findFirstMesh() {
    for (std::string_view t = tokens_.next(); !t.empty(); t = tokens_.next()) {
      if (t == "template") {  // a declaration, not data: skip its body
        if (!open() || !skipObject()) return false;
      } else if (t == "Mesh") {
        return open();
      }
    }
    return fail("no Mesh in model");
  }

  bool mesh(XModel& model) {
    std::size_t vertices = 0;
    if (!count(vertices, kMaxModelVertices, "bad vertex count")) return false;
    if (vertices == 0) return fail("model without vertices");
    model.vertices.resize(vertices);
    for (auto& v : model.vertices) {
      if (!real(v.x) || !real(v.y) || !real(v.z)) return false;
    }
    std::size_t faces = 0;
    if (!count(faces, kMaxModelFaces, "bad face count")) return false;
    if (faces == 0) return fail("model without faces");
    model.triangles.reserve(faces * 6);
    for (std::size_t f = 0; f < faces; ++f) {
      std::size_t corners = 0;
      if (!count(corners, 4, "bad face corner count")) return false;
      if (corners < 3) return fail("bad face corner count");
      std::uint32_t index[4] = {};
      for (std::size_t c = 0; c < corners; ++c) {
        std::size_t i = 0;
        if (!count(i, vertices - 1, "face index out of range")) return false;
        index[c] = static_cast<std::uint32_t>(i);
      }
      model.triangles.insert(model.triangles.end(), {index[0], index[1], index[2]});
      if (corners == 4)
        model.triangles.insert(model.triangles.end(), {index[0], index[2], index[3]});
    }
    return innerObjects(model);
  }

  // The objects inside the Mesh: texture coordinates are read, the rest skipped.
  bool innerObjects(XModel& model) {
    bool haveCoords = false;
    for (std::string_view t = tokens_.next();; t = tokens_.next()) {
      if (t.empty()) return fail("model cut short");
      if (t == "}") break;
      if (t == "{") {  // an unnamed reference
        if (!skipObject()) return false;
        continue;
      }
      if (!open()) return false;
      if (t == "MeshTextureCoords" && !haveCoords) {
        if (!textureCoords(model)) return false;
        haveCoords = true;
      } else if (!skipObject()) {
        return false;
      }
    }
    if (!haveCoords) planarCoords(model);
    return true;
  }

  bool textureCoords(XModel& model) {
    std::size_t n = 0;
    if (!count(n, kMaxModelVertices, "bad texture coordinate count")) return false;
    if (n != model.vertices.size()) return fail("texture coordinates do not match vertices");
    for (auto& v : model.vertices) {
      if (!real(v.u) || !real(v.v)) return false;
    }
    return skipObject();
  }

  // Without coordinates the picture is stretched over the model's extent, seen from the front.
  static void planarCoords(XModel& model) {
    const Extent e = extentOf(model);
    const float w = e.right - e.left, h = e.top - e.bottom;
    for (auto& v : model.vertices) {
      v.u = w > 0 ? (v.x - e.left) / w : 0;
      v.v = h > 0 ? (e.top - v.y) / h : 0;
    }
  }

 private:
  Tokens tokens_;
  std::string& error_;
};

// The vertex nearest to a corner of the model's extent.
const XModel::Vertex& nearestTo(const XModel& model, float x, float y) {
  return *std::min_element(model.vertices.begin(), model.vertices.end(), [&](auto& a, auto& b) {
    return (a.x - x) * (a.x - x) + (a.y - y) * (a.y - y) <
           (b.x - x) * (b.x - x) + (b.y - y) * (b.y - y);
  });
}

XModel::Card cardOf(const XModel& model) {
  XModel::Card card;
  const Extent e = extentOf(model);
  card.left = e.left;
  card.right = e.right;
  card.top = e.top;
  card.bottom = e.bottom;
  const XModel::Vertex& topLeft = nearestTo(model, card.left, card.top);
  const XModel::Vertex& bottomRight = nearestTo(model, card.right, card.bottom);
  card.u0 = topLeft.u;
  card.v0 = topLeft.v;
  card.u1 = bottomRight.u;
  card.v1 = bottomRight.v;
  return card;
}

}  // namespace

bool parseXModel(std::span<const std::uint8_t> bytes, XModel& model, std::string& error) {
  model = XModel{};
  constexpr std::string_view kHeader = "xof 0303txt 0032";
  if (bytes.size() < kHeader.size() || std::memcmp(bytes.data(), kHeader.data(), kHeader.size())) {
    error = "not a DirectX text model (\"xof 0303txt 0032\")";
    return false;
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()) + kHeader.size(),
                              bytes.size() - kHeader.size());
  Reader reader(text, error);
  if (!reader.findFirstMesh() || !reader.mesh(model)) {
    model = XModel{};
    return false;
  }
  model.card = cardOf(model);
  return true;
}

}  // namespace rt
