// The short sound effects of the menus, the ball, the bat, the bonuses and the enemies.
#pragma once

#include "tools/assetgen/synth.h"

namespace assetgen::effects {

// Every effect is mono at this rate, peaking at the level sounds.cpp asks for.
constexpr int kSampleRate = 44100;

synth::Signal menuMove();            // the menu selection moves: a soft rising blip
synth::Signal buttonClick();         // an activation: a click and a two-note confirmation
synth::Signal batExplosion();        // the bat is destroyed: a rumbling blast
synth::Signal bonusCatch();          // a capsule is caught: a sparkling arpeggio
synth::Signal brickHit();            // the ball hits a brick: a short glassy ping
synth::Signal metalHit();            // the ball hits a wall, the bat or metal: a soft metallic tonk
synth::Signal enemyChirp(int kind);  // the ball hits an enemy of kind 1, 2 or 3
synth::Signal enemyZap();            // an enemy is hit: a falling zap

}  // namespace assetgen::effects
