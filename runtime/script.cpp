#include "runtime/script.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "runtime/runtime.h"
#include "runtime/system.h"

namespace rt {
namespace {

constexpr long kDefaultUntilLimit = 10000;
// A minute a frame is far beyond any stall a test needs; more would run the clock past its range.
constexpr double kMaxPeriodMs = 60000;

bool parseNumber(const std::string& word, double& value) {
  if (word.empty()) return false;
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  return end == word.c_str() + word.size() && std::isfinite(value);
}

// The integer of a word parseInteger accepted, which may be written "1e2" or "0x1F": the driver
// reads the words the same way they were checked.
long wholeNumber(const std::string& word) {
  return static_cast<long>(std::strtod(word.c_str(), nullptr));
}

bool parseInteger(const std::string& word, long low, long high, long& value) {
  double number = 0;
  if (!parseNumber(word, number) || number != std::floor(number)) return false;
  if (number < static_cast<double>(low) || number > static_cast<double>(high)) return false;
  value = static_cast<long>(number);
  return true;
}

bool isOperator(const std::string& word) {
  return word == "==" || word == "!=" || word == "<" || word == "<=" || word == ">" || word == ">=";
}

// "until STATE [MAX]", short for "until GameState == STATE [MAX]".
bool isShortUntil(const ScriptCommand& command) {
  const auto& w = command.words;
  return command.name == "until" && !w.empty() &&
         (w.size() == 1 || (w.size() == 2 && !isOperator(w[1])));
}

// Where the value compared against the state is written: the STATE of a short until, the VALUE
// of "PATH OP VALUE"; nothing for other commands.
std::optional<std::size_t> valueWord(const ScriptCommand& command) {
  const auto& w = command.words;
  if (isShortUntil(command)) return 0;
  if ((command.name == "until" || command.name == "expect") && w.size() >= 3 && isOperator(w[1])) {
    return 2;
  }
  return std::nullopt;
}

// "\xNN" in a script text stands for the byte NN.
std::string unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(text[i + 3]))) {
      out += static_cast<char>(std::strtol(text.substr(i + 2, 2).c_str(), nullptr, 16));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::string describe(const Json* value) {
  if (value == nullptr) return "missing";
  if (value->kind() == Json::Kind::String) return "\"" + value->text() + "\"";
  return value->dump();
}

// Checks the words of a command; returns "" when they are well formed, else the reason.
std::string checkWords(const ScriptCommand& command) {
  const auto& w = command.words;
  double number = 0;
  long integer = 0;
  const std::string& name = command.name;
  if (name == "period") {
    return w.size() == 1 && parseNumber(w[0], number) && number > 0 && number <= kMaxPeriodMs
               ? ""
               : "expects MS above 0, at most 60000";
  }
  if (name == "frames") {
    return w.size() == 1 && parseInteger(w[0], 0, 100000000, integer) ? "" : "expects a count";
  }
  if (name == "key" || name == "hold" || name == "release") {
    if (w.empty() || (name != "key" && w.size() != 1)) return "expects key codes";
    for (const auto& word : w) {
      if (!parseInteger(word, 0, 255, integer)) return "bad key code \"" + word + "\"";
    }
    return "";
  }
  if (name == "mouse") {
    const auto fraction = [&](const std::string& word) {
      return parseNumber(word, number) && number >= 0 && number <= 1;
    };
    return w.size() == 2 && fraction(w[0]) && fraction(w[1]) ? "" : "expects X Y from 0 to 1";
  }
  if (name == "click") {
    return w.size() == 1 && (w[0] == "left" || w[0] == "right") ? "" : "expects left or right";
  }
  if (name == "message") {
    if (w.size() == 1 && (w[0] == "activate" || w[0] == "deactivate" || w[0] == "close")) {
      return "";
    }
    return w.size() == 2 && w[0] == "hotkey" && parseInteger(w[1], 0, 0xBFFF, integer)
               ? ""
               : "expects activate, deactivate, close or hotkey ID";
  }
  if (name == "until") {
    if (isShortUntil(command)) {
      if (!parseInteger(w[0], 0, 255, integer)) {
        return parseNumber(w[0], number) ? "bad STATE" : "unknown name \"" + w[0] + "\"";
      }
      return w.size() == 1 || parseInteger(w[1], 1, 100000000, integer) ? "" : "bad MAX";
    }
    if (w.size() < 3 || w.size() > 4 || !isOperator(w[1])) return "expects PATH OP VALUE [MAX]";
    return w.size() == 3 || parseInteger(w[3], 1, 100000000, integer) ? "" : "bad MAX";
  }
  if (name == "expect") {
    if (w.size() >= 3 && w[0] == "printed" && w[1] == "contains") return "";
    return w.size() == 3 && isOperator(w[1]) ? "" : "expects PATH OP VALUE";
  }
  if (name == "pad") return PadCommands::check(w);
  if (name == "dump") return w.empty() ? "" : "takes nothing";
  if (name == "shot") return w.size() == 1 ? "" : "expects a file";
  return "unknown command \"" + name + "\"";
}

bool compare(double actual, const std::string& op, double wanted) {
  const double tolerance = 1e-5 * std::max({1.0, std::fabs(actual), std::fabs(wanted)});
  const bool equal = std::fabs(actual - wanted) <= tolerance;
  if (op == "==") return equal;
  if (op == "!=") return !equal;
  if (op == "<") return actual < wanted && !equal;
  if (op == "<=") return actual < wanted || equal;
  if (op == ">") return actual > wanted && !equal;
  return actual > wanted || equal;
}

}  // namespace

std::vector<ScriptCommand> ParseScript(const std::string& text, std::string& error,
                                       const ScriptNames& names) {
  std::vector<ScriptCommand> commands;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    const std::string source = trimmed(line);
    const std::string content = trimmed(source.substr(0, source.find('#')));
    if (content.empty()) continue;
    ScriptCommand command;
    command.line = number;
    command.source = source;
    std::istringstream words(content);
    words >> command.name;
    for (std::string word; words >> word;) command.words.push_back(word);
    command.rest = trimmed(content.substr(command.name.size()));
    if (const auto value = valueWord(command)) {
      std::string& word = command.words[*value];
      if (const auto named = names.find(word); named != names.end()) {
        word = std::to_string(named->second);
      }
    }
    const std::string problem = checkWords(command);
    if (!problem.empty()) {
      error = "script line " + std::to_string(number) + ": " + problem + ": " + source;
      return {};
    }
    commands.push_back(std::move(command));
  }
  return commands;
}

ScriptDriver::ScriptDriver(std::vector<ScriptCommand> commands, VirtualClock& clock,
                           StateProvider state, Ending ending)
    : commands_(std::move(commands)),
      clock_(clock),
      state_(std::move(state)),
      ending_(ending ? std::move(ending) : exitProcess) {}

void ScriptDriver::nextFrame(InputFrame& frame) {
  pads_.startFrame();
  runUntilFrame();
  frame = InputFrame{};
  for (int code : held_) frame.down[code] = true;
  for (int code : clickedNext_) frame.down[code] = frame.clicked[code] = true;
  frame.mouseClicked = buttonsNext_;
  frame.mouseX = mouseX_;
  frame.mouseY = mouseY_;
  pads_.take(frame);
  clickedNext_.clear();
  buttonsNext_ = {};
  clock_.advanceMillis(periodMs_);
}

void ScriptDriver::resetMouse(float x, float y) {
  mouseX_ = x;
  mouseY_ = y;
}

void ScriptDriver::idle() {
  runUntilFrame();
  clock_.advanceMillis(periodMs_);
}

void ScriptDriver::runUntilFrame() {
  for (;;) {
    if (next_ >= commands_.size()) endRun(0);
    const ScriptCommand& command = commands_[next_];
    if (command.name == "frames" || command.name == "until") {
      if (grantsFrame(command)) return;
    } else {
      runInstant(command);
    }
    ++next_;
  }
}

bool ScriptDriver::grantsFrame(const ScriptCommand& command) {
  if (command.name == "frames") {
    if (framesLeft_ < 0) framesLeft_ = wholeNumber(command.words[0]);
    if (framesLeft_ > 0) {
      --framesLeft_;
      return true;
    }
    framesLeft_ = -1;
    return false;
  }
  const bool shortForm = isShortUntil(command);
  ScriptCommand condition = command;
  if (shortForm) condition.words = {"GameState", "==", command.words[0]};
  const std::size_t limitWord = shortForm ? 1 : 3;
  const long limit =
      command.words.size() > limitWord ? wholeNumber(command.words[limitWord]) : kDefaultUntilLimit;
  if (holds(condition)) {
    untilFrames_ = 0;
    return false;
  }
  if (untilFrames_ >= limit) {
    fail(command, "the condition did not hold after " + std::to_string(limit) + " frames");
  }
  ++untilFrames_;
  return true;
}

void ScriptDriver::runInstant(const ScriptCommand& command) {
  const auto& w = command.words;
  const std::string& name = command.name;
  if (name == "period") {
    periodMs_ = std::strtod(w[0].c_str(), nullptr);
  } else if (name == "key") {
    for (const auto& word : w) clickedNext_.insert(static_cast<int>(wholeNumber(word)));
  } else if (name == "hold") {
    held_.insert(static_cast<int>(wholeNumber(w[0])));
    clickedNext_.insert(static_cast<int>(wholeNumber(w[0])));
  } else if (name == "release") {
    held_.erase(static_cast<int>(wholeNumber(w[0])));
  } else if (name == "mouse") {
    mouseX_ = std::strtof(w[0].c_str(), nullptr);
    mouseY_ = std::strtof(w[1].c_str(), nullptr);
    sys::system().MovePointerTo(mouseX_, mouseY_);
  } else if (name == "click") {
    buttonsNext_[w[0] == "left" ? 0 : 1] = true;
  } else if (name == "message") {
    sys::System& system = sys::system();
    const sys::HWND window = system.MainWindow();
    if (w[0] == "activate") {
      // As a click on the task-bar entry: a minimised window is restored, then activated.
      if (system.IsIconic(window)) system.ShowWindow(window, sys::SW_SHOWNORMAL);
      system.PostMessage(window, sys::WM_ACTIVATEAPP, 1, 0);
      system.PostMessage(window, sys::WM_ACTIVATE, sys::WA_ACTIVE, 0);
    } else if (w[0] == "deactivate") {
      system.PostMessage(window, sys::WM_ACTIVATEAPP, 0, 0);
    } else if (w[0] == "close") {
      system.PostMessage(window, sys::WM_CLOSE, 0, 0);
    } else {
      system.PostMessage(window, sys::WM_HOTKEY, static_cast<sys::WPARAM>(wholeNumber(w[1])), 0);
    }
  } else if (name == "pad") {
    const std::string problem = pads_.run(w);
    if (!problem.empty()) fail(command, problem, 2);
  } else if (name == "dump") {
    std::printf("%s\n", state_().dump().c_str());
    std::fflush(stdout);
  } else if (name == "expect") {
    if (!holds(command)) {
      const Json state = state_();
      const bool printedForm = w[0] == "printed" && w[1] == "contains";
      fail(command,
           printedForm ? "no printed line equals it" : w[0] + " is " + describe(state.find(w[0])));
    }
  } else if (name == "shot") {
    const std::string problem = backend().saveShot(w[0]);
    if (!problem.empty()) {
      std::fprintf(stderr, "script line %d: shot: %s\n", command.line, problem.c_str());
    }
  }
}

bool ScriptDriver::holds(const ScriptCommand& command) const {
  const auto& w = command.words;
  const Json state = state_();
  if (w[0] == "printed" && w[1] == "contains") {
    const std::string wanted =
        unescape(trimmed(command.rest.substr(command.rest.find("contains") + 8)));
    const Json* printed = state.find("printed");
    if (printed == nullptr) return false;
    for (const Json& line : printed->items()) {
      const Json* text = line.find("text");
      if (text != nullptr && text->text() == wanted) return true;
    }
    return false;
  }
  const Json* actual = state.find(w[0]);
  const std::string& op = w[1];
  const std::string wanted = unescape(w[2]);
  if (actual == nullptr) return false;
  double wantedNumber = 0;
  if (actual->kind() == Json::Kind::Number || actual->kind() == Json::Kind::Bool) {
    if (wanted == "true" || wanted == "false") {
      wantedNumber = wanted == "true" ? 1 : 0;
    } else if (!parseNumber(wanted, wantedNumber)) {
      // Known names were turned into numbers when the script was read.
      fail(command, w[0] + " is a number; \"" + w[2] + "\" is neither a number nor a known name",
           2);
    }
    return compare(actual->number(), op, wantedNumber);
  }
  if (actual->kind() == Json::Kind::String) {
    if (op == "==") return actual->text() == wanted;
    if (op == "!=") return actual->text() != wanted;
  }
  return false;
}

void ScriptDriver::fail(const ScriptCommand& command, const std::string& why, int status) const {
  std::fprintf(stderr, "script line %d: %s: %s\n", command.line, command.source.c_str(),
               why.c_str());
  endRun(status);
}

void ScriptDriver::endRun(int status) const {
  ending_(status);
  exitProcess(status);  // an ending that returns still ends the run
}

void ScriptDriver::exitProcess(int status) {
  // The run ends in the middle of a frame: nothing is torn down, every file the game keeps was
  // already written whole.
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace rt
