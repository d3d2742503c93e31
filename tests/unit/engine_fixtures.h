// Small pictures, fonts and models written byte by byte for the engine tests, and an engine
// installed on the headless backend over a temporary game folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/impact.h"
#include "platform/files.h"
#include "runtime/runtime.h"

namespace enginetest {

using Bytes = std::vector<std::uint8_t>;

inline void putBe32(Bytes& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}
inline void putLe32(Bytes& out, std::uint32_t v) {
  for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}
inline void putLe16(Bytes& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

inline std::uint32_t crc32(const std::uint8_t* p, std::size_t n) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

inline void putChunk(Bytes& out, const char* type, const Bytes& data) {
  putBe32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  putBe32(out, crc32(out.data() + start, out.size() - start));
}

// A complete RGBA PNG of one colour, deflated with stored blocks.
inline Bytes png(int width, int height, std::array<std::uint8_t, 4> rgba = {255, 255, 255, 255}) {
  Bytes raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) raw.insert(raw.end(), rgba.begin(), rgba.end());
  }
  Bytes z = {0x78, 0x01};
  for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    z.push_back(at + n >= raw.size() ? 1 : 0);
    putLe16(z, static_cast<int>(n));
    putLe16(z, static_cast<int>(~n & 0xFFFF));
    z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
    if (raw.empty()) break;
  }
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t v : raw) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  putBe32(z, b << 16 | a);
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  putBe32(ihdr, static_cast<std::uint32_t>(width));
  putBe32(ihdr, static_cast<std::uint32_t>(height));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
  putChunk(out, "IHDR", ihdr);
  putChunk(out, "IDAT", z);
  putChunk(out, "IEND", {});
  return out;
}

// A 2 x 1 DDS: a red pixel then a half-transparent blue one, with the given masks.
inline Bytes dds(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a, int width = 2,
                 int height = 1) {
  Bytes out = {'D', 'D', 'S', ' '};
  putLe32(out, 124);
  putLe32(out, 0x100F);
  putLe32(out, static_cast<std::uint32_t>(height));
  putLe32(out, static_cast<std::uint32_t>(width));
  putLe32(out, static_cast<std::uint32_t>(width * 4));
  for (int i = 0; i < 13; ++i) putLe32(out, 0);
  putLe32(out, 32);
  putLe32(out, 0x41);
  putLe32(out, 0);
  putLe32(out, 32);
  for (std::uint32_t m : {r, g, b, a}) putLe32(out, m);
  for (int i = 0; i < 5; ++i) putLe32(out, 0);
  auto pixel = [&](std::uint32_t rv, std::uint32_t gv, std::uint32_t bv, std::uint32_t av) {
    std::uint32_t p = 0;
    for (auto [mask, v] : {std::pair{r, rv}, {g, gv}, {b, bv}, {a, av}}) {
      for (int s = 0; s < 32; s += 8) {
        if (mask == 0xFFu << s) p |= v << s;
      }
    }
    putLe32(out, p);
  };
  pixel(255, 0, 0, 255);
  pixel(0, 0, 255, 128);
  return out;
}

// A font with glyphs for 'A' (10 x 20 at atlas (0, 0), offsets (1, 4), advance 12) and 'B'
// (8 x 16 at (10, 0), offsets (0, 8), advance 9); every other code is empty.
inline Bytes tinyFont() {
  Bytes out = {'W', 'I', 'D', '1'};
  putLe32(out, 64);
  for (int code = 0; code < 256; ++code) {
    std::array<int, 7> g{};
    if (code == 'A') g = {0, 0, 10, 20, 1, 4, 12};
    if (code == 'B') g = {10, 0, 8, 16, 0, 8, 9};
    for (int v : g) putLe16(out, v);
  }
  const Bytes atlas = png(32, 32);
  out.insert(out.end(), atlas.begin(), atlas.end());
  return out;
}

inline const char* kSquareModel =
    "xof 0303txt 0032\n"
    "Mesh Square {\n"
    " 4;\n"
    " -0.8;0.8;0.0;, 0.8;0.8;0.0;, 0.8;-0.8;0.0;, -0.8;-0.8;0.0;;\n"
    " 2;\n"
    " 3;0,1,2;, 3;0,2,3;;\n"
    " MeshTextureCoords {\n"
    "  4;\n"
    "  0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.0;1.0;;\n"
    " }\n"
    "}\n";

inline Bytes text(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

// A WAVE file of two samples: 16-bit PCM, mono, 22050 Hz.
inline Bytes wave() {
  Bytes out = text("RIFF");
  putLe32(out, 40);
  for (const char* part : {"WAVE", "fmt "}) out.insert(out.end(), part, part + 4);
  putLe32(out, 16);
  putLe16(out, 1);  // PCM
  putLe16(out, 1);  // one channel
  putLe32(out, 22050);
  putLe32(out, 44100);  // bytes a second
  putLe16(out, 2);      // bytes a sample
  putLe16(out, 16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  putLe32(out, 4);
  out.insert(out.end(), {0x00, 0x04, 0x00, 0xFC});
  return out;
}

// A temporary game folder with the files the engine tests load, and the engine opened on the
// headless backend with a virtual clock and still input.
class HeadlessEngine : public ::testing::Test {
 protected:
  class StillInput : public rt::InputSource {
   public:
    rt::InputFrame next;
    void nextFrame(rt::InputFrame& frame) override { frame = next; }
    void resetMouse(float x, float y) override {
      next.mouseX = x;
      next.mouseY = y;
    }
  };

  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("glint_engine_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_ / "data");
    write("data/sprite.x", text(kSquareModel));
    write("data/pic.png", png(4, 4));
    write("data/font.wid", tinyFont());
    write("data/blob.dds", dds(0xFF0000, 0xFF00, 0xFF, 0xFF000000u));
    write("sound/click.wav", wave());
    files::setGameDir(dir_.string());
    rt::setBackend(rt::makeHeadlessBackend());
    auto clock = std::make_unique<rt::VirtualClock>();
    clock_ = clock.get();
    rt::setClock(std::move(clock));
    rt::setInput(input_);
    ASSERT_EQ(i3ImpactOpen(1, 0), 1);
    const std::int32_t settings[6] = {0, 0, 15360000, 0, 0, -1};
    ASSERT_EQ(i3ImpactSettings(settings), 1);
  }

  void TearDown() override {
    i3ImpactClose();
    std::filesystem::remove_all(dir_);
  }

  void write(const std::string& name, const Bytes& bytes) {
    const auto path = dir_ / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  // A visible mesh of the square model with its own picture.
  iHandle visibleMesh(iVector3 location, iVector3 scale, int priority = 0) {
    const iHandle mesh = iMeshCreate("data/sprite.x");
    iMeshTextureSet(mesh, iTextureCreate("data\\PIC.png"));
    iMeshLocationSet(mesh, location);
    iMeshScaleSet(mesh, scale);
    iMeshRenderPrioritySet(mesh, priority);
    iMeshShow(mesh);
    return mesh;
  }

  std::filesystem::path dir_;
  rt::VirtualClock* clock_ = nullptr;
  StillInput input_;
};

}  // namespace enginetest
