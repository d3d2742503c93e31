// The engine core on the headless backend: building the draw list of a busy play screen (about
// 600 meshes, the bat's seven jets, a status line) and one whole headless frame.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/impact.h"
#include "platform/files.h"
#include "runtime/draw_list.h"
#include "runtime/engine_scene.h"
#include "runtime/runtime.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void putBe32(Bytes& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

// The headless engine reads only a picture's header: signature and size are enough.
Bytes pngHeader(std::uint32_t width, std::uint32_t height) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  putBe32(out, width);
  putBe32(out, height);
  return out;
}

// Every printable ASCII code a 20 x 40 glyph advancing 22 pixels.
Bytes font() {
  Bytes out = {'W', 'I', 'D', '1', 64, 0, 0, 0};
  for (int code = 0; code < 256; ++code) {
    const bool printable = code > 32 && code < 127;
    const int x = (code % 16) * 20, y = (code / 16) * 40;
    for (int v : {x, y, printable ? 20 : 0, printable ? 40 : 0, 1, 12, printable ? 22 : 0}) {
      out.push_back(static_cast<std::uint8_t>(v & 0xFF));
      out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
  }
  const Bytes atlas = pngHeader(320, 640);
  out.insert(out.end(), atlas.begin(), atlas.end());
  return out;
}

const char* kSquare =
    "xof 0303txt 0032\nMesh { 4; -0.8;0.8;0;, 0.8;0.8;0;, 0.8;-0.8;0;, -0.8;-0.8;0;;\n"
    " 2; 3;0,1,2;, 3;0,2,3;;\n MeshTextureCoords { 4; 0;0;, 1;0;, 1;1;, 0;1;; } }\n";

class NoInput : public rt::InputSource {
 public:
  void nextFrame(rt::InputFrame& frame) override { frame = {}; }
  void resetMouse(float, float) override {}
};

// A play screen on the headless engine: background, walls, 400 bricks, balls, bat, bonuses,
// enemies and effects (about 600 meshes over 40 pictures), seven jets and a status line.
class BusyScene {
 public:
  BusyScene() {
    dir_ = std::filesystem::temp_directory_path() / ("glint_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir_ / "data");
    write("data/sprite.x", Bytes(kSquare, kSquare + std::string(kSquare).size()));
    write("data/pic.png", pngHeader(40, 30));
    write("data/font.wid", font());
    write("data/blob.dds", ddsHeader());
    files::setGameDir(dir_.string());
    rt::setBackend(rt::makeHeadlessBackend());
    auto clock = std::make_unique<rt::VirtualClock>();
    clock_ = clock.get();
    rt::setClock(std::move(clock));
    rt::setInput(input_);
    i3ImpactOpen(1, 0);
    const std::int32_t settings[6] = {0, 0, 15360000, 0, 0, -1};
    i3ImpactSettings(settings);
    i3ImpactInitEnd();

    std::vector<iHandle> pictures;
    for (int i = 0; i < 40; ++i) pictures.push_back(iTextureCreate("data/pic.png"));
    for (int i = 0; i < 600; ++i) {
      const iHandle mesh = iMeshCreate("data/sprite.x");
      iMeshTextureSet(mesh, pictures[i < 400 ? i % 14 : 14 + i % 26]);
      iMeshLocationSet(
          mesh, {static_cast<float>(i % 20) * 4 - 40, 30 - static_cast<float>(i / 20) * 2, 1});
      iMeshScaleSet(mesh, {3.125f, 2.34f, 1});
      iMeshRenderPrioritySet(mesh, i < 400 ? 10 : i % 7);
      iMeshAlphaSet(mesh, 0.9f);
      iMeshShow(mesh);
      meshes_.push_back(mesh);
    }
    for (int i = 0; i < 7; ++i) {
      const iHandle set = iParticleCreate("data/blob.dds", 100);
      iParticleGravitySet(set, {0, -100, 80});
      iParticleAirResistanceSet(set, 10);
      iParticleLifeTimeSet(set, 0.2f);
      iParticleColorSet(set, {1, 1, 0}, {1, 0, 0});
      iParticleShow(set);
      const iHandle emitter = iParticleEmitterCreate(set);
      iParticleEmitterDirectionSet(emitter, {0, -1, 0}, {0, -1, 0});
      iParticleEmitterSpeedSet(emitter, 4, 4.1f);
      iParticleEmitterScaleSet(emitter, {0.05f, 0.05f}, {0.05f, 0.1f});
      iParticleEmitterLocationSet(emitter, {static_cast<float>(i) - 3, -30, 1.5f});
      emitters_.push_back(emitter);
    }
    font_ = iFontCreate("data/font.wid", 0);
    cursor_ = iSpriteCreate("data/sprite.x", 0);
    iSpriteTextureSet(cursor_, pictures[0]);
    iSpritePrioritySet(cursor_, 1);
    iSpriteShow(cursor_);
    // Fill the jets to their steady state.
    for (int i = 0; i < 20; ++i) frameUpdate();
  }

  ~BusyScene() {
    i3ImpactClose();
    std::filesystem::remove_all(dir_);
  }

  // What the game does to the engine in one frame of play.
  void frameUpdate() {
    clock_->advanceMillis(13);
    ++tick_;
    for (std::size_t i = 400; i < meshes_.size(); ++i) {
      iMeshLocationSet(meshes_[i], {static_cast<float>((tick_ + i) % 80) - 40, -20, 1});
    }
    for (iHandle e : emitters_) iParticleEmitterEmit(e, 100, 1);
    iPrintColorSet(1, 1, 1, 1);
    for (int line = 0; line < 5; ++line) {
      iPrint("12345 LEVEL 07", {static_cast<float>(line) * 6 - 15, 11.5f}, {0.5f, 0.5f}, 0.1f,
             font_);
    }
  }

 private:
  static Bytes ddsHeader() {
    Bytes out(128 + 4 * 4 * 4, 0);
    const auto put = [&](std::size_t at, std::uint32_t v) {
      for (int s = 0; s < 4; ++s) out[at + s] = static_cast<std::uint8_t>(v >> (8 * s));
    };
    out[0] = 'D', out[1] = 'D', out[2] = 'S', out[3] = ' ';
    put(4, 124), put(12, 4), put(16, 4), put(76, 32), put(80, 0x41), put(88, 32);
    put(92, 0xFF0000), put(96, 0xFF00), put(100, 0xFF), put(104, 0xFF000000u);
    return out;
  }

  void write(const std::string& name, const Bytes& bytes) {
    std::ofstream(dir_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  std::filesystem::path dir_;
  rt::VirtualClock* clock_ = nullptr;
  NoInput input_;
  std::vector<iHandle> meshes_, emitters_;
  iHandle font_ = 0, cursor_ = 0;
  long tick_ = 0;
};

void BM_DrawListOfABusyScene(benchmark::State& state) {
  BusyScene scene;
  scene.frameUpdate();
  rt::DrawList list;
  std::size_t cards = 0;
  for (auto _ : state) {
    rt::buildDrawList(rt::engineState(), rt::clock().seconds(), list);
    benchmark::DoNotOptimize(list.batches.data());
  }
  for (const auto& batch : list.batches) cards += batch.quads.size();
  state.counters["batches"] = static_cast<double>(list.batches.size());
  state.counters["cards"] = static_cast<double>(cards);
}
BENCHMARK(BM_DrawListOfABusyScene)->Unit(benchmark::kMicrosecond);

void BM_HeadlessFrame(benchmark::State& state) {
  BusyScene scene;
  for (auto _ : state) {
    i3ImpactMain();
    scene.frameUpdate();
    i3ImpactRender();
  }
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

// The one benchmark program of the project starts here.
BENCHMARK_MAIN();
