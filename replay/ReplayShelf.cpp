#include "replay/ReplayShelf.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/files.h"
#include "platform/os.h"

namespace {

constexpr std::string_view kExtension = ".glr";
constexpr std::string_view kRecordMark = "_record";

}  // namespace

std::string ReplayStem(std::int64_t endedAt, std::int32_t score) {
  const std::tm local = os::localTime(static_cast<std::time_t>(endedAt));
  char text[64];
  std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
  return std::string(text) + "_" + std::to_string(score);
}

TReplayShelf::~TReplayShelf() {
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void TReplayShelf::Save(std::int64_t endedAt, std::int32_t score, std::vector<std::uint8_t> bytes) {
  Hand([this, folder = files::userPath(kReplayFolder), stem = ReplayStem(endedAt, score),
        bytes = std::move(bytes)] {
    std::string unique = stem;
    for (int copy = 2;
         files::exists(folder + "/" + unique + std::string(kExtension)) ||
         files::exists(folder + "/" + unique + std::string(kRecordMark) + std::string(kExtension));
         ++copy) {
      unique = stem + "-" + std::to_string(copy);
    }
    const std::string path = folder + "/" + unique + std::string(kExtension);
    if (!files::writeAtomic(path, bytes)) {
      std::fprintf(stderr, "glintbreaker: cannot write the replay %s: %s\n", path.c_str(),
                   std::strerror(errno));
      lastStem_.clear();
      return;
    }
    lastFolder_ = folder;
    lastStem_ = unique;
    Prune(folder);
  });
}

void TReplayShelf::KeepLastAsRecord() {
  Hand([this] {
    if (lastStem_.empty()) return;
    const std::string from = lastFolder_ + "/" + lastStem_ + std::string(kExtension);
    const std::string to =
        lastFolder_ + "/" + lastStem_ + std::string(kRecordMark) + std::string(kExtension);
    if (!files::rename(from, to)) {
      std::fprintf(stderr, "glintbreaker: cannot keep the replay %s as a record's\n", from.c_str());
    }
    lastStem_.clear();
  });
}

void TReplayShelf::Flush() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void TReplayShelf::Hand(std::function<void()> job) {
  {
    const std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    if (!worker_.joinable()) worker_ = std::thread(&TReplayShelf::Work, this);
  }
  changed_.notify_all();
}

void TReplayShelf::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
    if (jobs_.empty()) return;  // closing, with nothing left to do
    std::function<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    busy_ = true;
    lock.unlock();
    job();
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

void TReplayShelf::Prune(const std::string& folder) {
  std::vector<std::string> ordinary;
  for (const std::string& name : files::listFolder(folder)) {
    if (const auto temporary = name.find(std::string(kExtension) + ".tmp");
        temporary != std::string::npos) {
      // What a save cut short by a kill left.
      files::removeLeftTemporaries(folder + "/" + name.substr(0, temporary + kExtension.size()));
    } else if (name.ends_with(kExtension) &&
               !name.ends_with(std::string(kRecordMark) + std::string(kExtension))) {
      ordinary.push_back(name);
    }
  }
  if (ordinary.size() <= kKeptReplays) return;
  // Their names begin with the date and time their games ended.
  std::sort(ordinary.begin(), ordinary.end());
  for (std::size_t i = 0; i + kKeptReplays < ordinary.size(); ++i) {
    files::remove(folder + "/" + ordinary[i]);
  }
}
