// The frames that belong to a replay: the one it starts in, those its game plays (with the
// viewer's keys, or the demo's end on any input), and its last picture.
#pragma once

class TProgram;

// A replay is queued, plays, or has ended on its last picture.
bool ReplayOwnsFrame(const TProgram& program);
void RunPlaybackFrame(TProgram& program);
