#include "runtime/draw_list.h"

#include <algorithm>

namespace rt {
namespace {

constexpr float kMeshPixels = 8.0f;    // pixels per mesh unit
constexpr float kPrintPixels = 25.0f;  // pixels per print unit

// Appends triangles to the last batch when it shares texture and blend, else opens a batch.
// Batches are reused between frames: only their vertex counts are reset.
class BatchWriter {
 public:
  explicit BatchWriter(DrawList& list) : list_(list) {}
  ~BatchWriter() { list_.batches.resize(used_); }

  std::vector<Vertex>& to(int texture, Blend blend) {
    if (used_ > 0) {
      DrawBatch& last = list_.batches[used_ - 1];
      if (last.texture == texture && last.blend == blend) return last.vertices;
    }
    if (used_ == list_.batches.size()) list_.batches.emplace_back();
    DrawBatch& batch = list_.batches[used_++];
    batch.texture = texture;
    batch.blend = blend;
    batch.vertices.clear();
    return batch.vertices;
  }

 private:
  DrawList& list_;
  std::size_t used_ = 0;
};

float lightFactor(float c) {
  return std::clamp(c / 2.0f, 0.0f, 1.0f);
}

int textureRef(const EngineState& scene, iHandle texture) {
  const TextureRec* t = scene.textures.find(texture);
  return t ? t->backendRef : 0;
}

void addMeshes(const EngineState& scene, BatchWriter& out) {
  std::vector<std::pair<iHandle, const MeshRec*>> order;
  order.reserve(scene.meshes.size());
  for (const auto& [handle, mesh] : scene.meshes) {
    if (mesh.visible && mesh.model && textureRef(scene, mesh.texture))
      order.emplace_back(handle, &mesh);
  }
  // Lower priorities first so higher ones end up on top; the table is in creation order.
  std::stable_sort(order.begin(), order.end(),
                   [](auto& a, auto& b) { return a.second->priority < b.second->priority; });
  const float r = lightFactor(scene.light.r), g = lightFactor(scene.light.g),
              b = lightFactor(scene.light.b);
  for (const auto& [handle, mesh] : order) {
    const float a = std::clamp(mesh->alpha, 0.0f, 1.0f);
    auto& vertices = out.to(textureRef(scene, mesh->texture), Blend::Alpha);
    for (const std::uint32_t i : mesh->model->triangles) {
      const XModel::Vertex& v = mesh->model->vertices[i];
      vertices.push_back({400.0f + kMeshPixels * (mesh->location.x + v.x * mesh->scale.x),
                          300.0f - kMeshPixels * (mesh->location.y + v.y * mesh->scale.y), v.u, v.v,
                          r, g, b, a});
    }
  }
}

void addParticles(const EngineState& scene, double now, BatchWriter& out) {
  for (const auto& [handle, rec] : scene.particleSets) {
    if (!rec.set->shown || !rec.backendTexture || rec.set->live() == 0) continue;
    rec.set->appendQuads(now, out.to(rec.backendTexture, Blend::Additive));
  }
}

void addText(const EngineState& scene, BatchWriter& out) {
  std::vector<PlacedGlyph> glyphs;
  for (const PrintedLine& line : scene.printed) {
    const FontRec* font = scene.fonts.find(line.font);
    if (!font || !font->font || !font->backendTexture) continue;
    glyphs.clear();
    layoutLine(*font->font, line.text, {line.x, line.y}, line.scale, glyphs);
    if (glyphs.empty()) continue;
    const float aw = static_cast<float>(font->font->atlasWidth),
                ah = static_cast<float>(font->font->atlasHeight);
    const iColor4 c = line.colour;
    auto& vertices = out.to(font->backendTexture, Blend::Alpha);
    for (const PlacedGlyph& p : glyphs) {
      const float u0 = p.glyph->x / aw, v0 = p.glyph->y / ah,
                  u1 = (p.glyph->x + p.glyph->width) / aw, v1 = (p.glyph->y + p.glyph->height) / ah;
      const Vertex tl{p.x, p.y, u0, v0, c.r, c.g, c.b, c.a},
          tr{p.x + p.width, p.y, u1, v0, c.r, c.g, c.b, c.a},
          br{p.x + p.width, p.y + p.height, u1, v1, c.r, c.g, c.b, c.a},
          bl{p.x, p.y + p.height, u0, v1, c.r, c.g, c.b, c.a};
      vertices.insert(vertices.end(), {tl, tr, br, tl, br, bl});
    }
  }
}

void addSprites(const EngineState& scene, BatchWriter& out) {
  std::vector<const SpriteRec*> order;
  for (const auto& [handle, sprite] : scene.sprites) {
    if (sprite.visible && textureRef(scene, sprite.texture)) order.push_back(&sprite);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](auto* a, auto* b) { return a->priority < b->priority; });
  for (const SpriteRec* s : order) {
    const float cx = 400.0f + kPrintPixels * s->location.x,
                cy = 300.0f - kPrintPixels * s->location.y;
    const float hw = kPrintPixels * s->scale.x / 2, hh = kPrintPixels * s->scale.y / 2;
    const Vertex tl{cx - hw, cy - hh, 0, 0}, tr{cx + hw, cy - hh, 1, 0}, br{cx + hw, cy + hh, 1, 1},
        bl{cx - hw, cy + hh, 0, 1};
    auto& vertices = out.to(textureRef(scene, s->texture), Blend::Alpha);
    vertices.insert(vertices.end(), {tl, tr, br, tl, br, bl});
  }
}

}  // namespace

void buildDrawList(const EngineState& scene, double now, DrawList& list) {
  list.clearR = scene.clearR;
  list.clearG = scene.clearG;
  list.clearB = scene.clearB;
  BatchWriter out(list);
  addMeshes(scene, out);
  addParticles(scene, now, out);
  addText(scene, out);
  addSprites(scene, out);
}

}  // namespace rt
