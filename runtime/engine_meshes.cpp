// Meshes, textures and engine sprites of the engine core.
#include <string>

#include "engine/impact.h"
#include "runtime/engine_assets.h"
#include "runtime/engine_scene.h"
#include "runtime/runtime.h"

using rt::engineState;

namespace {

rt::MeshRec* mesh(iHandle handle) {
  return engineState().meshes.find(handle);
}
rt::SpriteRec* sprite(iHandle handle) {
  return engineState().sprites.find(handle);
}

}  // namespace

// ---- Meshes ------------------------------------------------------------------------------------

iHandle iMeshCreate(const char* modelFile) {
  rt::MeshRec rec;
  if (modelFile) rec.model = rt::loadModel(modelFile);
  return engineState().meshes.add(std::move(rec));
}

void iMeshDestroy(iHandle handle) {
  engineState().meshes.erase(handle);
}

void iMeshShow(iHandle handle) {
  if (auto* m = mesh(handle)) m->visible = true;
}
void iMeshHide(iHandle handle) {
  if (auto* m = mesh(handle)) m->visible = false;
}
void iMeshTextureReset(iHandle handle) {
  if (auto* m = mesh(handle)) m->texture = 0;
}
void iMeshTextureSet(iHandle handle, iHandle texture) {
  if (auto* m = mesh(handle)) m->texture = texture;
}
void iMeshLocationSet(iHandle handle, iVector3 location) {
  if (auto* m = mesh(handle)) m->location = location;
}
iVector3 iMeshLocation(iHandle handle) {
  const auto* m = mesh(handle);
  return m ? m->location : iVector3{};
}
void iMeshScaleSet(iHandle handle, iVector3 scale) {
  if (auto* m = mesh(handle)) m->scale = scale;
}
void iMeshAlphaSet(iHandle handle, float alpha) {
  if (auto* m = mesh(handle)) m->alpha = alpha;
}
void iMeshRenderPrioritySet(iHandle handle, int priority) {
  if (auto* m = mesh(handle)) m->priority = priority;
}
void iMeshRenderModeSet(iHandle, int, int, int, int) {}  // alpha blending is the only mode
void iMeshTextureModeSet(iHandle, int) {}

// ---- Textures ----------------------------------------------------------------------------------

iHandle iTextureCreate(const char* imageFile) {
  rt::TextureRec rec;
  rec.source = imageFile ? imageFile : "";
  if (imageFile) rec.picture = rt::EnginePicture::fromFile(imageFile);
  return engineState().textures.add(std::move(rec));
}

iHandle iTextureCreateFromMemory(const void* bytes, int count, int id) {
  rt::TextureRec rec;
  rec.id = id;
  rec.source = "memory:" + std::to_string(id);
  if (bytes && count > 0) {
    rec.picture = rt::EnginePicture(
        {static_cast<const std::uint8_t*>(bytes), static_cast<std::size_t>(count)}, rec.source);
  } else {
    rt::reportBadInput("picture", rec.source, "no bytes");
  }
  return engineState().textures.add(std::move(rec));
}

void iTextureDestroy(iHandle handle) {
  auto& s = engineState();
  if (auto* t = s.textures.find(handle)) {
    t->picture.release();
    s.textures.erase(handle);
  }
}

void iTextureDecodeAhead(iHandle handle) {
  if (const auto* t = engineState().textures.find(handle)) t->picture.decodeAhead();
}

void iTextureDecodeFileAhead(const char* imageFile) {
  if (imageFile) rt::EnginePicture::decodeFileAhead(imageFile);
}

void iTextureMipLevelsSet(int) {}

// ---- Sprites -----------------------------------------------------------------------------------

// Sprites are always drawn as a square picture; the model file adds nothing to that.
iHandle iSpriteCreate(const char*, int) {
  return engineState().sprites.add({});
}

void iSpriteTextureSet(iHandle handle, iHandle texture) {
  if (auto* s = sprite(handle)) s->texture = texture;
}
void iSpriteTextureSwap(iHandle handle, iHandle texture) {
  iSpriteTextureSet(handle, texture);
}
void iSpriteTextureReset(iHandle handle) {
  if (auto* s = sprite(handle)) s->texture = 0;
}
void iSpriteShow(iHandle handle) {
  if (auto* s = sprite(handle)) s->visible = true;
}
void iSpriteHide(iHandle handle) {
  if (auto* s = sprite(handle)) s->visible = false;
}
void iSpriteLocationSet(iHandle handle, iVector2 location) {
  if (auto* s = sprite(handle)) s->location = location;
}
void iSpriteScaleSet(iHandle handle, iVector2 scale) {
  if (auto* s = sprite(handle)) s->scale = scale;
}
void iSpritePrioritySet(iHandle handle, int priority) {
  if (auto* s = sprite(handle)) s->priority = priority;
}
