// The DirectX text model ("xof 0303txt 0032"): the vertices, the triangle or quad faces and the
// texture coordinates of the first Mesh; everything else in the file is skipped.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rt {

struct XModel {
  struct Vertex {
    float x = 0, y = 0, z = 0;
    float u = 0, v = 0;
  };
  std::vector<Vertex> vertices;
  std::vector<std::uint32_t> triangles;  // three vertex indices each; quads are split in two
};

// Counts above these are refused as corrupt: the game's models are a handful of faces.
constexpr std::size_t kMaxModelVertices = 65536;
constexpr std::size_t kMaxModelFaces = 65536;

// False, with the reason, for anything but a well-formed model with at least one face.
bool parseXModel(std::span<const std::uint8_t> bytes, XModel& model, std::string& error);

}  // namespace rt
