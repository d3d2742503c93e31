// Every picture file the generator writes: the archives with the function that draws their
// entries, and the single pictures; the ones with words in each language.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

struct ArchiveFile {
  const char* name;  // under data/, exact case
  std::function<std::vector<Bytes>()> draw;
};

struct PictureFile {
  const char* name;  // under data/, exact case
  std::function<Bytes()> draw;
};

const std::vector<ArchiveFile>& archiveFiles();
const std::vector<PictureFile>& pictureFiles();
// The files with words drawn again in English, under data/en/ with the same names: the game
// takes them in place of the Russian ones when it speaks English.
const std::vector<ArchiveFile>& englishArchiveFiles();
const std::vector<PictureFile>& englishPictureFiles();

}  // namespace assetgen
