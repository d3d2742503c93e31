// Runs the built game as a separate process on the headless engine with a script, in a fresh
// per-user folder, and collects its exit status and output.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct GameRun {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string out;  // standard output (the dumps)
  std::string err;  // standard error
  // The JSON lines printed by dump, in order.
  std::vector<std::string> Dumps() const;
};

// A temporary folder removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// Sets a variable of this process's environment.
void SetEnvironment(const std::string& name, const std::string& value);

// Runs GLINT_GAME_BINARY --headless --script <script> --user-dir userDir --game-dir GLINT_GAME_DIR
// --seed 1, plus extra arguments.
GameRun RunScript(const std::string& script, const std::string& userDir,
                  const std::vector<std::string>& extraArgs = {});
// Runs the game binary with exactly these arguments.
GameRun RunGame(const std::vector<std::string>& args);

// The number after "\"KEY\":" in a dump line (the first occurrence); NaN when absent.
double Field(const std::string& dump, const std::string& key);
// The JSON text of the first member of that name in a dump line ("bat" gives its whole object,
// "balls" its whole list); empty when there is none.
std::string Member(const std::string& dump, const std::string& key);

// Script lines that many stories begin with.
// Until the fade from dark has ended: from then on the main menu takes keys.
inline const std::string kMenuReady = "until fade == 200 200\n";
// From the ready main menu: Enter on its first item, and on until the first level plays.
inline const std::string kNewGame = "key 28\nuntil gsPlaying 10\n";
// A game on a level set that ends at once with a record (tests/scenario/level_fixture.h), from
// the start of the program to the name entry.
inline const std::string kToNameEntry = kMenuReady + kNewGame + "until gsRecordEntryName 3000\n";

// The script command that puts the pointer on pixel (x, y) of the 800 x 600 picture.
std::string PointerAt(int x, int y);

// A named script that checks itself with expect lines.
struct Story {
  std::string name;
  std::string script;
};
// Runs each story in a fresh user folder (which first gets the settings file unless it is
// empty); a story fails with the script line that did not hold.
void RunStories(const std::vector<Story>& stories, const std::string& settings = "");

}  // namespace testing_support
