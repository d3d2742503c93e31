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
      {"MainMenu.dat", [] { return mainMenuArchive(Lang::Russian); }},
      {"Forms.dat", [] { return formsArchive(Lang::Russian); }},
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
      {"loading.jpg", [] { return loadingPicture(Lang::Russian); }},
      {"splash.png", splashPicture},
      {"GameOver.png", [] { return gameOverPicture(Lang::Russian); }},
      {"Pause.png", [] { return pausePicture(Lang::Russian); }},
      {"Bubble.png", [] { return ballPicture(false); }},
      {"BubbleArmored.png", [] { return ballPicture(true); }},
      {"Over1.png", [] { return helpPage(1, Lang::Russian); }},
      {"Over2.png", [] { return helpPage(2, Lang::Russian); }},
      {"Over3.png", [] { return helpPage(3, Lang::Russian); }},
      {"Over4.png", [] { return helpPage(4, Lang::Russian); }},
      {"Over5.png", [] { return helpPage(5, Lang::Russian); }},
      {"Over6.png", [] { return helpPage(6, Lang::Russian); }},
      {"cursor.png", [] { return cursorFrame(0); }},
  };
  return files;
}

const std::vector<ArchiveFile>& englishArchiveFiles() {
  static const std::vector<ArchiveFile> files = {
      {"MainMenu.dat", [] { return mainMenuArchive(Lang::English); }},
      {"Forms.dat", [] { return formsArchive(Lang::English); }},
  };
  return files;
}

const std::vector<PictureFile>& englishPictureFiles() {
  static const std::vector<PictureFile> files = {
      {"loading.jpg", [] { return loadingPicture(Lang::English); }},
      {"GameOver.png", [] { return gameOverPicture(Lang::English); }},
      {"Pause.png", [] { return pausePicture(Lang::English); }},
      {"Over1.png", [] { return helpPage(1, Lang::English); }},
      {"Over2.png", [] { return helpPage(2, Lang::English); }},
      {"Over3.png", [] { return helpPage(3, Lang::English); }},
      {"Over4.png", [] { return helpPage(4, Lang::English); }},
      {"Over5.png", [] { return helpPage(5, Lang::English); }},
      {"Over6.png", [] { return helpPage(6, Lang::English); }},
  };
  return files;
}

}  // namespace assetgen
