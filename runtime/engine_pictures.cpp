#include "runtime/engine_pictures.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/files.h"
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
  if (!backend().pictureDecoder()) {
    decode({this});
    return;
  }
  auto& files = filesDecodedAhead();
  const auto same = std::find_if(files.begin(), files.end(),
                                 [&](const FileDecodedAhead& f) { return f.bytes == encoded_; });
  if (same != files.end()) {
    ahead_ = std::move(same->decoding);
    files.erase(same);
  }
}

EnginePicture EnginePicture::fromFile(const std::string& name) {
  const auto bytes = readGameFile("picture", name);
  return bytes ? EnginePicture(*bytes, name) : EnginePicture();
}

void EnginePicture::release() {
  if (backendRef_) backend().destroyTexture(backendRef_);
  backendRef_ = 0;
  encoded_.clear();
  ahead_.reset();  // waits for a decoding ahead, which holds bytes of its own
}

EnginePicture::Decoding EnginePicture::startDecoding(std::vector<std::uint8_t> bytes,
                                                     PictureDecoder decoder) {
  try {
    return std::make_shared<std::future<Decoded>>(
        std::async(std::launch::async,
                   [bytes = std::move(bytes), decoder] { return decodeBytes(bytes, decoder); }));
  } catch (const std::system_error&) {
    return nullptr;  // the picture decodes with its first frame, as any other
  }
}

void EnginePicture::decodeAhead() const {
  const PictureDecoder decoder = backend().pictureDecoder();
  if (waiting() && !ahead_ && decoder) ahead_ = startDecoding(encoded_, decoder);
}

std::vector<EnginePicture::FileDecodedAhead>& EnginePicture::filesDecodedAhead() {
  static std::vector<FileDecodedAhead> files;
  return files;
}

void EnginePicture::decodeFileAhead(const std::string& name) {
  const PictureDecoder decoder = backend().pictureDecoder();
  if (!decoder) return;
  // Quietly: a missing or broken file is reported when the game makes its picture.
  auto bytes = files::readAll(files::gamePath(name));
  if (!bytes) return;
  if (Decoding decoding = startDecoding(*bytes, decoder))
    filesDecodedAhead().push_back({std::move(*bytes), std::move(decoding)});
}

void EnginePicture::decode(const std::vector<const EnginePicture*>& pictures) {
  // Each once (many meshes share a texture), in the order asked for; those decoding ahead apart.
  std::vector<const EnginePicture*> waiting, started;
  for (const EnginePicture* p : pictures) {
    if (!p->waiting() || std::find(waiting.begin(), waiting.end(), p) != waiting.end() ||
        std::find(started.begin(), started.end(), p) != started.end())
      continue;
    (p->ahead_ ? started : waiting).push_back(p);
  }
  decodeShared(waiting, backend().pictureDecoder(), started);
  filesDecodedAhead().clear();
}

void EnginePicture::takeAhead() const {
  const auto ahead = std::move(ahead_);
  take(ahead->get());
}

void EnginePicture::decodeShared(std::vector<const EnginePicture*>& waiting, PictureDecoder decoder,
                                 const std::vector<const EnginePicture*>& decodedAhead) {
  if (waiting.size() <= 1) {
    for (const EnginePicture* p : decodedAhead) p->takeAhead();
    if (!waiting.empty()) waiting.front()->take(decodeBytes(waiting.front()->encoded_, decoder));
    return;
  }
  // The decoder is a pure function of the bytes, so this thread and one helper share the work:
  // the helper decodes from the largest picture down, this thread from the smallest up, and only
  // this thread hands pictures to the backend (which takes time of its own). The helper holds at
  // most one decoded picture until it is taken, so no more than three are held at a time.
  std::stable_sort(waiting.begin(), waiting.end(), [](const auto* a, const auto* b) {
    return a->encoded_.size() > b->encoded_.size();
  });
  std::mutex lock;
  std::condition_variable changed;
  std::size_t front = 0, back = waiting.size();  // the pictures [front, back) are not taken yet
  std::optional<std::pair<const EnginePicture*, Decoded>> handed;  // by the helper, to be taken
  bool helperDone = false;
  std::thread helper([&] {
    std::unique_lock<std::mutex> held(lock);
    while (front < back) {
      const EnginePicture* picture = waiting[front++];
      held.unlock();
      Decoded decoded = decodeBytes(picture->encoded_, decoder);
      held.lock();
      changed.wait(held, [&] { return !handed; });
      handed.emplace(picture, std::move(decoded));
      changed.notify_all();
    }
    helperDone = true;
    changed.notify_all();
  });
  // Begun earlier, those decoded ahead are most likely ready: handed over while the helper starts.
  for (const EnginePicture* p : decodedAhead) p->takeAhead();
  std::unique_lock<std::mutex> held(lock);
  for (;;) {
    if (handed) {
      auto [picture, decoded] = std::move(*handed);
      handed.reset();
      changed.notify_all();
      held.unlock();
      picture->take(std::move(decoded));
    } else if (front < back) {
      const EnginePicture* picture = waiting[--back];
      held.unlock();
      picture->take(decodeBytes(picture->encoded_, decoder));
    } else if (helperDone) {
      break;
    } else {
      changed.wait(held);
      continue;
    }
    held.lock();
  }
  held.unlock();
  helper.join();
}

}  // namespace rt
