// glint_assetgen generate GAME_DIR          writes every picture, font, sound and link file
// glint_assetgen contact-sheet GAME_DIR OUT writes review sheets of the generated pictures
// glint_assetgen app-icons NAME OUT_DIR     writes the desktop icon theme's NAME.png and NAME.svg
#include <cstdio>
#include <exception>
#include <string>

#include "tools/assetgen/app_icon.h"
#include "tools/assetgen/generators.h"

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    if (command == "generate" && argc == 3) {
      assetgen::generatePictures(argv[2]);
      assetgen::generateFonts(argv[2]);
      assetgen::generateSounds(argv[2]);
      assetgen::generateLinks(argv[2]);
      return 0;
    }
    if (command == "contact-sheet" && argc == 4) {
      assetgen::writeContactSheets(argv[2], argv[3]);
      return 0;
    }
    if (command == "app-icons" && argc == 4) {
      assetgen::writeAppIcons(argv[2], argv[3]);
      return 0;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "glint_assetgen: %s\n", e.what());
    return 1;
  }
  std::fprintf(stderr,
               "usage: glint_assetgen generate GAME_DIR\n"
               "       glint_assetgen contact-sheet GAME_DIR OUT_DIR\n"
               "       glint_assetgen app-icons NAME OUT_DIR\n");
  return 2;
}
