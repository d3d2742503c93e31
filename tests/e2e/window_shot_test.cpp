// The real program in a real window (on an X server of the test's own): it opens its window, draws
// the menu background from a small fixture game folder, fades in, and a scripted "shot" saves what
// the window shows.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/private_display.h"
#include "tests/e2e/shot_image.h"
#include "tests/e2e/window_game.h"

namespace {

namespace fs = std::filesystem;

constexpr SDL_Color kBackground{40, 160, 220, 255};

// A fresh folder under the system's temporary folder, removed with the fixture.
fs::path makeTempDir(const char* name) {
  std::string pattern = (fs::temp_directory_path() / (std::string(name) + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) return {};
  return pattern;
}

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void writeText(const fs::path& path, const std::string& text) {
  writeFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An 800 x 600 PNG of one colour.
std::vector<std::uint8_t> plainPng(const fs::path& scratch, SDL_Color colour) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return {};
  SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, colour.r, colour.g, colour.b, 255));
  const fs::path file = scratch / "plain.png";
  const bool saved = IMG_SavePNG(surface, file.c_str()) == 0;
  SDL_FreeSurface(surface);
  return saved ? readFile(file) : std::vector<std::uint8_t>{};
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A picture archive whose entries 0..2 are empty and entry 3 holds the picture.
std::vector<std::uint8_t> backgroundArchive(const std::vector<std::uint8_t>& picture) {
  std::vector<std::uint8_t> archive;
  const std::uint32_t tableSize = 4 * 8;
  for (int i = 0; i < 3; ++i) {
    putU32(archive, tableSize);
    putU32(archive, 0);
  }
  putU32(archive, tableSize);
  putU32(archive, static_cast<std::uint32_t>(picture.size()));
  archive.insert(archive.end(), picture.begin(), picture.end());
  return archive;
}

const char* kSquareModel =
    "xof 0303txt 0032\n"
    "Mesh Square {\n"
    "  4;\n"
    "  -0.8;0.8;0.0;,\n"
    "  0.8;0.8;0.0;,\n"
    "  0.8;-0.8;0.0;,\n"
    "  -0.8;-0.8;0.0;;\n"
    "  1;\n"
    "  4;0,1,2,3;;\n"
    "  MeshTextureCoords {\n"
    "    4;\n"
    "    0.0;0.0;,\n"
    "    1.0;0.0;,\n"
    "    1.0;1.0;,\n"
    "    0.0;1.0;;\n"
    "  }\n"
    "}\n";

// Runs the game binary with these arguments (and SDL's renderer when `renderDriver` names one);
// its exit status, or -1 when it did not exit.
int runGame(const std::vector<std::string>& arguments, const char* renderDriver) {
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (renderDriver) setenv("SDL_RENDER_DRIVER", renderDriver, 1);
    std::vector<char*> argv{const_cast<char*>(GLINT_GAME_BINARY)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// Frames reach the window through our own rasteriser, or through SDL's renderer when the
// environment names one (as on a machine with a GPU).
class RealWindow : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    ASSERT_FALSE(display_.name().empty()) << "Xvfb did not start";
    setenv("DISPLAY", display_.name().c_str(), 1);
    gameDir_ = makeTempDir("glint-e2e-game");
    userDir_ = makeTempDir("glint-e2e-user");
    ASSERT_FALSE(gameDir_.empty());
    ASSERT_FALSE(userDir_.empty());
    const auto picture = plainPng(userDir_, kBackground);
    ASSERT_FALSE(picture.empty()) << IMG_GetError();
    writeText(gameDir_ / "data" / "sprite.x", kSquareModel);
    writeFile(gameDir_ / "data" / "Background.dat", backgroundArchive(picture));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(gameDir_, ignored);
    fs::remove_all(userDir_, ignored);
  }

  // Runs the script in the window; the game's exit status.
  int play(const std::string& script) {
    const fs::path scriptFile = userDir_ / "run.script";
    writeText(scriptFile, script);
    return runGame({"--game-dir", gameDir_.string(), "--user-dir", userDir_.string(), "--script",
                    scriptFile.string()},
                   GetParam());
  }

  e2e::PrivateDisplay display_;
  fs::path gameDir_;
  fs::path userDir_;
};

TEST_P(RealWindow, MenuBackgroundFadesInAndTheShotShowsIt) {
  const fs::path shot = userDir_ / "menu.png";
  ASSERT_EQ(play("until GameState == 4 400\nframes 160\nshot " + shot.string() + "\n"), 0);

  const e2e::Shot image = e2e::LoadShot(shot.string());
  EXPECT_EQ(image.width(), 800);
  EXPECT_EQ(image.height(), 600);
  if (image.empty()) return;
  // The middle of the picture is the background alone; the fade has reached full brightness.
  for (const auto& [x, y] : {std::pair{400, 300}, {200, 150}, {600, 200}, {300, 420}}) {
    const e2e::Rgb pixel = image.at(x, y);
    EXPECT_NEAR(pixel.r, kBackground.r, 3) << x << "," << y;
    EXPECT_NEAR(pixel.g, kBackground.g, 3) << x << "," << y;
    EXPECT_NEAR(pixel.b, kBackground.b, 3) << x << "," << y;
  }
}

// The loading picture is decoded on a helper before the window opens; a damaged one comes to
// nothing there as it would in the frame, and the menu follows as ever.
TEST_P(RealWindow, ADamagedLoadingPictureDecodedAheadLeavesTheMenuAsItIs) {
  auto damaged = plainPng(userDir_, {250, 20, 20, 255});
  ASSERT_GT(damaged.size(), 100u);
  damaged.resize(damaged.size() - 40);  // the header reads, the pixels do not
  writeFile(gameDir_ / "data" / "loading.jpg", damaged);
  const fs::path shot = userDir_ / "menu.png";
  ASSERT_EQ(play("until GameState == 4 400\nframes 160\nshot " + shot.string() + "\n"), 0);
  const e2e::Shot image = e2e::LoadShot(shot.string());
  ASSERT_FALSE(image.empty());
  const e2e::Rgb pixel = image.at(400, 300);
  EXPECT_NEAR(pixel.r, kBackground.r, 3);
  EXPECT_NEAR(pixel.b, kBackground.b, 3);
}

TEST_P(RealWindow, ShotDuringTheFadeIsStillDark) {
  const fs::path shot = userDir_ / "early.png";
  ASSERT_EQ(play("until GameState == 4 400\nframes 2\nshot " + shot.string() + "\n"), 0);
  const e2e::Shot image = e2e::LoadShot(shot.string());
  if (image.empty()) return;
  const e2e::Rgb pixel = image.at(400, 300);
  EXPECT_LT(pixel.g, kBackground.g / 4);
  EXPECT_LT(pixel.b, kBackground.b / 4);
}

INSTANTIATE_TEST_SUITE_P(Drawing, RealWindow, ::testing::Values(nullptr, "software"),
                         [](const auto& info) {
                           return std::string(info.param ? "SdlRenderer" : "OurRasteriser");
                         });

}  // namespace
