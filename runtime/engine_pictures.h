// The pictures the engine holds for its textures, font atlases and particle sets. A picture is
// read and its header checked when the game asks for it, but decoded and handed to the backend
// only when it first shows: the game asks at set-up for every picture of every screen, help
// page, bat shape, explosion and backdrop, and shows few of them at a time (a closed panel waits
// off the picture). What a frame shows for the first time is decoded before the frame is drawn,
// on two threads, unless the game had it decoded ahead (a backdrop, the loading picture) while
// it went on with other things. Decoding on first use is the picture's own business, so it
// happens through const access too.
#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "runtime/backend.h"

namespace rt {

class EnginePicture {
 public:
  EnginePicture() = default;
  // From the encoded bytes; a broken header is reported at once and the picture draws nothing.
  // A backend that keeps no pixels takes the picture at once.
  EnginePicture(std::span<const std::uint8_t> bytes, std::string source);
  // From a game file.
  static EnginePicture fromFile(const std::string& name);

  // The backend's reference; 0 while the picture waits to be decoded, or when it cannot be.
  int backendRef() const { return backendRef_; }
  bool waiting() const { return !encoded_.empty(); }
  // Gives the backend's picture back; the picture then draws nothing.
  void release();

  // Starts decoding a waiting picture on a thread of its own, for a picture that frames soon to
  // come will show: a full-screen backdrop decodes while the set-up goes on. Its first frame
  // takes the result, waiting for it only if it is not ready.
  void decodeAhead() const;
  // The same for a game file before any picture is made of it: the first picture made of the
  // same bytes takes the decoding over. What no picture has taken by the next decode() is
  // forgotten.
  static void decodeFileAhead(const std::string& name);

  // Decodes the waiting pictures among `pictures` and hands them to the backend; a
  // picture that cannot be decoded is reported and draws nothing.
  static void decode(const std::vector<const EnginePicture*>& pictures);

 private:
  struct Decoded {
    Image image;
    std::string error;
    bool ok = false;
  };
  static Decoded decodeBytes(std::span<const std::uint8_t> bytes, PictureDecoder decoder);
  using Decoding = std::shared_ptr<std::future<Decoded>>;
  // The bytes decoding on a thread of their own; nothing when no thread can be had.
  static Decoding startDecoding(std::vector<std::uint8_t> bytes, PictureDecoder decoder);
  struct FileDecodedAhead {
    std::vector<std::uint8_t> bytes;
    Decoding decoding;
  };
  static std::vector<FileDecodedAhead>& filesDecodedAhead();
  // Decodes the pictures on this thread and a helper, handing each to the backend, and hands
  // over those decoded ahead meanwhile.
  static void decodeShared(std::vector<const EnginePicture*>& pictures, PictureDecoder decoder,
                           const std::vector<const EnginePicture*>& decodedAhead);
  // Hands over the picture decoded ahead, waiting for it if need be.
  void takeAhead() const;
  // Hands a decoded picture to the backend (or reports why it could not be decoded).
  void take(Decoded decoded) const;

  mutable int backendRef_ = 0;
  mutable std::vector<std::uint8_t> encoded_;  // until decoded
  mutable Decoding ahead_;                     // a decoding started ahead, until taken
  std::string source_;                         // the game's name for it, for messages
};

}  // namespace rt
