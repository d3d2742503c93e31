#include "runtime/draw_list.h"

#include <algorithm>

namespace rt {
namespace {

constexpr float kMeshPixels = 8.0f;    // pixels per mesh unit
constexpr float kPrintPixels = 25.0f;  // pixels per print unit
constexpr float kPictureWidth = 800.0f, kPictureHeight = 600.0f;

// Appends cards to the last batch when it shares texture and blend, else opens a batch.
// Batches are reused between frames: only their card counts are reset.
class BatchWriter {
 public:
  explicit BatchWriter(DrawList& list) : list_(list) {}
  ~BatchWriter() { list_.batches.resize(used_); }

  std::vector<DrawQuad>& to(int texture, Blend blend) {
    if (used_ > 0) {
      DrawBatch& last = list_.batches[used_ - 1];
      if (last.texture == texture && last.blend == blend) return last.quads;
    }
    if (used_ == list_.batches.size()) list_.batches.emplace_back();
    DrawBatch& batch = list_.batches[used_++];
    batch.texture = texture;
    batch.blend = blend;
    batch.quads.clear();
    return batch.quads;
  }

 private:
  DrawList& list_;
  std::size_t used_ = 0;
};

float lightFactor(float c) {
  return std::clamp(c / 2.0f, 0.0f, 1.0f);
}

const EnginePicture* pictureOf(const EngineState& scene, iHandle texture) {
  const TextureRec* t = scene.textures.find(texture);
  return t ? &t->picture : nullptr;
}

// Whether a picture is there to draw: decoded, or waiting to be.
bool held(const EnginePicture* picture) {
  return picture && (picture->backendRef() || picture->waiting());
}

// A card goes to the list when its picture is decoded; one whose picture waits is noted instead,
// when it would show (on the picture, not fully transparent).
class Cards {
 public:
  Cards(DrawList& list, std::vector<const EnginePicture*>* waiting)
      : out_(list), waiting_(waiting) {}

  void add(const EnginePicture& picture, Blend blend, const DrawQuad& quad) {
    if (picture.backendRef()) {
      out_.to(picture.backendRef(), blend).push_back(quad);
    } else if (picture.waiting() && quad.a > 0 && quad.x1 > 0 && quad.x0 < kPictureWidth &&
               quad.y1 > 0 && quad.y0 < kPictureHeight) {
      wait(picture);
    }
  }
  // The batch for cards of a decoded picture.
  std::vector<DrawQuad>& to(int texture, Blend blend) { return out_.to(texture, blend); }
  void wait(const EnginePicture& picture) {
    if (waiting_) waiting_->push_back(&picture);
  }

 private:
  BatchWriter out_;
  std::vector<const EnginePicture*>* waiting_;
};

void addMeshes(const EngineState& scene, Cards& out) {
  std::vector<std::pair<iHandle, const MeshRec*>> order;
  order.reserve(scene.meshes.size());
  for (const auto& [handle, mesh] : scene.meshes) {
    if (mesh.visible && mesh.model && held(pictureOf(scene, mesh.texture)))
      order.emplace_back(handle, &mesh);
  }
  // Lower priorities first so higher ones end up on top; the table is in creation order.
  std::stable_sort(order.begin(), order.end(),
                   [](auto& a, auto& b) { return a.second->priority < b.second->priority; });
  const float r = lightFactor(scene.light.r), g = lightFactor(scene.light.g),
              b = lightFactor(scene.light.b);
  for (const auto& [handle, mesh] : order) {
    const float a = std::clamp(mesh->alpha, 0.0f, 1.0f);
    const XModel::Card& card = mesh->model->card;
    DrawQuad quad{400.0f + kMeshPixels * (mesh->location.x + card.left * mesh->scale.x),
                  300.0f - kMeshPixels * (mesh->location.y + card.top * mesh->scale.y),
                  400.0f + kMeshPixels * (mesh->location.x + card.right * mesh->scale.x),
                  300.0f - kMeshPixels * (mesh->location.y + card.bottom * mesh->scale.y),
                  card.u0,
                  card.v0,
                  card.u1,
                  card.v1,
                  r,
                  g,
                  b,
                  a};
    // A negative scale mirrors the picture.
    if (quad.x0 > quad.x1) {
      std::swap(quad.x0, quad.x1);
      std::swap(quad.u0, quad.u1);
    }
    if (quad.y0 > quad.y1) {
      std::swap(quad.y0, quad.y1);
      std::swap(quad.v0, quad.v1);
    }
    out.add(*pictureOf(scene, mesh->texture), Blend::Alpha, quad);
  }
}

void addParticles(const EngineState& scene, double now, Cards& out) {
  for (const auto& [handle, rec] : scene.particleSets) {
    if (!rec.set->shown || rec.set->live() == 0) continue;
    if (const int texture = rec.picture.backendRef()) {
      rec.set->appendQuads(now, out.to(texture, Blend::Additive));
    } else if (rec.picture.waiting()) {
      out.wait(rec.picture);
    }
  }
}

void addText(const EngineState& scene, Cards& out) {
  std::vector<PlacedGlyph> glyphs;
  for (const PrintedLine& line : scene.printed) {
    const FontRec* font = scene.fonts.find(line.font);
    if (!font || !font->font) continue;
    if (font->atlas.waiting()) out.wait(font->atlas);
    if (!font->atlas.backendRef()) continue;
    glyphs.clear();
    layoutLine(*font->font, line.text, {line.x, line.y}, line.scale, glyphs);
    if (glyphs.empty()) continue;
    const float aw = static_cast<float>(font->font->atlasWidth),
                ah = static_cast<float>(font->font->atlasHeight);
    const iColor4 c = line.colour;
    auto& quads = out.to(font->atlas.backendRef(), Blend::Alpha);
    for (const PlacedGlyph& p : glyphs) {
      quads.push_back({p.x, p.y, p.x + p.width, p.y + p.height, p.glyph->x / aw, p.glyph->y / ah,
                       (p.glyph->x + p.glyph->width) / aw, (p.glyph->y + p.glyph->height) / ah, c.r,
                       c.g, c.b, c.a});
    }
  }
}

void addSprites(const EngineState& scene, Cards& out) {
  std::vector<const SpriteRec*> order;
  for (const auto& [handle, sprite] : scene.sprites) {
    if (sprite.visible && held(pictureOf(scene, sprite.texture))) order.push_back(&sprite);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](auto* a, auto* b) { return a->priority < b->priority; });
  for (const SpriteRec* s : order) {
    const float cx = 400.0f + kPrintPixels * s->location.x,
                cy = 300.0f - kPrintPixels * s->location.y;
    const float hw = kPrintPixels * s->scale.x / 2, hh = kPrintPixels * s->scale.y / 2;
    out.add(*pictureOf(scene, s->texture), Blend::Alpha, {cx - hw, cy - hh, cx + hw, cy + hh});
  }
}

}  // namespace

void buildDrawList(const EngineState& scene, double now, DrawList& list,
                   std::vector<const EnginePicture*>* waiting) {
  list.clearR = scene.clearR;
  list.clearG = scene.clearG;
  list.clearB = scene.clearB;
  list.repaint = scene.repaint;
  Cards out(list, waiting);
  addMeshes(scene, out);
  addParticles(scene, now, out);
  addText(scene, out);
  addSprites(scene, out);
}

}  // namespace rt
