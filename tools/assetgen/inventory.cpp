#include "tools/assetgen/inventory.h"

#include "tools/assetgen/backdrop_art.h"
#include "tools/assetgen/bat_art.h"
#include "tools/assetgen/bonus_art.h"
#include "tools/assetgen/cursor_art.h"
#include "tools/assetgen/effects_art.h"
#include "tools/assetgen/enemy_art.h"
#include "tools/assetgen/field_art.h"
#include "tools/assetgen/menu_art.h"
#include "tools/assetgen/screens_art.h"

namespace assetgen {

const std::vector<ArchiveFile>& archiveFiles() {
  static const std::vector<ArchiveFile> files = {
      {"Background.dat", backgroundArchive},
      {"Cursor.dat", cursorArchive},
      {"MainMenu.dat", mainMenuArchive},
      {"Forms.dat", formsArchive},
      {"Interface.dat", interfaceArchive},
      {"GameBack.dat", gameBackArchive},
      {"BlocksStatic.dat", blocksStaticArchive},
      {"BlockAnim.dat", blockAnimArchive},
      {"Explo.dat", exploArchive},
      {"Bita.dat", batArchive},
      {"Enemies.dat", enemiesArchive},
      {"Bonuses.dat", bonusesArchive},
      {"Walles.dat", wallArchive},
  };
  return files;
}

const std::vector<PictureFile>& pictureFiles() {
  static const std::vector<PictureFile> files = {
      {"loading.jpg", loadingPicture},
      {"splash.png", splashPicture},
      {"GameOver.png", gameOverPicture},
      {"Pause.png", pausePicture},
      {"Bubble.png", [] { return ballPicture(false); }},
      {"BubbleArmored.png", [] { return ballPicture(true); }},
      {"Over1.png", [] { return helpPage(1); }},
      {"Over2.png", [] { return helpPage(2); }},
      {"Over3.png", [] { return helpPage(3); }},
      {"Over4.png", [] { return helpPage(4); }},
      {"Over5.png", [] { return helpPage(5); }},
      {"Over6.png", [] { return helpPage(6); }},
      {"cursor.png", [] { return cursorFrame(0); }},
  };
  return files;
}

}  // namespace assetgen
