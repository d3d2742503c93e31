#include "scene/PlaybackFrame.h"

#include <cstdio>

#include "scene/FadeIn.h"
#include "scene/PadControls.h"
#include "scene/Program.h"
#include "scene/RunFrame.h"

namespace {

// A viewed or checked replay says how it went and stays on its last picture (a checked one then
// leaves); the demo gives the main menu back.
void FollowEnd(TProgram& program) {
  const TPlayback& playback = program.Playback;
  if (playback.Kind() == TPlaybackKind::Demo) {
    program.Demo.End(program);
    return;
  }
  std::printf("replay: %s\n", playback.ResultLine().c_str());
  std::fflush(stdout);
  program.States.Change(gsReplayEnd);
  if (playback.Kind() == TPlaybackKind::Checked) program.States.Change(gsLeaving);
}

// The recorded frames of this frame: one, or as many as the viewer's pace asks. Of several, only
// the last one's lines are drawn.
void PlayFrames(TProgram& program, int frames) {
  TPlayback& playback = program.Playback;
  for (int i = 0; i < frames && playback.Active(); ++i) {
    if (i > 0) iPrintsHide();
    if (!playback.NextFrame(program)) {
      playback.Finish(program);
      break;
    }
    RunScreensAndGame(program);
  }
}

}  // namespace

bool ReplayOwnsFrame(const TProgram& program) {
  return program.Playback.Queued() || program.Playback.Active() ||
         program.States.Current() == gsReplayEnd;
}

void RunPlaybackFrame(TProgram& program) {
  TPlayback& playback = program.Playback;
  // The viewer's pad works the viewer's keys as in a game: A and Start pause, B leaves, the
  // d-pad sets the pace.
  program.Input = WithPadKeys(program.Input, gsPlaying);
  if (program.States.Current() == gsReplayEnd) {
    program.Viewer.EndScreen(program);
    return;
  }
  if (playback.Queued()) {
    // A replay starts at once, without the fade from dark the program starts with.
    program.FadeLevel = 200;
    ApplyFadeLight(program.FadeLevel);
    playback.Begin(program);
  } else {
    switch (playback.Kind()) {
      case TPlaybackKind::Demo:
        if (program.Demo.Interrupted(program.Input)) {
          program.Demo.End(program);
          return;
        }
        PlayFrames(program, 1);
        break;
      case TPlaybackKind::Checked:
        PlayFrames(program, 1);
        break;
      case TPlaybackKind::Watched: {
        const int frames = program.Viewer.FramesThisPass(program.Input);
        if (frames < 0) {
          // Left before its end: the replay's last picture is not waited for.
          playback.Finish(program);
          playback.TakeFinish();
          program.States.Change(gsReplayEnd);
          program.States.Change(gsLeaving);
          return;
        }
        if (frames == 0) program.Viewer.HoldPicture();
        PlayFrames(program, frames);
        break;
      }
    }
  }
  if (playback.TakeFinish()) {
    FollowEnd(program);
    return;
  }
  program.Viewer.PrintMark(program);
}
