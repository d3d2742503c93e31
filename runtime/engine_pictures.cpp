#include "runtime/engine_pictures.h"

#include <algorithm>
#include <future>

#include "runtime/engine_assets.h"
#include "runtime/image_loader.h"
#include "runtime/runtime.h"

namespace rt {
namespace {

struct Decoded {
  Image image;
  std::string error;
  bool ok = false;
};

Decoded decodeBytes(std::span<const std::uint8_t> bytes, PictureDecoder decoder) {
  Decoded d;
  d.ok = loadImage(bytes, decoder, d.image, d.error);
  return d;
}

}  // namespace

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
  // The decoder is a pure function of the bytes: the second half is decoded on a thread of its
  // own beside the first.
  const PictureDecoder decoder = backend().pictureDecoder();
  std::vector<Decoded> decoded(waiting.size());
  const auto decodeRun = [&](std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) decoded[i] = decodeBytes(waiting[i]->encoded_, decoder);
  };
  const std::size_t half = waiting.size() / 2;
  std::future<void> aside;
  if (half > 0) aside = std::async(std::launch::async, decodeRun, half, waiting.size());
  decodeRun(0, half > 0 ? half : waiting.size());
  if (aside.valid()) aside.get();
  for (std::size_t i = 0; i < waiting.size(); ++i) {
    const EnginePicture& p = *waiting[i];
    p.encoded_ = {};
    if (!decoded[i].ok) {
      reportBadInput("picture", p.source_, decoded[i].error);
      continue;
    }
    p.backendRef_ = backend().createTexture(decoded[i].image);
    if (!p.backendRef_) reportBadInput("picture", p.source_, "the renderer refused it");
  }
}

}  // namespace rt
