// Brings the program's objects into being in the engine's init phase. The first call creates
// every game-wide object and the shared pictures, sounds and fonts and starts the fade from
// dark; every later call (after the engine was reopened) re-creates only what lived inside the
// engine and shows the screen that was current again.
#pragma once

class TProgram;

void SetupScene(TProgram& program);

// Starts decoding the loading picture, the first the game shows, before the engine opens.
void DecodeLoadingPictureAhead();
