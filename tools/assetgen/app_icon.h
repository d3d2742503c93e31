// The game's icon for the desktop: the same drawing as PNG files at the sizes desktops ask for and
// as a scalable SVG, laid out as an icon theme's folders.
#pragma once

#include <string>

namespace assetgen {

// Writes OUT_DIR/hicolor/NxN/apps/NAME.png for each size and
// OUT_DIR/hicolor/scalable/apps/NAME.svg.
void writeAppIcons(const std::string& name, const std::string& outDir);

}  // namespace assetgen
