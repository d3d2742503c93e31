#include "runtime/engine_pictures.h"

#include <algorithm>
#include <future>

#include "runtime/engine_assets.h"
#include "runtime/image_loader.h"
#include "runtime/runtime.h"

namespace rt {

EnginePicture::Decoded EnginePicture::decodeBytes(std::span<const std::uint8_t> bytes,
                                                  PictureDecoder decoder) {
  Decoded d;
  d.ok = loadImage(bytes, decoder, d.image, d.error);
  return d;
}

void EnginePicture::take(Decoded decoded) const {
  encoded_ = {};
  if (!decoded.ok) {
    reportBadInput("picture", source_, decoded.error);
    return;
  }
  backendRef_ = backend().createTexture(decoded.image);
  if (!backendRef_) reportBadInput("picture", source_, "the renderer refused it");
}

EnginePicture::EnginePicture(std::span<const std::uint8_t> bytes, std::string source)
    : source_(std::move(source)) {
  int width = 0, height = 0;
  std::string error;
  if (!imageSize(bytes, width, height, error)) {
    reportBadInput("picture", source_, error);
    return;
  }
  encoded_.assign(bytes.begin(), bytes.end());
  if (!backend().pictureDecoder()) decode({this});
}

EnginePicture EnginePicture::fromFile(const std::string& name) {
  const auto bytes = readGameFile("picture", name);
  return bytes ? EnginePicture(*bytes, name) : EnginePicture();
}

void EnginePicture::release() {
  if (backendRef_) backend().destroyTexture(backendRef_);
  backendRef_ = 0;
  encoded_.clear();
}

void EnginePicture::decode(const std::vector<const EnginePicture*>& pictures) {
  // Each once (many meshes share a texture), in the order asked for.
  std::vector<const EnginePicture*> waiting;
  for (const EnginePicture* p : pictures) {
    if (p->waiting() && std::find(waiting.begin(), waiting.end(), p) == waiting.end())
      waiting.push_back(p);
  }
  if (waiting.empty()) return;
  // The decoder is a pure function of the bytes: pictures are decoded two at a time, the second
  // on a thread of its own, and each goes to the backend at once (so no more than two decoded
  // images are held at a time).
  const PictureDecoder decoder = backend().pictureDecoder();
  for (std::size_t i = 0; i < waiting.size(); i += 2) {
    const EnginePicture* second = i + 1 < waiting.size() ? waiting[i + 1] : nullptr;
    std::future<Decoded> aside;
    if (second) {
      const std::span<const std::uint8_t> bytes(second->encoded_);
      aside = std::async(std::launch::async, decodeBytes, bytes, decoder);
    }
    waiting[i]->take(decodeBytes(waiting[i]->encoded_, decoder));
    if (second) second->take(aside.get());
  }
}

}  // namespace rt
