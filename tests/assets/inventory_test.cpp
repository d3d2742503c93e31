// Every file the game reads exists under the game folder, and every picture decodes at the size
// the game draws it.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/assets/asset_bytes.h"
#include "tests/assets/picture_decode.h"

namespace asset_checks {
namespace {

struct Sized {
  int first, last;  // archive indices, inclusive
  int width, height;
};

struct ArchiveSpec {
  const char* name;
  int minimumEntries;
  std::vector<Sized> sizes;  // indices not listed only need to decode
};

const std::vector<ArchiveSpec>& archives() {
  static const std::vector<ArchiveSpec> specs = {
      {"Background.dat", 4, {{0, 0, 118, 110}, {1, 1, 304, 92}, {2, 2, 212, 47}, {3, 3, 800, 600}}},
      {"Cursor.dat", 10, {}},
      {"MainMenu.dat", 16, {{0, 11, 366, 133}, {12, 15, 256, 128}}},
      {"Forms.dat",
       63,
       {{0, 2, 500, 400},
        {3, 3, 512, 256},
        {4, 7, 200, 100},
        {8, 11, 200, 50},
        {12, 15, 100, 50},
        {16, 19, 300, 200},
        {20, 23, 250, 150},
        {39, 41, 400, 100},
        {43, 45, 500, 400},
        {46, 47, 450, 80},
        {48, 51, 200, 100},
        {52, 54, 500, 400},
        {55, 57, 500, 144},
        {58, 61, 64, 40},
        {62, 62, 500, 144}}},
      {"Interface.dat", 3, {{0, 2, 802, 42}}},
      {"GameBack.dat", 3, {{0, 2, 800, 600}}},
      {"BlocksStatic.dat", 14, {{0, 13, 40, 30}}},
      {"BlockAnim.dat", 9, {{0, 8, 40, 30}}},
      {"Explo.dat", 16, {{0, 15, 128, 128}}},
      {"Bita.dat",
       28,
       {{0, 0, 164, 48},
        {1, 1, 164, 45},
        {2, 2, 99, 48},
        {3, 3, 99, 45},
        {4, 4, 296, 48},
        {5, 5, 296, 46},
        {6, 6, 164, 67},
        {7, 7, 164, 63},
        {8, 8, 164, 51},
        {9, 9, 164, 48},
        {22, 22, 397, 93},
        {23, 23, 457, 86},
        {24, 24, 530, 103},
        {25, 25, 480, 106},
        {26, 26, 416, 109},
        {27, 27, 18, 49}}},
      {"Enemies.dat", 15, {{0, 4, 48, 58}, {5, 9, 47, 56}, {10, 14, 56, 49}}},
      {"Bonuses.dat", 12, {{0, 11, 44, 46}}},
      {"Walles.dat", 4, {{0, 3, 50, 100}}},
  };
  return specs;
}

std::optional<Bytes> archiveEntry(const Bytes& archive, size_t index) {
  if (archive.size() < 8 * index + 8) return std::nullopt;
  const size_t offset = u32At(archive, 8 * index), length = u32At(archive, 8 * index + 4);
  if (offset > archive.size() || length > archive.size() - offset) return std::nullopt;
  return Bytes(archive.begin() + static_cast<long>(offset),
               archive.begin() + static_cast<long>(offset + length));
}

void PrintTo(const ArchiveSpec& spec, std::ostream* out) {
  *out << spec.name;
}

class ArchiveTest : public testing::TestWithParam<ArchiveSpec> {};

TEST_P(ArchiveTest, EveryEntryDecodesAtItsSize) {
  const ArchiveSpec& spec = GetParam();
  const Bytes archive = readBytes(gameDir() / "data" / spec.name);
  ASSERT_GE(archive.size(), 8u) << spec.name << " missing or empty";
  // The table ends where the first picture begins.
  const size_t entries = u32At(archive, 0) / 8;
  ASSERT_GE(entries, static_cast<size_t>(spec.minimumEntries)) << spec.name;
  for (size_t i = 0; i < entries; ++i) {
    const std::optional<Bytes> entry = archiveEntry(archive, i);
    ASSERT_TRUE(entry) << spec.name << " #" << i << " points outside the file";
    const auto size = pictureSize(*entry);
    ASSERT_TRUE(size) << spec.name << " #" << i << " does not decode";
    for (const Sized& sized : spec.sizes)
      if (static_cast<int>(i) >= sized.first && static_cast<int>(i) <= sized.last) {
        EXPECT_EQ(*size, std::make_pair(sized.width, sized.height)) << spec.name << " #" << i;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Archives, ArchiveTest, testing::ValuesIn(archives()),
                         [](const testing::TestParamInfo<ArchiveSpec>& info) {
                           std::string name = info.param.name;
                           return name.substr(0, name.find('.'));
                         });

TEST(Pictures, SinglePicturesDecodeAtTheirSize) {
  struct Picture {
    const char* path;
    int width, height;  // 0: any size
  };
  const Picture pictures[] = {
      {"data/loading.jpg", 800, 600},     {"data/splash.png", 800, 600},
      {"data/GameOver.png", 800, 600},    {"data/Pause.png", 800, 600},
      {"data/Bubble.png", 100, 100},      {"data/BubbleArmored.png", 100, 100},
      {"data/Over1.png", 323, 241},       {"data/Over2.png", 323, 241},
      {"data/Over3.png", 323, 241},       {"data/Over4.png", 323, 241},
      {"data/Over5.png", 323, 241},       {"data/Over6.png", 323, 241},
      {"data/particle_clot.dds", 32, 32}, {"data/cursor.png", 0, 0},
  };
  for (const Picture& picture : pictures) {
    const auto size = pictureSize(readBytes(gameDir() / picture.path));
    ASSERT_TRUE(size) << picture.path << " missing or not a picture";
    if (picture.width) {
      EXPECT_EQ(*size, std::make_pair(picture.width, picture.height)) << picture.path;
    }
  }
}

TEST(Inventory, EngineFilesAndTheRestExist) {
  const std::string model = readText(gameDir() / "data/sprite.x");
  EXPECT_EQ(model.rfind("xof 0303txt 0032", 0), 0u) << "data/sprite.x is not a text model";
  EXPECT_NE(model.find("Mesh"), std::string::npos);
  for (const char* path :
       {"data/ball_.spg", "data/Levels.dat", "data/_fontw/a_RubricaCn.wid",
        "data/_fontg/Fontocide.wid", "moregames.url", "tellafriend.url", "subscribe.url"})
    EXPECT_FALSE(readBytes(gameDir() / path).empty()) << path << " missing or empty";
}

}  // namespace
}  // namespace asset_checks
