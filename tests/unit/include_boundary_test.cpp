// The house is one-way: app -> scene -> menus / online -> gameplay -> engine, with userdata below
// scene and menus and platform below them all. Every #include of the game folders, in every file
// whatever its name, is checked against what its folder may see, and a C function declared by
// hand is refused, so SDL and the runtime's insides stay below the engine boundary.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What the files under `under` may include. Project headers are named from the repository root:
// "engine/" is a folder with everything below it, "runtime/*" only the files directly in
// runtime/, anything else one file. Every other header (angle brackets, or quotes that name no
// project file) must be the C++ standard library or one of the C headers it wraps, or be listed
// in `system`.
struct Rule {
  std::string under;  // a folder, or the start of a file's name; the longest match applies
  std::vector<std::string> project;
  std::vector<std::string> system;
};

const std::vector<Rule>& Rules() {
  static const std::vector<Rule> rules{
      {"app/",
       {"app/", "scene/", "menus/", "online/", "gameplay/", "userdata/", "replay/", "engine/",
        "platform/", "runtime/*"},
       {}},
      {"scene/",
       {"scene/", "menus/", "online/", "gameplay/", "userdata/", "replay/", "engine/",
        "runtime/system.h", "platform/files.h", "platform/fnv1a.h", "runtime/json.h",
        // The state dump reads the engine's scene.
        "runtime/engine_core.h"},
       {}},
      // The screens see the program around them only through menus/ScreenHost.h.
      {"menus/", {"menus/", "userdata/", "engine/", "runtime/system.h"}, {}},
      {"online/", {"online/"}, {}},
      // libcurl, opened at run time, in the HTTP client's own target: no other file sees curl.
      {"online/CurlLibrary.", {"online/"}, {"curl/curl.h", "dlfcn.h"}},
      // WinHTTP, in the HTTP client's own target on Windows.
      {"online/WinHttpClient.", {"online/"}, {"windows.h", "winhttp.h"}},
      // The connection thread's lowest priority is the one call it makes to the system.
      {"online/ConnThread.", {"online/", "platform/os.h"}, {}},
      // The files the game keeps for its player: below scene and menus, over plain file access.
      {"userdata/", {"userdata/", "platform/files.h", "platform/fnv1a.h"}, {}},
      // Replays: the frame's input in few bits, the file and the folder the game keeps them in.
      {"replay/",
       {"replay/", "engine/FrameInput.h", "platform/files.h", "platform/fnv1a.h", "platform/os.h"},
       {}},
      {"gameplay/", {"gameplay/", "engine/"}, {}},
      // The picture archive's table is read with the byte readers.
      {"engine/", {"engine/", "platform/files.h", "platform/byte_reader.h"}, {}},
  };
  return rules;
}

const std::set<std::string>& StandardHeaders() {
  static const std::set<std::string> headers{
      // C++20
      "algorithm", "any", "array", "atomic", "barrier", "bit", "bitset", "charconv", "chrono",
      "compare", "complex", "concepts", "condition_variable", "coroutine", "deque", "exception",
      "execution", "filesystem", "format", "forward_list", "fstream", "functional", "future",
      "initializer_list", "iomanip", "ios", "iosfwd", "iostream", "istream", "iterator", "latch",
      "limits", "list", "locale", "map", "memory", "memory_resource", "mutex", "new", "numbers",
      "numeric", "optional", "ostream", "queue", "random", "ranges", "ratio", "regex",
      "scoped_allocator", "semaphore", "set", "shared_mutex", "source_location", "span", "sstream",
      "stack", "stdexcept", "stop_token", "streambuf", "string", "string_view", "syncstream",
      "system_error", "thread", "tuple", "type_traits", "typeindex", "typeinfo", "unordered_map",
      "unordered_set", "utility", "valarray", "variant", "vector", "version",
      // The C library as C++ wraps it, in both spellings.
      "cassert", "cctype", "cerrno", "cfenv", "cfloat", "cinttypes", "climits", "clocale", "cmath",
      "csetjmp", "csignal", "cstdarg", "cstddef", "cstdint", "cstdio", "cstdlib", "cstring",
      "ctime", "cuchar", "cwchar", "cwctype", "assert.h", "ctype.h", "errno.h", "fenv.h", "float.h",
      "inttypes.h", "limits.h", "locale.h", "math.h", "setjmp.h", "signal.h", "stdarg.h",
      "stddef.h", "stdint.h", "stdio.h", "stdlib.h", "string.h", "time.h", "uchar.h", "wchar.h",
      "wctype.h"};
  return headers;
}

const std::vector<std::string> kCheckedFolders{"app",   "scene",  "engine",   "gameplay",
                                               "menus", "online", "userdata", "replay"};

struct Violation {
  std::string file;  // from the repository root
  int line;
  std::string what;  // the include as written, with its brackets or quotes, or extern "C"
  std::string rule;  // the folder whose rule it breaks
};

std::string Describe(const Violation& v) {
  return v.file + ":" + std::to_string(v.line) + ": " + v.what + " is not allowed in " + v.rule;
}

const Rule* RuleFor(const std::string& file) {
  const Rule* best = nullptr;
  for (const Rule& rule : Rules()) {
    if (file.starts_with(rule.under) && (!best || rule.under.size() > best->under.size())) {
      best = &rule;
    }
  }
  return best;
}

bool ProjectAllows(const Rule& rule, const std::string& header) {
  return std::any_of(rule.project.begin(), rule.project.end(), [&](const std::string& allowed) {
    if (allowed.ends_with("/*")) {
      const std::string folder = allowed.substr(0, allowed.size() - 1);
      return header.starts_with(folder) && header.find('/', folder.size()) == std::string::npos;
    }
    if (allowed.ends_with("/")) return header.starts_with(allowed);
    return header == allowed;
  });
}

bool SystemAllows(const Rule& rule, const std::string& header) {
  return StandardHeaders().count(header) != 0 ||
         std::find(rule.system.begin(), rule.system.end(), header) != rule.system.end();
}

// The project file an include reaches, from the root, as the compiler finds it: quotes look
// beside the including file first; both forms then look under the root (the include path).
// Empty when it reaches no project file.
std::string ProjectFile(const fs::path& root, const fs::path& includer, const std::string& header,
                        bool quoted) {
  if (quoted) {
    const fs::path beside = (includer.parent_path() / header).lexically_normal();
    if (fs::is_regular_file(beside)) return beside.lexically_relative(root).generic_string();
  }
  const fs::path underRoot = (root / header).lexically_normal();
  if (fs::is_regular_file(underRoot)) return underRoot.lexically_relative(root).generic_string();
  return "";
}

struct Scan {
  int filesRead = 0;
  std::vector<Violation> violations;
};

void CheckFile(const fs::path& root, const fs::path& path, Scan& scan) {
  static const std::regex includeLine(R"(^\s*#\s*include\b\s*(.*?)\s*(//.*)?$)");
  static const std::regex header(R"(^([<"])([^>"]+)[>"]$)");
  // A C function declared by hand reaches past every header rule (SDL_GetTicks, say).
  static const std::regex cLinkage(R"(^\s*extern\s*"C")");
  const std::string file = path.lexically_relative(root).generic_string();
  const Rule* rule = RuleFor(file);
  if (rule == nullptr) return;
  ++scan.filesRead;
  std::ifstream in(path);
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (std::regex_search(text, cLinkage)) {
      scan.violations.push_back({file, line, "extern \"C\"", rule->under});
      continue;
    }
    std::smatch include;
    if (!std::regex_match(text, include, includeLine)) continue;
    const std::string written = include[1];
    std::smatch parts;
    bool allowed = false;
    if (std::regex_match(written, parts, header)) {
      const bool quoted = parts[1] == "\"";
      const std::string project = ProjectFile(root, path, parts[2], quoted);
      allowed = project.empty() ? SystemAllows(*rule, parts[2]) : ProjectAllows(*rule, project);
    }
    if (!allowed) scan.violations.push_back({file, line, "#include " + written, rule->under});
  }
}

Scan ScanTree(const fs::path& root) {
  Scan scan;
  for (const std::string& folder : kCheckedFolders) {
    if (!fs::is_directory(root / folder)) continue;
    std::vector<fs::path> paths;
    // Every file, whatever its name: a header may hide in an .inl or a .tpp as well.
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      if (entry.is_regular_file()) paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    for (const fs::path& path : paths) CheckFile(root, path, scan);
  }
  return scan;
}

TEST(IncludeBoundary, EveryGameFolderIncludesOnlyWhatItMaySee) {
  const Scan scan = ScanTree(GLINT_SOURCE_DIR);
  EXPECT_GT(scan.filesRead, 0) << "no sources found under " << GLINT_SOURCE_DIR;
  for (const Violation& violation : scan.violations) {
    ADD_FAILURE() << Describe(violation)
                  << " (the house is one-way: app -> scene -> menus/online -> gameplay -> engine)";
  }
}

// A small tree with one file of each kind of slip shows that the check sees them all.
class IncludeBoundaryFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("glint_include_test_" + std::to_string(getpid()));
    fs::remove_all(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  void Write(const std::string& name, const std::string& text) {
    fs::create_directories((root_ / name).parent_path());
    std::ofstream(root_ / name) << text;
  }
  fs::path root_;
};

TEST_F(IncludeBoundaryFixture, NamesEveryForbiddenIncludeWithItsFileAndLine) {
  Write("platform/files.h", "");
  Write("runtime/runtime.h", "");
  Write("runtime/script.h", "");
  Write("runtime/json.h", "");
  Write("runtime/system.h", "");
  Write("runtime/engine_core.h", "");
  Write("runtime/sdl/keys.h", "");
  Write("runtime/headless/headless_system.h", "");
  Write("engine/impact.h", "#include \"platform/files.h\"\n#include <cstdint>\n");
  Write("userdata/Settings.h", "#include \"platform/files.h\"\n");
  Write("gameplay/Ball.h", "#include \"engine/impact.h\"\n#include \"../runtime/sdl/keys.h\"\n");
  Write("gameplay/Bat.h", "#pragma once\n#include \"Ball.h\"  // beside it\n");
  Write("gameplay/Bat.cpp",
        "#include \"gameplay/Bat.h\"\n\n#include <SDL2/SDL.h>\n#include <vector>\n"
        "// #include \"scene/Program.h\" is only a comment\n#include \"scene/Program.h\"\n");
  Write("gameplay/Ticks.inl", "#include <SDL.h>\nextern \"C\" unsigned SDL_GetTicks(void);\n");
  Write("scene/Program.h", "#include \"userdata/Settings.h\"\n#include \"menus/Screens.h\"\n");
  Write("scene/Dump.cpp",
        "#include \"runtime/engine_core.h\"\n#include \"runtime/script.h\"\n"
        "#include \"runtime/json.h\"\n");
  Write("menus/Screens.h", "");
  Write("menus/Panels.cpp",
        "#include \"menus/Screens.h\"\n#include \"scene/Program.h\"\n"
        "#include \"runtime/system.h\"\n#include \"platform/files.h\"\n#include <unistd.h>\n");
  Write("online/Conn.cpp", "#  include <thread>\n#include <curl/curl.h>\n");
  Write("app/main.cpp",
        "#include \"runtime/runtime.h\"\n#include \"runtime/sdl/keys.h\"\n"
        "#include <runtime/headless/headless_system.h>\n#include \"scene/Program.h\"\n");

  std::vector<std::string> found;
  for (const Violation& v : ScanTree(root_).violations) found.push_back(Describe(v));
  const std::vector<std::string> expected{
      "app/main.cpp:2: #include \"runtime/sdl/keys.h\" is not allowed in app/",
      "app/main.cpp:3: #include <runtime/headless/headless_system.h> is not allowed in app/",
      "scene/Dump.cpp:2: #include \"runtime/script.h\" is not allowed in scene/",
      "gameplay/Ball.h:2: #include \"../runtime/sdl/keys.h\" is not allowed in gameplay/",
      "gameplay/Bat.cpp:3: #include <SDL2/SDL.h> is not allowed in gameplay/",
      "gameplay/Bat.cpp:6: #include \"scene/Program.h\" is not allowed in gameplay/",
      "gameplay/Ticks.inl:1: #include <SDL.h> is not allowed in gameplay/",
      "gameplay/Ticks.inl:2: extern \"C\" is not allowed in gameplay/",
      "menus/Panels.cpp:2: #include \"scene/Program.h\" is not allowed in menus/",
      "menus/Panels.cpp:4: #include \"platform/files.h\" is not allowed in menus/",
      "menus/Panels.cpp:5: #include <unistd.h> is not allowed in menus/",
      "online/Conn.cpp:2: #include <curl/curl.h> is not allowed in online/",
  };
  EXPECT_EQ(found, expected);
}

}  // namespace
