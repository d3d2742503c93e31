// The records page in a real browser (headless Chromium): a stored Cyrillic name is the letters
// it is, and a full page of the widest names and scores fits a 390-pixel phone and a desktop
// without sideways scrolling. The pictures are kept in server-shots/ of the build folder.
#include <cairo.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "server/ScoreStore.h"
#include "tests/server/loopback_client.h"
#include "tests/server/server_process.h"
#include "tests/server/stored_records.h"
#include "tests/support/game_runner.h"

namespace {

using server_testing::HaveChromium;
using server_testing::RunChromium;
using server_testing::SendRecord;
using server_testing::ServerProcess;
using testing::HasSubstr;
using testing_support::ReadFile;
using testing_support::TempDir;

const std::string kRecordsPath = "/cgi/version.pl?prg=Glintbreaker&show&type=0";

struct Picture {
  int width = 0, height = 0;
  std::set<std::uint32_t> colours;
  std::uint32_t corner = 0;  // the top-left pixel
};

Picture ReadPicture(const std::string& png) {
  Picture picture;
  cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    picture.width = cairo_image_surface_get_width(image);
    picture.height = cairo_image_surface_get_height(image);
    const unsigned char* pixels = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < picture.height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(pixels + y * stride);
      for (int x = 0; x < picture.width; ++x) picture.colours.insert(row[x] & 0xFFFFFF);
    }
    picture.corner = *reinterpret_cast<const std::uint32_t*>(pixels) & 0xFFFFFF;
  }
  cairo_surface_destroy(image);
  return picture;
}

TEST(Browser, TheRecordsPageShowsACyrillicName) {
  if (!HaveChromium()) GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh)";
  TempDir dir;
  {
    const auto store = OpenScoreStore(dir.file("scores.db"));
    const std::int64_t now = std::time(nullptr);
    ASSERT_TRUE(SendRecord(
        *store, {0, "\x82\xA0\xAD\xC0", "\x8A\xAE\xB1\xAC\xAE\xB1", 987654, now, "127.0.0.1"}));
    ASSERT_TRUE(SendRecord(*store, {0, "Ace", "", 1160, now, "127.0.0.1"}));
  }
  ServerProcess server(dir.file("scores.db"));
  // The browser reads the page as UTF-8: the DOM holds the names as Cyrillic letters.
  const std::string dump = dir.file("dom.txt");
  ASSERT_EQ(RunChromium("--dump-dom", "900,700", server.url() + kRecordsPath, dump), 0)
      << ReadFile(dump);
  EXPECT_THAT(ReadFile(dump), HasSubstr("<td>Ваня</td><td>Космос</td>"));
  EXPECT_EQ(server.Stop(), 0) << server.Log();
}

// Marks the page's top-left corner green when neither the page nor its table scrolls sideways,
// red when one does. Set again on every resize, as the browser sizes the page for the picture.
const std::string kFitMark =
    "<div id=\"fit\" style=\"position:fixed;left:0;top:0;width:6px;height:6px\"></div><script>"
    "function mark(){const t=document.querySelector('.scroll');"
    "const fits=document.documentElement.scrollWidth<=innerWidth&&t.scrollWidth<=t.clientWidth;"
    "document.getElementById('fit').style.background=fits?'#00ff00':'#ff0000'}"
    "mark();addEventListener('resize',mark)</script>";

TEST(Browser, AFullRecordsPageFitsAPhoneAndADesktop) {
  if (!HaveChromium()) GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh)";
  TempDir dir;
  {
    // The widest there are: ten of the widest letters in each name, scores of seven digits.
    const auto store = OpenScoreStore(dir.file("scores.db"));
    for (int i = 0; i < 100; ++i) {
      ASSERT_TRUE(
          SendRecord(*store, {0, std::string(10, '\x98'), std::string(10, '\x86'), 4123611 - i,
                              1700000000, "10.0." + std::to_string(i) + ".1"}));
    }
  }
  ServerProcess server(dir.file("scores.db"));
  const std::string page = server_testing::GetFrom("127.0.0.1", server.port(), kRecordsPath).body;
  ASSERT_THAT(page, HasSubstr("</body>"));
  std::string marked = page;
  marked.insert(marked.find("</body>"), kFitMark);
  testing_support::WriteFile(dir.file("marked.html"), marked);

  const std::string shots = std::string(GLINT_SCRATCH_DIR) + "/../server-shots";
  std::filesystem::create_directories(shots);
  for (const auto& [width, size] : {std::pair{390, "390,844"}, std::pair{1200, "1200,800"}}) {
    SCOPED_TRACE(width);
    const std::string shot = shots + "/records-" + std::to_string(width) + ".png";
    const std::string log = dir.file("chromium.log");
    ASSERT_EQ(RunChromium("--screenshot=" + shot, size, server.url() + kRecordsPath, log), 0)
        << ReadFile(log);
    const Picture picture = ReadPicture(shot);
    EXPECT_EQ(picture.width, width);
    EXPECT_TRUE(picture.colours.count(0x0A0F24)) << "the page's background";
    EXPECT_GT(picture.colours.size(), 50u) << "text on the page";

    const std::string check = dir.file("fit.png");
    ASSERT_EQ(RunChromium("--screenshot=" + check, size, "file://" + dir.file("marked.html"), log),
              0)
        << ReadFile(log);
    EXPECT_EQ(ReadPicture(check).corner, 0x00FF00u) << "red: the page scrolls sideways";
  }
  EXPECT_EQ(server.Stop(), 0) << server.Log();
}

}  // namespace
