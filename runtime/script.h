// Scripted runs: input and time come from a script instead of devices, one command a line
// ("#" starts a comment). The driver is the run's input source: at the start of every engine
// pass it runs the script's commands up to the next one that needs a frame, hands that frame's
// keys and pointer to the engine and advances the virtual clock. It ends the process with
// status 0 at the end of the script, 1 when an expect (or an until past its limit) fails and 2
// when the script itself is wrong, always naming the line.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "runtime/clock.h"
#include "runtime/input.h"
#include "runtime/json.h"
#include "runtime/script_pads.h"

namespace rt {

struct ScriptCommand {
  int line = 0;
  std::string name;
  std::vector<std::string> words;  // the words after the name
  std::string rest;                // the text after the name, for expect printed contains
  std::string source;              // the line as written
};

// Symbolic values a script may write instead of numbers ("gsPlaying" for 3). The program hands
// them in; the runtime knows no names of its own.
using ScriptNames = std::map<std::string, int>;

// Parses a script; on an unknown command, a bad number or an unknown name in the STATE of
// "until STATE", error names the line and the result is empty. A VALUE (of until and expect) or
// a STATE found in `names` is replaced by its number.
std::vector<ScriptCommand> ParseScript(const std::string& text, std::string& error,
                                       const ScriptNames& names = {});

class ScriptDriver final : public InputSource {
 public:
  using StateProvider = std::function<Json()>;
  // Ends the run with a status; the default ends the process. A test or the fuzzer passes one
  // that throws to leave the driver; one that returns still ends the process.
  using Ending = std::function<void(int status)>;

  ScriptDriver(std::vector<ScriptCommand> commands, VirtualClock& clock, StateProvider state,
               Ending ending = {});

  void nextFrame(InputFrame& frame) override;
  void resetMouse(float x, float y) override;
  void rumble(float strength, int milliseconds) override { pads_.rumble(strength, milliseconds); }
  // Where the script's pad is plugged in; a pad in memory unless set.
  void setPads(std::unique_ptr<ScriptPads> pads) { pads_.setPads(std::move(pads)); }
  // Runs while the program waits with no frame to run (the hidden wait): one tick of the script.
  void idle();

 private:
  // Runs commands until one grants a frame (true) or the script ends (the process exits).
  void runUntilFrame();
  bool grantsFrame(const ScriptCommand& command);
  void runInstant(const ScriptCommand& command);
  bool holds(const ScriptCommand& command) const;
  // Ends the run with `status` (1: a check failed, 2: the script is wrong), naming the line.
  [[noreturn]] void fail(const ScriptCommand& command, const std::string& why,
                         int status = 1) const;
  [[noreturn]] void endRun(int status) const;
  [[noreturn]] static void exitProcess(int status);

  std::vector<ScriptCommand> commands_;
  VirtualClock& clock_;
  StateProvider state_;
  Ending ending_;
  std::size_t next_ = 0;
  long framesLeft_ = -1;  // of the current frames command, -1 when none runs
  long untilFrames_ = 0;  // frames run by the current until
  double periodMs_ = 13;
  std::set<int> held_;
  std::set<int> clickedNext_;
  std::array<bool, 2> buttonsNext_{};
  float mouseX_ = 0.5f, mouseY_ = 0.5f;
  PadCommands pads_;
};

}  // namespace rt
