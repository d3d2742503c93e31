#include "gameplay/FieldTextures.h"

#include <cstdint>
#include <string>

#include "engine/MeshSprite.h"

namespace {

// Frames first..first + count - 1 of an archive, with the texture ids firstId, firstId + 1, ...
template <std::size_t N>
void LoadRun(std::array<iHandle, N>& table, const std::string& archive, int firstFrame,
             int firstId) {
  for (std::size_t i = 0; i < N; ++i) {
    table[i] = LoadArchiveFrame(archive, static_cast<std::uint16_t>(firstFrame + i),
                                firstId + static_cast<int>(i));
  }
}

}  // namespace

void TFieldTextures::Load() {
  LoadRun(Brick, "data\\BlocksStatic.dat", 0, 1002080);
  LoadRun(Explo, "data\\Explo.dat", 0, 1003000);
  LoadRun(BrickAnim[0], "data\\BlockAnim.dat", 0, 1003020);
  LoadRun(BrickAnim[1], "data\\BlockAnim.dat", 3, 1003030);
  LoadRun(BrickAnim[2], "data\\BlockAnim.dat", 6, 1003040);
  // Bat textures 1..27 have ids 1003050.., the missile's (28) has 1004000.
  for (int n = 1; n <= 27; ++n) {
    Bat[n - 1] = LoadArchiveFrame("data\\Bita.dat", static_cast<std::uint16_t>(n - 1), 1003049 + n);
  }
  Bat[27] = LoadArchiveFrame("data\\Bita.dat", 27, 1004000);
  for (int k = 0; k < 3; ++k) LoadRun(Enemy[k], "data\\Enemies.dat", 5 * k, 1004010 + 5 * k);
  LoadRun(Bonus, "data\\Bonuses.dat", 0, 1003085);
  Ball = iTextureCreate("data\\Bubble.png");
  BallArmored = iTextureCreate("data\\BubbleArmored.png");
  LoadRun(Back, "data\\GameBack.dat", 0, 1004060);
  LoadRun(Interface, "data\\Interface.dat", 0, 1002050);
  LoadRun(Wall, "data\\Walles.dat", 0, 1002070);
}
