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
  // The model seen from the front as an axis-aligned card: its extent (x right, y up) and the
  // texture coordinates at its top-left and bottom-right corners. The engine draws every mesh
  // this way; the game's one model is a flat square facing the camera.
  struct Card {
    float left = 0, top = 0, right = 0, bottom = 0;
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
  };
  std::vector<Vertex> vertices;
  std::vector<std::uint32_t> triangles;  // three vertex indices each; quads are split in two
  Card card;
};

// Counts above these are refused as corrupt: the game's models are a handful of faces.
constexpr std::size_t kMaxModelVertices = 65536;
constexpr std::size_t kMaxModelFaces = 65536;

// False, with the reason, for anything but a well-formed model with at least one face.
bool parseXModel(std::span<const std::uint8_t> bytes, XModel& model, std::string& error);

}  // namespace rt
