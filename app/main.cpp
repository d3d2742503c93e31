// The program body: reads the start-up files, fills the window configuration and runs the main
// loop on the engine and system chosen by the command line.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "app/CommandLine.h"
#include "app/GameFolder.h"
#include "app/MLCore.h"
#include "app/Paths.h"
#include "gameplay/Random.h"
#include "online/HttpClient.h"
#include "platform/files.h"
#include "platform/os.h"
#include "replay/GameVersion.h"
#include "replay/ReplayFile.h"
#include "runtime/live_input.h"
#include "runtime/runtime.h"
#include "runtime/script.h"
#include "runtime/script_pads.h"
#include "runtime/system.h"
#include "scene/Program.h"
#include "scene/SetupScene.h"
#include "scene/StartupFiles.h"
#include "scene/StateDump.h"
#include "scene/StateNames.h"

namespace {

// Input of a run without devices and without a script: nothing is ever pressed.
class NoInput final : public rt::InputSource {
 public:
  void nextFrame(rt::InputFrame& frame) override { frame = rt::InputFrame{}; }
  void resetMouse(float, float) override {}
};

// The commands of a script file; a file that cannot be read or parsed ends the program with
// status 2 and the reason.
std::vector<rt::ScriptCommand> LoadScript(const std::string& file) {
  std::ifstream in(os::pathOf(file), std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "glintbreaker: cannot read the script %s\n", file.c_str());
    std::exit(2);
  }
  std::stringstream text;
  text << in.rdbuf();
  std::string error;
  auto commands = rt::ParseScript(text.str(), error, GameStateNames());
  if (!error.empty()) {
    std::fprintf(stderr, "%s: %s\n", file.c_str(), error.c_str());
    std::exit(2);
  }
  return commands;
}

// The replay in a file, which this game must be able to play; anything else ends the program
// with status 2 and one line saying why.
TReplay LoadReplay(const std::string& file) {
  std::string why = "cannot be read";
  if (const auto bytes = files::readAll(file, kMaxReplayBytes + 1)) {
    if (auto replay = DecodeReplay(*bytes, why)) {
      why = ReplayMismatch(*replay, kGameVersion, TGame::LevelFileHash());
      if (why.empty()) return std::move(*replay);
    }
  }
  std::fprintf(stderr, "glintbreaker: %s %s\n", file.c_str(), why.c_str());
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words = os::arguments(argc, argv);
  std::vector<const char*> arguments;
  for (const std::string& word : words) arguments.push_back(word.c_str());
  std::string error;
  const auto line = ParseCommandLine(static_cast<int>(arguments.size()), arguments.data(), error);
  if (!line) {
    std::fprintf(stderr, "glintbreaker: %s\n%s", error.c_str(), kUsage);
    return 2;
  }
  if (line->help) {
    std::printf("%s%s", kUsage, kHelp);
    return 0;
  }
  const std::optional<std::string> gameDir = FindGameDir(line->gameDir, error);
  if (!gameDir) {
    std::fprintf(stderr, "glintbreaker: %s\n", error.c_str());
    return 1;
  }
  files::setGameDir(*gameDir);
  files::setUserDir(line->userDir.empty() ? DefaultUserDir() : line->userDir);
  if (line->seed) SeedRandom(*line->seed);

  rt::setBackend(line->headless ? rt::makeHeadlessBackend() : rt::makeSdlBackend());

  std::vector<rt::ScriptCommand> commands;
  if (!line->script.empty()) commands = LoadScript(line->script);
  std::optional<TReplay> replay;
  if (!line->replay.empty()) replay = LoadReplay(line->replay);

  // The program's state for this run, from the start-up files, before any window exists.
  const std::string systemLocale = os::systemLocale();
  const TLanguage locale = LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                            std::getenv("LANG"), systemLocale.c_str());
  const TStartupFiles startup = LoadStartupFiles([&line, locale](const TPreferences& stored) {
    return StartLanguage(line->language, stored.Language, locale);
  });
  TProgram program(startup.Settings, startup.Records,
                   line->server.empty() ? kDefaultServer : line->server);
  program.Preferences = startup.Preferences;
  program.SpeakLanguage(startup.Language);
  program.FixedSeed = line->seed;
  program.HttpTimeouts = line->httpTimeouts;
  // The loading picture decodes while the display is reached and the window made.
  DecodeLoadingPictureAhead();
  sys::setSystem(line->headless ? sys::makeHeadlessSystem() : sys::makeSdlSystem());

  static NoInput noInput;
  std::unique_ptr<rt::ScriptDriver> script;
  if (!line->script.empty()) {
    auto clock = std::make_unique<rt::VirtualClock>();
    // A script's run ends in the middle of a frame: the replays handed to their writer are
    // written whole first.
    script = std::make_unique<rt::ScriptDriver>(
        std::move(commands), *clock, [&program] { return DumpState(program); },
        [&program](int) { program.Replays.Flush(); });
    // In a window the script's pad is one of SDL's virtual joysticks, felt as a real pad.
    if (!line->headless) script->setPads(rt::makeVirtualPads());
    rt::setClock(std::move(clock));
    rt::setInput(*script);
    sys::system().SetIdleHook([&script] { script->idle(); });
  } else if (replay && line->headless) {
    // A replay checked without a window runs as fast as it goes: its frames bring their own time.
    rt::setClock(std::make_unique<rt::VirtualClock>());
    rt::setInput(noInput);
  } else {
    rt::setClock(rt::makeRealClock());
    rt::setInput(line->headless ? static_cast<rt::InputSource&>(noInput) : rt::liveInput());
  }
  if (replay) {
    program.Playback.Queue(std::move(*replay),
                           line->headless ? TPlaybackKind::Checked : TPlaybackKind::Watched);
  }

  TCoreConfig config;
  FillCoreConfig(config);
  config.DisplaySelector = program.Settings.Windowed ? 0 : -1;
  config.BossKey = program.Settings.BossKey;
  RunMainLoop(config, program);
  // A game cut short by closing the window keeps its replay too.
  if (program.Recording.Active()) program.KeepReplay();
  // A record still being sent is given up: the thread ends before the library it uses.
  program.Connection.reset();
  StopHttpLibrary();
  // The window and the display are closed here, never by exit() (runtime/runtime.cpp says why).
  rt::setBackend(nullptr);
  sys::setSystem(nullptr);
  // A checked replay tells by its status whether it played as recorded.
  if (!line->replay.empty() && line->headless) return program.Playback.Reproduced() ? 0 : 1;
  return 0;
}
