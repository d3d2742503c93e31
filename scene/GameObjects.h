// Visibility of everything on the playing field at once.
#pragma once

// Shows the sprites of every live object of the game.
void ShowGameObjects();
// Hides the sprites of every object of the game, live or not, explosions and debris included.
void HideGameObjects();
