// The parts of the asset generator. Each writes its files under the game folder (creating the
// folders it needs), deterministically: the same bytes on every run.
#pragma once

#include <string>

namespace assetgen {

// Picture archives (data/*.dat), single pictures, the particle texture and the engine's model
// and body files.
void generatePictures(const std::string& gameDir);
// The two bitmap fonts (data/_fontw/a_RubricaCn.wid, data/_fontg/Fontocide.wid).
void generateFonts(const std::string& gameDir);
// Every sound and both music loops (sound/*.wav).
void generateSounds(const std::string& gameDir);
// The internet shortcut files beside the game.
void generateLinks(const std::string& gameDir);

// One PNG per archive with every entry labelled by index and size, and one of the single
// pictures, written into outDir.
void writeContactSheets(const std::string& gameDir, const std::string& outDir);

}  // namespace assetgen
