// Writes every picture archive, single picture and engine file under the game folder.
#include <filesystem>
#include <fstream>
#include <future>
#include <stdexcept>
#include <string>

#include "tools/assetgen/archive.h"
#include "tools/assetgen/engine_files.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/inventory.h"

namespace assetgen {
namespace {

void writeFile(const std::filesystem::path& path, const void* data, size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

// Starts drawing the archives and pictures into `folder`, each on its own task: the drawing is
// independent and the machine has cores.
void drawInto(const std::filesystem::path& folder, const std::vector<ArchiveFile>& archives,
              const std::vector<PictureFile>& pictures, std::vector<std::future<void>>& tasks) {
  std::filesystem::create_directories(folder);
  for (const ArchiveFile& archive : archives) {
    tasks.push_back(std::async(std::launch::async, [folder, &archive] {
      writeArchive((folder / archive.name).string(), archive.draw());
    }));
  }
  for (const PictureFile& picture : pictures) {
    tasks.push_back(std::async(std::launch::async, [folder, &picture] {
      const Bytes bytes = picture.draw();
      writeFile(folder / picture.name, bytes.data(), bytes.size());
    }));
  }
}

}  // namespace

void generatePictures(const std::string& gameDir) {
  const std::filesystem::path data = std::filesystem::path(gameDir) / "data";
  std::vector<std::future<void>> tasks;
  drawInto(data, archiveFiles(), pictureFiles(), tasks);
  drawInto(data / "en", englishArchiveFiles(), englishPictureFiles(), tasks);
  for (std::future<void>& task : tasks) task.get();
  const std::string model = squareModel(), body = ballBody();
  writeFile(data / "sprite.x", model.data(), model.size());
  writeFile(data / "ball_.spg", body.data(), body.size());
  const Bytes particle = particleDds(32);
  writeFile(data / "particle_clot.dds", particle.data(), particle.size());
}

}  // namespace assetgen
