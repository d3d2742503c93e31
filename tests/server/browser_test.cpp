// The records page in a real browser: headless Chromium shows a stored Cyrillic name as the
// letters it is, on a page that fills the window.
#include <cairo.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <set>
#include <string>
#include <vector>

#include "server/ScoreStore.h"
#include "tests/server/server_process.h"
#include "tests/server/stored_records.h"
#include "tests/support/game_runner.h"

namespace {

using server_testing::RunProgram;
using server_testing::SendRecord;
using server_testing::ServerProcess;
using testing::HasSubstr;
using testing_support::ReadFile;
using testing_support::TempDir;

bool HaveChromium() {
  return std::system("command -v chromium > /dev/null 2>&1") == 0;
}

// Chromium alone with a fresh profile, no network of its own, the page in a 900 x 700 window;
// what it prints goes to `output`.
int RunChromium(const std::string& option, const std::string& url, const std::string& output) {
  const TempDir profile;
  return RunProgram(
      {"chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
       "--no-first-run", "--disable-background-networking", "--disable-component-update",
       "--disable-sync", "--user-data-dir=" + profile.path(), option, "--window-size=900,700", url},
      output);
}

TEST(Browser, TheRecordsPageShowsACyrillicName) {
  if (!HaveChromium()) GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh)";
  TempDir dir;
  {
    const auto store = OpenScoreStore(dir.file("scores.db"));
    const std::int64_t now = std::time(nullptr);
    ASSERT_TRUE(SendRecord(*store, {0, "\x82\xA0\xAD\xC0", "\x8A\xAE\xB1\xAC\xAE\xB1", 987654, now,
                                    "127.0.0.1"}));
    ASSERT_TRUE(SendRecord(*store, {0, "Ace", "", 1160, now, "127.0.0.1"}));
  }
  ServerProcess server(dir.file("scores.db"));
  const std::string url = server.url() + "/cgi/version.pl?prg=Glintbreaker&show&type=0";

  // The browser reads the page as UTF-8: the DOM holds the names as Cyrillic letters.
  const std::string dump = dir.file("dom.txt");
  ASSERT_EQ(RunChromium("--dump-dom", url, dump), 0) << ReadFile(dump);
  const std::string dom = ReadFile(dump);
  EXPECT_THAT(dom, HasSubstr("<td>Ваня</td><td>Космос</td>"));

  const std::string shot = dir.file("records.png");
  const std::string log = dir.file("chromium.log");
  ASSERT_EQ(RunChromium("--screenshot=" + shot, url, log), 0) << ReadFile(log);
  cairo_surface_t* image = cairo_image_surface_create_from_png(shot.c_str());
  ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS) << shot;
  EXPECT_EQ(cairo_image_surface_get_width(image), 900);
  EXPECT_EQ(cairo_image_surface_get_height(image), 700);
  // Not blank: the page's dark background and many shades of its text.
  const unsigned char* pixels = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  std::set<std::uint32_t> colours;
  for (int y = 0; y < cairo_image_surface_get_height(image); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(pixels + y * stride);
    for (int x = 0; x < cairo_image_surface_get_width(image); ++x)
      colours.insert(row[x] & 0xFFFFFF);
  }
  cairo_surface_destroy(image);
  EXPECT_TRUE(colours.count(0x0A0F24)) << "the page's background";
  EXPECT_GT(colours.size(), 50u) << "text on the page";
  EXPECT_EQ(server.Stop(), 0) << server.Log();
}

}  // namespace
