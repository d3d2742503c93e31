// libcurl is opened when the first record is sent; a machine without it, or with something else
// under its name, gets a message and a failed submission instead of a crash.
#include <gtest/gtest.h>

#include "online/CurlLibrary.h"

namespace {

TEST(CurlLibrary, OnlyARealLibcurlIsTaken) {
  struct Case {
    const char* file;
    bool loads;
  };
  for (const Case c : {Case{"libcurl.so.4", true}, Case{"libglintbreaker-no-such-curl.so", false},
                       Case{"libm.so.6", false}}) {
    SCOPED_TRACE(c.file);
    testing::internal::CaptureStderr();
    const auto library = TCurlLibrary::Load(c.file);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(library != nullptr, c.loads);
    EXPECT_EQ(said.empty(), c.loads) << said;
    if (library) {
      EXPECT_NE(library->easy_init, nullptr);
    }
  }
}

}  // namespace
